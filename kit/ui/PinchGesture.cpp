#include "kit/ui/PinchGesture.h"

#include <cmath>

namespace kit {

double PinchGesture::spread() const {
    if (numberOfTouches() < 2) return 0;
    return distance(trackedTouches()[0]->windowLocation(), trackedTouches()[1]->windowLocation());
}

void PinchGesture::setScale(double scale) {
    base_ = scale;
    reference_ = spread();
    scale_ = scale;
}

void PinchGesture::touchesBegan(const TouchSet& touches, const Event& event) {
    if (state() != State::possible) return;
    GestureRecognizer::touchesBegan(touches, event);
    if (numberOfTouches() > 2) {
        fail();
        return;
    }
    if (numberOfTouches() == 2) {
        base_ = scale_ = 1;
        reference_ = spread();
        lastTime_ = timeNow();
    }
}

void PinchGesture::touchesMoved(const TouchSet& touches, const Event& event) {
    GestureRecognizer::touchesMoved(touches, event);
    if (numberOfTouches() < 2 || reference_ <= 0) return;
    const double now = timeNow();
    const double next = base_ * spread() / reference_;
    if (now > lastTime_) velocity_ = (next - scale_) / (now - lastTime_);
    lastTime_ = now;
    scale_ = next;
    if (state() == State::possible) {
        if (std::fabs(scale_ - 1) >= kThreshold) setState(State::began);
    } else if (state() == State::began || state() == State::changed) {
        setState(State::changed);
    }
}

void PinchGesture::touchesEnded(const TouchSet& touches, const Event& event) {
    GestureRecognizer::touchesEnded(touches, event);
    if (numberOfTouches() >= 2) return;
    if (state() == State::began || state() == State::changed) setState(State::ended);
    else if (state() == State::possible) fail();
}

void PinchGesture::reset() {
    GestureRecognizer::reset();
    base_ = scale_ = 1;
    reference_ = velocity_ = 0;
}

} // namespace kit
