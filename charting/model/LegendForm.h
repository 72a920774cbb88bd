#pragma once
// The shape drawn beside a legend label. `default_` (raw 2) defers to the legend's own form;
// the trailing underscore only avoids the C++ keyword.

namespace charting {

enum class LegendForm : int {
    none = 0,     // no form and no room for one
    empty = 1,    // room for a form, nothing drawn
    default_ = 2, // use the legend's `form`
    square = 3,
    circle = 4,
    line = 5,
};

} // namespace charting
