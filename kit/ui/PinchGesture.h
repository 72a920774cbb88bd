#pragma once
// Two fingers moving apart or together. scale is the distance ratio since touch-down (settable,
// so a handler can reset it to 1 after applying it); velocity is scale per second.
#include "kit/ui/TwoFingerGesture.h"

namespace kit {

class PinchGesture : public TwoFingerGesture {
public:
    explicit PinchGesture(Action action = {}) : TwoFingerGesture(1, std::move(action)) {}

    double scale() const { return value(); }
    void setScale(double scale) { setValue(scale); }

protected:
    double measure() const override;
    std::optional<double> valueFor(double spread, double base, double reference) const override;
};

} // namespace kit
