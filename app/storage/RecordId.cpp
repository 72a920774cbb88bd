#include "app/storage/RecordId.h"

#include "kit/base/Clock.h"
#include "kit/base/Console.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace app {

std::int64_t newRecordId64() {
    const double now = std::trunc(kit::Clock::current().wallTime());
    constexpr double limit = 9.0e18;  // far beyond any clock; keeps the conversion defined
    const double clamped = std::isfinite(now) ? std::clamp(now, -limit, limit) : 0.0;
    return static_cast<std::int64_t>(clamped) - recordIdEpoch;
}

std::int32_t newRecordId32() {
    const std::int64_t id = newRecordId64();
    if (id > std::numeric_limits<std::int32_t>::max() || id < std::numeric_limits<std::int32_t>::min()) {
        kit::warn("Record id out of the 32-bit range: " + std::to_string(id));
        return id > 0 ? std::numeric_limits<std::int32_t>::max() : std::numeric_limits<std::int32_t>::min();
    }
    return static_cast<std::int32_t>(id);
}

} // namespace app
