#include "charting/bar_line/BarChartView.h"
#include "charting/bar_line/BarChartRenderer.h"
#include "charting/bar_line/HorizontalBarChartRenderer.h"
#include "charting/bar_line/HorizontalBarChartView.h"
#include "BarChartTestSupport.h"
#include "kit/base/Console.h"
#include "kit/graphics/TextMetrics.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace charting;
using namespace charting::testing;

namespace {

template <class View>
std::shared_ptr<View> viewWith(std::vector<std::shared_ptr<BarChartDataSet>> sets, double barWidth = 0.5) {
    auto view = kit::make<View>(kit::Rect{0, 0, 300, 200});
    view->setData(barData(std::move(sets), barWidth));
    return view;
}

void expectRect(const kit::Rect& got, const kit::Rect& want) {
    EXPECT_NEAR(got.minX(), want.minX(), 1e-9);
    EXPECT_NEAR(got.maxX(), want.maxX(), 1e-9);
    EXPECT_NEAR(got.minY(), want.minY(), 1e-9);
    EXPECT_NEAR(got.maxY(), want.maxY(), 1e-9);
}

} // namespace

TEST(BarChartView, SetUpFitBarsAndBarBounds) {
    auto fitted = kit::make<BarChartView>(kit::Rect{0, 0, 300, 200});
    EXPECT_TRUE(std::dynamic_pointer_cast<BarChartRenderer>(fitted->renderer()));
    EXPECT_EQ(fitted->xAxis()->spaceMin(), 0.5);
    fitted->setFitBars(true);
    fitted->setData(barData({barSet({bar(0, 1), bar(4, 2)})}, 0.85));
    // -0.425 ... 4.425, widened by the axis's own half-unit spaces.
    EXPECT_DOUBLE_EQ(fitted->xAxis()->axisMinimum(), -0.425 - 0.5);
    EXPECT_DOUBLE_EQ(fitted->xAxis()->axisMaximum(), 4.425 + 0.5);

    auto negative = bar(2, -3);
    auto view = viewWith<BarChartView>({barSet({negative, bar(3, 4)})});
    const auto bounds = view->getBarBounds(negative);
    ASSERT_TRUE(bounds);
    const auto t = view->getTransformer(AxisDependency::left);
    const kit::Point a = t->pixelForValues(1.75, 0), b = t->pixelForValues(2.25, -3);
    expectRect(*bounds, kit::Rect{std::min(a.x, b.x), std::min(a.y, b.y), std::fabs(b.x - a.x), std::fabs(b.y - a.y)});
    EXPECT_FALSE(view->getBarBounds(bar(9, 9))) << "an entry outside the data";
}

TEST(BarChartView, TouchesHighlightSegmentsOrWholeBarsAndMisuseIsReported) {
    auto view = viewWith<BarChartView>({barSet({stack(1, {1, 2}), stack(3, {2, 2})})});
    const kit::Point p = view->getTransformer(AxisDependency::left)->pixelForValues(1, 2.5);
    auto segment = view->getHighlightByTouchPoint(p);
    ASSERT_TRUE(segment);
    EXPECT_EQ(segment->stackIndex(), 1);
    view->setHighlightFullBarEnabled(true);
    auto whole = view->getHighlightByTouchPoint(p);
    ASSERT_TRUE(whole);
    EXPECT_EQ(whole->stackIndex(), -1);
    EXPECT_EQ(whole->xPx(), segment->xPx());
    EXPECT_EQ(whole->yPx(), segment->yPx());

    view->highlightValueWithStackIndex(3, 0, 1);
    ASSERT_EQ(view->highlighted().size(), 1u);
    EXPECT_TRUE(std::isnan(view->highlighted()[0].y()));
    EXPECT_EQ(view->highlighted()[0].dataIndex(), -1);
    EXPECT_EQ(view->highlighted()[0].stackIndex(), 1);

    auto empty = kit::make<BarChartView>(kit::Rect{0, 0, 300, 200});
    kit::ConsoleCapture console;
    empty->groupBars(0, 0.1, 0.05);
    EXPECT_FALSE(empty->getHighlightByTouchPoint({10, 10}));
    EXPECT_TRUE(console.contains("You need to set data for the chart before grouping bars."));
    EXPECT_TRUE(console.contains("Can't select by touch. No data set."));
}

TEST(HorizontalBarChartView, OffsetsBoundsTouchesAndVisibleRanges) {
    auto view = viewWith<HorizontalBarChartView>({barSet({bar(1, 3), bar(2, 5)})});
    EXPECT_TRUE(std::dynamic_pointer_cast<HorizontalBarChartRenderer>(view->renderer()));
    view->legend()->setEnabled(false);
    view->setMinOffset(0);
    view->xAxis()->setLabelPosition(XAxis::LabelPosition::bothSided);
    view->notifyDataSetChanged();
    const double w = view->xAxis()->labelRotatedWidth();
    const ViewPortHandler& vp = *view->viewPortHandler();
    // The x labels' width goes to the left and right, the y axes' heights to top and bottom.
    EXPECT_DOUBLE_EQ(vp.offsetLeft(), w);
    EXPECT_DOUBLE_EQ(vp.offsetRight(), w);
    EXPECT_DOUBLE_EQ(vp.offsetTop(), view->leftAxis()->getRequiredHeightSpace());
    EXPECT_DOUBLE_EQ(vp.offsetBottom(), view->rightAxis()->getRequiredHeightSpace());

    // y 3 at x 1, bar width 0.5: 0...3 across, 0.75...1.25 up.
    auto e = std::dynamic_pointer_cast<BarChartDataEntry>(view->data()->dataSet(0)->entryForIndex(0));
    const auto bounds = view->getBarBounds(e);
    ASSERT_TRUE(bounds);
    const auto t = view->getTransformer(AxisDependency::left);
    const kit::Point a = t->pixelForValues(0, 0.75), b = t->pixelForValues(3, 1.25);
    expectRect(*bounds, kit::Rect{std::min(a.x, b.x), std::min(a.y, b.y), std::fabs(b.x - a.x), std::fabs(b.y - a.y)});

    // A touch on the bar's end selects it; the view hands the highlighter (y, x).
    const kit::Point end = t->pixelForValues(3, 1);
    auto high = view->getHighlightByTouchPoint(end);
    ASSERT_TRUE(high);
    EXPECT_EQ(high->x(), 1);
    EXPECT_EQ(view->getMarkerPosition(*high), (kit::Point{high->drawY(), high->drawX()}));

    EXPECT_GE(view->lowestVisibleX(), view->xAxis()->axisMinimum());
    const double range = view->xAxis()->axisRange();
    view->setVisibleXRange(range / 50, range / 10);
    EXPECT_DOUBLE_EQ(vp.minScaleY(), 10);
    EXPECT_DOUBLE_EQ(vp.maxScaleY(), 50);
}

TEST(HorizontalBarChartView, OffsetsFixedByTheCallerSurviveADataChange) {
    auto view = viewWith<HorizontalBarChartView>({barSet({bar(1, 3)})});
    view->setViewPortOffsets(20, 30, 40, 50);
    view->notifyDataSetChanged();
    const ViewPortHandler& vp = *view->viewPortHandler();
    EXPECT_DOUBLE_EQ(vp.offsetLeft(), 20);
    EXPECT_DOUBLE_EQ(vp.offsetTop(), 30);
    EXPECT_DOUBLE_EQ(vp.offsetRight(), 40);
    EXPECT_DOUBLE_EQ(vp.offsetBottom(), 50);
}

TEST(HorizontalBarChartView, LegendAtTheTopAlsoClearsTheTopAxisLabels) {
    auto view = viewWith<HorizontalBarChartView>({barSet({bar(1, 3)})});
    view->setMinOffset(0);
    view->legend()->setEnabled(false);
    view->notifyDataSetChanged();
    const double without = view->viewPortHandler()->offsetTop();
    view->legend()->setEnabled(true);
    view->legend()->setOrientation(Legend::Orientation::horizontal);
    view->legend()->setVerticalAlignment(Legend::VerticalAlignment::top);
    view->notifyDataSetChanged();
    const Legend& l = *view->legend();
    EXPECT_DOUBLE_EQ(view->viewPortHandler()->offsetTop(),
                     without + l.neededHeight() + l.yOffset() + view->leftAxis()->getRequiredHeightSpace());
}
