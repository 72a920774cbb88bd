// Crowded pixel columns on both sides of a stretch without points: the stroke bridges them.
#include "charting/bar_line/PixelPolyline.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace charting;

namespace {

// 32 points a pixel column from `from` up to `to`, zigzagging about `level` by 2 pixels.
void addCrowded(PixelPolyline& line, int from, int to, double level) {
    for (int i = from * 32; i < to * 32; ++i) line.add({i / 32.0, level + (i % 2 ? 2.0 : -2.0)});
}

} // namespace

TEST(PixelPolyline, CrowdedColumnsAcrossAGapAreJoinedByAStrokedSegment) {
    for (const bool leftOut : {false, true}) {
        SCOPED_TRACE(leftOut ? "points not a number in the gap" : "no points in the gap");
        PixelPolyline line;
        line.begin(kit::AffineTransform{}, PixelPolyline::Reduction::denseColumnRanges, 0);
        addCrowded(line, 0, 10, 100);
        if (leftOut)
            for (int i = 10 * 32; i < 50 * 32; ++i) line.add({i / 32.0, std::nan("")});
        addCrowded(line, 50, 60, 300);
        const auto& points = line.finish();

        ASSERT_EQ(line.denseColumns().size(), 20u);
        // The only stroke is the bridge, from the last point before the gap to the first after it.
        ASSERT_EQ(line.subpathStarts().size(), 1u);
        ASSERT_EQ(points.size(), 2u);
        EXPECT_EQ(points[0], (kit::Point{(10 * 32 - 1) / 32.0, 102}));
        EXPECT_EQ(points[1], (kit::Point{50.0, 298}));
        // The column after the gap inks only its own heights: the bridge is the stroke's.
        const DenseColumn& after = line.denseColumns()[10];
        EXPECT_EQ(after.pixel, 50);
        EXPECT_GE(after.top[0], 298);
        EXPECT_LE(after.bottom[0], 302);
    }
}
