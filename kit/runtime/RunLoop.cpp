#include "kit/runtime/RunLoop.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "kit/base/Console.h"
#include "kit/runtime/DisplayLink.h"
#include "kit/runtime/Timer.h"

namespace kit {
namespace {
constexpr double never = std::numeric_limits<double>::infinity();
// A block that keeps queueing itself must not hang a drain.
constexpr int maxDrainRounds = 100000;
} // namespace

struct RunLoop::Handler {
    std::uint64_t id;
    Phase phase;
    std::function<void()> fn;
    bool alive = true;
};

RunLoop& RunLoop::main() {
    static RunLoop loop;
    return loop;
}

// Made during static initialisation, so on the thread that runs main(), whatever thread asks first.
[[maybe_unused]] static RunLoop& mainLoopAtStart = RunLoop::main();

RunLoop::RunLoop() : mainThread_(std::this_thread::get_id()) {}

PhaseHandlerToken RunLoop::addPhaseHandler(Phase phase, std::function<void()> handler) {
    std::lock_guard lock(mutex_);
    auto h = std::make_shared<Handler>(Handler{++handlerSequence_, phase, std::move(handler)});
    handlers_.push_back(h);
    return {h->id};
}

void RunLoop::removePhaseHandler(PhaseHandlerToken token) {
    std::shared_ptr<Handler> removed;
    {
        std::lock_guard lock(mutex_);
        auto it = std::find_if(handlers_.begin(), handlers_.end(), [&](const auto& h) { return h->id == token.id; });
        if (it == handlers_.end()) return;
        removed = *it;
        removed->alive = false;
        handlers_.erase(it);
    }
}

void RunLoop::postEvent(std::function<void()> event) {
    {
        std::lock_guard lock(mutex_);
        events_.push_back(std::move(event));
    }
    wakeUp();
}

void RunLoop::enqueueMain(std::function<void()> block) {
    {
        std::lock_guard lock(mutex_);
        mainQueue_.push_back(std::move(block));
    }
    wakeUp();
}

void RunLoop::schedule(const std::shared_ptr<Timer>& timer) {
    {
        std::lock_guard lock(mutex_);
        timer->sequence_ = ++timerSequence_;
        timers_.push_back(timer);
    }
    if (!isMainThread()) wakeUp();
}

void RunLoop::unschedule(const Timer* timer) {
    std::shared_ptr<Timer> keep; // released after the lock: the timer may go with it
    std::lock_guard lock(mutex_);
    auto it = std::find_if(timers_.begin(), timers_.end(), [&](const auto& t) { return t.get() == timer; });
    if (it != timers_.end()) {
        keep = std::move(*it);
        timers_.erase(it);
    }
}

void RunLoop::addDisplayLink(const std::shared_ptr<DisplayLink>& link) {
    bool first = !hasActiveDisplayLinks();
    std::lock_guard lock(mutex_);
    if (first) nextFrame_ = frameIndexAfter(Clock::current().now());
    links_.push_back(link);
}

bool RunLoop::hasActiveDisplayLinks() {
    std::lock_guard lock(mutex_);
    std::erase_if(links_, [](const std::weak_ptr<DisplayLink>& w) {
        auto l = w.lock();
        return !l || !l->isValid();
    });
    for (const auto& w : links_)
        if (auto l = w.lock(); l && !l->isPaused()) return true;
    return false;
}

long long RunLoop::frameIndexAfter(double now) const {
    // The small allowance keeps a time computed as k/60 from counting as just before frame k.
    return static_cast<long long>(std::floor(now * framesPerSecond + 1e-6)) + 1;
}

void RunLoop::runEvents() {
    std::deque<std::function<void()>> events;
    {
        std::lock_guard lock(mutex_);
        events.swap(events_);
    }
    for (auto& e : events)
        if (e) e();
}

bool RunLoop::fireTimers(double now) {
    std::vector<std::shared_ptr<Timer>> due;
    {
        std::lock_guard lock(mutex_);
        for (const auto& t : timers_)
            if (t->valid_ && t->fireDate_ <= now) due.push_back(t);
    }
    std::sort(due.begin(), due.end(), [](const auto& a, const auto& b) {
        return a->fireDate_ != b->fireDate_ ? a->fireDate_ < b->fireDate_ : a->sequence_ < b->sequence_;
    });
    for (const auto& t : due)
        if (t->valid_ && t->fireDate_ <= now) t->fire(now);
    return !due.empty();
}

double RunLoop::nextTimerDate() {
    std::lock_guard lock(mutex_);
    double next = never;
    for (const auto& t : timers_)
        if (t->valid_) next = std::min(next, t->fireDate_);
    return next;
}

bool RunLoop::runMainQueueOnce() {
    std::deque<std::function<void()>> blocks;
    {
        std::lock_guard lock(mutex_);
        blocks.swap(mainQueue_);
    }
    for (auto& b : blocks)
        if (b) b();
    return !blocks.empty();
}

void RunLoop::runMainQueueUntilEmpty() {
    for (int round = 0; round < maxDrainRounds; ++round) {
        runEvents();
        if (!runMainQueueOnce()) return;
    }
}

void RunLoop::drainMainQueue() { runMainQueueUntilEmpty(); }

void RunLoop::fireDisplayLinks(double frameTime) {
    std::vector<std::shared_ptr<DisplayLink>> live;
    {
        std::lock_guard lock(mutex_);
        for (const auto& w : links_)
            if (auto l = w.lock()) live.push_back(std::move(l));
    }
    for (const auto& l : live) l->fire(frameTime);
}

void RunLoop::runPhase(Phase phase) {
    std::vector<std::shared_ptr<Handler>> handlers;
    {
        std::lock_guard lock(mutex_);
        for (const auto& h : handlers_)
            if (h->phase == phase) handlers.push_back(h);
    }
    for (const auto& h : handlers)
        if (h->alive) h->fn();
}

void RunLoop::frame(double now, bool linksDue) {
    if (linksDue) {
        long long index = frameIndexAfter(now) - 1;
        // Links run first, so what they change is animated, laid out and drawn in the same frame.
        fireDisplayLinks(frameTime(index));
        std::lock_guard lock(mutex_);
        nextFrame_ = index + 1;
    }
    runPhase(Phase::animations);
    runPhase(Phase::layout);
    runPhase(Phase::display);
}

void RunLoop::runOnce() {
    double now = Clock::current().now();
    runEvents();
    fireTimers(now);
    runMainQueueOnce();
    bool linksDue = hasActiveDisplayLinks();
    if (linksDue) {
        std::lock_guard lock(mutex_);
        linksDue = now + 1e-9 >= frameTime(nextFrame_);
    }
    frame(now, linksDue);
}

void RunLoop::advance(double seconds) {
    auto* clock = dynamic_cast<ManualClock*>(&Clock::current());
    if (!clock) fatal("RunLoop::advance needs a ManualClock (ManualClockScope)");
    const double end = clock->now() + std::max(0.0, seconds);
    runMainQueueUntilEmpty();
    for (;;) {
        double timerAt = nextTimerDate();
        double frameAt = never;
        if (hasActiveDisplayLinks()) {
            std::lock_guard lock(mutex_);
            frameAt = frameTime(nextFrame_);
        }
        double at = std::min(timerAt, frameAt);
        if (at > end) break;
        double now = std::max(at, clock->now());
        clock->advance(now - clock->now());
        runEvents();
        if (timerAt <= at) fireTimers(now);
        runMainQueueUntilEmpty();
        if (frameAt <= at) frame(now, true);
    }
    clock->advance(end - clock->now());
    runMainQueueUntilEmpty();
    frame(clock->now(), false);
}

void RunLoop::run() {
    {
        std::lock_guard lock(mutex_);
        stopRequested_ = false;
    }
    for (;;) {
        runOnce();
        double wait = -1;
        {
            std::lock_guard lock(mutex_);
            if (stopRequested_) {
                stopRequested_ = false;
                return;
            }
            if (!events_.empty() || !mainQueue_.empty() || woken_) wait = 0;
        }
        if (wait < 0) {
            double now = Clock::current().now();
            double next = nextTimerDate();
            if (hasActiveDisplayLinks()) {
                std::lock_guard lock(mutex_);
                next = std::min(next, frameTime(nextFrame_));
            }
            if (next != never) wait = std::max(0.0, next - now);
        }
        idleWait(wait);
    }
}

void RunLoop::idleWait(double seconds) {
    if (customWait_) {
        customWait_(seconds);
        std::lock_guard lock(mutex_);
        woken_ = false;
        return;
    }
    std::unique_lock lock(mutex_);
    auto ready = [&] { return woken_ || stopRequested_ || !events_.empty() || !mainQueue_.empty(); };
    if (seconds < 0)
        wake_.wait(lock, ready);
    else if (seconds > 0)
        wake_.wait_for(lock, std::chrono::duration<double>(seconds), ready);
    woken_ = false;
}

void RunLoop::stop() {
    {
        std::lock_guard lock(mutex_);
        stopRequested_ = true;
    }
    wakeUp();
}

void RunLoop::wakeUp() {
    std::function<void()> wake;
    {
        std::lock_guard lock(mutex_);
        woken_ = true;
        wake = customWake_;
    }
    wake_.notify_all();
    if (wake) wake();
}

void RunLoop::setIdleWaiter(std::function<void(double)> wait, std::function<void()> wake) {
    std::lock_guard lock(mutex_);
    customWait_ = std::move(wait);
    customWake_ = std::move(wake);
}

void RunLoop::discardPendingWork() {
    std::vector<std::shared_ptr<Timer>> timers;
    std::vector<std::weak_ptr<DisplayLink>> links;
    std::deque<std::function<void()>> events, blocks;
    {
        std::lock_guard lock(mutex_);
        timers.swap(timers_);
        links.swap(links_);
        events.swap(events_);
        blocks.swap(mainQueue_);
        nextFrame_ = 0;
        woken_ = false;
    }
    for (const auto& t : timers) t->invalidate();
    for (const auto& w : links)
        if (auto l = w.lock()) l->invalidate();
}

ManualRunLoopScope::ManualRunLoopScope() { RunLoop::main().discardPendingWork(); }
ManualRunLoopScope::~ManualRunLoopScope() { RunLoop::main().discardPendingWork(); }

} // namespace kit
