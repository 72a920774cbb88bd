#pragma once
// A busy sign: twelve spokes, shown while animating and (by default) hidden when stopped.
#include "kit/ui/View.h"

#include <optional>

namespace kit {

enum class ActivityIndicatorStyle { medium, large, white, whiteLarge, gray };

class ActivityIndicator : public View {
public:
    explicit ActivityIndicator(ActivityIndicatorStyle style = ActivityIndicatorStyle::medium);

    ActivityIndicatorStyle style() const { return style_; }
    void setStyle(ActivityIndicatorStyle style);
    // Absent: white for the white styles, grey otherwise.
    Color color() const;
    void setColor(std::optional<Color> color);

    void startAnimating();
    void stopAnimating();
    bool isAnimating() const { return animating_; }
    bool hidesWhenStopped() const { return hidesWhenStopped_; }
    void setHidesWhenStopped(bool hides);

    Size intrinsicContentSize() const override;
    Size sizeThatFits(Size) const override { return intrinsicContentSize(); }

protected:
    void drawRect(Context& context, const Rect& rect) override;

private:
    ActivityIndicatorStyle style_;
    std::optional<Color> color_;
    bool animating_ = false;
    bool hidesWhenStopped_ = true;
};

} // namespace kit
