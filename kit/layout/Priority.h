#pragma once
// Constraint priorities, 1 to 1000. Required (1000) constraints must hold; the others are satisfied
// as well as possible, higher priorities first.

namespace kit::layout {

using Priority = float;

namespace priority {
inline constexpr Priority required = 1000;
inline constexpr Priority high = 750;
inline constexpr Priority low = 250;
inline constexpr Priority fittingSizeLevel = 50;
} // namespace priority

enum class Axis { horizontal, vertical };

// An intrinsic size component that the item does not have.
inline constexpr double noIntrinsicMetric = -1;

} // namespace kit::layout
