#include "kit/base/Clock.h"
#include "kit/base/Make.h"
#include "kit/ui/EventDispatcher.h"
#include "kit/ui/PanGesture.h"
#include "kit/ui/PinchGesture.h"
#include "kit/ui/RotationGesture.h"
#include "kit/ui/View.h"

#include <gtest/gtest.h>

#include <numbers>
#include <vector>

namespace kit {
namespace {

using State = GestureRecognizer::State;

TEST(PanGesture, StatesTranslationAndVelocity) {
    ManualClockScope scope;
    auto root = make<View>(Rect{0, 0, 400, 400});
    auto scaled = make<View>(Rect{100, 100, 100, 100});
    scaled->setTransform(AffineTransform::scale(2, 2));
    root->addSubview(scaled);
    std::vector<State> states;
    std::vector<Point> translations;
    auto pan = make<PanGesture>([&](GestureRecognizer& g) {
        states.push_back(g.state());
        translations.push_back(static_cast<PanGesture&>(g).translationIn(root));
    });
    root->addGestureRecognizer(pan);
    EventDispatcher input(root);

    input.touchBegan(1, {10, 10});
    scope.clock().advance(0.01);
    input.touchMoved(1, {15, 10}); // under the threshold
    EXPECT_TRUE(states.empty());
    scope.clock().advance(0.01);
    input.touchMoved(1, {30, 10});
    scope.clock().advance(0.01);
    input.touchMoved(1, {40, 10});
    EXPECT_EQ(pan->translationIn(scaled), (Point{15, 0})); // half as far in a view scaled by 2
    EXPECT_NEAR(pan->velocityIn(root).x, 1000, 1e-6);      // 30 points in 0.03 s
    pan->setTranslation({0, 0}, root);
    scope.clock().advance(0.01);
    input.touchMoved(1, {45, 12});
    input.touchEnded(1, {45, 12});
    EXPECT_EQ(states, (std::vector<State>{State::began, State::changed, State::changed, State::ended}));
    EXPECT_EQ(translations[0], (Point{20, 0}));
    EXPECT_EQ(translations[1], (Point{30, 0}));
    EXPECT_EQ(translations[2], (Point{5, 2}));
    EXPECT_EQ(pan->state(), State::possible); // ready for the next drag

    // A drag that never passes the threshold fails silently.
    states.clear();
    input.touchBegan(1, {10, 10});
    input.touchMoved(1, {14, 14});
    input.touchEnded(1, {14, 14});
    EXPECT_TRUE(states.empty());
}

TEST(PinchGesture, ScaleAndRotationFollowTwoFingers) {
    ManualClockScope scope;
    auto root = make<View>(Rect{0, 0, 400, 400});
    root->setMultipleTouchEnabled(true);
    double scale = 0, rotation = 0;
    std::vector<State> pinchStates;
    auto pinch = make<PinchGesture>([&](GestureRecognizer& g) {
        pinchStates.push_back(g.state());
        scale = static_cast<PinchGesture&>(g).scale();
    });
    root->addGestureRecognizer(pinch);
    EventDispatcher input(root);
    input.touchesBegan({{1, {100, 200}}, {2, {200, 200}}});
    scope.clock().advance(0.1);
    input.touchesMoved({{1, {50, 200}}, {2, {250, 200}}});
    EXPECT_DOUBLE_EQ(scale, 2);
    EXPECT_NEAR(pinch->velocity(), 10, 1e-9);
    input.touchesEnded({{1, {50, 200}}, {2, {250, 200}}});
    EXPECT_EQ(pinchStates, (std::vector<State>{State::began, State::ended}));

    root->removeGestureRecognizer(pinch.get());
    root->addGestureRecognizer(make<RotationGesture>([&](GestureRecognizer& g) {
        rotation = static_cast<RotationGesture&>(g).rotation();
    }));
    input.touchesBegan({{1, {100, 200}}, {2, {200, 200}}});
    input.touchesMoved({{1, {150, 150}}, {2, {150, 250}}}); // a quarter turn clockwise
    input.touchesEnded({{1, {150, 150}}, {2, {150, 250}}});
    EXPECT_NEAR(rotation, std::numbers::pi / 2, 1e-9);
}

} // namespace
} // namespace kit
