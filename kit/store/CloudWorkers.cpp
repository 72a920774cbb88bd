#include "kit/store/CloudWorkers.h"

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

} // namespace

void run(std::function<void()> task) { pool().run(std::move(task)); }
void waitUntilIdle() { pool().waitUntilIdle(); }

} // namespace kit::CloudWorkers
