#pragma once
// Rounding of a search by x when no entry has exactly the wanted x.

namespace charting {

enum class ChartDataSetRounding : int {
    up = 0,      // the next entry above
    down = 1,    // the previous entry below
    closest = 2, // whichever neighbour's x is closer (the higher one on a tie)
};

} // namespace charting
