#include "kit/ui/TwoFingerGesture.h"

#include <cmath>

namespace kit {

void TwoFingerGesture::restart(double base) {
    base_ = value_ = base;
    reference_ = numberOfTouches() < 2 ? 0 : measure();
}

void TwoFingerGesture::setValue(double value) { restart(value); }

void TwoFingerGesture::touchesBegan(const TouchSet& touches, const Event& event) {
    if (state() != State::possible) return;
    GestureRecognizer::touchesBegan(touches, event);
    if (numberOfTouches() > 2) {
        fail();
        return;
    }
    if (numberOfTouches() == 2) {
        restart(identity_);
        lastTime_ = timeNow();
    }
}

void TwoFingerGesture::touchesMoved(const TouchSet& touches, const Event& event) {
    GestureRecognizer::touchesMoved(touches, event);
    if (numberOfTouches() < 2) return;
    const auto next = valueFor(measure(), base_, reference_);
    if (!next) return;
    const double now = timeNow();
    if (now > lastTime_) velocity_ = (*next - value_) / (now - lastTime_);
    lastTime_ = now;
    value_ = *next;
    if (state() == State::possible) {
        if (std::fabs(value_ - identity_) >= kThreshold) setState(State::began);
    } else if (state() == State::began || state() == State::changed) {
        setState(State::changed);
    }
}

void TwoFingerGesture::touchesEnded(const TouchSet& touches, const Event& event) {
    GestureRecognizer::touchesEnded(touches, event);
    if (numberOfTouches() >= 2) return;
    if (state() == State::began || state() == State::changed) setState(State::ended);
    else if (state() == State::possible) fail();
}

void TwoFingerGesture::reset() {
    GestureRecognizer::reset();
    base_ = value_ = identity_;
    reference_ = velocity_ = 0;
}

} // namespace kit
