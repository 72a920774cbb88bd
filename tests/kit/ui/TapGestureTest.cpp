#include "kit/base/Clock.h"
#include "kit/base/Make.h"
#include "kit/ui/EventDispatcher.h"
#include "kit/ui/TapGesture.h"
#include "kit/ui/View.h"

#include <gtest/gtest.h>

#include <vector>

namespace kit {
namespace {

struct Step {
    double wait;    // seconds before the touch
    Point down, up; // where it lands and lifts
};

struct Case {
    const char* what;
    int tapsRequired;
    std::vector<Step> steps;
    int expected;
};

TEST(TapGesture, SingleAndDoubleTaps) {
    const Case cases[] = {
        {"one tap", 1, {{0, {50, 50}, {50, 50}}}, 1},
        {"small wobble", 1, {{0, {50, 50}, {58, 50}}}, 1},
        {"moved too far", 1, {{0, {50, 50}, {70, 50}}}, 0},
        {"two single taps", 1, {{0, {50, 50}, {50, 50}}, {0.1, {50, 50}, {50, 50}}}, 2},
        {"double tap", 2, {{0, {50, 50}, {50, 50}}, {0.2, {52, 50}, {52, 50}}}, 1},
        {"one tap of a double", 2, {{0, {50, 50}, {50, 50}}}, 0},
        {"second tap too late", 2, {{0, {50, 50}, {50, 50}}, {0.5, {50, 50}, {50, 50}}}, 0},
        {"late second tap starts again", 2,
         {{0, {50, 50}, {50, 50}}, {0.5, {50, 50}, {50, 50}}, {0.1, {50, 50}, {50, 50}}}, 1},
        {"second tap elsewhere", 2, {{0, {20, 20}, {20, 20}}, {0.1, {150, 150}, {150, 150}}}, 0},
        {"two double taps", 2,
         {{0, {50, 50}, {50, 50}}, {0.1, {50, 50}, {50, 50}}, {0.1, {50, 50}, {50, 50}}, {0.1, {50, 50}, {50, 50}}}, 2},
    };
    for (const Case& c : cases) {
        ManualClockScope scope;
        auto root = make<View>(Rect{0, 0, 200, 200});
        int fired = 0;
        auto tap = make<TapGesture>([&](GestureRecognizer& g) {
            EXPECT_EQ(g.state(), GestureRecognizer::recognized);
            ++fired;
        });
        tap->setNumberOfTapsRequired(c.tapsRequired);
        root->addGestureRecognizer(tap);
        EventDispatcher input(root);
        for (const Step& s : c.steps) {
            scope.clock().advance(s.wait);
            input.touchBegan(1, s.down);
            scope.clock().advance(0.05);
            input.touchMoved(1, s.up);
            input.touchEnded(1, s.up);
        }
        scope.clock().advance(1);
        input.update();
        EXPECT_EQ(fired, c.expected) << c.what;
        EXPECT_EQ(tap->state(), GestureRecognizer::State::possible) << c.what;
    }
}

TEST(TapGesture, TwoFingersAreNotAOneFingerTap) {
    ManualClockScope scope;
    auto root = make<View>(Rect{0, 0, 200, 200});
    root->setMultipleTouchEnabled(true);
    int fired = 0;
    root->addGestureRecognizer(make<TapGesture>([&](GestureRecognizer&) { ++fired; }));
    EventDispatcher input(root);
    input.touchesBegan({{1, {50, 50}}, {2, {80, 80}}});
    input.touchesEnded({{1, {50, 50}}, {2, {80, 80}}});
    EXPECT_EQ(fired, 0);
}

} // namespace
} // namespace kit
