#include "kit/runtime/Timer.h"

#include <gtest/gtest.h>

#include "kit/runtime/RunLoop.h"

using kit::Timer;

namespace {
std::shared_ptr<Timer> after(double s, std::function<void()> f) { return Timer::scheduled(s, false, std::move(f)); }
} // namespace

TEST(Timer, OneShotFiresOnceAtItsTimeAndMayInvalidateItselfAndOthers) {
    kit::ManualRunLoopScope loop;
    std::vector<std::string> log;
    std::shared_ptr<Timer> victim = after(2.0, [&] { log.push_back("victim"); });
    auto self = Timer::scheduled(1.0, false, [&](Timer& t) {
        log.push_back("self@" + std::to_string(kit::Clock::current().now()).substr(0, 3));
        t.invalidate();
        t.invalidate(); // harmless
        victim->invalidate();
    });
    EXPECT_EQ(self->fireDate(), 1.0);
    loop.advance(0.999);
    EXPECT_TRUE(log.empty());
    loop.advance(5);
    EXPECT_EQ(log, std::vector<std::string>{"self@1.0"});
    EXPECT_FALSE(self->isValid());
    EXPECT_FALSE(victim->isValid());
    self->invalidate();
}

TEST(Timer, ReplacedTimerNeverFires) {
    // "A new release within 0.6 s restarts the wait": the owner invalidates and re-arms.
    kit::ManualRunLoopScope loop;
    int settled = 0;
    std::shared_ptr<Timer> pending;
    auto release = [&] {
        if (pending) pending->invalidate();
        pending = after(0.6, [&] { ++settled; });
    };
    release();
    loop.advance(0.5);
    release();
    loop.advance(0.5);
    EXPECT_EQ(settled, 0);
    loop.advance(0.1);
    EXPECT_EQ(settled, 1);
}

TEST(Timer, RepeatingFiresEveryIntervalInTimeOrderUntilInvalidated) {
    kit::ManualRunLoopScope loop;
    std::vector<std::pair<char, double>> log;
    auto now = [] { return kit::Clock::current().now(); };
    auto pulse = Timer::scheduled(0.7, true, [&] { log.push_back({'p', now()}); });
    after(1.0, [&] { log.push_back({'o', now()}); });
    loop.advance(2.2);
    std::vector<std::pair<char, double>> expected{{'p', 0.7}, {'o', 1.0}, {'p', 1.4}, {'p', 2.1}};
    ASSERT_EQ(log.size(), expected.size());
    for (std::size_t i = 0; i < log.size(); ++i) {
        EXPECT_EQ(log[i].first, expected[i].first);
        EXPECT_NEAR(log[i].second, expected[i].second, 1e-9);
    }
    EXPECT_NEAR(pulse->fireDate(), 2.8, 1e-9);
    pulse->invalidate();
    loop.advance(10);
    EXPECT_EQ(log.size(), expected.size());
}

TEST(Timer, KeepsCapturedStateUntilInvalidated) {
    kit::ManualRunLoopScope loop;
    auto state = std::make_shared<int>(0);
    std::weak_ptr<int> watch = state;
    auto timer = Timer::scheduled(1.0, true, [state] { ++*state; });
    state.reset();
    loop.advance(3);
    ASSERT_FALSE(watch.expired());
    EXPECT_EQ(*watch.lock(), 3);
    timer->invalidate();
    EXPECT_TRUE(watch.expired());

    // A one-shot timer lets go after its firing even while its handle is still held.
    auto held = std::make_shared<int>(0);
    watch = held;
    auto once = Timer::scheduled(1.0, false, [held] {});
    held.reset();
    loop.advance(1);
    EXPECT_TRUE(watch.expired());
}
