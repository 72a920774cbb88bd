#pragma once
// Two fingers followed from the moment both are down: a measure of where they are (their distance,
// their angle) becomes a value relative to the start (a scale, a rotation). The value is settable,
// so a handler can apply it and start again from a new base; velocity is value per second.
#include "kit/ui/GestureRecognizer.h"

#include <optional>
#include <utility>

namespace kit {

class TwoFingerGesture : public GestureRecognizer {
public:
    static constexpr double kThreshold = 0.05; // change of the value before the gesture begins

    double velocity() const { return velocity_; }

    void touchesBegan(const TouchSet& touches, const Event& event) override;
    void touchesMoved(const TouchSet& touches, const Event& event) override;
    void touchesEnded(const TouchSet& touches, const Event& event) override;
    void reset() override;

protected:
    // `identity` is the value that means "no change" (1 for a scale, 0 for a rotation).
    explicit TwoFingerGesture(double identity, Action action = {})
        : GestureRecognizer(std::move(action)), identity_(identity), base_(identity), value_(identity) {}

    double value() const { return value_; }
    void setValue(double value);

    // The measure of the two fingers as they are now.
    virtual double measure() const = 0;
    // The value for a measure, given the base value and the measure it was set at; none while the
    // reference cannot give one.
    virtual std::optional<double> valueFor(double measure, double base, double reference) const = 0;

private:
    void restart(double base);

    double identity_;
    double base_;
    double reference_ = 0;
    double value_;
    double velocity_ = 0;
    double lastTime_ = 0;
};

} // namespace kit
