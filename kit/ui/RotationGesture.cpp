#include "kit/ui/RotationGesture.h"

#include <cmath>
#include <numbers>

namespace kit {

double RotationGesture::angle() const {
    if (numberOfTouches() < 2) return 0;
    const Point a = trackedTouches()[0]->windowLocation(), b = trackedTouches()[1]->windowLocation();
    return std::atan2(b.y - a.y, b.x - a.x);
}

void RotationGesture::setRotation(double radians) {
    base_ = rotation_ = radians;
    reference_ = angle();
}

void RotationGesture::touchesBegan(const TouchSet& touches, const Event& event) {
    if (state() != State::possible) return;
    GestureRecognizer::touchesBegan(touches, event);
    if (numberOfTouches() > 2) {
        fail();
        return;
    }
    if (numberOfTouches() == 2) {
        base_ = rotation_ = 0;
        reference_ = angle();
        lastTime_ = timeNow();
    }
}

void RotationGesture::touchesMoved(const TouchSet& touches, const Event& event) {
    GestureRecognizer::touchesMoved(touches, event);
    if (numberOfTouches() < 2) return;
    double delta = angle() - reference_;
    // Unwrap across the ±pi seam so a turn through it stays continuous.
    const double previous = rotation_ - base_;
    while (delta - previous > std::numbers::pi) delta -= 2 * std::numbers::pi;
    while (delta - previous < -std::numbers::pi) delta += 2 * std::numbers::pi;
    const double next = base_ + delta;
    const double now = timeNow();
    if (now > lastTime_) velocity_ = (next - rotation_) / (now - lastTime_);
    lastTime_ = now;
    rotation_ = next;
    if (state() == State::possible) {
        if (std::fabs(rotation_) >= kThreshold) setState(State::began);
    } else if (state() == State::began || state() == State::changed) {
        setState(State::changed);
    }
}

void RotationGesture::touchesEnded(const TouchSet& touches, const Event& event) {
    GestureRecognizer::touchesEnded(touches, event);
    if (numberOfTouches() >= 2) return;
    if (state() == State::began || state() == State::changed) setState(State::ended);
    else if (state() == State::possible) fail();
}

void RotationGesture::reset() {
    GestureRecognizer::reset();
    base_ = rotation_ = reference_ = velocity_ = 0;
}

} // namespace kit
