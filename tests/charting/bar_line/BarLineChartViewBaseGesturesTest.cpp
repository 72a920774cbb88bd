// Taps, double taps, pinches, pans and the glide after a fling, driven through the headless host.
#include "BarLineTestSupport.h"
#include "kit/host/Headless.h"
#include "kit/ui/Application.h"
#include "kit/ui/EventDispatcher.h"
#include "kit/ui/PanGesture.h"
#include "kit/ui/PinchGesture.h"
#include "kit/ui/ScrollView.h"
#include "kit/ui/TapGesture.h"
#include "kit/ui/ViewController.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace charting;
using namespace charting::testing;

namespace {

const kit::Point origin{20, 100};

struct Gestures : ::testing::Test {
    Gestures() { kit::Application::resetShared(); }
    ~Gestures() override { kit::Application::resetShared(); }

    std::unique_ptr<kit::host::Headless> host = std::make_unique<kit::host::Headless>();
    std::shared_ptr<LineChartView> chart = lineChart({lineSet(series(21, [](int i) { return i; }))},
                                                     {origin.x, origin.y, 300, 200});
    std::shared_ptr<LoggingDelegate> delegate = std::make_shared<LoggingDelegate>();

    void SetUp() override {
        auto screen = kit::make<kit::ViewController>();
        screen->view()->addSubview(chart);
        host->setRootViewController(screen);
        chart->setDelegate(delegate);
    }
    // Window point of a value.
    kit::Point at(double x, double y) const {
        const kit::Point p = chart->pixelForValues(x, y, AxisDependency::left);
        return {p.x + origin.x, p.y + origin.y};
    }
    void pinch(kit::Point a0, kit::Point b0, kit::Point a1, kit::Point b1) {
        auto& d = host->dispatcher();
        d.touchesBegan({{1, a0}, {2, b0}});
        for (int i = 1; i <= 8; ++i) {
            const double t = i / 8.0;
            host->advance(0.03);
            d.touchesMoved({{1, {a0.x + (a1.x - a0.x) * t, a0.y + (a1.y - a0.y) * t}},
                            {2, {b0.x + (b1.x - b0.x) * t, b0.y + (b1.y - b0.y) * t}}});
        }
        d.touchesEnded({{1, a1}, {2, b1}});
        host->advance(0.05);
    }
};

TEST_F(Gestures, TapTogglesTheHighlight) {
    host->tap(at(5, 5));
    ASSERT_EQ(chart->highlighted().size(), 1u);
    EXPECT_EQ(chart->highlighted()[0].x(), 5);
    host->advance(0.5);
    host->tap(at(5, 5));
    EXPECT_TRUE(chart->highlighted().empty());
    host->advance(0.5);
    host->tap(at(12, 12));
    host->advance(0.5);
    host->tap(at(12, 0)); // far from any value
    EXPECT_TRUE(chart->highlighted().empty());
    EXPECT_EQ(delegate->log, (std::vector<std::string>{"selected 5", "nothing", "selected 12", "nothing"}));
}

TEST_F(Gestures, DoubleTapZoomsTheEnabledAxes) {
    // kit lets the single tap win the first tap of the sequence, and the double tap then fails.
    chart->tapGestureRecognizer()->setEnabled(false);
    chart->setScaleXEnabled(false);
    host->doubleTap(at(10, 10));
    EXPECT_NEAR(chart->scaleY(), 1.4, 1e-9);
    EXPECT_NEAR(chart->scaleX(), 1.0, 1e-9);
    EXPECT_NEAR(delegate->lastScaleY, 1.4, 1e-9);

    chart->setData(kit::make<LineChartData>(std::vector<DataSetPtr>{lineSet({})}));
    chart->fitScreen();
    host->advance(0.5);
    host->doubleTap(at(10, 10));
    EXPECT_NEAR(chart->scaleY(), 1.0, 1e-9) << "no entries, no zoom";
}

TEST_F(Gestures, PinchScalesTheAxisTheFingersLieAlong) {
    const kit::Point c = at(10, 10);
    pinch({c.x - 40, c.y}, {c.x + 40, c.y}, {c.x - 80, c.y}, {c.x + 80, c.y});
    EXPECT_NEAR(chart->scaleX(), 2, 0.05);
    EXPECT_NEAR(chart->scaleY(), 1, 1e-9);
    EXPECT_FALSE(chart->isScaling());

    chart->fitScreen();
    pinch({c.x, c.y - 30}, {c.x, c.y + 30}, {c.x, c.y - 60}, {c.x, c.y + 60});
    EXPECT_NEAR(chart->scaleX(), 1, 1e-9);
    EXPECT_NEAR(chart->scaleY(), 2, 0.05);

    // An exact diagonal counts as vertical.
    chart->fitScreen();
    pinch({c.x - 30, c.y - 30}, {c.x + 30, c.y + 30}, {c.x - 60, c.y - 60}, {c.x + 60, c.y + 60});
    EXPECT_NEAR(chart->scaleX(), 1, 1e-9);
    EXPECT_NEAR(chart->scaleY(), 2, 0.05);

    chart->fitScreen();
    chart->setPinchZoomEnabled(true);
    pinch({c.x - 30, c.y - 30}, {c.x + 30, c.y + 30}, {c.x - 60, c.y - 60}, {c.x + 60, c.y + 60});
    EXPECT_NEAR(chart->scaleX(), 2, 0.05);
    EXPECT_NEAR(chart->scaleY(), 2, 0.05);
}

TEST_F(Gestures, CtrlWheelZoomsAboutThePointerUnderThePinchSettingsAndAPlainWheelScrollsThePage) {
    // The chart on a page taller than the window.
    auto page = kit::make<kit::ScrollView>(chart->superview()->bounds());
    page->setContentSize({375, 3000});
    chart->superview()->addSubview(page);
    page->addSubview(chart);
    host->settle();
    const double pageStart = page->contentOffset().y;

    const kit::Point c = at(5, 15);
    EXPECT_TRUE(host->wheel(c, -2, true));
    EXPECT_NEAR(chart->scaleX(), 1.21, 1e-9);
    EXPECT_NEAR(chart->scaleY(), 1.21, 1e-9);
    // The value under the pointer stays under it.
    const kit::Point under = chart->valueForTouchPoint({c.x - origin.x, c.y - origin.y}, AxisDependency::left);
    EXPECT_NEAR(under.x, 5, 1e-6);
    EXPECT_NEAR(under.y, 15, 1e-6);
    EXPECT_NEAR(delegate->lastScaleX, 1.21, 1e-9);
    // A touchpad's smooth deltas zoom by their share of a step; turning back zooms out.
    EXPECT_TRUE(host->scroll(c, {0, kit::ScrollView::wheelLineHeight * 2}, true));
    EXPECT_NEAR(chart->scaleX(), 1, 1e-9);
    EXPECT_EQ(page->contentOffset().y, pageStart);

    // Only the axes the settings let a pinch scale.
    chart->setScaleXEnabled(false);
    host->wheel(c, -3, true);
    EXPECT_NEAR(chart->scaleX(), 1, 1e-9);
    EXPECT_NEAR(chart->scaleY(), std::pow(1.1, 3), 1e-9);
    chart->setScaleYEnabled(false);
    EXPECT_FALSE(host->wheel(c, -3, true));
    EXPECT_NEAR(chart->scaleY(), std::pow(1.1, 3), 1e-9);

    // Without Ctrl the wheel scrolls the page under the chart.
    EXPECT_TRUE(host->wheel(c, 2));
    EXPECT_EQ(page->contentOffset().y, pageStart + 2 * kit::ScrollView::wheelLineHeight);
    EXPECT_NEAR(chart->scaleY(), std::pow(1.1, 3), 1e-9);
}

TEST_F(Gestures, PinchThatMayNotZoomChangesNothing) {
    chart->viewPortHandler()->setMaximumScaleX(1);
    chart->setScaleYEnabled(false);
    const kit::Point c = at(10, 10);
    pinch({c.x - 40, c.y}, {c.x + 40, c.y}, {c.x - 80, c.y}, {c.x + 80, c.y});
    EXPECT_EQ(chart->viewPortHandler()->touchMatrix(), kit::AffineTransform::identity());
}

TEST_F(Gestures, PanMovesAZoomedChartAndGlides) {
    chart->zoom(4, 1, 0, 0);
    const double before = chart->lowestVisibleX();
    chart->setDragDecelerationFrictionCoef(0.9);
    const kit::Point start = at(3, 10);
    host->drag({start, {start.x - 30, start.y}, {start.x - 60, start.y}, {start.x - 90, start.y}}, 0.1);
    const double afterDrag = chart->lowestVisibleX();
    EXPECT_GT(afterDrag, before);
    EXPECT_TRUE(chart->isDecelerating());
    host->advance(0.1);
    EXPECT_GT(chart->lowestVisibleX(), afterDrag) << "the glide goes on in the same direction";
    host->advance(5);
    EXPECT_FALSE(chart->isDecelerating());
    EXPECT_NE(std::find(delegate->log.begin(), delegate->log.end(), "translated"), delegate->log.end());
    EXPECT_NE(std::find(delegate->log.begin(), delegate->log.end(), "end panning"), delegate->log.end());
}

TEST_F(Gestures, DecelerationTicks) {
    // Friction 0 stops after one tick; 0.999 takes a thousandth of the speed per tick.
    for (double friction : {0.0, 0.999}) {
        chart->fitScreen();
        chart->zoom(4, 1, 0, 0);
        chart->moveViewToX(8);
        chart->setDragDecelerationFrictionCoef(friction);
        const kit::Point s = at(10, 10);
        auto& d = host->dispatcher();
        d.touchBegan(1, s);
        for (int i = 1; i <= 4; ++i) {
            host->advance(0.02);
            d.touchMoved(1, {s.x - 15.0 * i, s.y});
        }
        d.touchEnded(1, {s.x - 60, s.y});
        ASSERT_TRUE(chart->isDecelerating()) << friction;
        const kit::Point v0 = chart->decelerationVelocity();
        EXPECT_LT(v0.x, 0);
        host->advance(1.0 / 60);
        if (friction == 0) {
            EXPECT_FALSE(chart->isDecelerating());
        } else {
            EXPECT_NEAR(chart->decelerationVelocity().x, v0.x * 0.999, 1e-9);
            chart->stopDeceleration();
        }
        host->advance(0.5);
    }
}

TEST_F(Gestures, FlingAtTheEdgeStopsAtOnce) {
    chart->zoom(4, 1, 0, 0);
    chart->moveViewToX(0);
    const kit::Point start = at(3, 10);
    // Dragging right at the left edge cannot move the chart.
    host->drag({start, {start.x + 30, start.y}, {start.x + 60, start.y}, {start.x + 90, start.y}}, 0.1);
    host->advance(1.0 / 30);
    EXPECT_FALSE(chart->isDecelerating());
    EXPECT_NEAR(chart->lowestVisibleX(), 0, 1e-9);
}

TEST_F(Gestures, CancelledOrUndeceleratedPansStopAtOnce) {
    chart->zoom(4, 1, 0, 0);
    chart->setDragDecelerationEnabled(false);
    const kit::Point start = at(3, 10);
    host->drag({start, {start.x - 30, start.y}, {start.x - 60, start.y}}, 0.1);
    EXPECT_FALSE(chart->isDecelerating());

    chart->setDragDecelerationEnabled(true);
    auto& d = host->dispatcher();
    d.touchBegan(1, start);
    host->advance(0.03);
    d.touchMoved(1, {start.x - 40, start.y});
    host->advance(0.03);
    d.touchMoved(1, {start.x - 80, start.y});
    d.touchCancelled(1);
    host->advance(0.05);
    EXPECT_FALSE(chart->isDecelerating());
    EXPECT_FALSE(chart->isDragging());
}

TEST_F(Gestures, DragOnAFullyZoomedOutChartMovesTheHighlight) {
    const kit::Point a = at(5, 5), b = at(9, 9);
    host->drag({a, {a.x + 1, a.y}, {a.x + 15, a.y}, b, b}, 0.3);
    EXPECT_EQ(chart->viewPortHandler()->touchMatrix(), kit::AffineTransform::identity());
    ASSERT_EQ(chart->highlighted().size(), 1u);
    EXPECT_EQ(chart->highlighted()[0].x(), 9);
}

TEST_F(Gestures, DisabledXDragMovesOnlyVertically) {
    chart->zoom(4, 4, 0, 0);
    chart->centerViewTo(10, 10, AxisDependency::left);
    chart->setDragXEnabled(false);
    const double x0 = chart->lowestVisibleX();
    const kit::Point s = at(10, 10);
    // Mostly vertical: begins, and only y moves.
    host->drag({s, {s.x - 10, s.y + 20}, {s.x - 20, s.y + 40}, {s.x - 30, s.y + 60}}, 0.2);
    EXPECT_DOUBLE_EQ(chart->lowestVisibleX(), x0) << "neither the drag nor its glide moves x";
    const kit::AffineTransform afterVertical = chart->viewPortHandler()->touchMatrix();
    chart->stopDeceleration();
    // Mostly horizontal: the pan does not even begin.
    host->advance(1);
    const kit::Point t = at(10, 10);
    host->drag({t, {t.x - 20, t.y + 2}, {t.x - 40, t.y + 4}, {t.x - 60, t.y + 6}}, 0.2);
    EXPECT_EQ(chart->viewPortHandler()->touchMatrix(), afterVertical);
}

TEST_F(Gestures, SimultaneousRecognitionRules) {
    auto& pan = *chart->panGestureRecognizer();
    auto& pinchRecognizer = *chart->pinchGestureRecognizer();
    auto& tap = *chart->tapGestureRecognizer();
    EXPECT_TRUE(chart->gestureRecognizerShouldRecognizeSimultaneously(pinchRecognizer, pan));
    EXPECT_TRUE(chart->gestureRecognizerShouldRecognizeSimultaneously(pan, pinchRecognizer));
    EXPECT_FALSE(chart->gestureRecognizerShouldRecognizeSimultaneously(tap, pan));
    // Inside a scroll view the chart's pan pairs with the page's pan, which it then pauses.
    auto page = kit::make<kit::ScrollView>(kit::Rect{0, 0, 390, 800});
    chart->removeFromSuperview();
    page->addSubview(chart);
    EXPECT_TRUE(chart->gestureRecognizerShouldRecognizeSimultaneously(pan, *page->panGestureRecognizer()));
    EXPECT_EQ(chart->outerScrollView(), page);
    page->setScrollEnabled(false);
    EXPECT_FALSE(chart->gestureRecognizerShouldRecognizeSimultaneously(pan, *page->panGestureRecognizer()));
}

TEST_F(Gestures, ADragInsideAScrollViewMovesTheZoomedChartNotThePage) {
    auto page = kit::make<kit::ScrollView>(kit::Rect{0, 0, 390, 700});
    page->setContentSize({390, 2000});
    chart->removeFromSuperview();
    page->addSubview(chart);
    auto screen = kit::make<kit::ViewController>();
    screen->view()->addSubview(page);
    host->setRootViewController(screen);
    chart->zoom(4, 4, 0, 0);
    chart->centerViewTo(10, 10, AxisDependency::left);
    const kit::AffineTransform before = chart->viewPortHandler()->touchMatrix();
    const kit::Point s = at(10, 10);
    host->drag({s, {s.x, s.y - 20}, {s.x, s.y - 40}, {s.x, s.y - 60}}, 0.2);
    EXPECT_NE(chart->viewPortHandler()->touchMatrix(), before);
    EXPECT_EQ(page->contentOffset(), (kit::Point{0, 0}));
}

} // namespace
