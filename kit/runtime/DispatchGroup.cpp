#include "kit/runtime/DispatchGroup.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <utility>
#include <vector>

#include "kit/base/Console.h"

namespace kit {

struct DispatchGroup::State {
    std::mutex mutex;
    std::condition_variable zero;
    long count = 0;
    std::vector<std::pair<DispatchQueue*, DispatchQueue::Block>> waiting;
};

DispatchGroup::DispatchGroup() : state_(std::make_shared<State>()) {}

void DispatchGroup::enter() {
    std::lock_guard lock(state_->mutex);
    ++state_->count;
}

void DispatchGroup::leave() {
    std::vector<std::pair<DispatchQueue*, DispatchQueue::Block>> ready;
    {
        std::lock_guard lock(state_->mutex);
        if (state_->count == 0) fatal("DispatchGroup::leave without a matching enter");
        if (--state_->count > 0) return;
        ready.swap(state_->waiting);
    }
    state_->zero.notify_all();
    for (auto& [queue, block] : ready) queue->async(std::move(block));
}

void DispatchGroup::notify(DispatchQueue& queue, DispatchQueue::Block block) {
    {
        std::lock_guard lock(state_->mutex);
        if (state_->count > 0) {
            state_->waiting.emplace_back(&queue, std::move(block));
            return;
        }
    }
    queue.async(std::move(block));
}

bool DispatchGroup::wait(double seconds) {
    std::unique_lock lock(state_->mutex);
    auto done = [&] { return state_->count == 0; };
    if (seconds < 0) {
        state_->zero.wait(lock, done);
        return true;
    }
    return state_->zero.wait_for(lock, std::chrono::duration<double>(seconds), done);
}

void DispatchGroup::async(DispatchQueue& queue, DispatchQueue::Block block) {
    enter();
    queue.async([group = *this, block = std::move(block)]() mutable {
        if (block) block();
        group.leave();
    });
}

} // namespace kit
