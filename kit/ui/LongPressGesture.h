#pragma once
// A finger held still for the minimum duration. The action runs once when the press is recognised
// (began) and once when the finger lifts (ended); moving the held finger sends nothing.
#include "kit/ui/GestureRecognizer.h"

namespace kit {

class LongPressGesture : public GestureRecognizer {
public:
    using GestureRecognizer::GestureRecognizer;

    double minimumPressDuration() const { return minimumDuration_; }
    void setMinimumPressDuration(double seconds) { minimumDuration_ = seconds < 0 ? 0 : seconds; }
    double allowableMovement() const { return allowableMovement_; }
    void setAllowableMovement(double points) { allowableMovement_ = points; }

    void touchesBegan(const TouchSet& touches, const Event& event) override;
    void touchesMoved(const TouchSet& touches, const Event& event) override;
    void touchesEnded(const TouchSet& touches, const Event& event) override;
    void tick(double now) override;
    std::optional<double> deadline() const override;
    bool actsOn(State state) const override {
        return state == State::began || state == State::ended || state == State::cancelled;
    }

private:
    double minimumDuration_ = 0.5;
    double allowableMovement_ = 10;
    double pressStart_ = 0;
    Point startPoint_;
};

} // namespace kit
