#include "kit/store/CloudWorkers.h"

#include "kit/runtime/DispatchQueue.h"

#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

namespace kit::CloudWorkers {
namespace {

class Pool {
public:
    explicit Pool(int threads) {
        for (int i = 0; i < threads; ++i) threads_.emplace_back([this] { loop(); });
    }
    ~Pool() { stop(); }

    void run(std::function<void()> task) {
        {
            std::lock_guard lock(mutex_);
            if (!stopping_) {
                tasks_.push_back(std::move(task));
                ++pending_;
                wake_.notify_one();
                return;
            }
        }
        task();
    }

    void waitUntilIdle() {
        std::unique_lock lock(mutex_);
        idle_.wait(lock, [this] { return pending_ == 0; });
    }

    // What is queued still runs; then the threads end and are joined.
    void stop() {
        {
            std::lock_guard lock(mutex_);
            stopping_ = true;
        }
        wake_.notify_all();
        for (auto& t : threads_)
            if (t.joinable()) t.join();
    }

private:
    void loop() {
        for (;;) {
            std::function<void()> task;
            {
                std::unique_lock lock(mutex_);
                wake_.wait(lock, [this] { return stopping_ || !tasks_.empty(); });
                if (tasks_.empty()) return;
                task = std::move(tasks_.front());
                tasks_.pop_front();
            }
            task();
            task = nullptr;  // captured state goes before the task counts as done
            std::lock_guard lock(mutex_);
            if (--pending_ == 0) idle_.notify_all();
        }
    }

    std::mutex mutex_;
    std::condition_variable wake_, idle_;
    std::deque<std::function<void()>> tasks_;
    std::size_t pending_ = 0;
    bool stopping_ = false;
    std::vector<std::thread> threads_;
};

Pool& pool() {
    static Pool instance(2);
    return instance;
}

// A serial queue whose thread can be joined ahead of its owner's end.
class StoppableQueue final : public DispatchQueue {
public:
    explicit StoppableQueue(std::string label) : DispatchQueue(label), inner_(DispatchQueue::serial(std::move(label))) {}

    void async(Block block) override {
        if (auto inner = current()) {
            inner->async(std::move(block));
        } else if (block) {
            block();
        }
    }
    bool isCurrent() const override {
        auto inner = current();
        return inner && inner->isCurrent();
    }
    void waitUntilIdle() override {
        if (auto inner = current()) inner->waitUntilIdle();
    }

    // Runs what is queued, then joins the thread (from any thread but the queue's own).
    void stop() {
        std::shared_ptr<DispatchQueue> inner;
        {
            std::lock_guard lock(mutex_);
            inner.swap(inner_);
        }
        if (!inner) return;
        inner->waitUntilIdle();
        // A block may still hold a reference for a moment (isCurrent): the last one must go here, where
        // releasing the queue joins its thread, not on that thread, where it would only be detached.
        while (inner.use_count() > 1) std::this_thread::yield();
    }

private:
    std::shared_ptr<DispatchQueue> current() const {
        std::lock_guard lock(mutex_);
        return inner_;
    }

    mutable std::mutex mutex_;
    std::shared_ptr<DispatchQueue> inner_;
};

struct Tracked {
    std::mutex mutex;
    std::vector<std::weak_ptr<Interruptible>> items;
    std::vector<std::weak_ptr<StoppableQueue>> queues;
    std::atomic<bool> shutDown{false};
};

Tracked& tracked() {
    static Tracked instance;
    return instance;
}

} // namespace

void run(std::function<void()> task) { pool().run(std::move(task)); }
void waitUntilIdle() { pool().waitUntilIdle(); }

std::shared_ptr<DispatchQueue> serialQueue(std::string label) {
    auto queue = std::make_shared<StoppableQueue>(std::move(label));
    auto& t = tracked();
    std::unique_lock lock(t.mutex);
    if (t.shutDown) {
        lock.unlock();
        queue->stop();
        return queue;
    }
    std::erase_if(t.queues, [](const auto& weak) { return weak.expired(); });
    t.queues.push_back(queue);
    return queue;
}

void track(const std::shared_ptr<Interruptible>& interruptible) {
    auto& t = tracked();
    std::unique_lock lock(t.mutex);
    if (t.shutDown) {
        lock.unlock();
        interruptible->interrupt();
        return;
    }
    std::erase_if(t.items, [](const auto& weak) { return weak.expired(); });
    t.items.push_back(interruptible);
}

void shutDown() {
    std::vector<std::shared_ptr<Interruptible>> live;
    std::vector<std::shared_ptr<StoppableQueue>> queues;
    {
        auto& t = tracked();
        std::lock_guard lock(t.mutex);
        t.shutDown = true;
        for (const auto& weak : t.items)
            if (auto item = weak.lock()) live.push_back(std::move(item));
        t.items.clear();
        for (const auto& weak : t.queues)
            if (auto queue = weak.lock()) queues.push_back(std::move(queue));
        t.queues.clear();
    }
    for (const auto& item : live) item->interrupt();
    // The queues first: their work waits on the pool's tasks, which now end at once.
    for (const auto& queue : queues) queue->stop();
    pool().stop();
}

bool isShutDown() { return tracked().shutDown; }

} // namespace kit::CloudWorkers
