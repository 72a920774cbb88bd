#pragma once
// The ink of a line's crowded pixel columns (PixelPolyline's DenseColumn), computed directly.
//
// In a crowded column the line passes through every height of each slice's range, at some place
// within the slice. Its stroke there is as wide as the line: each slice inks the line's width
// around the slice's centre, from the top to the bottom of its range (sharp turns end flat where
// the points end). A pixel's coverage is the share of its area under the ink of the slices that
// reach it, as an antialiasing rasteriser would find it.
#include "charting/bar_line/PixelPolyline.h"
#include "kit/base/Geometry.h"
#include "kit/graphics/AlphaMask.h"

#include <vector>

namespace charting {

class ColumnCoverage {
public:
    // `lineWidth` in device pixels; only pixels inside `deviceClip` are computed.
    const kit::AlphaMask& build(const std::vector<DenseColumn>& columns, double lineWidth, const kit::Rect& deviceClip);

private:
    kit::AlphaMask mask_;
    // Per slice of the covered span, then per slice after widening by the line: top and bottom.
    std::vector<float> top_, bottom_, inkTop_, inkBottom_;
    std::vector<float> rows_;
};

} // namespace charting
