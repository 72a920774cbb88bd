#pragma once
// The y axis a data set is drawn against; raw values are persisted and cross the object interface.

namespace charting {

enum class AxisDependency : int {
    left = 0,
    right = 1,
};

} // namespace charting
