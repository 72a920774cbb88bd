#pragma once
// The ink of a line's crowded pixel columns (PixelPolyline's DenseColumn), computed directly.
//
// In a crowded column the line passes through every height of each slice's range. Its stroke there
// is as wide as the line: the top of the range is inked half the line's width to either side of where
// the line reaches it, the bottom likewise, and a slice the line crosses at a slope s is inked
// hw sqrt(1 + s^2) above and below it. A turn so sharp that the stroke bevels it ends flat at its corner; a turn the
// stroke mitres (PixelPolyline's MiterTurn) adds its miter. A pixel's coverage is the share of its
// area under the ink of the slices that reach it, as an antialiasing rasteriser would find it.
#include "charting/bar_line/PixelPolyline.h"
#include "kit/base/Geometry.h"
#include "kit/graphics/AlphaMask.h"

#include <vector>

namespace charting {

class ColumnCoverage {
public:
    // `lineWidth` in device pixels, `miterLimit` the stroke's; only pixels inside `deviceClip` are computed.
    const kit::AlphaMask& build(const std::vector<DenseColumn>& columns, const std::vector<MiterTurn>& turns,
                                double lineWidth, double miterLimit, const kit::Rect& deviceClip);

private:
    // Widens the ink of the half slices under a turn's miter by the miter's height range in each;
    // `base` is the first half slice of the span.
    void addMiter(const MiterTurn& turn, double halfWidth, std::int64_t base);

    kit::AlphaMask mask_;
    // Per half slice of the covered span: the top and bottom of the ink.
    std::vector<float> inkTop_, inkBottom_;
    std::vector<float> rows_;
};

} // namespace charting
