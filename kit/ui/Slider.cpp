#include "kit/ui/Slider.h"

#include "kit/graphics/Context.h"
#include "kit/ui/PanGesture.h"

#include <algorithm>
#include <cmath>

namespace kit {

Slider::Slider() = default;

Slider::Slider(const Rect& frame) : Control(frame) {}

void Slider::clamp() {
    const float v = std::clamp(value_, minimum_, maximum_);
    if (v != value_) value_ = v;
    setNeedsDisplay();
}

void Slider::setValue(float value, bool) {
    if (std::isnan(value)) return;
    value_ = value;
    clamp();
}

void Slider::setMinimumValue(float minimum) {
    if (std::isnan(minimum)) return;
    minimum_ = minimum;
    if (maximum_ < minimum_) maximum_ = minimum_;
    clamp();
}

void Slider::setMaximumValue(float maximum) {
    if (std::isnan(maximum)) return;
    maximum_ = maximum;
    if (minimum_ > maximum_) minimum_ = maximum_;
    clamp();
}

void Slider::setMinimumTrackTintColor(std::optional<Color> color) { minTrack_ = std::move(color); setNeedsDisplay(); }
void Slider::setMaximumTrackTintColor(std::optional<Color> color) { maxTrack_ = std::move(color); setNeedsDisplay(); }
void Slider::setThumbTintColor(std::optional<Color> color) { thumb_ = std::move(color); setNeedsDisplay(); }

Rect Slider::trackRect() const {
    const Rect b = bounds();
    return {b.x(), b.midY() - kTrackHeight / 2, b.width(), kTrackHeight};
}

Rect Slider::thumbRect() const {
    const Rect b = bounds();
    const double travel = std::max(0.0, b.width() - kThumbDiameter);
    const double span = maximum_ - minimum_;
    const double f = span > 0 ? (value_ - minimum_) / span : 0;
    return {b.x() + travel * f, b.midY() - kThumbDiameter / 2, kThumbDiameter, kThumbDiameter};
}

float Slider::valueAt(double thumbCenterX) const {
    const Rect b = bounds();
    const double travel = b.width() - kThumbDiameter;
    if (travel <= 0) return minimum_;
    const double f = std::clamp((thumbCenterX - b.x() - kThumbDiameter / 2) / travel, 0.0, 1.0);
    return static_cast<float>(minimum_ + f * (maximum_ - minimum_));
}

bool Slider::beginTracking(const Touch& touch, const Event&) {
    // The thumb is grabbed where the finger lands on it (with some room around it).
    const Point p = touch.locationIn(this);
    const Rect thumb = thumbRect();
    if (!thumb.insetBy(-10, -10).contains(p)) return false;
    grabOffset_ = p.x - thumb.midX();
    valueAtGrab_ = value_;
    changedWhileTracking_ = false;
    return true;
}

bool Slider::continueTracking(const Touch& touch, const Event&) {
    const float v = valueAt(touch.locationIn(this).x - grabOffset_);
    if (v != value_) {
        value_ = v;
        changedWhileTracking_ = true;
        setNeedsDisplay();
        if (continuous_) sendActions(ControlEvent::valueChanged);
    }
    return true;
}

void Slider::endTracking(const Touch* touch, const Event* event) {
    if (touch && event) {
        const float v = valueAt(touch->locationIn(this).x - grabOffset_);
        if (v != value_) {
            value_ = v;
            changedWhileTracking_ = true;
            setNeedsDisplay();
            if (continuous_) sendActions(ControlEvent::valueChanged);
        }
    }
    if (!continuous_ && changedWhileTracking_ && value_ != valueAtGrab_) sendActions(ControlEvent::valueChanged);
}

bool Slider::stepFromKeyboard(int direction) {
    if (!isEnabled()) return false;
    const float before = value_;
    value_ += static_cast<float>(direction) * (maximum_ - minimum_) / 20;
    clamp();
    if (value_ == before) return true;  // at the end of the range: the key is taken all the same
    auto self = weak_from_this().lock();
    setNeedsDisplay();
    sendActions(ControlEvent::valueChanged);
    sendActions(ControlEvent::touchUpInside);
    return true;
}

bool Slider::winsTouchOver(const GestureRecognizer& r) const {
    // A drag along the slider is the slider's, whoever above it watches for pans.
    return claimsTapsAndSwipes(r) || (isEnabled() && dynamic_cast<const PanGesture*>(&r));
}

void Slider::drawRect(Context& c, const Rect&) {
    const Rect track = trackRect();
    const Rect thumb = thumbRect();
    const double radius = kTrackHeight / 2;
    const double alpha = isEnabled() ? 1.0 : 0.5;
    c.setAlpha(alpha);
    c.setFillColor(maxTrack_.value_or(Color::gray(0.87)));
    c.fill(Path::roundedRect(track, radius));
    c.setFillColor(minTrack_.value_or(tintColor()));
    c.fill(Path::roundedRect({track.x(), track.y(), std::max(kTrackHeight, thumb.midX() - track.x()), track.height()}, radius));
    // Thumb with a soft edge below it.
    c.setFillColor(Color::gray(0, 0.12));
    c.fillEllipse(thumb.offsetBy(0, 1).insetBy(-0.5, -0.5));
    c.setFillColor(thumb_.value_or(Color::whiteColor()));
    c.fillEllipse(thumb);
    c.setStrokeColor(Color::gray(0, 0.08));
    c.setLineWidth(0.5);
    c.strokeEllipse(thumb.insetBy(0.25, 0.25));
}

} // namespace kit
