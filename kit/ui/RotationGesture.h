#pragma once
// Two fingers turning about each other. rotation is in radians since touch-down (clockwise
// positive on the y-down screen; settable); velocity is radians per second.
#include "kit/ui/TwoFingerGesture.h"

namespace kit {

class RotationGesture : public TwoFingerGesture {
public:
    explicit RotationGesture(Action action = {}) : TwoFingerGesture(0, std::move(action)) {}

    double rotation() const { return value(); }
    void setRotation(double radians) { setValue(radians); }

protected:
    double measure() const override;
    std::optional<double> valueFor(double angle, double base, double reference) const override;
};

} // namespace kit
