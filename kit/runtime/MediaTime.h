#pragma once
// Monotonic seconds for animations and decelerations: the clock in force (manual in tests).
#include "kit/base/Clock.h"

namespace kit {

inline double mediaTime() { return Clock::current().now(); }

} // namespace kit
