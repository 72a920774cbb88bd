#pragma once
// A quick stroke in one of the allowed directions; recognised as soon as it travelled far enough.
#include "kit/ui/GestureRecognizer.h"

#include <cstdint>

namespace kit {

enum class SwipeDirection : std::uint32_t { right = 1, left = 2, up = 4, down = 8 };
constexpr SwipeDirection operator|(SwipeDirection a, SwipeDirection b) {
    return static_cast<SwipeDirection>(static_cast<std::uint32_t>(a) | static_cast<std::uint32_t>(b));
}

class SwipeGesture : public GestureRecognizer {
public:
    using GestureRecognizer::GestureRecognizer;
    static constexpr double kMinimumDistance = 30;   // points along the direction
    static constexpr double kMaximumDuration = 0.5;  // seconds from touch-down

    SwipeDirection direction() const { return direction_; }
    void setDirection(SwipeDirection direction) { direction_ = direction; }
    int numberOfTouchesRequired() const { return touchesRequired_; }
    void setNumberOfTouchesRequired(int touches) { touchesRequired_ = touches < 1 ? 1 : touches; }

    void touchesBegan(const TouchSet& touches, const Event& event) override;
    void touchesMoved(const TouchSet& touches, const Event& event) override;
    void touchesEnded(const TouchSet& touches, const Event& event) override;
    void tick(double now) override;
    std::optional<double> deadline() const override;
    bool actsOn(State state) const override { return state == State::ended; }

private:
    bool allows(SwipeDirection d) const {
        return (static_cast<std::uint32_t>(direction_) & static_cast<std::uint32_t>(d)) != 0;
    }
    SwipeDirection direction_ = SwipeDirection::right;
    int touchesRequired_ = 1;
    double startTime_ = 0;
    Point start_;
};

} // namespace kit
