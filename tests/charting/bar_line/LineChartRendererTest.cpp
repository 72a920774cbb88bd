// Line paths, fills, circles, values, highlights and accessibility, on charts whose transformers
// map values to pixels one to one (so recorded coordinates are data values).
#include "BarLineTestSupport.h"
#include "charting/bar_line/LineChartRenderer.h"
#include "charting/core/Transformer.h"
#include "charting/model/ChartFillFormatter.h"
#include "kit/graphics/TextMetrics.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace charting;
using namespace charting::testing;

namespace {

std::shared_ptr<LineChartView> identityChart(std::vector<std::shared_ptr<LineChartDataSet>> sets,
                                             double leftOffset = 0) {
    auto chart = lineChart(std::move(sets));
    chart->setViewPortOffsets(leftOffset, 0, 0, 0);
    for (auto axis : {AxisDependency::left, AxisDependency::right}) {
        chart->getTransformer(axis)->setMatrixValueToPx(kit::AffineTransform::identity());
        chart->getTransformer(axis)->setMatrixOffset(kit::AffineTransform::identity());
    }
    return chart;
}

LineChartRenderer& rendererOf(const LineChartView& chart) { return static_cast<LineChartRenderer&>(*chart.renderer()); }

std::string pathOf(const std::string& line) {
    const auto at = line.find(' ');
    return line.substr(at + 1);
}

struct FixedFill : ChartFillFormatter {
    double getFillLinePosition(const LineChartDataSetProtocol&, const LineChartDataProvider&) override { return -5; }
};

TEST(LineChartRenderer, PathsByMode) {
    using M = LineChartDataSet::Mode;
    struct Row {
        M mode;
        std::vector<std::pair<double, double>> xy;
        std::string path;
    };
    const Row rows[] = {
        {M::stepped, {{0, 1}, {1, 3}}, "M 0 1 L 1 1 L 1 3"},
        {M::linear, {{0, 0}, {1, 1}, {2, 0}}, "M 0 0 L 1 1 L 2 0"},
        {M::cubicBezier, {{0, 0}, {1, 1}, {2, 0}}, "M 0 0 C 0.2 0.2 0.6 1 1 1 C 1.4 1 1.8 0.2 2 0"},
        {M::horizontalBezier, {{0, 0}, {2, 4}}, "M 0 0 C 1 0 1 4 2 4"},
    };
    for (const Row& row : rows) {
        auto set = lineSet(entries(row.xy));
        set->setMode(row.mode);
        auto chart = identityChart({set});
        kit::RecordingContext context({300, 200});
        chart->renderer()->drawData(context);
        const auto added = recorded(context, "addPath ");
        ASSERT_EQ(added.size(), 1u) << static_cast<int>(row.mode);
        EXPECT_EQ(pathOf(added[0]), row.path) << static_cast<int>(row.mode);
        EXPECT_EQ(recorded(context, "strokePath").size(), 1u);
    }
}

TEST(LineChartRenderer, SingleEntryCurveIsAnEmptyStroke) {
    for (auto mode : {LineChartDataSet::Mode::cubicBezier, LineChartDataSet::Mode::horizontalBezier}) {
        auto set = lineSet(entries({{1, 1}}));
        set->setMode(mode);
        set->setDrawFilledEnabled(true);
        auto chart = identityChart({set});
        kit::RecordingContext context({300, 200});
        chart->renderer()->drawData(context);
        EXPECT_TRUE(recorded(context, "addPath M").empty());
        EXPECT_TRUE(context.isHealthy());
    }
}

TEST(LineChartRenderer, ColoursPerSegmentOrOnePathWithTheGradient) {
    const kit::Color red = kit::Color::redColor(), blue = kit::Color::blueColor();
    auto set = lineSet(entries({{0, 10}, {1, 20}, {2, 10}}));
    set->setColors({red, blue});
    auto chart = identityChart({set});
    kit::RecordingContext context({300, 200});
    chart->renderer()->drawData(context);
    const std::vector<std::string> want{"setStrokeColor #FF0000FF", "strokeLineSegments 0 10 1 20 #FF0000FF",
                                        "setStrokeColor #0000FFFF", "strokeLineSegments 1 20 2 10 #0000FFFF"};
    std::vector<std::string> got;
    for (const auto& line : context.lines())
        if (line.rfind("setStrokeColor", 0) == 0 || line.rfind("strokeLineSegments", 0) == 0) got.push_back(line);
    EXPECT_EQ(got, want);

    // Stepped segments are drawn as two pairs.
    set->setMode(LineChartDataSet::Mode::stepped);
    context.clear();
    chart->renderer()->drawData(context);
    EXPECT_EQ(recorded(context, "strokeLineSegments").front(), "strokeLineSegments 0 10 1 10 1 10 1 20 #FF0000FF");

    // The gradient draws one path, and nothing at all without positions.
    set->setMode(LineChartDataSet::Mode::linear);
    set->setIsDrawLineWithGradientEnabled(true);
    context.clear();
    chart->renderer()->drawData(context);
    EXPECT_TRUE(recorded(context, "strokeLineSegments").empty());
    EXPECT_TRUE(recorded(context, "strokeWithGradient").empty());
    EXPECT_TRUE(recorded(context, "strokePath").empty());

    set->setGradientPositions(std::vector<double>{10, 20, 30}); // one more position than colours
    context.clear();
    chart->renderer()->drawData(context);
    const auto gradient = recorded(context, "strokeWithGradient");
    ASSERT_EQ(gradient.size(), 1u);
    // Box 9.5 ... 20.5 (half the line width around the path); the last colour sits at y 30 (clamped
    // to 1), the first at y 20 (10 / 11 down the box).
    EXPECT_NE(gradient[0].find("[#0000FFFF@1 #FF0000FF@0.9545]"), std::string::npos) << gradient[0];
}

TEST(LineChartRenderer, FillsCloseAtTheFillFormattersLine) {
    using M = LineChartDataSet::Mode;
    const std::pair<M, std::string> rows[] = {
        {M::linear, "M 0 -5 L 0 1 L 1 3 L 2 2 L 2 -5 Z"},
        {M::stepped, "M 0 -5 L 0 1 L 1 1 L 1 3 L 2 3 L 2 -5 Z"},
        {M::horizontalBezier, "M 0 1 C 0.5 1 0.5 3 1 3 C 1.5 3 1.5 2 2 2 L 2 -5 L 0 -5 Z"},
    };
    for (const auto& [mode, want] : rows) {
        auto set = lineSet(entries({{0, 1}, {1, 3}, {2, 2}}));
        set->setMode(mode);
        set->setDrawFilledEnabled(true);
        set->setFillFormatter(std::make_shared<FixedFill>());
        auto chart = identityChart({set});
        kit::RecordingContext context({300, 200});
        chart->renderer()->drawData(context);
        bool found = false;
        for (const auto& line : context.lines()) found = found || line.find(want) != std::string::npos;
        EXPECT_TRUE(found) << static_cast<int>(mode) << "\n" << context.text();
    }
}

TEST(LineChartRenderer, Circles) {
    struct Row {
        const char* name;
        double hole;
        std::optional<kit::Color> holeColor;
        std::vector<std::string> want;
    };
    const Row rows[] = {
        {"white hole", 4, kit::Color::whiteColor(),
         {"fillEllipse 42 92 16 16 #8CEAFFFF", "setFillColor #FFFFFFFF", "fillEllipse 46 96 8 8 #FFFFFFFF"}},
        {"clear hole is a ring", 4, kit::Color::clearColor(),
         {"fill evenodd M 58 100 "}},
        {"hole as large as the circle", 8, kit::Color::whiteColor(), {"fillEllipse 42 92 16 16 #8CEAFFFF"}},
    };
    for (const Row& row : rows) {
        auto set = lineSet(entries({{50, 100}}));
        set->setCircleHoleRadius(row.hole);
        set->setCircleHoleColor(row.holeColor);
        auto chart = identityChart({set});
        kit::RecordingContext context({300, 200});
        chart->renderer()->drawExtras(context);
        std::vector<std::string> got;
        for (const auto& line : context.lines())
            if (line.rfind("fill", 0) == 0 || (line.rfind("setFillColor", 0) == 0 && !got.empty())) got.push_back(line);
        ASSERT_EQ(got.size(), row.want.size()) << row.name;
        for (std::size_t i = 0; i < got.size(); ++i) EXPECT_EQ(got[i].rfind(row.want[i], 0), 0u) << got[i];
    }
}

TEST(LineChartRenderer, LeftOfTheContentIsSkippedRightOfItEndsTheSet) {
    auto set = lineSet(entries({{10, 5}, {100, 5}, {400, 5}}));
    set->setDrawValuesEnabled(true);
    auto chart = identityChart({set}, 50);
    kit::RecordingContext context({300, 200});
    chart->renderer()->drawExtras(context);
    chart->renderer()->drawValues(context);
    const auto circles = recorded(context, "fillEllipse 92");
    EXPECT_EQ(recorded(context, "fillEllipse").size(), 2u) << "one circle and its hole";
    EXPECT_EQ(circles.size(), 1u);
    EXPECT_EQ(recorded(context, "drawText").size(), 1u);
}

// The top-left corner of the first value text drawn.
kit::Point firstTextPoint(const kit::RecordingContext& context) {
    const auto texts = recorded(context, "drawText ");
    if (texts.empty()) return {NAN, NAN};
    const std::string& line = texts.front();
    const auto close = line.find('"', line.find('"') + 1);
    std::istringstream in(line.substr(close + 1));
    kit::Point p;
    in >> p.x >> p.y;
    return p;
}

TEST(LineChartRenderer, ValueLabelsSitAboveTheCircles) {
    kit::FixedTextMetricsScope metrics;
    const double lineHeight = kit::Font::system(7).lineHeight();
    for (const auto& [circles, offset] : {std::pair{true, 14.0}, std::pair{false, 7.0}}) {
        auto set = lineSet(entries({{50, 100}, {60, 120}}));
        set->setDrawCirclesEnabled(circles);
        auto chart = identityChart({set});
        kit::RecordingContext context({300, 200});
        chart->renderer()->drawValues(context);
        EXPECT_NEAR(firstTextPoint(context).y, 100 - offset - lineHeight, 1e-9) << circles;
    }
    // A radius that fits no integer leaves the labels out instead of failing.
    auto set = lineSet(entries({{50, 100}}));
    set->setCircleRadius(INFINITY);
    auto chart = identityChart({set});
    kit::RecordingContext context({300, 200});
    chart->renderer()->drawValues(context);
    EXPECT_TRUE(recorded(context, "drawText").empty());
}

TEST(LineChartRenderer, AccessibilityLabelsPerCircle) {
    auto a = lineSet(entries({{1, 2}, {3, 4}}), "A");
    auto chart = identityChart({a});
    kit::RecordingContext context({300, 200});
    chart->renderer()->drawExtras(context);
    const auto& elements = chart->renderer()->accessibleChartElements();
    ASSERT_EQ(elements.size(), 3u);
    EXPECT_TRUE(elements[0]->isHeader());
    auto xText = chart->xAxis()->valueFormatter()->stringForValue(1, chart->xAxis().get());
    auto yText = a->valueFormatter()->stringForValue(2, *a->entryForIndex(0), 0, chart->viewPortHandler().get());
    EXPECT_EQ(elements[1]->accessibilityLabel(), " " + xText + ": " + yText);

    auto b = lineSet(entries({{1, 5}}), "B");
    auto two = identityChart({a, b});
    two->renderer()->drawExtras(context);
    const auto& both = two->renderer()->accessibleChartElements();
    ASSERT_EQ(both.size(), 4u);
    EXPECT_EQ(both[1]->accessibilityLabel().rfind("A,  ", 0), 0u);
    EXPECT_EQ(both[3]->accessibilityLabel().rfind("B,  ", 0), 0u);
    EXPECT_EQ(rendererOf(*two).accessibilityOrderedElements().size(), 2u);
}

TEST(LineChartRenderer, Highlights) {
    auto set = lineSet(entries({{0, 10}, {1, 20}, {2, 30}, {3, 40}}));
    auto chart = identityChart({set});
    std::vector<Highlight> highlights{Highlight(1, 20, 0, -1), Highlight(1, 20, 7, -1)};
    kit::RecordingContext context({300, 200});
    chart->renderer()->drawHighlighted(context, highlights);
    EXPECT_EQ(highlights[0].drawX(), 1);
    EXPECT_EQ(highlights[0].drawY(), 20);
    EXPECT_EQ(recorded(context, "strokePath").size(), 2u) << "two lines for the one valid highlight";

    // During an x animation an entry beyond the revealed part draws nothing.
    chart->chartAnimator()->setPhaseX(0.5);
    std::vector<Highlight> late{Highlight(3, 40, 0, -1)};
    context.clear();
    chart->renderer()->drawHighlighted(context, late);
    EXPECT_TRUE(recorded(context, "strokePath").empty());
}

} // namespace
