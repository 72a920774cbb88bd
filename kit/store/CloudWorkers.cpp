#include "kit/store/CloudWorkers.h"

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
    ~Pool() {
        {
            std::lock_guard lock(mutex_);
            stopping_ = true;
        }
        wake_.notify_all();
        for (auto& t : threads_) t.join();
    }

    void run(std::function<void()> task) {
        {
            std::lock_guard lock(mutex_);
            tasks_.push_back(std::move(task));
            ++pending_;
        }
        wake_.notify_one();
    }

    void waitUntilIdle() {
        std::unique_lock lock(mutex_);
        idle_.wait(lock, [this] { return pending_ == 0; });
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

struct Tracked {
    std::mutex mutex;
    std::vector<std::weak_ptr<Interruptible>> items;
    std::atomic<bool> shutDown{false};
};

Tracked& tracked() {
    static Tracked instance;
    return instance;
}

} // namespace

void run(std::function<void()> task) { pool().run(std::move(task)); }
void waitUntilIdle() { pool().waitUntilIdle(); }

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
    {
        auto& t = tracked();
        std::lock_guard lock(t.mutex);
        t.shutDown = true;
        for (const auto& weak : t.items)
            if (auto item = weak.lock()) live.push_back(std::move(item));
        t.items.clear();
    }
    for (const auto& item : live) item->interrupt();
}

bool isShutDown() { return tracked().shutDown; }

} // namespace kit::CloudWorkers
