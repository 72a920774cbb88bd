#include "kit/base/Clock.h"
#include "kit/base/Make.h"
#include "kit/ui/EventDispatcher.h"
#include "kit/ui/SwipeGesture.h"
#include "kit/ui/View.h"

#include <gtest/gtest.h>

namespace kit {
namespace {

TEST(SwipeGesture, DirectionDistanceAndSpeed) {
    struct Case {
        const char* what;
        SwipeDirection direction;
        Point to;       // from (200, 200)
        double seconds; // to get there
        bool fires;
    } cases[] = {
        {"right", SwipeDirection::right, {260, 210}, 0.2, true},
        {"left wanted, right made", SwipeDirection::left, {260, 200}, 0.2, false},
        {"left", SwipeDirection::left, {150, 195}, 0.2, true},
        {"too short", SwipeDirection::right, {220, 200}, 0.2, false},
        {"too slow", SwipeDirection::right, {240, 200}, 1.0, false}, // 30 points only after 0.75 s
        {"too steep", SwipeDirection::right, {240, 250}, 0.2, false},
        {"down", SwipeDirection::down, {205, 260}, 0.2, true},
        {"either way", SwipeDirection::left | SwipeDirection::right, {140, 200}, 0.2, true},
    };
    for (const Case& c : cases) {
        ManualClockScope scope;
        auto root = make<View>(Rect{0, 0, 400, 400});
        int fired = 0;
        auto swipe = make<SwipeGesture>([&](GestureRecognizer&) { ++fired; });
        swipe->setDirection(c.direction);
        root->addGestureRecognizer(swipe);
        EventDispatcher input(root);
        input.touchBegan(1, {200, 200});
        for (int i = 1; i <= 10; ++i) {
            scope.clock().advance(c.seconds / 10);
            input.touchMoved(1, {200 + (c.to.x - 200) * i / 10, 200 + (c.to.y - 200) * i / 10});
        }
        input.touchEnded(1, c.to);
        EXPECT_EQ(fired, c.fires ? 1 : 0) << c.what;
    }
}

} // namespace
} // namespace kit
