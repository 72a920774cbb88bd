#include "BarLineTestSupport.h"
#include "charting/bar_line/BarLineChartViewBase.h"
#include "charting/core/BarLineScatterCandleBubbleRenderer.h"
#include "kit/runtime/RunLoop.h"
#include "kit/ui/PanGesture.h"
#include "kit/ui/PinchGesture.h"
#include "kit/ui/TapGesture.h"

#include <gtest/gtest.h>

#include <thread>

using namespace charting;
using namespace charting::testing;

namespace {

std::shared_ptr<LineChartView> plainChart() {
    auto chart = lineChart({lineSet(series(11, [](int i) { return i * 10.0; }))});
    chart->leftAxis()->setEnabled(false);
    chart->rightAxis()->setEnabled(false);
    chart->xAxis()->setEnabled(false);
    chart->legend()->setEnabled(false);
    chart->calculateOffsets();
    return chart;
}

struct Offsets {
    double left, top, right, bottom;
};

Offsets offsetsOf(const BarLineChartViewBase& chart) {
    const ViewPortHandler& vp = *chart.viewPortHandler();
    return {vp.offsetLeft(), vp.offsetTop(), vp.offsetRight(), vp.offsetBottom()};
}

void expectOffsets(const BarLineChartViewBase& chart, Offsets want, const std::string& why) {
    const Offsets got = offsetsOf(chart);
    EXPECT_DOUBLE_EQ(got.left, want.left) << why;
    EXPECT_DOUBLE_EQ(got.top, want.top) << why;
    EXPECT_DOUBLE_EQ(got.right, want.right) << why;
    EXPECT_DOUBLE_EQ(got.bottom, want.bottom) << why;
}

TEST(BarLineChartViewBase, EveryOffsetIsAtLeastMinOffset) {
    auto chart = plainChart();
    expectOffsets(*chart, {10, 10, 10, 10}, "nothing needs room");
    chart->setExtraOffsets(3, 14, 0, 0);
    chart->calculateOffsets();
    expectOffsets(*chart, {10, 14, 10, 10}, "extra offsets below minOffset are absorbed");
}

TEST(BarLineChartViewBase, LegendOffsets) {
    using O = Legend::Orientation;
    using H = Legend::HorizontalAlignment;
    using V = Legend::VerticalAlignment;
    struct Row {
        const char* name;
        O orientation;
        H horizontal;
        V vertical;
        bool inside;
        bool enabled;
        Offsets want;
    };
    const Row rows[] = {
        {"vertical right", O::vertical, H::right, V::top, false, true, {0, 0, 45, 0}},
        {"vertical left", O::vertical, H::left, V::center, false, true, {45, 0, 0, 0}},
        {"vertical centred at the bottom takes height", O::vertical, H::center, V::bottom, false, true, {0, 0, 0, 23}},
        {"horizontal top", O::horizontal, H::left, V::top, false, true, {0, 23, 0, 0}},
        {"horizontal centred vertically", O::horizontal, H::right, V::center, false, true, {0, 0, 0, 0}},
        {"drawn inside", O::horizontal, H::left, V::bottom, true, true, {0, 0, 0, 0}},
        {"disabled", O::horizontal, H::left, V::bottom, false, false, {0, 0, 0, 0}},
    };
    for (const Row& row : rows) {
        auto chart = plainChart();
        chart->setMinOffset(0);
        Legend& l = *chart->legend();
        l.setEnabled(row.enabled);
        l.setOrientation(row.orientation);
        l.setHorizontalAlignment(row.horizontal);
        l.setVerticalAlignment(row.vertical);
        l.setDrawInside(row.inside);
        l.setXOffset(5);
        l.setYOffset(3);
        l.setNeededWidth(40);
        l.setNeededHeight(20);
        chart->calculateOffsets();
        expectOffsets(*chart, row.want, row.name);
    }
}

TEST(BarLineChartViewBase, XAxisLabelOffsetsByPosition) {
    using P = XAxis::LabelPosition;
    const std::pair<P, Offsets> rows[] = {
        {P::bottom, {0, 0, 0, 16}},   {P::top, {0, 16, 0, 0}},         {P::bothSided, {0, 16, 0, 16}},
        {P::topInside, {0, 0, 0, 0}}, {P::bottomInside, {0, 0, 0, 0}},
    };
    for (const auto& [position, want] : rows) {
        auto chart = plainChart();
        chart->setMinOffset(0);
        XAxis& x = *chart->xAxis();
        x.setEnabled(true);
        x.setLabelPosition(position);
        x.setLabelRotatedHeight(12);
        x.setYOffset(4);
        chart->calculateOffsets();
        expectOffsets(*chart, want, "position " + std::to_string(static_cast<int>(position)));
    }
}

TEST(BarLineChartViewBase, CustomViewPortSurvivesDataChangesUntilReset) {
    auto chart = plainChart();
    chart->setViewPortOffsets(1, 2, 3, 4);
    expectOffsets(*chart, {1, 2, 3, 4}, "custom");
    chart->setData(kit::make<LineChartData>(std::vector<DataSetPtr>{lineSet(series(5, [](int i) { return -i; }))}));
    expectOffsets(*chart, {1, 2, 3, 4}, "after a data change");
    // The matrices still follow the new data: x 0 maps to the content's left edge.
    EXPECT_NEAR(chart->pixelForValues(0, 0, AxisDependency::left).x, 1, 1e-9);
    chart->resetViewPortOffsets();
    expectOffsets(*chart, {10, 10, 10, 10}, "reset");
}

TEST(BarLineChartViewBase, ViewPortOffsetsFromAnotherThreadWaitForTheMainQueue) {
    kit::ManualRunLoopScope loop;
    auto chart = plainChart();
    std::thread([&] { chart->setViewPortOffsets(5, 6, 7, 8); }).join();
    EXPECT_TRUE(chart->customViewPortEnabled()) << "the flag is set at once";
    expectOffsets(*chart, {10, 10, 10, 10}, "not yet applied");
    kit::RunLoop::main().drainMainQueue();
    expectOffsets(*chart, {5, 6, 7, 8}, "applied on the main queue");
}

TEST(BarLineChartViewBase, RecogniserSwitches) {
    auto chart = plainChart();
    auto& pinch = *chart->pinchGestureRecognizer();
    EXPECT_TRUE(pinch.isEnabled());
    pinch.setEnabled(false);
    chart->setScaleXEnabled(true); // unchanged value: the recogniser is left alone
    EXPECT_FALSE(pinch.isEnabled());
    chart->setPinchZoomEnabled(true);
    EXPECT_TRUE(pinch.isEnabled());
    chart->setScaleXEnabled(false);
    chart->setScaleYEnabled(false);
    EXPECT_TRUE(pinch.isEnabled()) << "pinch zoom keeps it on";
    chart->setPinchZoomEnabled(false);
    EXPECT_FALSE(pinch.isEnabled());
    chart->setScaleEnabled(true);
    EXPECT_TRUE(pinch.isEnabled());

    chart->setDragXEnabled(false);
    EXPECT_TRUE(chart->isDragEnabled()) << "one drag flag is enough";
    chart->setDragEnabled(false);
    EXPECT_FALSE(chart->isDragEnabled());
    EXPECT_TRUE(chart->panGestureRecognizer()->isEnabled()) << "drag flags never touch the pan recogniser";

    chart->setDoubleTapToZoomEnabled(false);
    EXPECT_FALSE(chart->doubleTapGestureRecognizer()->isEnabled());
}

TEST(BarLineChartViewBase, VisibleXStaysWithinTheAxis) {
    auto chart = plainChart();
    chart->setDragOffsetX(100);
    chart->xAxis()->setAxisMinimum(0);
    chart->xAxis()->setAxisMaximum(10);
    chart->notifyDataSetChanged();
    // Dragged past the left edge, the pixels at the content's edge stand for x below 0.
    chart->viewPortHandler()->refresh(kit::AffineTransform::translation(80, 0), *chart, false);
    EXPECT_EQ(chart->lowestVisibleX(), 0);
    chart->viewPortHandler()->refresh(kit::AffineTransform::translation(-80, 0), *chart, false);
    EXPECT_EQ(chart->highestVisibleX(), 10);
    EXPECT_LT(chart->visibleXRange(), 10);
}

TEST(BarLineChartViewBase, VisibleRangesBecomeScaleLimits) {
    auto chart = plainChart();
    chart->xAxis()->setAxisMinimum(0);
    chart->xAxis()->setAxisMaximum(100);
    chart->leftAxis()->setAxisMinimum(0);
    chart->leftAxis()->setAxisMaximum(100);
    const ViewPortHandler& vp = *chart->viewPortHandler();
    chart->setVisibleXRangeMaximum(10);
    EXPECT_EQ(vp.minScaleX(), 10);
    chart->setVisibleXRangeMinimum(10);
    EXPECT_EQ(vp.maxScaleX(), 10);
    chart->setVisibleYRange(5, 20, AxisDependency::left);
    EXPECT_EQ(vp.minScaleY(), 5);
    EXPECT_EQ(vp.maxScaleY(), 20);
    chart->setScaleMinima(2, 3);
    EXPECT_EQ(vp.minScaleX(), 2);
    EXPECT_EQ(vp.minScaleY(), 3);
}

TEST(BarLineChartViewBase, ImmediateZoomsFlipTheSignOfY) {
    auto chart = kit::make<CountingChart>(kit::Rect{0, 0, 300, 200});
    chart->setData(kit::make<LineChartData>(std::vector<DataSetPtr>{lineSet(series(11, [](int i) { return i; }))}));
    ViewPortHandler& vp = *chart->viewPortHandler();
    const kit::AffineTransform want = vp.zoom(2, 3, 50, -40);
    chart->zoom(2, 3, 50, 40);
    EXPECT_EQ(vp.touchMatrix(), want);

    chart->fitScreen();
    const int before = chart->offsetCalculations;
    const kit::Point c = chart->centerOffsets();
    const kit::AffineTransform centred = vp.zoom(2, 2, c.x, -c.y);
    chart->zoomToCenter(2, 2);
    EXPECT_EQ(vp.touchMatrix(), centred);
    EXPECT_EQ(chart->offsetCalculations, before) << "zoomToCenter leaves the offsets alone";
    chart->zoomIn();
    EXPECT_EQ(chart->offsetCalculations, before + 1);
    EXPECT_NEAR(chart->scaleX(), 2 * 1.4, 1e-9);
}

// Records the drawing sequence instead of drawing.
struct StepRenderer : BarLineScatterCandleBubbleRenderer {
    using BarLineScatterCandleBubbleRenderer::BarLineScatterCandleBubbleRenderer;
    void drawData(kit::Context& c) override { c.record("step data"); }
    void drawValues(kit::Context& c) override { c.record("step values"); }
    void drawExtras(kit::Context& c) override { c.record("step extras"); }
    void drawHighlighted(kit::Context& c, std::span<Highlight>) override { c.record("step highlighted"); }
};

struct StepYRenderer : YAxisRenderer {
    StepYRenderer(const BarLineChartViewBase& chart, std::shared_ptr<YAxis> axis, std::string name)
        : YAxisRenderer(chart.viewPortHandler(), axis, chart.getTransformer(axis->axisDependency())), name(std::move(name)) {}
    std::string name;
    void renderAxisLine(kit::Context& c) override { c.record("step " + name + " line"); }
    void renderGridLines(kit::Context& c) override { c.record("step " + name + " grid"); }
    void renderLimitLines(kit::Context& c) override { c.record("step " + name + " limits"); }
    void renderAxisLabels(kit::Context& c) override { c.record("step " + name + " labels"); }
};

struct StepXRenderer : XAxisRenderer {
    explicit StepXRenderer(const BarLineChartViewBase& chart)
        : XAxisRenderer(chart.viewPortHandler(), chart.xAxis(), chart.getTransformer(AxisDependency::left)) {}
    void renderAxisLine(kit::Context& c) override { c.record("step x line"); }
    void renderGridLines(kit::Context& c) override { c.record("step x grid"); }
    void renderLimitLines(kit::Context& c) override { c.record("step x limits"); }
    void renderAxisLabels(kit::Context& c) override { c.record("step x labels"); }
};

std::vector<std::string> drawSteps(BarLineChartViewBase& chart) {
    chart.setRenderer(std::make_shared<StepRenderer>(chart.chartAnimator(), chart.viewPortHandler()));
    chart.setLeftYAxisRenderer(std::make_shared<StepYRenderer>(chart, chart.leftAxis(), "left"));
    chart.setRightYAxisRenderer(std::make_shared<StepYRenderer>(chart, chart.rightAxis(), "right"));
    chart.setXAxisRenderer(std::make_shared<StepXRenderer>(chart));
    kit::RecordingContext context({300, 200});
    chart.drawRect(context, chart.bounds());
    std::vector<std::string> steps;
    const std::string content = "clipToRect " + kit::Context::describe(chart.viewPortHandler()->contentRect());
    for (const auto& line : context.lines())
        if (line.rfind("step ", 0) == 0) steps.push_back(line.substr(5));
        else if (line == content) steps.push_back("clip");
    return steps;
}

TEST(BarLineChartViewBase, DrawingSequence) {
    auto chart = lineChart({lineSet(series(5, [](int i) { return i; }))});
    chart->highlightValue(Highlight(2, 2, 0, -1));
    using V = std::vector<std::string>;
    EXPECT_EQ(drawSteps(*chart), (V{"x line", "left line", "right line", "x grid", "left grid", "right grid", "clip", "data",
                                    "highlighted", "extras", "x limits", "left limits", "right limits", "x labels",
                                    "left labels", "right labels", "values"}));

    // One flag of the x axis moves all grids; limit lines behind the data; clipping switched.
    chart->xAxis()->setDrawGridLinesBehindDataEnabled(false);
    chart->leftAxis()->setDrawLimitLinesBehindDataEnabled(true);
    chart->rightAxis()->setEnabled(false);
    chart->setClipDataToContentEnabled(false);
    chart->setClipValuesToContentEnabled(true);
    chart->highlightValue(std::nullopt);
    EXPECT_EQ(drawSteps(*chart), (V{"x line", "left line", "right line", "left limits", "data", "x grid", "left grid",
                                    "right grid", "extras", "x limits", "x labels", "left labels", "right labels", "clip",
                                    "values"}));
}

TEST(BarLineChartViewBase, GridBackgroundAndBorder) {
    auto chart = plainChart();
    kit::RecordingContext context({300, 200});
    chart->drawGridBackground(context);
    EXPECT_TRUE(context.lines().empty()) << "nothing enabled leaves the state alone";
    chart->setDrawGridBackgroundEnabled(true);
    chart->setDrawBordersEnabled(true);
    chart->setBorderLineWidth(2);
    chart->drawGridBackground(context);
    const std::string rect = kit::Context::describe(chart->viewPortHandler()->contentRect());
    EXPECT_EQ(context.lines(), (std::vector<std::string>{"save", "setFillColor #F0F0F0FF", "fillRect " + rect + " #F0F0F0FF",
                                                         "setLineWidth 2", "setStrokeColor #000000FF",
                                                         "strokeRect " + rect + " #000000FF", "restore"}));
}

TEST(BarLineChartViewBase, AutoScaleFitsYToTheVisibleEntries) {
    auto chart = lineChart({lineSet(series(11, [](int i) { return i * i; }))});
    chart->setAutoScaleMinMaxEnabled(true);
    chart->leftAxis()->setSpaceTop(0);
    chart->leftAxis()->setSpaceBottom(0);
    chart->zoom(5, 1, 0, 0); // about two units of x in view
    chart->moveViewToX(0);
    kit::RecordingContext context({300, 200});
    chart->drawRect(context, chart->bounds());
    const double nearMax = chart->leftAxis()->axisMaximum();
    EXPECT_LT(nearMax, 16);
    chart->moveViewToX(8);
    chart->drawRect(context, chart->bounds());
    EXPECT_GE(chart->leftAxis()->axisMaximum(), 100);
    EXPECT_EQ(chart->xAxis()->axisMinimum(), 0);
    EXPECT_EQ(chart->xAxis()->axisMaximum(), 10);
}

TEST(BarLineChartViewBase, KeepsThePositionOnResize) {
    auto chart = lineChart({lineSet(series(11, [](int i) { return i; }))});
    chart->zoom(4, 1, 0, 0);
    chart->moveViewToX(3);
    EXPECT_NEAR(chart->lowestVisibleX(), 3, 1e-9);
    chart->setKeepPositionOnRotation(true);
    chart->setFrame({0, 0, 400, 250});
    EXPECT_NEAR(chart->lowestVisibleX(), 3, 1e-9);
}

TEST(BarLineChartViewBase, LookupsByTouchPoint) {
    auto chart = lineChart({lineSet(series(11, [](int i) { return i; }))});
    const kit::Point p = chart->getPosition(ChartDataEntry(4, 4), AxisDependency::left);
    auto entry = chart->getEntryByTouchPoint(p);
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->x(), 4);
    EXPECT_TRUE(chart->getDataSetByTouchPoint(p));
    auto empty = kit::make<LineChartView>(kit::Rect{0, 0, 300, 200});
    EXPECT_FALSE(empty->getDataSetByTouchPoint(p));
    EXPECT_FALSE(empty->getEntryByTouchPoint(p));
}

} // namespace
