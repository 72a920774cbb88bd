// The circular chart base: rotation, angle and distance geometry, offsets around a legend, the
// angular velocity of a drag, coasting and spinning on the manual clock.
#include "charting/pie_radar/PieChartData.h"
#include "charting/pie_radar/PieChartDataEntry.h"
#include "charting/pie_radar/PieChartView.h"
#include "kit/base/Make.h"
#include "kit/host/Headless.h"
#include "kit/runtime/RunLoop.h"
#include "kit/ui/RotationGesture.h"
#include "kit/ui/ViewController.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace charting;

namespace {

using Sample = PieRadarChartViewBase::AngularVelocitySample;

std::shared_ptr<PieChartData> pieData(std::initializer_list<double> values) {
    std::vector<EntryPtr> entries;
    for (double v : values) entries.push_back(kit::make<PieChartDataEntry>(v));
    return kit::make<PieChartData>(std::vector<DataSetPtr>{kit::make<PieChartDataSet>(entries)});
}

// A 200 x 200 pie whose content fills the view: centre (100, 100).
std::shared_ptr<PieChartView> squarePie() {
    auto chart = kit::make<PieChartView>(kit::Rect{0, 0, 200, 200});
    chart->viewPortHandler()->restrainViewPort(0, 0, 0, 0);
    return chart;
}

} // namespace

TEST(PieRadarChartViewBase, RotationIsNormalisedAndTheRawValueKept) {
    auto chart = squarePie();
    EXPECT_EQ(chart->rotationAngle(), 270.0);
    const struct { double set, read; } cases[] = {{-90, 270}, {450, 90}, {-360, 360}, {360, 0}, {-0.0, 360}, {720, 0}};
    for (const auto& c : cases) {
        chart->setRotationAngle(c.set);
        EXPECT_EQ(chart->rotationAngle(), c.read) << c.set;
        EXPECT_EQ(chart->rawRotationAngle(), c.set);
    }
}

TEST(PieRadarChartViewBase, AnglesAndDistancesAroundTheCentre) {
    auto chart = squarePie();
    ASSERT_EQ(chart->centerOffsets(), (kit::Point{100, 100}));
    const struct { double x, y, angle; } cases[] = {{200, 100, 360}, {100, 200, 90}, {0, 100, 180}, {100, 0, 270}};
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(chart->angleForPoint(c.x, c.y), c.angle) << c.x << "," << c.y;
    EXPECT_GT(chart->angleForPoint(200, 101), 0.0);
    EXPECT_LT(chart->angleForPoint(200, 101), 1.0);
    EXPECT_TRUE(std::isnan(chart->angleForPoint(100, 100)));
    EXPECT_DOUBLE_EQ(chart->distanceToCenter(103, 104), 5.0);
    const kit::Point p = chart->getPosition({10, 10}, 5, 90);
    EXPECT_NEAR(p.x, 10, 1e-12);
    EXPECT_NEAR(p.y, 15, 1e-12);
}

TEST(PieRadarChartViewBase, DiameterIsTheSmallerSideLessTheExtraOffsets) {
    auto chart = kit::make<PieChartView>(kit::Rect{0, 0, 300, 200});
    chart->viewPortHandler()->restrainViewPort(0, 0, 0, 0);
    chart->setExtraOffsets(10, 0, 20, 0);
    EXPECT_EQ(chart->diameter(), 200);
    chart->setExtraOffsets(0, 10, 0, 20);
    EXPECT_EQ(chart->diameter(), 170);
}

TEST(PieRadarChartViewBase, OffsetsWithoutALegendAndWithATopLegend) {
    auto chart = kit::make<PieChartView>(kit::Rect{0, 0, 300, 400});
    chart->setData(pieData({1, 2}));
    chart->legend()->setEnabled(false);
    chart->setMinOffset(5);
    chart->setExtraOffsets(3, 7, 0, 9);
    chart->calculateOffsets();
    const ViewPortHandler& vp = *chart->viewPortHandler();
    EXPECT_EQ(vp.offsetLeft(), 5);
    EXPECT_EQ(vp.offsetTop(), 7);
    EXPECT_EQ(vp.offsetRight(), 5);
    EXPECT_EQ(vp.offsetBottom(), 9);

    // Horizontal, top: needed height plus the pie's legend offset (twice a 5-point font).
    Legend& legend = *chart->legend();
    legend.setEnabled(true);
    legend.setOrientation(Legend::Orientation::horizontal);
    legend.setVerticalAlignment(Legend::VerticalAlignment::top);
    legend.setFont(kit::Font::system(5));
    legend.setNeededHeight(40);
    chart->setMinOffset(0);
    chart->setExtraOffsets(0, 0, 0, 0);
    chart->calculateOffsets();
    EXPECT_EQ(vp.offsetTop(), 50);
    EXPECT_EQ(vp.offsetBottom(), 0);
}

TEST(PieRadarChartViewBase, MaxVisibleCountIsTheEntryCount) {
    auto chart = squarePie();
    EXPECT_EQ(chart->maxVisibleCount(), 0);
    chart->setData(pieData({1, 2, 3}));
    EXPECT_EQ(chart->maxVisibleCount(), 3);
}

TEST(PieRadarChartViewBase, AngularVelocityFromSamples) {
    auto chart = squarePie();
    const struct {
        std::vector<Sample> samples;
        double velocity;
    } cases[] = {
        {{}, 0.0},
        {{{0.0, 40}}, 0.0},
        // Across the seam: 350 -> 5 is 15 degrees clockwise in one second.
        {{{0.0, 350}, {0.5, 355}, {1.0, 5}}, 15.0},
        {{{0.0, 5}, {0.5, 355}, {1.0, 350}}, -15.0},
        // No time between the samples: measured over 0.1 s.
        {{{2.0, 10}, {2.0, 20}}, 100.0},
        {{{0.0, 100}, {2.0, 60}}, -20.0},
    };
    for (const auto& c : cases) {
        chart->setVelocitySamples(c.samples);
        EXPECT_DOUBLE_EQ(chart->calcAngularVelocity(), c.velocity) << c.samples.size();
    }
}

namespace {

// A pie filling a headless phone's screen, driven by synthetic touches.
struct TouchRotation : ::testing::Test {
    kit::host::Headless host;
    std::shared_ptr<PieChartView> chart = kit::make<PieChartView>(kit::Rect{0, 0, 300, 300});
    kit::Point centre;

    void SetUp() override {
        auto screen = kit::make<kit::ViewController>();
        host.setRootViewController(screen);
        screen->view()->addSubview(chart);
        chart->setFrame({0, 100, 300, 300});
        chart->setData(pieData({1, 1, 1}));
        host.advance(0.1);
        centre = {chart->centerOffsets().x, chart->centerOffsets().y + 100};
    }
    kit::Point at(double degrees, double r = 100) {
        const double a = degrees * std::numbers::pi / 180.0;
        return {centre.x + r * std::cos(a), centre.y + r * std::sin(a)};
    }
};

} // namespace

TEST_F(TouchRotation, DragTurnsTheChartAndItCoastsToAStop) {
    chart->setRotationAngle(0);
    host.touchDown(0, at(0));
    host.advance(0.05);
    host.touchMove(0, at(3)); // inside the 8-point circle: turns, not yet "rotating"
    EXPECT_NEAR(chart->rotationAngle(), 3, 1e-9);
    EXPECT_FALSE(chart->isRotating());
    host.advance(0.05);
    host.touchMove(0, at(20));
    EXPECT_TRUE(chart->isRotating());
    host.advance(0.05);
    host.touchMove(0, at(30));
    EXPECT_NEAR(chart->rotationAngle(), 30, 1e-9);
    host.advance(0.05);
    host.touchUp(0, at(40));
    EXPECT_FALSE(chart->isRotating());
    ASSERT_TRUE(chart->isDecelerating());
    const double velocity = chart->decelerationAngularVelocity();
    EXPECT_GT(velocity, 0.0);

    // One frame: friction first, then the turn over the elapsed time.
    const double before = chart->rotationAngle();
    host.advance(1.0 / 60.0);
    EXPECT_NEAR(chart->decelerationAngularVelocity(), velocity * 0.9, 1e-9);
    EXPECT_GT(chart->rotationAngle(), before);

    host.advance(5);
    EXPECT_FALSE(chart->isDecelerating());
    EXPECT_LT(std::fabs(chart->decelerationAngularVelocity()), 0.001);
    const double rest = chart->rotationAngle();
    host.advance(1);
    EXPECT_EQ(chart->rotationAngle(), rest);
}

TEST_F(TouchRotation, ATouchOnTheCentreLeavesTheRotationAlone) {
    chart->setRotationAngle(45);
    host.touchDown(0, at(0));
    host.advance(0.05);
    host.touchMove(0, centre);
    EXPECT_EQ(chart->rotationAngle(), 45);
    host.touchUp(0, centre);
    host.advance(1);
    EXPECT_EQ(chart->rotationAngle(), 45);
}

TEST_F(TouchRotation, TwoFingerModeIgnoresOneFingerDrags) {
    chart->setRotationWithTwoFingers(true);
    chart->setRotationAngle(10);
    host.touchDown(0, at(0));
    host.advance(0.05);
    host.touchMove(0, at(60));
    host.touchUp(0, at(60));
    EXPECT_EQ(chart->rotationAngle(), 10);
    EXPECT_FALSE(chart->isDecelerating());
    EXPECT_TRUE(chart->rotationGestureRecognizer()->isEnabled());
}

TEST(PieRadarChartViewBaseSpin, SpinRunsOnItsOwnAnimator) {
    kit::ManualRunLoopScope loop;
    auto chart = squarePie();
    chart->spin(1.0, 0, 90);
    ASSERT_TRUE(chart->spinAnimator());
    loop.advance(0.5);
    EXPECT_NEAR(chart->rotationAngle(), 45, 1e-9);
    EXPECT_EQ(chart->chartAnimator()->phaseX(), 1.0);
    loop.advance(1.0);
    EXPECT_NEAR(chart->rotationAngle(), 90, 1e-9);
    EXPECT_FALSE(chart->spinAnimator());

    // A new spin replaces a running one; stopping ends at its target.
    chart->spin(2.0, 0, 360, ChartEasingOption::easeInOutSine);
    loop.advance(0.5);
    chart->spin(1.0, 100, 200);
    loop.advance(0.25);
    EXPECT_NEAR(chart->rotationAngle(), 125, 1e-9);
    chart->stopSpinAnimation();
    EXPECT_NEAR(chart->rotationAngle(), 200, 1e-9);
    EXPECT_FALSE(chart->spinAnimator());
}
