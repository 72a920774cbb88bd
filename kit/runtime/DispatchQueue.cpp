#include "kit/runtime/DispatchQueue.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <future>
#include <mutex>
#include <thread>
#include <vector>

#include "kit/base/Console.h"
#include "kit/runtime/RunLoop.h"

namespace kit {
namespace {

// Workers share this with their queue, so a queue released from one of its own blocks is safe.
struct WorkerState {
    std::mutex mutex;
    std::condition_variable changed;
    std::deque<DispatchQueue::Block> blocks;
    int running = 0;
    bool stopping = false;
    std::vector<std::thread::id> threads;

    void work() {
        std::unique_lock lock(mutex);
        for (;;) {
            changed.wait(lock, [&] { return stopping || !blocks.empty(); });
            if (blocks.empty()) return; // stopping, and everything queued has run
            auto block = std::move(blocks.front());
            blocks.pop_front();
            ++running;
            lock.unlock();
            if (block) block();
            block = nullptr;
            lock.lock();
            --running;
            changed.notify_all();
        }
    }
    bool onWorker() {
        std::lock_guard lock(mutex);
        return std::find(threads.begin(), threads.end(), std::this_thread::get_id()) != threads.end();
    }
    void push(DispatchQueue::Block block) {
        {
            std::lock_guard lock(mutex);
            blocks.push_back(std::move(block));
        }
        changed.notify_all();
    }
    void waitIdle() {
        std::unique_lock lock(mutex);
        changed.wait(lock, [&] { return blocks.empty() && running == 0; });
    }
};

class WorkerQueue final : public DispatchQueue {
public:
    WorkerQueue(std::string label, int threadCount)
        : DispatchQueue(std::move(label)), state_(std::make_shared<WorkerState>()) {
        std::lock_guard lock(state_->mutex);
        for (int i = 0; i < threadCount; ++i) {
            threads_.emplace_back([state = state_] { state->work(); });
            state_->threads.push_back(threads_.back().get_id());
        }
    }
    ~WorkerQueue() override {
        bool self = state_->onWorker();
        {
            std::lock_guard lock(state_->mutex);
            state_->stopping = true;
        }
        state_->changed.notify_all();
        for (auto& t : threads_) {
            // Released from one of its own blocks: that thread finishes the queue on its own.
            if (self && t.get_id() == std::this_thread::get_id())
                t.detach();
            else
                t.join();
        }
    }
    void async(Block block) override { state_->push(std::move(block)); }
    bool isCurrent() const override { return state_->onWorker(); }
    void waitUntilIdle() override {
        if (isCurrent()) fatal("waitUntilIdle on the queue's own thread would wait forever: " + label());
        state_->waitIdle();
    }

private:
    std::shared_ptr<WorkerState> state_;
    std::vector<std::thread> threads_;
};

class MainQueue final : public DispatchQueue {
public:
    MainQueue() : DispatchQueue("main") {}
    void async(Block block) override { RunLoop::main().enqueueMain(std::move(block)); }
    bool isCurrent() const override { return RunLoop::main().isMainThread(); }
    void waitUntilIdle() override {
        if (isCurrent()) {
            RunLoop::main().drainMainQueue();
            return;
        }
        sync([] {});
    }
};

} // namespace

void DispatchQueue::sync(Block block) {
    if (isCurrent()) fatal("sync on the current queue would wait forever: " + label());
    std::promise<void> done;
    auto finished = done.get_future();
    async([&] {
        if (block) block();
        done.set_value();
    });
    finished.wait();
}

DispatchQueue& DispatchQueue::main() {
    static MainQueue queue;
    return queue;
}

DispatchQueue& DispatchQueue::global() {
    static WorkerQueue queue("global", 4);
    return queue;
}

std::shared_ptr<DispatchQueue> DispatchQueue::serial(std::string label) {
    return std::make_shared<WorkerQueue>(std::move(label), 1);
}

} // namespace kit
