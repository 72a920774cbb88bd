#pragma once
// Runs the cloud workers and the main queue until `done` holds; then a little longer, to catch a second report.
#include "kit/runtime/RunLoop.h"
#include "kit/store/CloudWorkers.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

template <class Pred>
void runUntil(Pred done) {
    for (int i = 0; i < 5000 && !done(); ++i) {
        kit::CloudWorkers::waitUntilIdle();
        kit::RunLoop::main().drainMainQueue();
        if (!done()) std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    ASSERT_TRUE(done());
    kit::CloudWorkers::waitUntilIdle();
    kit::RunLoop::main().drainMainQueue();
}
