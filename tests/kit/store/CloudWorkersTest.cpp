#include "kit/store/CloudWorkers.h"

#include "kit/runtime/DispatchQueue.h"

#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <chrono>
#include <thread>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;

// A sync on the queue that waits on a pool task, as a mirror's upload waits on the server; then the way
// out. Exits 0 when shutting down finished and joined both, and later work still got its answer.
void shutDownWhileASyncWaits() {
    auto queue = kit::CloudWorkers::serialQueue("mirror");
    std::atomic<bool> poolTaskDone{false};
    std::atomic<bool> queueBlockDone{false};
    queue->async([&] {
        std::promise<void> answered;
        kit::CloudWorkers::run([&] {
            std::this_thread::sleep_for(100ms);
            poolTaskDone = true;
            answered.set_value();
        });
        answered.get_future().wait();
        queueBlockDone = true;
    });
    std::this_thread::sleep_for(10ms);
    kit::CloudWorkers::shutDown();
    const bool finished = poolTaskDone && queueBlockDone && !queue->isCurrent();
    // Later work runs at once on the caller, so whoever waits for its answer gets it.
    bool ranHere = false;
    kit::CloudWorkers::run([&] { ranHere = true; });
    bool queuedHere = false;
    queue->sync([&] { queuedHere = true; });
    ::_exit(finished && ranHere && queuedHere ? 0 : 1);
}

// In a child of its own: shutting down is for good.
TEST(CloudWorkersDeathTest, ShutDownFinishesAndJoinsEveryWorkerThenRunsLateWorkOnTheCaller) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(shutDownWhileASyncWaits(), ::testing::ExitedWithCode(0), "");
}

} // namespace
