#pragma once
// Record ids: whole seconds since 2021-04-03 20:25:00 UTC (Unix time 1617481500).
#include <cstdint>

namespace app {

inline constexpr std::int64_t recordIdEpoch = 1617481500;

std::int64_t newRecordId64();
// The difference is taken in 64 bits and then narrowed, so it holds until 2089. Past that it stays at the
// largest 32-bit value and says so on the console, rather than stopping the program.
std::int32_t newRecordId32();

} // namespace app
