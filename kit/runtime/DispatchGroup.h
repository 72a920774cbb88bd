#pragma once
// Counts outstanding work. notify(queue, block) queues the block on `queue` once the count is zero:
// at once (queued, not run inline) when it already is, else when the last leave() brings it there.
// Each notify runs exactly once. Copies share one group, so blocks may capture it by value.
#include <functional>
#include <memory>

#include "kit/runtime/DispatchQueue.h"

namespace kit {

class DispatchGroup {
public:
    DispatchGroup();

    void enter();
    // More leaves than enters is a programming error.
    void leave();
    void notify(DispatchQueue& queue, DispatchQueue::Block block);
    // Waits in real time until the count is zero; false when `seconds` passed first (< 0: no limit).
    bool wait(double seconds = -1);
    // enter(), run `block` on `queue`, leave().
    void async(DispatchQueue& queue, DispatchQueue::Block block);

private:
    struct State;
    std::shared_ptr<State> state_;
};

} // namespace kit
