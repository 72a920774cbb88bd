// The pie chart view: slice angles, half-pie layout, the circle box, touch angles to slices, the
// marker position, the centre text, and the pie highlighter.
#include "charting/pie_radar/PieChartData.h"
#include "charting/pie_radar/PieChartDataEntry.h"
#include "charting/pie_radar/PieChartView.h"
#include "charting/pie_radar/PieRadarHighlighter.h"
#include "kit/base/Make.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace charting;

namespace {

std::shared_ptr<PieChartData> pieData(std::initializer_list<double> values) {
    std::vector<EntryPtr> entries;
    for (double v : values) entries.push_back(kit::make<PieChartDataEntry>(v));
    return kit::make<PieChartData>(std::vector<DataSetPtr>{kit::make<PieChartDataSet>(entries)});
}

std::shared_ptr<PieChartView> pie(kit::Rect frame, std::initializer_list<double> values, double maxAngle = 360) {
    auto chart = kit::make<PieChartView>(frame);
    chart->legend()->setEnabled(false);
    chart->setMaxAngle(maxAngle);
    chart->setData(pieData(values));
    return chart;
}

} // namespace

TEST(PieChartView, SliceAnglesAndTheirRunningSums) {
    auto chart = pie({0, 0, 300, 300}, {1, 1, 2});
    EXPECT_EQ(chart->drawAngles(), (std::vector<double>{90, 90, 180}));
    EXPECT_EQ(chart->absoluteAngles(), (std::vector<double>{90, 180, 360}));

    chart->setMaxAngle(180);
    chart->notifyDataSetChanged();
    EXPECT_EQ(chart->drawAngles(), (std::vector<double>{45, 45, 90}));

    // A zero sum has no shares: no slice gets an angle, and nothing infinite reaches the drawing.
    chart->setData(pieData({2, -2}));
    EXPECT_EQ(chart->drawAngles(), (std::vector<double>{0, 0}));
    EXPECT_EQ(chart->absoluteAngles(), (std::vector<double>{0, 0}));
}

TEST(PieChartView, MaxAngleIsKeptBetween90And360) {
    auto chart = kit::make<PieChartView>();
    const struct { double set, read; } cases[] = {{45, 90}, {400, 360}, {200, 200}};
    for (const auto& c : cases) {
        chart->setMaxAngle(c.set);
        EXPECT_EQ(chart->maxAngle(), c.read);
    }
    chart->setMaxAngle(NAN);
    EXPECT_TRUE(std::isnan(chart->maxAngle()));
}

TEST(PieChartView, HalfPieSitsLowWithTheFullHeightAsRadius) {
    auto chart = pie({0, 0, 400, 200}, {1, 1, 2}, 180);
    chart->calculateOffsets();
    ASSERT_TRUE(chart->isHalfPie());
    const kit::Point content = chart->centerOffsets();
    EXPECT_EQ(chart->pieCenterOffsets(), (kit::Point{content.x, content.y + 100}));
    // Radius = diameter (200) less the selection shift of 18 on each side.
    EXPECT_EQ(chart->radius(), 200 - 18);
}

TEST(PieChartView, CircleBoxIsCentredAndShrunkBySelectionShift) {
    auto chart = pie({0, 0, 300, 300}, {1, 2});
    chart->calculateOffsets();
    EXPECT_EQ(chart->circleBox(), (kit::Rect{18, 18, 264, 264}));
    EXPECT_EQ(chart->centerCircleBox(), (kit::Point{150, 150}));
}

TEST(PieChartView, TouchAnglesSelectSlicesRelativeToTheRotation) {
    auto chart = pie({0, 0, 300, 300}, {1, 1, 2});
    const struct { double angle; int index; } cases[] = {{300, 0}, {90, 2}, {270, 0}, {0, 1}, {359.99, 0}};
    for (const auto& c : cases) EXPECT_EQ(chart->indexForAngle(c.angle), c.index) << c.angle;
    chart->clear();
    EXPECT_EQ(chart->indexForAngle(300), -1);
}

TEST(PieChartView, MarkerSitsInTheMiddleOfTheSlicesRing) {
    auto chart = pie({0, 0, 300, 300}, {1, 1, 2});
    chart->calculateOffsets();
    const double r = chart->radius();
    const kit::Point c = chart->centerCircleBox();
    // Slice 1 spans 90...180 after the 270 rotation: middle at 270 + 135 = 405, i.e. 45 degrees.
    const kit::Point p = chart->getMarkerPosition(Highlight(1, 0, 0));
    EXPECT_NEAR(std::hypot(p.x - c.x, p.y - c.y), r * 0.75, 1e-9);
    EXPECT_NEAR(p.x - c.x, p.y - c.y, 1e-9);
    chart->setDrawHoleEnabled(false);
    const kit::Point q = chart->getMarkerPosition(Highlight(1, 0, 0));
    EXPECT_NEAR(std::hypot(q.x - c.x, q.y - c.y), r * 0.64, 1e-9);
    // A highlight that names no slice does not read past the angles.
    EXPECT_EQ(chart->getMarkerPosition(Highlight(7, 0, 0)), c);
    EXPECT_EQ(chart->getMarkerPosition(Highlight(NAN, 0, 0)), c);
}

TEST(PieChartView, HighlightTestAndNoDataSetWithoutData) {
    auto chart = pie({0, 0, 300, 300}, {1, 2, 3});
    EXPECT_FALSE(chart->needsHighlight(1));
    chart->highlightValues({Highlight(1.7, 0, 0), Highlight(NAN, 0, 0)});
    EXPECT_TRUE(chart->needsHighlight(1));
    EXPECT_FALSE(chart->needsHighlight(2));
    chart->clear();
    EXPECT_EQ(chart->dataSetIndexForIndex(0), -1);
}

TEST(PieChartView, CenterTextIsCentredTruncatedAndTwelvePoint) {
    auto chart = kit::make<PieChartView>();
    EXPECT_FALSE(chart->centerText());
    chart->setCenterText(std::string("Hi"));
    ASSERT_TRUE(chart->centerAttributedText());
    EXPECT_EQ(chart->centerText(), "Hi");
    const kit::TextAttributes a = chart->centerAttributedText()->attributesAt(0);
    EXPECT_EQ(a.font.pointSize(), 12);
    ASSERT_TRUE(a.paragraphStyle);
    EXPECT_EQ(a.paragraphStyle->alignment, kit::TextAlignment::center);
    EXPECT_EQ(a.paragraphStyle->lineBreakMode, kit::LineBreakMode::truncateTail);
    chart->setCenterText(std::nullopt);
    EXPECT_FALSE(chart->centerAttributedText());
}

TEST(PieChartView, DefaultsAndLegendOffset) {
    auto chart = kit::make<PieChartView>();
    EXPECT_TRUE(chart->isDrawHoleEnabled());
    EXPECT_EQ(chart->holeRadiusPercent(), 0.5);
    EXPECT_EQ(chart->transparentCircleRadiusPercent(), 0.55);
    ASSERT_TRUE(chart->transparentCircleColor());
    EXPECT_NEAR(chart->transparentCircleColor()->alpha(), 105.0 / 255.0, 1e-12);
    EXPECT_EQ(chart->rotationAngle(), 270);
    EXPECT_EQ(chart->requiredBaseOffset(), 0);
    chart->legend()->setFont(kit::Font::system(10));
    EXPECT_EQ(chart->requiredLegendOffset(), 20);
}

TEST(PieChartViewDeathTest, HasNoXAxis) {
    auto chart = kit::make<PieChartView>();
    EXPECT_DEATH(chart->xAxis(), "PieChart has no XAxis");
}

namespace {

kit::Point around(const PieChartView& chart, double degrees, double r) {
    const kit::Point c = chart.pieCenterOffsets();
    const double a = degrees * std::numbers::pi / 180.0;
    return {c.x + r * std::cos(a), c.y + r * std::sin(a)};
}

} // namespace

TEST(PieHighlighter, TouchesFindSlicesInsideTheRadius) {
    auto chart = pie({0, 0, 300, 300}, {5, 5, 5});
    chart->calculateOffsets();
    auto& highlighter = dynamic_cast<PieHighlighter&>(*chart->highlighter());
    const double r = chart->radius();
    const struct { double angle, distance; std::optional<double> x; } cases[] = {
        {270, r / 2, 0},      // straight above: normalised 0, first slice
        {0, r / 2, 0},        // straight right: normalised 90 < 120
        {90, r / 2, 1},       // straight below: normalised 180
        {90, r, 1},           // on the rim
        {90, r + 1, std::nullopt},
    };
    for (const auto& c : cases) {
        const kit::Point p = around(*chart, c.angle, c.distance);
        const auto h = highlighter.getHighlight(p.x, p.y);
        ASSERT_EQ(h.has_value(), c.x.has_value()) << c.angle << " " << c.distance;
        if (!h) continue;
        EXPECT_EQ(h->x(), *c.x);
        EXPECT_EQ(h->y(), 5);
        EXPECT_EQ(h->dataSetIndex(), 0);
        EXPECT_NEAR(h->xPx(), p.x, 1e-9);
    }
    // While the pie grows in at phaseY 0.5, a touch at angle 90 is matched as angle 180.
    chart->chartAnimator()->setPhaseY(0.5);
    const kit::Point below = around(*chart, 90, r / 2);
    EXPECT_EQ(highlighter.getHighlight(below.x, below.y)->x(), 2);
}
