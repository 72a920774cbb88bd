#pragma once
// An on/off switch. A tap toggles it and sends value changed; setting it in code sends nothing.
#include "kit/ui/Control.h"

#include <optional>

namespace kit {

class Switch : public Control {
public:
    static constexpr Size kSize{51, 31};

    Switch();
    explicit Switch(const Rect& frame);

    bool isOn() const { return on_; }
    void setOn(bool on, bool animated = false);
    // Absent: green, white.
    const std::optional<Color>& onTintColor() const { return onTint_; }
    void setOnTintColor(std::optional<Color> color);
    const std::optional<Color>& thumbTintColor() const { return thumbTint_; }
    void setThumbTintColor(std::optional<Color> color);

    void setFrame(const Rect& frame) override;
    void endTracking(const Touch* touch, const Event* event) override;
    bool activateFromKeyboard() override;
    bool winsTouchOver(const GestureRecognizer& recognizer) const override;
    Size intrinsicContentSize() const override { return kSize; }
    Size sizeThatFits(Size) const override { return kSize; }

protected:
    void drawRect(Context& context, const Rect& rect) override;

private:
    bool on_ = false;
    std::optional<Color> onTint_, thumbTint_;
};

} // namespace kit
