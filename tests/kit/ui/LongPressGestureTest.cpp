#include "kit/base/Clock.h"
#include "kit/base/Make.h"
#include "kit/ui/EventDispatcher.h"
#include "kit/ui/LongPressGesture.h"
#include "kit/ui/TapGesture.h"
#include "kit/ui/View.h"

#include <gtest/gtest.h>

#include <vector>

namespace kit {
namespace {

using State = GestureRecognizer::State;

TEST(LongPressGesture, ActsOnceWhenRecognisedAndOnceAtTheEnd) {
    ManualClockScope scope;
    auto root = make<View>(Rect{0, 0, 200, 200});
    std::vector<State> states;
    int taps = 0;
    auto press = make<LongPressGesture>([&](GestureRecognizer& g) { states.push_back(g.state()); });
    press->setMinimumPressDuration(0.7);
    root->addGestureRecognizer(press);
    root->addGestureRecognizer(make<TapGesture>([&](GestureRecognizer&) { ++taps; }));
    EventDispatcher input(root);

    input.touchBegan(1, {50, 50});
    scope.clock().advance(0.69);
    input.update();
    EXPECT_TRUE(states.empty());
    scope.clock().advance(0.02);
    input.update();
    EXPECT_EQ(states, (std::vector<State>{State::began}));
    for (int i = 0; i < 5; ++i) { // held and moved for a long time: nothing in between
        scope.clock().advance(1);
        input.update();
        input.touchMoved(1, {50.0 + 10 * i, 50});
    }
    input.touchEnded(1, {90, 50});
    EXPECT_EQ(states, (std::vector<State>{State::began, State::ended}));
    EXPECT_EQ(taps, 0);

    // A short press is a tap.
    states.clear();
    scope.clock().advance(1);
    input.touchBegan(1, {50, 50});
    scope.clock().advance(0.2);
    input.touchEnded(1, {50, 50});
    EXPECT_TRUE(states.empty());
    EXPECT_EQ(taps, 1);

    // Lifted late without an update in between: still recognised, then ended.
    scope.clock().advance(1);
    input.touchBegan(1, {50, 50});
    scope.clock().advance(2);
    input.touchEnded(1, {50, 50});
    EXPECT_EQ(states, (std::vector<State>{State::began, State::ended}));

    // Moving before the duration fails the press.
    states.clear();
    scope.clock().advance(1);
    input.touchBegan(1, {50, 50});
    input.touchMoved(1, {80, 50});
    scope.clock().advance(1);
    input.update();
    input.touchEnded(1, {80, 50});
    EXPECT_TRUE(states.empty());
}

} // namespace
} // namespace kit
