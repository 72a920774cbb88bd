#include "kit/ui/RotationGesture.h"

#include <cmath>
#include <numbers>

namespace kit {

double RotationGesture::measure() const {
    const Point a = trackedTouches()[0]->windowLocation(), b = trackedTouches()[1]->windowLocation();
    return std::atan2(b.y - a.y, b.x - a.x);
}

std::optional<double> RotationGesture::valueFor(double angle, double base, double reference) const {
    double delta = angle - reference;
    // Unwrap across the ±pi seam so a turn through it stays continuous.
    const double previous = rotation() - base;
    while (delta - previous > std::numbers::pi) delta -= 2 * std::numbers::pi;
    while (delta - previous < -std::numbers::pi) delta += 2 * std::numbers::pi;
    return base + delta;
}

} // namespace kit
