#include "kit/ui/SwipeGesture.h"

#include <cmath>

namespace kit {

void SwipeGesture::touchesBegan(const TouchSet& touches, const Event& event) {
    if (state() != State::possible) return;
    const bool first = numberOfTouches() == 0;
    GestureRecognizer::touchesBegan(touches, event);
    if (numberOfTouches() > static_cast<std::size_t>(touchesRequired_)) {
        fail();
        return;
    }
    if (first) startTime_ = timeNow();
    start_ = locationIn(nullptr);
}

void SwipeGesture::touchesMoved(const TouchSet& touches, const Event& event) {
    GestureRecognizer::touchesMoved(touches, event);
    if (state() != State::possible) return;
    if (timeNow() - startTime_ > kMaximumDuration) {
        fail();
        return;
    }
    if (numberOfTouches() != static_cast<std::size_t>(touchesRequired_)) return;
    const Point p = locationIn(nullptr);
    const double dx = p.x - start_.x, dy = p.y - start_.y;
    // Mostly along the axis: the sideways drift stays below the travel.
    const bool horizontal = std::fabs(dx) >= kMinimumDistance && std::fabs(dy) < std::fabs(dx);
    const bool vertical = std::fabs(dy) >= kMinimumDistance && std::fabs(dx) < std::fabs(dy);
    if ((horizontal && allows(dx > 0 ? SwipeDirection::right : SwipeDirection::left)) ||
        (vertical && allows(dy > 0 ? SwipeDirection::down : SwipeDirection::up))) {
        setState(State::ended);
    } else if (horizontal || vertical) {
        fail(); // a clear stroke the other way
    }
}

void SwipeGesture::touchesEnded(const TouchSet& touches, const Event& event) {
    GestureRecognizer::touchesEnded(touches, event);
    if (state() == State::possible && numberOfTouches() == 0) fail();
}

std::optional<double> SwipeGesture::deadline() const {
    if (state() == State::possible && numberOfTouches() > 0) return startTime_ + kMaximumDuration + 1e-6;
    return std::nullopt;
}

void SwipeGesture::tick(double now) {
    if (state() == State::possible && numberOfTouches() > 0 && now - startTime_ > kMaximumDuration) fail();
}

} // namespace kit
