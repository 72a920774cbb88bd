// Scatter markers, values and highlights.
#include "BarLineTestSupport.h"
#include "charting/bar_line/ScatterChartRenderer.h"
#include "charting/bar_line/ShapeRenderer.h"
#include "charting/core/Transformer.h"
#include "kit/base/Console.h"
#include "kit/graphics/TextMetrics.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace charting;
using namespace charting::testing;

namespace {

struct PointLog : ShapeRenderer {
    std::vector<kit::Point> points;
    void renderShape(kit::Context&, const ScatterChartDataSet&, const ViewPortHandler&, kit::Point p, kit::Color) override {
        points.push_back(p);
    }
};

std::shared_ptr<ScatterChartDataSet> scatterSet(std::vector<EntryPtr> e, std::string label = "Scatter") {
    return kit::make<ScatterChartDataSet>(std::move(e), label);
}

// Values map one to one to pixels; the content starts at x = leftOffset.
void makeIdentity(BarLineChartViewBase& chart, double leftOffset = 0) {
    chart.setViewPortOffsets(leftOffset, 0, 0, 0);
    for (auto axis : {AxisDependency::left, AxisDependency::right}) {
        chart.getTransformer(axis)->setMatrixValueToPx(kit::AffineTransform::identity());
        chart.getTransformer(axis)->setMatrixOffset(kit::AffineTransform::identity());
    }
}

TEST(ScatterChartView, PadsTheXAxisByHalfAUnit) {
    auto chart = scatterChart({scatterSet(entries({{1, 1}, {4, 2}}))});
    EXPECT_EQ(chart->xAxis()->axisMinimum(), 0.5);
    EXPECT_EQ(chart->xAxis()->axisMaximum(), 4.5);
    EXPECT_TRUE(chart->scatterData());
    auto line = kit::make<ScatterChartView>(kit::Rect{0, 0, 100, 100});
    line->setData(kit::make<LineChartData>(std::vector<DataSetPtr>{}));
    EXPECT_FALSE(line->scatterData());
}

TEST(ScatterChartRenderer, ShapesOfTheRevealedEntriesInsideTheContent) {
    auto log = std::make_shared<PointLog>();
    auto set = scatterSet(entries({{10, 5}, {60, 5}, {70, 500}, {80, 5}, {400, 5}, {90, 5}}));
    set->setShapeRenderer(log);
    auto chart = scatterChart({set});
    makeIdentity(*chart, 50);
    kit::RecordingContext context({300, 200});
    chart->renderer()->drawData(context);
    // Left of the content and below it: skipped; right of it: the rest of the set is not drawn.
    EXPECT_EQ(log->points, (std::vector<kit::Point>{{60, 5}, {80, 5}}));

    log->points.clear();
    auto five = scatterSet(series(5, [](int) { return 5; }));
    five->setShapeRenderer(log);
    auto animated = scatterChart({five});
    makeIdentity(*animated);
    animated->chartAnimator()->setPhaseX(0.5);
    animated->renderer()->drawData(context);
    EXPECT_EQ(log->points.size(), 3u) << "ceil(5 x 0.5)";
    log->points.clear();
    animated->chartAnimator()->setPhaseX(1.7); // an overshooting easing
    animated->renderer()->drawData(context);
    EXPECT_EQ(log->points.size(), 5u);
}

TEST(ScatterChartRenderer, RightAxisSetsUseTheRightTransformer) {
    auto log = std::make_shared<PointLog>();
    auto set = scatterSet(entries({{1, 50}}));
    set->setAxisDependency(AxisDependency::right);
    set->setShapeRenderer(log);
    auto chart = scatterChart({set});
    chart->rightAxis()->setAxisMaximum(200);
    chart->notifyDataSetChanged();
    kit::RecordingContext context({300, 200});
    chart->renderer()->drawData(context);
    ASSERT_EQ(log->points.size(), 1u);
    EXPECT_EQ(log->points[0], chart->getTransformer(AxisDependency::right)->pixelForValues(1, 50));
    EXPECT_NE(log->points[0], chart->getTransformer(AxisDependency::left)->pixelForValues(1, 50));

    std::vector<Highlight> h{Highlight(1, 50, 0, -1)};
    chart->renderer()->drawHighlighted(context, h);
    EXPECT_EQ((kit::Point{h[0].drawX(), h[0].drawY()}), log->points[0]);
}

TEST(ScatterChartRenderer, ValueTextSitsAboveTheShape) {
    kit::FixedTextMetricsScope metrics;
    auto set = scatterSet(entries({{50, 100}, {60, 120}}));
    set->setValueFont(kit::Font::system(10)); // line height 12
    auto chart = scatterChart({set});
    makeIdentity(*chart);
    kit::RecordingContext context({300, 200});
    chart->renderer()->drawValues(context);
    const auto texts = recorded(context, "drawText ");
    ASSERT_EQ(texts.size(), 2u);
    const auto close = texts[0].find('"', texts[0].find('"') + 1);
    std::istringstream in(texts[0].substr(close + 1));
    double x = 0, y = 0;
    in >> x >> y;
    EXPECT_DOUBLE_EQ(y, 100 - 22);
}

TEST(ScatterChartRenderer, SetWithoutShapeIsReportedAndSkipped) {
    auto log = std::make_shared<PointLog>();
    auto bare = scatterSet(entries({{1, 1}}), "bare");
    bare->setShapeRenderer(nullptr);
    auto drawn = scatterSet(entries({{2, 2}}), "drawn");
    drawn->setShapeRenderer(log);
    auto chart = scatterChart({bare, drawn});
    kit::ConsoleCapture console;
    kit::RecordingContext context({300, 200});
    chart->renderer()->drawData(context);
    EXPECT_TRUE(console.contains("There's no ShapeRenderer specified for ScatterDataSet"));
    EXPECT_EQ(log->points.size(), 1u);
    const auto& elements = chart->renderer()->accessibleChartElements();
    ASSERT_EQ(elements.size(), 1u);
    EXPECT_TRUE(elements[0]->isHeader());
    EXPECT_NE(elements[0]->accessibilityLabel().find("2 datasets"), std::string::npos);
}

TEST(ScatterChartRenderer, HighlightsOfMissingSetsAreSkipped) {
    auto chart = scatterChart({scatterSet(entries({{1, 1}}))});
    std::vector<Highlight> h{Highlight(1, 1, 3, -1), Highlight(1, 1, -1, -1)};
    kit::RecordingContext context({300, 200});
    chart->renderer()->drawHighlighted(context, h);
    EXPECT_TRUE(recorded(context, "strokePath").empty());
}

} // namespace
