#include "kit/ui/TapGesture.h"

#include <algorithm>

namespace kit {

bool TapGesture::canPrevent(const GestureRecognizer& other) const {
    const auto* tap = dynamic_cast<const TapGesture*>(&other);
    return !tap || tap->numberOfTapsRequired() <= numberOfTapsRequired();
}

bool TapGesture::isWaiting() const { return state() == State::possible && taps_ > 0 && numberOfTouches() == 0; }

void TapGesture::touchesBegan(const TouchSet& touches, const Event& event) {
    if (state() != State::possible) return;
    const bool firstFinger = numberOfTouches() == 0;
    // A second tap that comes too late starts a new gesture, as if the wait had already failed.
    if (firstFinger && taps_ > 0 && timeNow() - lastLift_ > kMaximumInterval) taps_ = 0;
    GestureRecognizer::touchesBegan(touches, event);
    mostTouches_ = std::max(mostTouches_, numberOfTouches());
    if (numberOfTouches() > static_cast<std::size_t>(touchesRequired_)) {
        fail();
        return;
    }
    const Point here = locationIn(nullptr);
    if (firstFinger) {
        tapStart_ = here;
        if (taps_ == 0) firstTap_ = here;
        else if (distance(here, firstTap_) > kTapDistance) fail();
    }
}

void TapGesture::touchesMoved(const TouchSet& touches, const Event& event) {
    GestureRecognizer::touchesMoved(touches, event);
    if (state() == State::possible && distance(locationIn(nullptr), tapStart_) > kAllowableMovement) fail();
}

void TapGesture::touchesEnded(const TouchSet& touches, const Event& event) {
    GestureRecognizer::touchesEnded(touches, event);
    if (state() != State::possible || numberOfTouches() > 0) return;
    if (mostTouches_ != static_cast<std::size_t>(touchesRequired_)) {
        fail();
        return;
    }
    mostTouches_ = 0;
    ++taps_;
    lastLift_ = timeNow();
    if (taps_ >= tapsRequired_) setState(State::ended);
}

std::optional<double> TapGesture::deadline() const {
    if (isWaiting()) return lastLift_ + kMaximumInterval + 1e-6;
    return std::nullopt;
}

void TapGesture::tick(double now) {
    if (isWaiting() && now - lastLift_ > kMaximumInterval) fail();
}

void TapGesture::reset() {
    GestureRecognizer::reset();
    taps_ = 0;
    mostTouches_ = 0;
}

} // namespace kit
