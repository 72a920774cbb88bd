#pragma once
// The main run loop. Each turn runs, in this order:
//   1. input events the hosts posted,
//   2. the timers that are due,
//   3. the blocks queued on the main dispatch queue,
//   4. when a display frame is due and display links are active: the display links,
//   5. the animation phase, 6. the layout phase, 7. the display phase
// (5-7: handlers that the view toolkit registers, in registration order).
//
// The window runs it with run()/stop(). Tests run it under a manual clock with advance(seconds),
// which moves time from one due timer (or display frame) to the next, so that everything that
// depends on time happens in a fixed order.
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "kit/base/Clock.h"

namespace kit {

class Timer;
class DisplayLink;

enum class Phase { animations, layout, display };

struct PhaseHandlerToken {
    std::uint64_t id = 0;
};

class RunLoop {
public:
    // Display frames per second.
    static constexpr double framesPerSecond = 60;

    // The process's main run loop; the thread that first asks for it is the main thread.
    static RunLoop& main();
    bool isMainThread() const { return std::this_thread::get_id() == mainThread_; }

    PhaseHandlerToken addPhaseHandler(Phase phase, std::function<void()> handler);
    void removePhaseHandler(PhaseHandlerToken token);

    // Queues an input event (from any thread); it runs at the start of the next turn.
    void postEvent(std::function<void()> event);

    // One turn at the current time.
    void runOnce();
    // Turns until stop() is called, sleeping while there is nothing to do.
    void run();
    // Ends run() after the current turn (from any thread).
    void stop();
    // Makes a sleeping run() take a turn (from any thread): for work that is not a timer, an event
    // or a queued block, such as a view that needs drawing.
    void wakeUp();
    // Lets the window host wait for its own input instead of sleeping: `wait(seconds)` must return
    // within the time given (or when `wake()` is called from another thread); seconds < 0 means no limit.
    void setIdleWaiter(std::function<void(double seconds)> wait, std::function<void()> wake);

    // Under a ManualClock only: moves time forward by `seconds`, stopping at each due timer (and, while
    // display links are active, at each display frame) in time order; at each stop it runs what is
    // due, then the main queue; at a frame also the frame phases. Ends with a full turn at the new time.
    void advance(double seconds);
    // Runs queued events and main-queue blocks (also those they queue) without moving time.
    void drainMainQueue();

    // Invalidates every timer and display link and drops queued events and blocks; the phase handlers
    // stay. For tests, so that one test's leftovers never reach the next.
    void discardPendingWork();

    // Used by DispatchQueue::main(), Timer and DisplayLink.
    void enqueueMain(std::function<void()> block);
    void schedule(const std::shared_ptr<Timer>& timer);
    void unschedule(const Timer* timer);
    void addDisplayLink(const std::shared_ptr<DisplayLink>& link);
    bool hasActiveDisplayLinks();

private:
    RunLoop();
    struct Handler;

    void runEvents();
    // Fires each timer that is due at `now` once, earliest first. Returns whether any fired.
    bool fireTimers(double now);
    bool runMainQueueOnce();
    void runMainQueueUntilEmpty();
    void frame(double now, bool linksDue);
    void runPhase(Phase phase);
    void fireDisplayLinks(double now);
    double nextTimerDate();
    double frameTime(long long index) const { return static_cast<double>(index) / framesPerSecond; }
    long long frameIndexAfter(double now) const;
    void idleWait(double seconds);

    std::thread::id mainThread_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool woken_ = false;
    bool stopRequested_ = false;
    std::deque<std::function<void()>> events_;
    std::deque<std::function<void()>> mainQueue_;
    std::vector<std::shared_ptr<Timer>> timers_;
    std::uint64_t timerSequence_ = 0;
    std::vector<std::weak_ptr<DisplayLink>> links_;
    long long nextFrame_ = 0;
    std::vector<std::shared_ptr<Handler>> handlers_;
    std::uint64_t handlerSequence_ = 0;
    std::function<void(double)> customWait_;
    std::function<void()> customWake_;
};

// For tests: a manual clock plus a main run loop with nothing pending, before and after.
class ManualRunLoopScope {
public:
    ManualRunLoopScope();
    ~ManualRunLoopScope();
    ManualRunLoopScope(const ManualRunLoopScope&) = delete;
    ManualRunLoopScope& operator=(const ManualRunLoopScope&) = delete;
    ManualClock& clock() { return clockScope_.clock(); }
    void advance(double seconds) { RunLoop::main().advance(seconds); }

private:
    ManualClockScope clockScope_;
};

} // namespace kit
