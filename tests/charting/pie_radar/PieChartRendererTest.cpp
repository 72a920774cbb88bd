// The pie renderer on a recording context with exact text metrics: slices, hole and ring, value
// texts and lines, centre text, highlighted slices and accessibility elements.
#include "charting/model/ChartValueFormatter.h"
#include "charting/pie_radar/PieChartData.h"
#include "charting/pie_radar/PieChartDataEntry.h"
#include "charting/pie_radar/PieChartRenderer.h"
#include "charting/pie_radar/PieChartView.h"
#include "kit/base/Make.h"
#include "kit/graphics/Context.h"
#include "kit/graphics/Text.h"
#include "kit/graphics/TextMetrics.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

using namespace charting;

namespace {

// Writes the value it is given, so tests see what the renderer formatted.
struct EchoFormatter : ChartValueFormatter {
    std::string stringForValue(double value, const ChartDataEntry&, int, ViewPortHandler*) override {
        char buf[32];
        std::snprintf(buf, sizeof buf, "v%g", value);
        return buf;
    }
};

struct PieRendering : ::testing::Test {
    kit::FixedTextMetricsScope metrics;
    kit::RecordingContext context{{300, 300}};
    std::shared_ptr<PieChartView> chart = kit::make<PieChartView>(kit::Rect{0, 0, 300, 300});
    std::shared_ptr<PieChartDataSet> set;

    void use(std::vector<std::pair<double, std::optional<std::string>>> slices) {
        std::vector<EntryPtr> entries;
        for (auto& [v, label] : slices) entries.push_back(kit::make<PieChartDataEntry>(v, label));
        set = kit::make<PieChartDataSet>(entries, std::optional<std::string>{});
        set->setColors({kit::Color::redColor(), kit::Color::greenColor(), kit::Color::blueColor()});
        set->setValueFormatter(std::make_shared<EchoFormatter>());
        chart->legend()->setEnabled(false);
        chart->setData(kit::make<PieChartData>(std::vector<DataSetPtr>{set}));
        chart->calculateOffsets();
        context.setRecording(true);
    }
    PieChartRenderer& renderer() { return dynamic_cast<PieChartRenderer&>(*chart->renderer()); }
    std::vector<std::string> lines(const std::string& prefix) const {
        std::vector<std::string> out;
        for (const auto& l : context.lines())
            if (l.rfind(prefix, 0) == 0) out.push_back(l);
        return out;
    }
    std::vector<std::string> labels() {
        std::vector<std::string> out;
        for (const auto& e : renderer().accessibleChartElements()) out.push_back(e->accessibilityLabel());
        return out;
    }
};

} // namespace

TEST_F(PieRendering, OneFilledPathPerVisibleSliceWithAccessibility) {
    use({{2, "A"}, {0, "B"}, {2, "C"}});
    renderer().drawData(context);
    const auto fills = lines("fillPath evenodd");
    ASSERT_EQ(fills.size(), 2u);
    EXPECT_EQ(fills[0], "fillPath evenodd #FF0000FF");
    EXPECT_EQ(fills[1], "fillPath evenodd #0000FFFF");
    EXPECT_EQ(labels(), (std::vector<std::string>{"Pie Chart. 3 Elements", "A : v2 ", "C : v2 "}));
    EXPECT_TRUE(renderer().accessibleChartElements()[0]->isHeader());
    EXPECT_EQ(context.saveDepth(), 0);

    // Prefix, suffix and a counted suffix: "s" unless the value is exactly 1.
    chart->data()->setAccessibilityEntryLabelPrefix(std::string("Slice "));
    chart->data()->setAccessibilityEntryLabelSuffix(std::string("cup"));
    chart->data()->setAccessibilityEntryLabelSuffixIsCount(true);
    set->setLabel(std::string("Paint"));
    renderer().drawData(context);
    EXPECT_EQ(labels(), (std::vector<std::string>{"Paint. 3 Slice s", "Slice 1 : v2 cups", "Slice 3 : v2 cups"}));
}

TEST_F(PieRendering, HoleAndTransparentRingFadeWithThePhases) {
    use({{1, "A"}, {1, "B"}});
    chart->chartAnimator()->setPhaseX(0.5);
    chart->chartAnimator()->setPhaseY(0.5);
    renderer().drawHole(context);
    const std::string all = context.text();
    EXPECT_NE(all.find("fillEllipse"), std::string::npos);
    EXPECT_NE(all.find("setAlpha 0.25"), std::string::npos);
    EXPECT_EQ(lines("fillPath evenodd").size(), 1u);

    context.clear();
    chart->setTransparentCircleRadiusPercent(0.5); // not above the hole's: no ring
    renderer().drawHole(context);
    EXPECT_TRUE(lines("fillPath").empty());
    EXPECT_EQ(lines("fillEllipse").size(), 1u);
}

TEST_F(PieRendering, ValuesBeyondSlicesWithoutALineColourStillGetTheirTexts) {
    use({{1, "A"}, {1, "B"}, {2, "C"}});
    set->setYValuePosition(PieChartDataSet::ValuePosition::beyondSlice);
    set->setValueLineColor(std::nullopt);
    chart->setDrawEntryLabelsEnabled(false);
    renderer().drawValues(context);
    EXPECT_TRUE(lines("strokePath").empty());
    EXPECT_EQ(lines("drawText").size(), 3u);

    context.clear();
    set->setValueLineColor(kit::Color::blackColor());
    renderer().drawValues(context);
    EXPECT_EQ(lines("strokePath").size(), 3u);
}

TEST_F(PieRendering, PercentValuesThresholdAndInsideLayout) {
    use({{1, "A"}, {3, "B"}});
    chart->setUsePercentValuesEnabled(true);
    chart->setSliceTextDrawingThreshold(90); // slice A spans exactly 90 degrees
    chart->setDrawHoleEnabled(false);
    renderer().drawValues(context);
    const auto texts = lines("drawText");
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].rfind("drawText \"v75\"", 0), 0u) << texts[0];
    EXPECT_EQ(texts[1].rfind("drawText \"B\"", 0), 0u) << texts[1];
    // Without a hole inside texts sit at 70 % of the radius: B's middle lies at 270 + 90 + 135,
    // i.e. 135 degrees; the value is centred on that point, one line above it.
    double x = 0, y = 0;
    ASSERT_EQ(std::sscanf(texts[0].c_str(), "drawText \"v75\" %lf %lf", &x, &y), 2);
    const kit::Point c = chart->centerCircleBox();
    const double r = chart->radius() * 0.7, d = r * std::sqrt(0.5);
    const double lineHeight = set->valueFont().lineHeight();
    const double width = kit::measureText("v75", set->valueFont()).width;
    EXPECT_NEAR(x, c.x - d - width / 2, 1e-3);
    EXPECT_NEAR(y, c.y + d - lineHeight, 1e-3);
}

TEST_F(PieRendering, HighlightedSlicesSkipWhatNamesNoSlice) {
    use({{1, "A"}, {1, "B"}, {2, "C"}});
    set->setHighlightColor(kit::Color::blackColor());
    renderer().drawData(context);
    context.clear();
    std::vector<Highlight> highlights{Highlight(9, 0, 0), Highlight(1, 4, 0), Highlight(-1, 0, 0), Highlight(NAN, 0, 0),
                                      Highlight(1, 0, 0)};
    renderer().drawHighlighted(context, highlights);
    EXPECT_EQ(lines("fillPath evenodd"), (std::vector<std::string>{"fillPath evenodd #000000FF"}));
    const auto& elements = renderer().accessibleChartElements();
    ASSERT_GE(elements.size(), 2u);
    EXPECT_TRUE(elements[1]->isSelected());
    EXPECT_EQ(elements[1]->accessibilityLabel(), "B : v1 ");
}

TEST_F(PieRendering, CenterTextIsClippedToTheHole) {
    use({{1, "A"}});
    chart->setCenterText(std::string("Mix"));
    renderer().drawCenterText(context);
    EXPECT_EQ(lines("clipToPath").size(), 1u);
    const auto texts = lines("drawText \"Mix\" in");
    ASSERT_EQ(texts.size(), 1u);
    chart->setDrawCenterTextEnabled(false);
    context.clear();
    renderer().drawCenterText(context);
    EXPECT_TRUE(lines("drawText").empty());
}

TEST_F(PieRendering, AutomaticSpacingDropsOutForThinSlices) {
    const struct { double small, large, space; } cases[] = {{1, 99, 0}, {10, 90, 10}};
    for (const auto& c : cases) {
        use({{c.small, "A"}, {c.large, "B"}});
        set->setSliceSpace(10);
        set->setAutomaticallyDisableSliceSpacing(true);
        EXPECT_EQ(renderer().getSliceSpace(*set), c.space) << c.small;
        set->setAutomaticallyDisableSliceSpacing(false);
        EXPECT_EQ(renderer().getSliceSpace(*set), 10);
    }
}

// Values whose sum passes the largest double still divide the pie and read as their percentages.
TEST_F(PieRendering, ValuesNearTheLimitsOfADoubleKeepTheirShares) {
    const double top = std::numeric_limits<double>::max();
    const struct { double a, b, angleA; std::string percentA; } cases[] = {
        {1e308, 1e308, 180, "v50"}, {top, top, 180, "v50"}, {top, top / 3, 270, "v75"}};
    for (const auto& c : cases) {
        chart->setUsePercentValuesEnabled(true);
        use({{c.a, "A"}, {c.b, "B"}});
        EXPECT_DOUBLE_EQ(chart->drawAngles().at(0), c.angleA) << c.b;
        EXPECT_DOUBLE_EQ(chart->drawAngles().at(1), 360 - c.angleA) << c.b;
        renderer().drawData(context);
        EXPECT_EQ(lines("fillPath evenodd").size(), 2u) << c.b;
        ASSERT_EQ(labels().size(), 3u);
        EXPECT_EQ(labels()[1], "A : " + c.percentA + " ");
        context.clear();
        renderer().drawValues(context);
        const auto texts = lines("drawText");
        ASSERT_EQ(texts.size(), 4u);
        EXPECT_EQ(texts[0].rfind("drawText \"" + c.percentA + "\"", 0), 0u) << texts[0];
        context.clear();
    }
}
