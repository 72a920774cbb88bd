#include "kit/ui/Switch.h"

#include "kit/graphics/Context.h"
#include "kit/ui/PanGesture.h"

namespace kit {

Switch::Switch() { Control::setFrame({0, 0, kSize.width, kSize.height}); }

Switch::Switch(const Rect& frame) : Switch() { setFrame(frame); }

void Switch::setFrame(const Rect& frame) {
    // The switch keeps its own size, as the platform's does.
    Control::setFrame({frame.origin, kSize});
}

void Switch::setOn(bool on, bool) {
    if (on == on_) return;
    on_ = on;
    setNeedsDisplay();
}

void Switch::setOnTintColor(std::optional<Color> color) { onTint_ = std::move(color); setNeedsDisplay(); }
void Switch::setThumbTintColor(std::optional<Color> color) { thumbTint_ = std::move(color); setNeedsDisplay(); }

void Switch::endTracking(const Touch* touch, const Event*) {
    if (!touch || !touchIsInside(*touch)) return;
    on_ = !on_;
    setNeedsDisplay();
    sendActions(ControlEvent::valueChanged);
}

bool Switch::activateFromKeyboard() {
    if (!isEnabled()) return false;
    auto self = weak_from_this().lock();
    sendActions(ControlEvent::touchDown);
    on_ = !on_;
    setNeedsDisplay();
    sendActions(ControlEvent::valueChanged);
    sendActions(ControlEvent::touchUpInside);
    return true;
}

bool Switch::winsTouchOver(const GestureRecognizer& r) const {
    return claimsTapsAndSwipes(r) || (isEnabled() && dynamic_cast<const PanGesture*>(&r));
}

void Switch::drawRect(Context& c, const Rect&) {
    const Rect b = bounds();
    const double r = b.height() / 2;
    c.setAlpha(isEnabled() ? 1.0 : 0.5);
    c.setFillColor(on_ ? onTint_.value_or(Color::rgba(52 / 255.0, 199 / 255.0, 89 / 255.0)) : Color::gray(0.9));
    c.fill(Path::roundedRect(b, r));
    const double d = b.height() - 4;
    const Rect thumb{on_ ? b.maxX() - 2 - d : b.x() + 2, b.y() + 2, d, d};
    c.setFillColor(Color::gray(0, 0.15));
    c.fillEllipse(thumb.offsetBy(0, 1));
    c.setFillColor(thumbTint_.value_or(Color::whiteColor()));
    c.fillEllipse(thumb);
}

} // namespace kit
