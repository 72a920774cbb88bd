#pragma once
// The ink of a line's crowded pixel columns (PixelPolyline's DenseColumn), computed directly.
//
// In a crowded column the line passes through every height of each slice's range, at some place
// within the slice. Its stroke there is as wide as the line, with round joins: each slice's range
// is inked as if a round pen of the line's width were drawn along it, so that a turn's tip ends
// round as a stroke's round join does. A pixel's coverage is the share of its area under the ink
// of the slices that reach it, as an antialiasing rasteriser would find it.
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
    // The pen's half height at each slice within reach (`left` before, `right` after the slice).
    void penChords(double halfWidth, int left, int right);

    kit::AlphaMask mask_;
    std::vector<float> chords_;
    // Per slice of the covered span, then per slice after widening by the line: top and bottom.
    std::vector<float> top_, bottom_, inkTop_, inkBottom_;
    std::vector<float> rows_;
};

} // namespace charting
