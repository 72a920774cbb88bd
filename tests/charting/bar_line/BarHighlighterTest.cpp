#include "charting/bar_line/BarHighlighter.h"
#include "BarChartTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace charting;
using namespace charting::testing;

namespace {

std::shared_ptr<BarTestChart> chartWith(std::vector<std::shared_ptr<BarChartDataSet>> sets, bool horizontal = false) {
    auto chart = kit::make<BarTestChart>();
    if (horizontal) {
        chart->left = std::make_shared<TransformerHorizontalBarChart>(chart->viewPortHandler());
        chart->right = std::make_shared<TransformerHorizontalBarChart>(chart->viewPortHandler());
    }
    chart->setData(barData(std::move(sets)));
    chart->prepare();
    return chart;
}

} // namespace

TEST(BarHighlighter, ClosestStackIndexIncludesUpperEndsAndFallsToTheEdges) {
    BarChartDataEntry e(2, std::vector<double>{1, 2});
    auto chart = chartWith({barSet({bar(1, 1)})});
    BarHighlighter highlighter(chart);
    const struct {
        double value;
        int want;
    } cases[] = {{0.5, 0}, {1, 0}, {1.5, 1}, {3, 1}, {5, 1}, {-1, 0}};
    for (const auto& c : cases) EXPECT_EQ(highlighter.getClosestStackIndex(e.ranges(), c.value), c.want) << c.value;
    EXPECT_EQ(highlighter.getClosestStackIndex(std::nullopt, 3), 0);
    EXPECT_EQ(highlighter.pointDistance(1, 100, 4, -50), 3);
}

TEST(BarHighlighter, TouchFindsTheSegmentOrThePlainBar) {
    // Stack (1, 2) at x 2, a plain bar at x 5 among stacked ones.
    auto chart = chartWith({barSet({stack(2, {1, 2}), bar(5, 4)})});
    BarHighlighter highlighter(chart);
    const kit::Point upper = chart->left->pixelForValues(2, 2.5);
    auto high = highlighter.getHighlight(upper.x, upper.y);
    ASSERT_TRUE(high);
    EXPECT_EQ(high->stackIndex(), 1);
    EXPECT_EQ(high->x(), 2);
    EXPECT_EQ(high->y(), 3);
    EXPECT_EQ(high->dataIndex(), 0);
    const kit::Point top = chart->left->pixelForValues(2, 3);
    EXPECT_DOUBLE_EQ(high->yPx(), top.y) << "pixel of the segment's upper end";

    const kit::Point lower = chart->left->pixelForValues(2, 0.5);
    high = highlighter.getHighlight(lower.x, lower.y);
    ASSERT_TRUE(high);
    EXPECT_EQ(high->stackIndex(), 0);

    const kit::Point plain = chart->left->pixelForValues(5, 1);
    high = highlighter.getHighlight(plain.x, plain.y);
    ASSERT_TRUE(high);
    EXPECT_EQ(high->x(), 5);
    EXPECT_EQ(high->stackIndex(), -1) << "the base highlight, unchanged";

    // Not bar data: nothing.
    chart->setData(nullptr);
    EXPECT_FALSE(highlighter.getHighlight(plain.x, plain.y));
}

TEST(HorizontalBarHighlighter, SwapsAxesAndMeasuresVertically) {
    auto chart = chartWith({barSet({bar(2, 3), bar(6, 8)})}, true);
    HorizontalBarHighlighter highlighter(chart);
    // Value (y 3, x 2) lies at pixel (80, 130); the view asks with the touch's (y, x).
    const kit::Point px = chart->left->pixelForValues(3, 2);
    EXPECT_DOUBLE_EQ(px.x, 80);
    EXPECT_DOUBLE_EQ(px.y, 130);
    auto high = highlighter.getHighlight(px.y + 4, px.x + 40);
    ASSERT_TRUE(high);
    EXPECT_EQ(high->x(), 2);
    EXPECT_DOUBLE_EQ(high->xPx(), 80);
    EXPECT_DOUBLE_EQ(high->yPx(), 130);
    EXPECT_EQ(highlighter.pointDistance(100, 1, -100, 4), 3);

    // A stacked bar on its side: the segment follows the horizontal value.
    auto stacked = chartWith({barSet({stack(2, {1, 2}), bar(6, 1)})}, true);
    HorizontalBarHighlighter side(stacked);
    const kit::Point seg = stacked->left->pixelForValues(2.5, 2);
    high = side.getHighlight(seg.y, seg.x);
    ASSERT_TRUE(high);
    EXPECT_EQ(high->stackIndex(), 1);
}
