#include "kit/base/Clock.h"

#include <chrono>
#include <mutex>

namespace kit {
namespace {
std::mutex clockMutex;
std::shared_ptr<Clock>& installed() {
    static std::shared_ptr<Clock> clock = std::make_shared<RealClock>();
    return clock;
}
} // namespace

Clock& Clock::current() {
    std::lock_guard lock(clockMutex);
    return *installed();
}

void Clock::install(std::shared_ptr<Clock> clock) {
    std::lock_guard lock(clockMutex);
    installed() = clock ? std::move(clock) : std::make_shared<RealClock>();
}

double RealClock::now() const {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

double RealClock::wallTime() const {
    using namespace std::chrono;
    return duration<double>(system_clock::now().time_since_epoch()).count();
}

ManualClockScope::ManualClockScope(double wallTimeAtStart)
    : clock_(std::make_shared<ManualClock>(wallTimeAtStart)) {
    std::lock_guard lock(clockMutex);
    previous_ = installed();
    installed() = clock_;
}

ManualClockScope::~ManualClockScope() { Clock::install(previous_); }

} // namespace kit
