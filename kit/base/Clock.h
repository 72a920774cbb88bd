#pragma once
// The one source of time. Real in the window; manual in tests, where time moves only by advance().
#include <memory>

namespace kit {

class Clock {
public:
    virtual ~Clock() = default;
    // Monotonic seconds since an arbitrary start: timers, animations and throttles use it.
    virtual double now() const = 0;
    // Seconds since the Unix epoch: record ids and dates use it.
    virtual double wallTime() const = 0;

    // The clock in force for this process (a real clock unless one was installed).
    static Clock& current();
    static void install(std::shared_ptr<Clock> clock);
};

class RealClock final : public Clock {
public:
    double now() const override;
    double wallTime() const override;
};

class ManualClock final : public Clock {
public:
    explicit ManualClock(double wallTimeAtStart = 1'700'000'000.0) : wallStart_(wallTimeAtStart) {}
    double now() const override { return now_; }
    double wallTime() const override { return wallStart_ + now_; }
    void advance(double seconds) { if (seconds > 0) now_ += seconds; }
    void setWallTime(double unixSeconds) { wallStart_ = unixSeconds - now_; }

private:
    double now_ = 0;
    double wallStart_;
};

// Installs a manual clock for the lifetime of the guard and restores the previous clock after.
class ManualClockScope {
public:
    explicit ManualClockScope(double wallTimeAtStart = 1'700'000'000.0);
    ~ManualClockScope();
    ManualClockScope(const ManualClockScope&) = delete;
    ManualClockScope& operator=(const ManualClockScope&) = delete;
    ManualClock& clock() { return *clock_; }

private:
    std::shared_ptr<ManualClock> clock_;
    std::shared_ptr<Clock> previous_;
};

} // namespace kit
