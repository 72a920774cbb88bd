// Move and zoom jobs, immediate and animated, on a line chart with x 0...20 and y 0...20.
#include "BarLineTestSupport.h"
#include "charting/bar_line/AnimatedViewPortJob.h"
#include "charting/bar_line/MoveViewJob.h"
#include "charting/bar_line/ZoomViewJob.h"
#include "kit/runtime/RunLoop.h"

#include <gtest/gtest.h>

using namespace charting;
using namespace charting::testing;

namespace {

struct ViewPortJobs : ::testing::Test {
    kit::ManualRunLoopScope loop;
    std::shared_ptr<LineChartView> chart = makeChart();

    static std::shared_ptr<LineChartView> makeChart() {
        auto c = lineChart({lineSet(series(21, [](int i) { return i; }))});
        c->leftAxis()->setAxisMinimum(0);
        c->leftAxis()->setAxisMaximum(20);
        c->notifyDataSetChanged();
        return c;
    }
    kit::Point topLeftValue() const {
        const ViewPortHandler& vp = *chart->viewPortHandler();
        return chart->valueForTouchPoint({vp.contentLeft(), vp.contentTop()}, AxisDependency::left);
    }
    kit::Point centreValue() const {
        return chart->valueForTouchPoint(chart->viewPortHandler()->contentCenter(), AxisDependency::left);
    }
    Transformer& left() { return *chart->getTransformer(AxisDependency::left); }
};

TEST_F(ViewPortJobs, MoveJobPutsItsValueAtTheTopLeftCorner) {
    chart->zoom(4, 4, 0, 0);
    MoveViewJob(*chart->viewPortHandler(), 5, 10, left(), chart).doJob();
    EXPECT_NEAR(topLeftValue().x, 5, 1e-9);
    EXPECT_NEAR(topLeftValue().y, 10, 1e-9);
}

TEST_F(ViewPortJobs, ZoomJobCentresItsValueAndRecomputesOffsets) {
    const double top = chart->viewPortHandler()->offsetTop();
    chart->setExtraTopOffset(30);
    ZoomViewJob(*chart->viewPortHandler(), 2, 1, 6, 10, left(), AxisDependency::left, chart).doJob();
    EXPECT_NEAR(chart->scaleX(), 2, 1e-9);
    EXPECT_NEAR(chart->scaleY(), 1, 1e-9);
    EXPECT_NEAR(centreValue().x, 6, 1e-9);
    EXPECT_NEAR(chart->viewPortHandler()->offsetTop(), top + 30, 1e-9) << "offsets recomputed";
}

TEST_F(ViewPortJobs, CentringAndMovingThroughTheChart) {
    chart->zoom(4, 4, 0, 0);
    chart->centerViewTo(12, 7, AxisDependency::left);
    EXPECT_NEAR(centreValue().x, 12, 1e-9);
    EXPECT_NEAR(centreValue().y, 7, 1e-9);
    chart->moveViewTo(3, 9, AxisDependency::left);
    EXPECT_NEAR(topLeftValue().x, 3, 1e-9);
    EXPECT_NEAR(centreValue().y, 9, 1e-9) << "the y value sits in the middle of the height";
}

TEST_F(ViewPortJobs, MoveBeforeLayoutWaitsForTheSize) {
    auto unsized = kit::make<LineChartView>();
    unsized->setData(kit::make<LineChartData>(std::vector<DataSetPtr>{lineSet(series(21, [](int i) { return i; }))}));
    unsized->setVisibleXRangeMaximum(5);
    unsized->moveViewToX(8);
    EXPECT_EQ(unsized->viewportJobs().size(), 1u);
    unsized->setFrame({0, 0, 300, 200});
    EXPECT_TRUE(unsized->viewportJobs().empty());
    EXPECT_NEAR(unsized->lowestVisibleX(), 8, 1e-9);
}

TEST_F(ViewPortJobs, AnimatedMoveFollowsThePhaseAndEndsExactly) {
    chart->zoom(4, 1, 0, 0);
    const double y = topLeftValue().y;
    auto job = std::make_shared<AnimatedMoveViewJob>(*chart->viewPortHandler(), 10, y, left(), chart, 0, y, 1.0,
                                                     EasingFunction{});
    job->doJob();
    EXPECT_TRUE(job->isRunning());
    loop.advance(0.5);
    EXPECT_NEAR(topLeftValue().x, 5, 0.2);
    loop.advance(0.6);
    EXPECT_FALSE(job->isRunning());
    EXPECT_EQ(job->phase(), 1.0);
    EXPECT_NEAR(topLeftValue().x, 10, 1e-9);
}

TEST_F(ViewPortJobs, EasingIsCalledWithElapsedAndDurationAndNotClamped) {
    chart->zoom(4, 1, 0, 0);
    std::vector<std::pair<double, double>> calls;
    auto job = std::make_shared<AnimatedMoveViewJob>(*chart->viewPortHandler(), 10, 20, left(), chart, 0, 20, 2.0,
                                                     [&](double elapsed, double duration) {
                                                         calls.emplace_back(elapsed, duration);
                                                         return 1.5;
                                                     });
    job->start();
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.front(), (std::pair<double, double>{0, 2}));
    loop.advance(0.1);
    EXPECT_EQ(job->phase(), 1.5);
    job->stop(false);
}

TEST_F(ViewPortJobs, AnimatedZoomEndsCentredAndOnlyAFinishedOneRecomputesOffsets) {
    auto counting = kit::make<CountingChart>(kit::Rect{0, 0, 300, 200});
    counting->setData(kit::make<LineChartData>(std::vector<DataSetPtr>{lineSet(series(21, [](int i) { return i; }))}));
    chart = counting;
    chart->zoomAndCenterViewAnimated(2, 2, 14, 6, AxisDependency::left, 0.5, EasingFunction{});
    int before = counting->offsetCalculations;
    loop.advance(1.0);
    EXPECT_NEAR(chart->scaleX(), 2, 1e-9);
    EXPECT_NEAR(chart->scaleY(), 2, 1e-9);
    EXPECT_NEAR(centreValue().x, 14, 1e-9);
    EXPECT_NEAR(centreValue().y, 6, 1e-9);
    EXPECT_EQ(counting->offsetCalculations, before + 1);

    const ViewPortHandler& vp = *chart->viewPortHandler();
    auto job = std::make_shared<AnimatedZoomViewJob>(*chart->viewPortHandler(), left(), chart, chart->leftAxis(),
                                                     chart->xAxis()->axisRange(), 4, 4, vp.scaleX(), vp.scaleY(), 10,
                                                     10, topLeftValue().x, topLeftValue().y, 1.0, EasingFunction{});
    job->start();
    loop.advance(0.3);
    before = counting->offsetCalculations;
    job->stop(false);
    EXPECT_LT(chart->scaleX(), 4);
    EXPECT_EQ(counting->offsetCalculations, before) << "no animationEnd without finishing";
}

TEST_F(ViewPortJobs, DegenerateJobs) {
    chart->zoom(4, 1, 0, 0);
    // Stopping a job that never ran does nothing; a zero duration lands at once without NaN.
    auto idle = std::make_shared<AnimatedMoveViewJob>(*chart->viewPortHandler(), 10, 20, left(), chart, 0, 20, 1.0,
                                                      EasingFunction{});
    idle->stop(true);
    EXPECT_FALSE(idle->isRunning());
    auto instant = std::make_shared<AnimatedMoveViewJob>(*chart->viewPortHandler(), 7, 20, left(), chart, 0, 20, 0.0,
                                                         EasingFunction{});
    instant->doJob();
    EXPECT_FALSE(instant->isRunning());
    EXPECT_NEAR(topLeftValue().x, 7, 1e-9);

    // Restarting a running job leaves one link: it still ends on time.
    auto twice = std::make_shared<AnimatedMoveViewJob>(*chart->viewPortHandler(), 2, 20, left(), chart, 7, 20, 0.5,
                                                       EasingFunction{});
    twice->start();
    twice->start();
    loop.advance(0.6);
    EXPECT_FALSE(twice->isRunning());
    EXPECT_NEAR(topLeftValue().x, 2, 1e-9);
}

TEST_F(ViewPortJobs, ARunningJobEndsQuietlyWhenItsChartIsGone) {
    auto other = makeChart();
    other->zoom(4, 1, 0, 0);
    std::weak_ptr<AnimatedViewPortJob> weakJob;
    {
        auto job = std::make_shared<AnimatedMoveViewJob>(*other->viewPortHandler(), 10, 20,
                                                         *other->getTransformer(AxisDependency::left), other, 0, 20,
                                                         1.0, EasingFunction{});
        job->start();
        weakJob = job;
    }
    EXPECT_FALSE(weakJob.expired()) << "the running link keeps the job";
    other.reset();
    loop.advance(0.1);
    EXPECT_TRUE(weakJob.expired());
}

} // namespace
