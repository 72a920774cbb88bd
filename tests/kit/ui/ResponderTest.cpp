#include "kit/base/Clock.h"
#include "kit/base/Make.h"
#include "kit/ui/EventDispatcher.h"
#include "kit/ui/View.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kit {
namespace {

struct Recorder : Responder {
    std::vector<std::string> log;
    void touchesBegan(const TouchSet& t, const Event&) override { log.push_back("began " + std::to_string(t.size())); }
    void touchesEnded(const TouchSet&, const Event&) override { log.push_back("ended"); }
};

struct TouchView : View {
    using View::View;
    std::vector<Point> seen; // the first touch, in own coordinates
    void touchesBegan(const TouchSet& t, const Event&) override { seen.push_back(t.front()->locationIn(this)); }
    void touchesMoved(const TouchSet& t, const Event&) override { seen.push_back(t.front()->locationIn(this)); }
};

TEST(Responder, UnhandledTouchesTravelToSuperviewThenOwner) {
    auto owner = std::make_shared<Recorder>();
    auto handler = make<TouchView>(Rect{0, 0, 200, 200});
    auto controllerRoot = make<View>(Rect{50, 50, 100, 100});
    auto plain = make<View>(Rect{10, 10, 20, 20});
    handler->addSubview(controllerRoot);
    controllerRoot->addSubview(plain);
    EventDispatcher input(handler);

    input.touchBegan(1, {65, 65});          // lands on the plain view, handled two levels up
    input.touchMoved(1, {70, 66});
    ASSERT_EQ(handler->seen.size(), 2u);
    EXPECT_EQ(handler->seen[0], (Point{65, 65}));
    EXPECT_EQ(handler->seen[1], (Point{70, 66}));
    input.touchEnded(1, {70, 66});

    controllerRoot->setNextResponderOverride(owner); // a controller owns its root view
    input.touchBegan(2, {65, 65});
    input.touchEnded(2, {65, 65});
    EXPECT_EQ(owner->log, (std::vector<std::string>{"began 1", "ended"}));
    EXPECT_EQ(handler->seen.size(), 2u);
}

TEST(Responder, TouchKeepsItsViewAndCountsTaps) {
    ManualClockScope clock;
    auto root = make<TouchView>(Rect{0, 0, 100, 100});
    std::vector<int> counts;
    struct Counter : View {
        using View::View;
        std::vector<int>* counts;
        void touchesBegan(const TouchSet& t, const Event&) override { counts->push_back(t.front()->tapCount()); }
    };
    auto v = make<Counter>(Rect{0, 0, 50, 50});
    v->counts = &counts;
    root->addSubview(v);
    EventDispatcher input(root);
    for (int i = 0; i < 2; ++i) {
        input.touchBegan(1, {10, 10});
        input.touchEnded(1, {10, 10});
        clock.clock().advance(0.1);
    }
    clock.clock().advance(1);
    input.touchBegan(1, {10, 10});
    input.touchEnded(1, {10, 10});
    EXPECT_EQ(counts, (std::vector<int>{1, 2, 1}));

    // A view removed by its own touch handler still receives the rest of its sequence.
    struct SelfRemoving : View {
        using View::View;
        int ended = 0;
        void touchesBegan(const TouchSet&, const Event&) override { removeFromSuperview(); }
        void touchesEnded(const TouchSet&, const Event&) override { ++ended; }
    };
    std::weak_ptr<SelfRemoving> watch;
    {
        auto s = make<SelfRemoving>(Rect{60, 60, 20, 20});
        watch = s;
        root->addSubview(s);
    }
    input.touchBegan(3, {70, 70});
    ASSERT_FALSE(watch.expired());
    EXPECT_FALSE(watch.lock()->superview());
    input.touchEnded(3, {70, 70});
    EXPECT_TRUE(watch.expired()); // released once the touch sequence is over
}

} // namespace
} // namespace kit
