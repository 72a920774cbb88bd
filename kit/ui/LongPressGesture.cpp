#include "kit/ui/LongPressGesture.h"

namespace kit {

void LongPressGesture::touchesBegan(const TouchSet& touches, const Event& event) {
    if (state() != State::possible) return;
    const bool first = numberOfTouches() == 0;
    GestureRecognizer::touchesBegan(touches, event);
    if (numberOfTouches() > 1) {
        fail();
        return;
    }
    if (first) {
        pressStart_ = timeNow();
        startPoint_ = locationIn(nullptr);
    }
}

void LongPressGesture::touchesMoved(const TouchSet& touches, const Event& event) {
    GestureRecognizer::touchesMoved(touches, event);
    if (state() == State::possible && distance(locationIn(nullptr), startPoint_) > allowableMovement_) fail();
}

void LongPressGesture::touchesEnded(const TouchSet& touches, const Event& event) {
    // The duration may have passed without an update in between: recognise first, then end.
    tick(timeNow());
    GestureRecognizer::touchesEnded(touches, event);
    if (numberOfTouches() > 0) return;
    if (state() == State::began) setState(State::ended);
    else if (state() == State::possible) fail();
}

std::optional<double> LongPressGesture::deadline() const {
    if (state() == State::possible && numberOfTouches() > 0) return pressStart_ + minimumDuration_;
    return std::nullopt;
}

void LongPressGesture::tick(double now) {
    if (state() == State::possible && numberOfTouches() > 0 && now - pressStart_ >= minimumDuration_)
        setState(State::began);
}

} // namespace kit
