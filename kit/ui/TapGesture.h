#pragma once
// One or more taps in a row: each tap lifts within the movement tolerance, and the next one
// starts within the interval near the first. Recognised (and the action run) on the last lift.
#include "kit/ui/GestureRecognizer.h"

namespace kit {

class TapGesture : public GestureRecognizer {
public:
    using GestureRecognizer::GestureRecognizer;
    static constexpr double kMaximumInterval = 0.35;  // seconds from a lift to the next touch
    static constexpr double kAllowableMovement = 10;  // points a finger may move during a tap
    static constexpr double kTapDistance = 45;        // points between the taps of one gesture

    int numberOfTapsRequired() const { return tapsRequired_; }
    void setNumberOfTapsRequired(int taps) { tapsRequired_ = taps < 1 ? 1 : taps; }
    int numberOfTouchesRequired() const { return touchesRequired_; }
    void setNumberOfTouchesRequired(int touches) { touchesRequired_ = touches < 1 ? 1 : touches; }

    void touchesBegan(const TouchSet& touches, const Event& event) override;
    void touchesMoved(const TouchSet& touches, const Event& event) override;
    void touchesEnded(const TouchSet& touches, const Event& event) override;
    void tick(double now) override;
    void reset() override;
    bool actsOn(State state) const override { return state == State::ended; }
    bool isWaiting() const override;
    // A tap does not stop one that wants more taps (a double tap keeps waiting after the first
    // tap was taken as a single tap); on the lift that completes both, the one wanting more wins.
    bool canPrevent(const GestureRecognizer& other) const override;
    std::optional<double> deadline() const override;

private:
    int tapsRequired_ = 1;
    int touchesRequired_ = 1;
    int taps_ = 0;
    std::size_t mostTouches_ = 0;
    double lastLift_ = 0;
    Point firstTap_;
    Point tapStart_;
};

} // namespace kit
