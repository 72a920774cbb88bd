#include "kit/base/Clock.h"
#include "kit/base/Make.h"
#include "kit/ui/Button.h"
#include "kit/ui/Slider.h"
#include "kit/ui/Switch.h"
#include "kit/ui/EventDispatcher.h"
#include "kit/ui/LongPressGesture.h"
#include "kit/ui/PanGesture.h"
#include "kit/ui/SwipeGesture.h"
#include "kit/ui/TapGesture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kit {
namespace {

struct LoggingView : View {
    using View::View;
    std::vector<std::string> log;
    void touchesBegan(const TouchSet&, const Event&) override { log.push_back("began"); }
    void touchesMoved(const TouchSet&, const Event&) override { log.push_back("moved"); }
    void touchesEnded(const TouchSet&, const Event&) override { log.push_back("ended"); }
    void touchesCancelled(const TouchSet&, const Event&) override { log.push_back("cancelled"); }
};

void drag(EventDispatcher& input, ManualClock& clock, Point from, Point to, int steps = 5) {
    input.touchBegan(1, from);
    for (int i = 1; i <= steps; ++i) {
        clock.advance(0.02);
        input.touchMoved(1, {from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps});
    }
    input.touchEnded(1, to);
}

TEST(GestureRecognizer, ControlWinsItsTouchOverAncestorTapAndSwipe) {
    struct Case {
        const char* what;
        std::shared_ptr<Control> control;
        Point tap;              // a tap on the control
        Point dragFrom, dragTo; // a swipe-like drag that begins on it
    };
    auto slider = make<Slider>(Rect{100, 100, 228, 31});
    slider->setValue(0.5f);
    const Case cases[] = {
        {"button", make<Button>(Rect{100, 100, 100, 50}), {150, 120}, {110, 120}, {190, 120}},
        {"switch", make<Switch>(Rect{100, 100, 51, 31}), {120, 115}, {105, 115}, {150, 115}},
        {"slider", slider, {214, 115}, {214, 115}, {300, 115}},
    };
    for (const Case& c : cases) {
        ManualClockScope scope;
        auto root = make<View>(Rect{0, 0, 400, 400});
        root->addSubview(c.control);
        int taps = 0, swipes = 0, down = 0, up = 0;
        root->addGestureRecognizer(make<TapGesture>([&](GestureRecognizer&) { ++taps; }));
        root->addGestureRecognizer(make<SwipeGesture>([&](GestureRecognizer&) { ++swipes; }));
        c.control->addTarget(nullptr, "", ControlEvent::touchDown, [&] { ++down; });
        c.control->addTarget(nullptr, "", ControlEvent::touchUpInside | ControlEvent::touchUpOutside, [&] { ++up; });
        EventDispatcher input(root);

        input.touchBegan(1, c.tap);
        input.touchEnded(1, c.tap);
        scope.clock().advance(1);
        drag(input, scope.clock(), c.dragFrom, c.dragTo);
        EXPECT_EQ(taps, 0) << c.what;
        EXPECT_EQ(swipes, 0) << c.what;
        EXPECT_EQ(down, 2) << c.what;
        EXPECT_EQ(up, 2) << c.what;

        // Off the control the ancestor's recognisers work; on a disabled control too.
        scope.clock().advance(1);
        input.touchBegan(1, {20, 300});
        input.touchEnded(1, {20, 300});
        c.control->setEnabled(false);
        scope.clock().advance(1);
        input.touchBegan(1, c.tap);
        input.touchEnded(1, c.tap);
        EXPECT_EQ(taps, 2) << c.what;
        EXPECT_EQ(down, 2) << c.what;
    }
}

TEST(GestureRecognizer, OnlyOneOfSeveralRecognisersOnAViewActs) {
    ManualClockScope scope;
    auto root = make<View>(Rect{0, 0, 400, 400});
    auto strip = make<View>(Rect{0, 0, 10, 400});
    root->addSubview(strip);
    std::vector<int> fired;
    for (int i = 0; i < 3; ++i) // a screen that adds a back-swipe at every appearance
        strip->addGestureRecognizer(make<SwipeGesture>([&fired, i](GestureRecognizer&) { fired.push_back(i); }));
    EventDispatcher input(root);
    drag(input, scope.clock(), {5, 200}, {120, 205});
    EXPECT_EQ(fired, (std::vector<int>{0})); // the earliest added wins
    scope.clock().advance(1);
    drag(input, scope.clock(), {5, 200}, {120, 205});
    EXPECT_EQ(fired, (std::vector<int>{0, 0})); // and all are ready again for the next gesture
}

TEST(GestureRecognizer, TapAndDoubleTapOnOneViewShareTheTaps) {
    ManualClockScope scope;
    auto root = make<View>(Rect{0, 0, 400, 400});
    int single = 0, twice = 0;
    root->addGestureRecognizer(make<TapGesture>([&](GestureRecognizer&) { ++single; }));
    auto doubleTap = make<TapGesture>([&](GestureRecognizer&) { ++twice; });
    doubleTap->setNumberOfTapsRequired(2);
    root->addGestureRecognizer(doubleTap);
    EventDispatcher input(root);
    for (int i = 0; i < 2; ++i) {
        input.touchBegan(1, {50, 50});
        input.touchEnded(1, {50, 50});
        scope.clock().advance(0.1);
    }
    EXPECT_EQ(single, 1) << "the first tap is a single tap; the second belongs to the double tap";
    EXPECT_EQ(twice, 1);
    scope.clock().advance(1);
    input.touchBegan(1, {50, 50});
    input.touchEnded(1, {50, 50});
    EXPECT_EQ(single, 2);
}

// A chart-like view: it decides when its pan may start and lets its pan and pinch run together
// and alongside the pan of a scroll view around it.
struct Chart : View, GestureRecognizerDelegate {
    using View::View;
    bool dragEnabled = true;
    std::shared_ptr<PanGesture> pan;
    bool gestureRecognizerShouldBegin(GestureRecognizer& g) override { return &g != pan.get() || dragEnabled; }
    bool gestureRecognizerShouldRecognizeSimultaneously(GestureRecognizer& g, GestureRecognizer& other) override {
        return &g == pan.get() && dynamic_cast<PanGesture*>(&other);
    }
};

TEST(GestureRecognizer, DelegateVetoesAndSimultaneousRecognition) {
    ManualClockScope scope;
    auto root = make<View>(Rect{0, 0, 400, 400});
    auto chart = make<Chart>(Rect{0, 0, 300, 300});
    root->addSubview(chart);
    int chartPans = 0, outerPans = 0;
    chart->pan = make<PanGesture>([&](GestureRecognizer& g) { chartPans += g.state() == GestureRecognizer::State::began; });
    chart->pan->setDelegate(std::static_pointer_cast<GestureRecognizerDelegate>(chart));
    chart->addGestureRecognizer(chart->pan);
    root->addGestureRecognizer(make<PanGesture>([&](GestureRecognizer& g) { outerPans += g.state() == GestureRecognizer::State::began; }));
    EventDispatcher input(root);
    drag(input, scope.clock(), {50, 50}, {150, 50});
    EXPECT_EQ(chartPans, 1);
    EXPECT_EQ(outerPans, 1) << "allowed to run together";

    chart->pan->setDelegate(std::weak_ptr<GestureRecognizerDelegate>());
    chart->dragEnabled = false; // the view itself says no: the outer pan takes the drag alone
    drag(input, scope.clock(), {50, 50}, {150, 50});
    EXPECT_EQ(chartPans, 1);
    EXPECT_EQ(outerPans, 2);
}

TEST(GestureRecognizer, DeeperViewWinsAndRecognitionCancelsTheViewsTouches) {
    ManualClockScope scope;
    auto root = make<View>(Rect{0, 0, 400, 400});
    auto child = make<LoggingView>(Rect{0, 0, 200, 200});
    root->addSubview(child);
    std::vector<std::string> fired;
    root->addGestureRecognizer(make<TapGesture>([&](GestureRecognizer&) { fired.push_back("root"); }));
    child->addGestureRecognizer(make<TapGesture>([&](GestureRecognizer&) { fired.push_back("child"); }));
    EventDispatcher input(root);
    input.touchBegan(1, {50, 50});
    input.touchEnded(1, {50, 50});
    EXPECT_EQ(fired, (std::vector<std::string>{"child"}));
    EXPECT_EQ(child->log, (std::vector<std::string>{"began", "cancelled"}));

    // Without cancelling, the view hears the whole sequence.
    child->gestureRecognizers().front()->setCancelsTouchesInView(false);
    child->log.clear();
    scope.clock().advance(1);
    input.touchBegan(1, {50, 50});
    input.touchEnded(1, {50, 50});
    EXPECT_EQ(child->log, (std::vector<std::string>{"began", "ended"}));
}

TEST(GestureRecognizer, DelayedTouchesReachTheViewOnlyAfterTheRecogniserFailed) {
    ManualClockScope scope;
    auto root = make<LoggingView>(Rect{0, 0, 400, 400});
    auto press = make<LongPressGesture>([](GestureRecognizer&) {});
    press->setDelaysTouchesBegan(true);
    root->addGestureRecognizer(press);
    EventDispatcher input(root);
    input.touchBegan(1, {50, 50});
    EXPECT_TRUE(root->log.empty());
    input.touchEnded(1, {50, 50}); // too short: the press fails, the view gets the whole tap
    EXPECT_EQ(root->log, (std::vector<std::string>{"began", "ended"}));

    root->log.clear();
    input.touchBegan(1, {50, 50});
    scope.clock().advance(0.6);
    input.update();
    input.touchEnded(1, {50, 50});
    EXPECT_TRUE(root->log.empty()); // recognised: the view never heard of it
}

TEST(GestureRecognizer, PanOnAncestorCancelsChildsTouchesWhenItBegins) {
    ManualClockScope scope;
    auto root = make<View>(Rect{0, 0, 400, 400});
    auto child = make<LoggingView>(Rect{0, 0, 200, 200});
    root->addSubview(child);
    root->addGestureRecognizer(make<PanGesture>([](GestureRecognizer&) {}));
    EventDispatcher input(root);
    input.touchBegan(1, {50, 50});
    input.touchMoved(1, {53, 50}); // below the threshold: the child sees it
    input.touchMoved(1, {80, 50});
    input.touchMoved(1, {90, 50});
    input.touchEnded(1, {90, 50});
    EXPECT_EQ(child->log, (std::vector<std::string>{"began", "moved", "cancelled"}));
}

} // namespace
} // namespace kit
