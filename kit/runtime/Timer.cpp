#include "kit/runtime/Timer.h"

#include <algorithm>
#include <cmath>

#include "kit/base/Clock.h"
#include "kit/runtime/RunLoop.h"

namespace kit {

Timer::Timer(Key, double interval, bool repeats, Block block)
    : interval_(interval > 0 ? interval : 0.0001), repeats_(repeats),
      block_(std::make_shared<Block>(std::move(block))) {}

std::shared_ptr<Timer> Timer::schedule(double interval, bool repeats, Block block) {
    auto timer = std::make_shared<Timer>(Key{}, interval, repeats, std::move(block));
    timer->fireDate_ = Clock::current().now() + timer->interval_;
    RunLoop::main().schedule(timer);
    return timer;
}

void Timer::invalidate() {
    if (!valid_) return;
    auto self = shared_from_this(); // the run loop may hold the last reference
    valid_ = false;
    RunLoop::main().unschedule(this);
    // Releases what the block captured (unless the block is running: fire() keeps it until it returns).
    block_.reset();
}

void Timer::fire(double now) {
    auto self = shared_from_this();
    auto block = block_;
    if (repeats_) {
        // Missed firings are skipped, not caught up.
        double next = fireDate_ + interval_;
        if (next <= now) next = fireDate_ + interval_ * (std::floor((now - fireDate_) / interval_) + 1);
        fireDate_ = next;
    }
    if (block && *block) (*block)(*this);
    if (!repeats_) invalidate();
}

} // namespace kit
