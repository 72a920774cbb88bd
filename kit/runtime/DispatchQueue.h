#pragma once
// Queues of blocks. main(): run by the main run loop, in order, one per turn's drain; async is safe
// from any thread. serial(label): a worker thread of its own running blocks one at a time in order;
// destroying the queue runs what is queued, then joins the thread. global(): a few shared workers
// for work that needs no order.
#include <functional>
#include <memory>
#include <string>

namespace kit {

class DispatchQueue {
public:
    using Block = std::function<void()>;
    virtual ~DispatchQueue() = default;

    static DispatchQueue& main();
    static DispatchQueue& global();
    static std::shared_ptr<DispatchQueue> serial(std::string label);

    virtual void async(Block block) = 0;
    // Runs the block on the queue and waits for it. Calling it from the queue's own thread would wait
    // forever: that is a programming error.
    virtual void sync(Block block);
    // Whether the calling thread is running this queue's blocks.
    virtual bool isCurrent() const = 0;
    // Blocks until everything queued so far (and what it queues here) has run. For tests; the main
    // queue cannot wait for itself and drains instead when called on the main thread.
    virtual void waitUntilIdle() = 0;

    const std::string& label() const { return label_; }

protected:
    explicit DispatchQueue(std::string label) : label_(std::move(label)) {}

private:
    std::string label_;
};

} // namespace kit
