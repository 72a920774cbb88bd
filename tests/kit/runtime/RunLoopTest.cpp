#include "kit/runtime/RunLoop.h"

#include <thread>

#include <gtest/gtest.h>

#include "kit/runtime/DispatchGroup.h"
#include "kit/runtime/DispatchQueue.h"
#include "kit/runtime/DisplayLink.h"
#include "kit/runtime/MediaTime.h"
#include "kit/runtime/Timer.h"

using kit::DispatchQueue;
using kit::Phase;
using kit::RunLoop;

TEST(RunLoop, TurnRunsEventsTimersQueueThenPhasesInOrder) {
    kit::ManualRunLoopScope loop;
    std::vector<std::string> log;
    auto& rl = RunLoop::main();
    std::vector<kit::PhaseHandlerToken> tokens;
    // Registered out of order on purpose: the phase decides, not the registration.
    tokens.push_back(rl.addPhaseHandler(Phase::display, [&] { log.push_back("display"); }));
    tokens.push_back(rl.addPhaseHandler(Phase::layout, [&] { log.push_back("layout"); }));
    tokens.push_back(rl.addPhaseHandler(Phase::animations, [&] { log.push_back("animations"); }));
    auto timer = kit::Timer::scheduled(0.5, false, [&] { log.push_back("timer"); });
    loop.advance(0.5);
    log.clear();
    auto due = kit::Timer::scheduled(0.001, false, [&] { log.push_back("timer"); });
    DispatchQueue::main().async([&] {
        log.push_back("main");
        DispatchQueue::main().async([&] { log.push_back("main queued by main"); });
    });
    rl.postEvent([&] { log.push_back("event"); });
    loop.clock().advance(0.001);
    rl.runOnce();
    EXPECT_EQ(log, (std::vector<std::string>{"event", "timer", "main", "animations", "layout", "display"}));
    log.clear();
    rl.runOnce();
    EXPECT_EQ(log, (std::vector<std::string>{"main queued by main", "animations", "layout", "display"}));
    for (auto t : tokens) rl.removePhaseHandler(t);
    log.clear();
    rl.runOnce();
    EXPECT_TRUE(log.empty());
}

TEST(RunLoop, MainQueueTakesBlocksFromOtherThreadsInOrder) {
    kit::ManualRunLoopScope loop;
    std::vector<int> order;
    std::thread worker([&] {
        for (int i = 0; i < 100; ++i) DispatchQueue::main().async([&order, i] { order.push_back(i); });
    });
    worker.join();
    EXPECT_TRUE(order.empty()); // nothing runs off the main thread
    loop.advance(0);
    ASSERT_EQ(order.size(), 100u);
    EXPECT_TRUE(std::is_sorted(order.begin(), order.end()));
}

TEST(RunLoop, RunSleepsUntilWorkAndStopsFromAnotherThread) {
    // Real clock: a worker posts to the main queue, which stops the loop.
    bool ran = false;
    std::thread worker([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        DispatchQueue::main().async([&] {
            ran = true;
            RunLoop::main().stop();
        });
    });
    RunLoop::main().run();
    worker.join();
    EXPECT_TRUE(ran);
}

TEST(DispatchQueue, SerialRunsInOrderOnItsOwnThreadAndHopsBackToMain) {
    kit::ManualRunLoopScope loop;
    auto queue = DispatchQueue::serial("GDPR.JSONExporter");
    EXPECT_EQ(queue->label(), "GDPR.JSONExporter");
    std::vector<int> order;
    std::atomic<bool> offMain{true};
    for (int i = 0; i < 50; ++i)
        queue->async([&, i] {
            if (RunLoop::main().isMainThread() || !queue->isCurrent()) offMain = false;
            order.push_back(i);
        });
    int result = 0;
    queue->sync([&] { result = static_cast<int>(order.size()); });
    EXPECT_EQ(result, 50);
    EXPECT_TRUE(offMain);
    bool completed = false;
    queue->async([&] { DispatchQueue::main().async([&] { completed = RunLoop::main().isMainThread(); }); });
    queue->waitUntilIdle();
    EXPECT_FALSE(completed);
    loop.advance(0);
    EXPECT_TRUE(completed);
    EXPECT_TRUE(std::is_sorted(order.begin(), order.end()));
}

TEST(DispatchQueue, DestroyingASerialQueueFinishesItsBlocks) {
    std::atomic<int> done{0};
    {
        auto queue = DispatchQueue::serial("q");
        for (int i = 0; i < 10; ++i)
            queue->async([&] {
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
                ++done;
            });
    }
    EXPECT_EQ(done, 10);
    // Released from inside its own block: no self-join.
    auto queue = DispatchQueue::serial("self");
    std::atomic<bool> finished{false};
    queue->async([&queue, &finished] {
        queue.reset();
        finished = true;
    });
    while (!finished) std::this_thread::yield();
}

TEST(DispatchGroup, NotifyRunsOnceQueuedAtZeroAndAfterTheLastLeave) {
    kit::ManualRunLoopScope loop;
    kit::DispatchGroup group;
    int notified = 0;
    group.notify(DispatchQueue::main(), [&] { ++notified; });
    EXPECT_EQ(notified, 0); // queued, not run inline
    loop.advance(0);
    EXPECT_EQ(notified, 1);

    auto queue = DispatchQueue::serial("work");
    std::atomic<int> work{0};
    for (int i = 0; i < 3; ++i) group.async(*queue, [&] { ++work; });
    group.enter();
    group.notify(DispatchQueue::main(), [&] { notified += 10; });
    EXPECT_FALSE(group.wait(0.01)); // one enter is still open
    group.leave();
    EXPECT_TRUE(group.wait(5));
    EXPECT_EQ(work, 3);
    queue->waitUntilIdle();
    loop.advance(0);
    loop.advance(0);
    EXPECT_EQ(notified, 11);
}

TEST(DispatchGroupDeathTest, UnbalancedLeaveIsAProgrammingError) {
    kit::DispatchGroup group;
    EXPECT_DEATH(group.leave(), "without a matching enter");
}

TEST(DisplayLink, FiresOncePerFrameOnTheManualClockAndStopsWhenInvalidatedOrReleased) {
    kit::ManualRunLoopScope loop;
    std::vector<double> stamps;
    std::vector<double> times;
    int other = 0;
    auto link = kit::DisplayLink::scheduled([&](kit::DisplayLink& l) {
        stamps.push_back(l.timestamp());
        times.push_back(kit::mediaTime());
        if (stamps.size() == 3) l.invalidate(); // inside its own callback
    });
    auto second = kit::DisplayLink::scheduled([&](kit::DisplayLink&) { ++other; });
    loop.advance(0.1);
    ASSERT_EQ(stamps.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(stamps[i], (i + 1) / 60.0, 1e-9);
        EXPECT_NEAR(times[i], (i + 1) / 60.0, 1e-9);
    }
    EXPECT_EQ(other, 6); // 0.1 s = 6 frames
    second.reset();
    loop.advance(0.1);
    EXPECT_EQ(other, 6);
    EXPECT_EQ(stamps.size(), 3u);
    EXPECT_FALSE(RunLoop::main().hasActiveDisplayLinks());
}
