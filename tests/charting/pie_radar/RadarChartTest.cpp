// The radar chart: its geometry, the radial axis values, the highlighter, the web and polygons
// on a recording context, and polygonal limit lines.
#include "charting/model/IndexAxisValueFormatter.h"
#include "charting/model/LimitLine.h"
#include "charting/pie_radar/RadarChartData.h"
#include "charting/pie_radar/RadarChartDataEntry.h"
#include "charting/pie_radar/RadarChartDataSet.h"
#include "charting/pie_radar/RadarChartRenderer.h"
#include "charting/pie_radar/RadarChartView.h"
#include "charting/pie_radar/RadarHighlighter.h"
#include "charting/pie_radar/YAxisRendererRadarChart.h"
#include "kit/base/Make.h"
#include "kit/graphics/Context.h"
#include "kit/graphics/TextMetrics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

using namespace charting;

namespace {

std::shared_ptr<RadarChartDataSet> radarSet(std::vector<double> values, std::string label = "DataSet") {
    std::vector<EntryPtr> entries;
    for (double v : values) entries.push_back(kit::make<RadarChartDataEntry>(v));
    return kit::make<RadarChartDataSet>(entries, label);
}

std::shared_ptr<RadarChartView> radar(std::vector<std::shared_ptr<RadarChartDataSet>> sets, kit::Rect frame = {0, 0, 300, 300}) {
    auto chart = kit::make<RadarChartView>(frame);
    chart->legend()->setEnabled(false);
    std::vector<DataSetPtr> list(sets.begin(), sets.end());
    chart->setData(kit::make<RadarChartData>(list));
    return chart;
}

std::size_t count(const kit::RecordingContext& context, const std::string& prefix) {
    std::size_t n = 0;
    for (const auto& l : context.lines()) n += l.rfind(prefix, 0) == 0;
    return n;
}

} // namespace

TEST(RadarChartView, DefaultsAndSettings) {
    auto chart = kit::make<RadarChartView>();
    EXPECT_EQ(chart->webLineWidth(), 1.5);
    EXPECT_EQ(chart->innerWebLineWidth(), 0.75);
    EXPECT_EQ(chart->webColor(), kit::Color::rgba(122 / 255.0, 122 / 255.0, 122 / 255.0));
    EXPECT_EQ(chart->innerWebColor(), chart->webColor());
    EXPECT_DOUBLE_EQ(chart->webAlpha(), 150.0 / 255.0);
    EXPECT_TRUE(chart->drawWeb());
    EXPECT_EQ(chart->yAxis()->labelXOffset(), 10);
    chart->setSkipWebLineCount(-3);
    EXPECT_EQ(chart->skipWebLineCount(), 0);
    EXPECT_EQ(chart->sliceAngle(), std::numeric_limits<double>::infinity());
    chart->legend()->setFont(kit::Font::system(10));
    EXPECT_EQ(chart->requiredLegendOffset(), 40);
    chart->xAxis()->setEnabled(false);
    EXPECT_EQ(chart->requiredBaseOffset(), 10);
}

TEST(RadarChartView, GeometryAndSpokeSectors) {
    auto chart = radar({radarSet({1, 2, 3, 4, 5})});
    EXPECT_EQ(chart->sliceAngle(), 72);
    const struct { double angle; int index; } cases[] = {{270, 0}, {305, 0}, {306, 1}, {250, 0}, {90, 3}};
    for (const auto& c : cases) EXPECT_EQ(chart->indexForAngle(c.angle), c.index) << c.angle;

    chart->viewPortHandler()->restrainViewPort(0, 50, 0, 50); // content 300 x 200
    EXPECT_EQ(chart->radius(), 100);
    chart->yAxis()->setAxisRange(120);
    EXPECT_DOUBLE_EQ(chart->factor(), 100.0 / 120.0);
}

TEST(YAxisRendererRadarChart, RingValuesReachOneIntervalBeyondTheLargestLabel) {
    auto axis = std::make_shared<YAxis>();
    YAxisRendererRadarChart renderer(std::make_shared<ViewPortHandler>(300, 300), axis, nullptr);
    const struct {
        double min, max;
        int labels;
        bool force, centre;
        std::vector<double> entries;
        int decimals;
    } cases[] = {
        {0, 100, 6, false, false, {0, 20, 40, 60, 80, 100, 120}, 0},
        {0, 1, 5, false, false, {0, 0.2, 0.4, 0.6000000000000001, 0.8, 1, 1.2000000000000002}, 1},
        {0, 90, 4, true, false, {0, 30, 60, 90}, 0},
    };
    for (const auto& c : cases) {
        axis->setLabelCount(c.labels, c.force);
        axis->setCenterAxisLabelsEnabled(c.centre);
        renderer.computeAxisValues(c.min, c.max);
        EXPECT_EQ(axis->entries(), c.entries) << c.max;
        EXPECT_EQ(axis->decimals(), c.decimals) << c.max;
        EXPECT_EQ(axis->axisMinimum(), c.entries.front());
        EXPECT_EQ(axis->axisMaximum(), c.entries.back());
    }
    EXPECT_EQ(axis->axisRange(), 90);

    // Centred labels sit half an interval further.
    axis->setLabelCount(2, false);
    axis->setCenterAxisLabelsEnabled(true);
    renderer.computeAxisValues(0, 40);
    EXPECT_EQ(axis->entries(), (std::vector<double>{-20, 0, 20, 40, 60, 80}));
    EXPECT_EQ(axis->centeredEntries(), (std::vector<double>{-10, 10, 30, 50, 70, 90}));

    // Degenerate ranges (equal bounds, no labels, a step below the number resolution) give no
    // rings and leave the bounds alone.
    axis->setCenterAxisLabelsEnabled(false);
    axis->setLabelCount(6, false);
    for (const auto& [min, max] : std::vector<std::pair<double, double>>{{5, 5}, {0, 1e-320}, {1, NAN}}) {
        renderer.computeAxisValues(min, max);
        EXPECT_TRUE(axis->entries().empty()) << max;
        EXPECT_TRUE(axis->centeredEntries().empty());
        EXPECT_EQ(axis->axisMaximum(), 80);
    }
}

TEST(RadarHighlighter, NearestValueOnTheSpokeWins) {
    auto chart = radar({radarSet({60, 60, 60}), radarSet({40, 60, 40})});
    chart->yAxis()->setAxisMinimum(0);
    chart->notifyDataSetChanged();
    auto& highlighter = dynamic_cast<RadarHighlighter&>(*chart->highlighter());
    const kit::Point c = chart->centerOffsets();
    const auto touch = [&](int spoke, double value) {
        const double a = (chart->sliceAngle() * spoke + chart->rotationAngle()) * std::numbers::pi / 180.0;
        const double r = value * chart->factor();
        return highlighter.getHighlight(c.x + r * std::cos(a), c.y + r * std::sin(a));
    };
    EXPECT_EQ(touch(0, 45)->dataSetIndex(), 1);
    EXPECT_EQ(touch(0, 58)->dataSetIndex(), 0);
    const auto tie = touch(1, 55); // both sets hold 60 there: the earlier set wins
    ASSERT_TRUE(tie);
    EXPECT_EQ(tie->dataSetIndex(), 0);
    EXPECT_EQ(tie->x(), 1);
    EXPECT_EQ(highlighter.getHighlights(2).size(), 2u);
}

TEST(RadarChartRenderer, WebSpokesRingsAndSkippedSpokes) {
    auto chart = radar({radarSet({1, 2, 3, 4, 5, 6})});
    kit::RecordingContext context{{300, 300}};
    context.setRecording(true);
    chart->renderer()->drawExtras(context);
    const std::size_t rings = chart->yAxis()->entries().size();
    EXPECT_EQ(count(context, "strokeLineSegments"), 6 + rings * 6);

    context.clear();
    chart->setSkipWebLineCount(1);
    chart->renderer()->drawExtras(context);
    EXPECT_EQ(count(context, "strokeLineSegments"), 3 + rings * 6);
}

TEST(RadarChartRenderer, PolygonsOutlinesAndAccessibility) {
    auto a = radarSet({10, 20, 30}, "A");
    auto b = radarSet({5, 5}, "B");
    b->setDrawFilledEnabled(true);
    b->setFillAlpha(1.0);
    auto chart = radar({a, b});
    chart->xAxis()->setValueFormatter(std::make_shared<IndexAxisValueFormatter>(std::vector<std::string>{"x", "y", "z"}));
    kit::RecordingContext context{{300, 300}};
    context.setRecording(true);
    auto& renderer = dynamic_cast<RadarChartRenderer&>(*chart->renderer());
    renderer.drawData(context);
    // A is outlined; B is filled opaque, so it has no outline and no elements, and its shorter
    // polygon closes through the centre.
    EXPECT_EQ(count(context, "strokePath"), 1u);
    const auto& elements = renderer.accessibleChartElements();
    ASSERT_EQ(elements.size(), 1u + 1u + 3u);
    EXPECT_EQ(elements[1]->accessibilityLabel(), "A. 3 Items. ");
    EXPECT_TRUE(elements[1]->isHeader());
    // Entry elements come sorted by value, largest first.
    EXPECT_EQ(elements[2]->accessibilityLabel(), "A - z: 30.0 ");
    EXPECT_EQ(elements[4]->accessibilityLabel(), "A - x: 10.0 ");
    EXPECT_EQ(context.saveDepth(), 0);
}

TEST(RadarChartRenderer, HighlightsSkipSetsThatAreGoneOrSwitchedOff) {
    auto a = radarSet({10, 20, 30});
    a->setDrawHighlightCircleEnabled(true);
    auto chart = radar({a});
    kit::RecordingContext context{{300, 300}};
    context.setRecording(true);
    std::vector<Highlight> highlights{Highlight(1, 5, 0), Highlight(NAN, 0, 0), Highlight(1, 0, 0)};
    chart->renderer()->drawHighlighted(context, highlights);
    // One ring: filled white between radii 3 and 4, outlined in the set colour at alpha 0.3.
    EXPECT_EQ(count(context, "fillPath evenodd #FFFFFFFF"), 1u);
    EXPECT_EQ(count(context, "strokePath"), 3u); // the two highlight lines and the ring
    EXPECT_FALSE(std::isnan(highlights[2].drawX()));

    context.clear();
    a->setHighlightEnabled(false);
    chart->renderer()->drawHighlighted(context, highlights);
    EXPECT_EQ(count(context, "strokePath"), 0u);
}

TEST(YAxisRendererRadarChart, LimitLineIsAClosedPolygonThroughTheSpokes) {
    auto chart = radar({radarSet({10, 20, 30, 40, 50})});
    chart->yAxis()->addLimitLine(std::make_shared<ChartLimitLine>(30, "mid"));
    kit::RecordingContext context{{300, 300}};
    context.setRecording(true);
    chart->yAxisRenderer()->renderLimitLines(context);
    EXPECT_EQ(count(context, "moveTo"), 1u);
    EXPECT_EQ(count(context, "lineTo"), 4u);
    EXPECT_EQ(count(context, "closePath"), 1u);
    EXPECT_EQ(count(context, "strokePath"), 1u);
}

TEST(RadarChartRenderer, SpokeCaptionsFollowTheDataShownNow) {
    auto chart = radar({radarSet({1, 2, 3})});
    chart->xAxis()->setValueFormatter(std::make_shared<IndexAxisValueFormatter>(std::vector<std::string>{"a", "b", "c", "d", "e"}));
    kit::RecordingContext context{{300, 300}};
    auto& renderer = dynamic_cast<RadarChartRenderer&>(*chart->renderer());
    renderer.drawData(context);
    EXPECT_EQ(renderer.accessibilityXLabels(), (std::vector<std::string>{"a", "b", "c"}));
    chart->setData(kit::make<RadarChartData>(std::vector<DataSetPtr>{radarSet({1, 2, 3, 4, 5})}));
    renderer.drawData(context);
    EXPECT_EQ(renderer.accessibilityXLabels().size(), 5u);
    // Every corner has its element: the chart header, the set header and five entries.
    EXPECT_EQ(renderer.accessibleChartElements().size(), 7u);
}
