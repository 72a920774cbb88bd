#include "kit/ui/PinchGesture.h"

namespace kit {

double PinchGesture::measure() const {
    return distance(trackedTouches()[0]->windowLocation(), trackedTouches()[1]->windowLocation());
}

std::optional<double> PinchGesture::valueFor(double spread, double base, double reference) const {
    if (reference <= 0) return std::nullopt; // fingers that began on one point give no ratio
    return base * spread / reference;
}

} // namespace kit
