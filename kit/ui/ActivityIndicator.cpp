#include "kit/ui/ActivityIndicator.h"

#include "kit/graphics/Context.h"

#include <cmath>
#include <numbers>

namespace kit {

ActivityIndicator::ActivityIndicator(ActivityIndicatorStyle style) : style_(style) {
    setUserInteractionEnabled(false);
    setHidden(true); // stopped, and hidden when stopped
    const Size s = intrinsicContentSize();
    View::setFrame({0, 0, s.width, s.height});
}

void ActivityIndicator::setStyle(ActivityIndicatorStyle style) {
    style_ = style;
    invalidateIntrinsicContentSize();
    setNeedsDisplay();
}

Color ActivityIndicator::color() const {
    if (color_) return *color_;
    const bool white = style_ == ActivityIndicatorStyle::white || style_ == ActivityIndicatorStyle::whiteLarge;
    return white ? Color::whiteColor() : Color::grayColor();
}

void ActivityIndicator::setColor(std::optional<Color> color) {
    color_ = std::move(color);
    setNeedsDisplay();
}

void ActivityIndicator::startAnimating() {
    animating_ = true;
    setHidden(false);
}

void ActivityIndicator::stopAnimating() {
    animating_ = false;
    if (hidesWhenStopped_) setHidden(true);
}

void ActivityIndicator::setHidesWhenStopped(bool hides) {
    hidesWhenStopped_ = hides;
    setHidden(hides && !animating_);
}

Size ActivityIndicator::intrinsicContentSize() const {
    const bool large = style_ == ActivityIndicatorStyle::large || style_ == ActivityIndicatorStyle::whiteLarge;
    return large ? Size{37, 37} : Size{20, 20};
}

void ActivityIndicator::drawRect(Context& c, const Rect&) {
    const Rect b = bounds();
    const double r = std::min(b.width(), b.height()) / 2;
    const Point center = b.center();
    const Color base = color();
    c.setLineCap(LineCap::round);
    c.setLineWidth(std::max(1.5, r * 0.18));
    for (int i = 0; i < 12; ++i) {
        const double angle = i * std::numbers::pi / 6;
        // Fading spokes, as a still of the turning sign.
        c.setStrokeColor(base.withAlpha(base.alpha() * (0.25 + 0.75 * i / 11.0)));
        const double dx = std::cos(angle), dy = std::sin(angle);
        c.drawLine({center.x + dx * r * 0.45, center.y + dy * r * 0.45}, {center.x + dx * r * 0.95, center.y + dy * r * 0.95});
    }
}

} // namespace kit
