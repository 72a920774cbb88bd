#pragma once
// A value between a minimum and a maximum chosen by dragging a thumb along a track. Setting the
// value or the range in code sends no event; the value is clamped into the range on every change
// of either. While dragging: value changed (continuously, or once at the end); on release: touch
// up inside or outside.
#include "kit/ui/Control.h"

#include <optional>

namespace kit {

class Slider : public Control {
public:
    static constexpr double kThumbDiameter = 28;
    static constexpr double kTrackHeight = 4;

    Slider();
    explicit Slider(const Rect& frame);

    float value() const { return value_; }
    void setValue(float value, bool animated = false);
    float minimumValue() const { return minimum_; }
    void setMinimumValue(float minimum);
    float maximumValue() const { return maximum_; }
    void setMaximumValue(float maximum);
    bool isContinuous() const { return continuous_; }
    void setContinuous(bool continuous) { continuous_ = continuous; }

    // Absent: the tint colour, a light grey, white.
    const std::optional<Color>& minimumTrackTintColor() const { return minTrack_; }
    void setMinimumTrackTintColor(std::optional<Color> color);
    const std::optional<Color>& maximumTrackTintColor() const { return maxTrack_; }
    void setMaximumTrackTintColor(std::optional<Color> color);
    const std::optional<Color>& thumbTintColor() const { return thumb_; }
    void setThumbTintColor(std::optional<Color> color);

    // Geometry in the slider's bounds.
    Rect trackRect() const;
    Rect thumbRect() const;

    bool beginTracking(const Touch& touch, const Event& event) override;
    bool continueTracking(const Touch& touch, const Event& event) override;
    void endTracking(const Touch* touch, const Event* event) override;
    // A step is a twentieth of the range; the value changes as a tap on the track would change it.
    bool activateFromKeyboard() override { return false; }
    bool stepFromKeyboard(int direction) override;
    bool winsTouchOver(const GestureRecognizer& recognizer) const override;
    Size intrinsicContentSize() const override { return {layout::noIntrinsicMetric, 31}; }
    void tintColorDidChange() override { setNeedsDisplay(); }

protected:
    void drawRect(Context& context, const Rect& rect) override;

private:
    float valueAt(double thumbCenterX) const;
    void clamp();

    float value_ = 0;
    float minimum_ = 0;
    float maximum_ = 1;
    bool continuous_ = true;
    std::optional<Color> minTrack_, maxTrack_, thumb_;
    double grabOffset_ = 0;
    float valueAtGrab_ = 0;
    bool changedWhileTracking_ = false;
};

} // namespace kit
