#pragma once
// A timer on the main run loop. The run loop keeps a scheduled timer, and so whatever its block
// captured, until it is invalidated: a one-shot timer after its single firing, a repeating one only
// by invalidate(). Invalidating from inside the block (its own or another timer's) is allowed, and
// invalidating twice is harmless. An interval of 0 or less becomes 0.1 ms. Timers fire on the main
// thread and are invalidated there.
#include <cstdint>
#include <functional>
#include <memory>
#include <type_traits>

namespace kit {

class Timer : public std::enable_shared_from_this<Timer> {
public:
    using Block = std::function<void(Timer&)>;

    // The block may take the timer (Timer&) or nothing.
    template <class F>
    static std::shared_ptr<Timer> scheduled(double interval, bool repeats, F&& block) {
        if constexpr (std::is_invocable_v<F&, Timer&>)
            return schedule(interval, repeats, Block(std::forward<F>(block)));
        else
            return schedule(interval, repeats, Block([b = std::forward<F>(block)](Timer&) mutable { b(); }));
    }

    void invalidate();
    bool isValid() const { return valid_; }
    // The clock time (Clock::now()) of the next firing.
    double fireDate() const { return fireDate_; }
    double timeInterval() const { return interval_; }
    bool repeats() const { return repeats_; }

    struct Key {
    private:
        friend class Timer;
        Key() = default;
    };
    Timer(Key, double interval, bool repeats, Block block);

private:
    friend class RunLoop;
    static std::shared_ptr<Timer> schedule(double interval, bool repeats, Block block);
    void fire(double now);

    double interval_;
    bool repeats_;
    bool valid_ = true;
    double fireDate_ = 0;
    std::uint64_t sequence_ = 0;
    std::shared_ptr<Block> block_;
};

} // namespace kit
