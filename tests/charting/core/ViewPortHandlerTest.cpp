#include "charting/core/NSUIView.h"
#include "charting/core/ViewPortHandler.h"
#include "kit/base/Make.h"

#include <gtest/gtest.h>

#include <limits>

using charting::ViewPortHandler;
using kit::AffineTransform;
using kit::Point;
using kit::Rect;

namespace {
constexpr double greatest = std::numeric_limits<double>::max();

AffineTransform limited(ViewPortHandler& h, AffineTransform m) {
    h.constrainTouchMatrix(m, h.contentRect());
    return m;
}
} // namespace

TEST(ViewPortHandler, SizeMarginsAndContentRectangle) {
    ViewPortHandler h(100, 50);
    EXPECT_EQ(h.contentRect(), Rect(0, 0, 100, 50));
    EXPECT_TRUE(h.hasChartDimens());
    EXPECT_EQ(h.offsetLeft() + h.offsetTop() + h.offsetRight() + h.offsetBottom(), 0);
    EXPECT_FALSE(ViewPortHandler(0, 0).hasChartDimens());
    EXPECT_FALSE(ViewPortHandler(10, 0).hasChartDimens());

    ViewPortHandler g(200, 100);
    g.restrainViewPort(10, 20, 30, 40);
    EXPECT_EQ(g.contentRect(), Rect(10, 20, 160, 40));
    EXPECT_EQ(g.offsetRight(), 30);
    EXPECT_EQ(g.offsetBottom(), 40);
    EXPECT_EQ(g.contentRight(), 170);
    EXPECT_EQ(g.contentBottom(), 60);
    EXPECT_EQ(g.contentCenter(), (Point{90, 40}));
    // The margins survive a resize; the content rectangle follows the size.
    g.setChartDimens(300, 150);
    EXPECT_EQ(g.contentRect(), Rect(10, 20, 260, 90));

    // Oversized margins are stored as they come; the limiting step uses the magnitude.
    ViewPortHandler n(100, 100);
    n.restrainViewPort(80, 0, 80, 0);
    EXPECT_EQ(n.contentWidth(), -60);
    EXPECT_EQ(limited(n, {2, 0, 0, 1, -200, 0}).tx, -60);
}

TEST(ViewPortHandler, CandidateMatricesLeaveTheHandlerAlone) {
    ViewPortHandler h(100, 100);
    h.setTouchMatrix({2, 0, 0, 3, -10, 20});

    EXPECT_EQ(h.zoom(2, 0.5), (AffineTransform{4, 0, 0, 1.5, -10, 20}));
    // The point about which the zoom happens stays where it is.
    const AffineTransform z = h.zoom(2, 2, 10, 10);
    const Point fixed = h.touchMatrix().apply(Point{10, 10});
    EXPECT_EQ(z.apply(Point{10, 10}), fixed);
    EXPECT_EQ(z.a, 4);
    EXPECT_EQ(h.zoomIn(0, 0), h.zoom(1.4, 1.4, 0, 0));
    EXPECT_EQ(h.zoomOut(5, 5), h.zoom(0.7, 0.7, 5, 5));
    EXPECT_EQ(h.setZoom(5, 6), (AffineTransform{5, 0, 0, 6, -10, 20}));
    EXPECT_EQ(h.setZoom(2, 2, 0, 0), (AffineTransform{2, 0, 0, 2, -10, 20}));
    EXPECT_EQ(h.touchMatrix(), (AffineTransform{2, 0, 0, 3, -10, 20}));

    // Resetting the zoom brings the scale back to 1 (the translation is then limited on commit).
    EXPECT_EQ(h.resetZoom(), (AffineTransform{1, 0, 0, 1, -10, 20}));
    EXPECT_EQ(limited(h, h.resetZoom()), AffineTransform{});

    h.restrainViewPort(10, 20, 0, 0);
    EXPECT_EQ(h.translate({15, 25}), (AffineTransform{2, 0, 0, 3, -15, 15}));
}

TEST(ViewPortHandler, FitScreenResetsMinimumScalesOnly) {
    ViewPortHandler h(100, 100);
    h.setMinMaxScaleX(3, 10);
    h.setMinimumScaleY(2);
    EXPECT_EQ(h.scaleX(), 3);
    EXPECT_EQ(h.fitScreen(), AffineTransform{});
    EXPECT_EQ(h.minScaleX(), 1);
    EXPECT_EQ(h.minScaleY(), 1);
    EXPECT_EQ(h.maxScaleX(), 10);
    EXPECT_EQ(h.scaleX(), 3); // untouched until the next limiting step
}

TEST(ViewPortHandler, LimitingStep) {
    struct Row {
        const char* what;
        AffineTransform in;
        double dragX, dragY;
        AffineTransform out;
    };
    const Row rows[] = {
        {"scale below minimum", {0.5, 0, 0, 1, 7, 0}, 0, 0, {1, 0, 0, 1, 0, 0}},
        {"scale below minimum with drag", {0.5, 0, 0, 1, 7, 0}, 5, 0, {1, 0, 0, 1, 5, 0}},
        {"pan past the left", {2, 0, 0, 1, -150, 0}, 0, 0, {2, 0, 0, 1, -100, 0}},
        {"pan past the right", {2, 0, 0, 1, 20, 0}, 0, 0, {2, 0, 0, 1, 0, 0}},
        {"pan inside", {2, 0, 0, 1, -40, 0}, 0, 0, {2, 0, 0, 1, -40, 0}},
        {"vertical drag up", {1, 0, 0, 1, 0, 50}, 30, 30, {1, 0, 0, 1, 0, 30}},
        {"vertical drag down", {1, 0, 0, 1, 0, -50}, 30, 30, {1, 0, 0, 1, 0, -30}},
        {"vertical zoom", {1, 0, 0, 3, 0, 150}, 0, 0, {1, 0, 0, 3, 0, 100}},
        {"NaN scale", {std::nan(""), 0.5, 0.25, 1, 0, 0}, 0, 0, {1, 0.5, 0.25, 1, 0, 0}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        ViewPortHandler h(100, 50);
        h.setDragOffsetX(r.dragX);
        h.setDragOffsetY(r.dragY);
        EXPECT_EQ(limited(h, r.in), r.out);
        EXPECT_EQ(h.scaleX(), r.out.a);
        EXPECT_EQ(h.transX(), r.out.tx);
        EXPECT_EQ(h.transY(), r.out.ty);
    }
}

TEST(ViewPortHandler, ScaleLimitSetters) {
    ViewPortHandler h(100, 100);
    h.setMinimumScaleX(0.5);
    EXPECT_EQ(h.minScaleX(), 1.0);
    h.setMaximumScaleX(0);
    EXPECT_EQ(h.maxScaleX(), greatest);
    h.setMaximumScaleY(-0.0);
    EXPECT_EQ(h.maxScaleY(), greatest);
    h.setMaximumScaleY(std::numeric_limits<double>::infinity());
    EXPECT_EQ(h.maxScaleY(), std::numeric_limits<double>::infinity());

    // Crossed limits: the maximum wins, now and at every later limiting step.
    h.setMinMaxScaleX(3, 2);
    EXPECT_EQ(h.scaleX(), 2);
    EXPECT_EQ(h.touchMatrix().a, 2);
    EXPECT_EQ(limited(h, {10, 0, 0, 1, 0, 0}).a, 2);

    h.setMinMaxScaleY(4, 8);
    EXPECT_EQ(h.touchMatrix().d, 4);
    EXPECT_EQ(h.touchMatrix().ty, 0);
}

TEST(ViewPortHandler, BoundsTestsHaveTheirTolerances) {
    ViewPortHandler h(200, 100);
    h.restrainViewPort(10, 20, 90, 40); // content (10, 20, 100, 40)
    struct Row {
        const char* what;
        bool (ViewPortHandler::*test)(double) const;
        double value;
        bool expected;
    };
    const Row rows[] = {
        {"left 9.0", &ViewPortHandler::isInBoundsLeft, 9.0, true},
        {"left 8.99", &ViewPortHandler::isInBoundsLeft, 8.99, false},
        {"right 111.0", &ViewPortHandler::isInBoundsRight, 111.0, true},
        {"right 111.009", &ViewPortHandler::isInBoundsRight, 111.009, true},
        {"right 111.01", &ViewPortHandler::isInBoundsRight, 111.01, false},
        {"top 20", &ViewPortHandler::isInBoundsTop, 20, true},
        {"top 19.999", &ViewPortHandler::isInBoundsTop, 19.999, false},
        {"bottom 60.009", &ViewPortHandler::isInBoundsBottom, 60.009, true},
        {"bottom 60.01", &ViewPortHandler::isInBoundsBottom, 60.01, false},
        {"x inside", &ViewPortHandler::isInBoundsX, 50, true},
        {"y below", &ViewPortHandler::isInBoundsY, 61, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        EXPECT_EQ((h.*r.test)(r.value), r.expected);
    }
    EXPECT_TRUE(h.isInBounds(Point{50, 30}));
    EXPECT_FALSE(h.isInBounds(50, 10));
}

TEST(ViewPortHandler, IntersectionTestsTheInfiniteLine) {
    ViewPortHandler h(200, 100);
    h.restrainViewPort(10, 20, 90, 40); // content (10, 20, 100, 40)
    EXPECT_TRUE(h.isIntersectingLine({500, 30}, {600, 30}));
    EXPECT_FALSE(h.isIntersectingLine({500, 100}, {600, 100}));
    EXPECT_TRUE(h.isIntersectingLine({50, -500}, {50, -400}));
    EXPECT_FALSE(h.isIntersectingLine({500, -500}, {500, -400}));
    // A steep line through the middle meets the bottom edge.
    EXPECT_TRUE(h.isIntersectingLine({55, 200}, {56, 220}));
    // A steep line crossing only the top edge.
    EXPECT_TRUE(h.isIntersectingLine({60, 0}, {61, -10}));
}

TEST(ViewPortHandler, ZoomState) {
    ViewPortHandler h(100, 100);
    EXPECT_TRUE(h.isFullyZoomedOut());
    EXPECT_TRUE(h.hasNoDragOffset());
    h.setMinimumScaleX(2);
    EXPECT_FALSE(h.isFullyZoomedOutX());
    EXPECT_FALSE(h.isFullyZoomedOut());
    EXPECT_FALSE(h.canZoomOutMoreX());
    EXPECT_TRUE(h.canZoomInMoreX());
    EXPECT_TRUE(h.isFullyZoomedOutY());

    h.setMaximumScaleY(1);
    EXPECT_FALSE(h.canZoomInMoreY());
    EXPECT_FALSE(h.canZoomOutMoreY());

    h.setDragOffsetY(1);
    EXPECT_FALSE(h.hasNoDragOffset());
}

TEST(ViewPortHandler, RefreshCommitsLimitsAndRedraws) {
    auto chart = kit::make<charting::NSUIView>(Rect(0, 0, 100, 50));
    chart->layer()->clearNeedsDisplay();
    ViewPortHandler h(100, 50);
    // The redraw is asked for whatever the flag says.
    const AffineTransform committed = h.refresh({2, 0, 0, 1, -150, 0}, *chart, false);
    EXPECT_EQ(committed, (AffineTransform{2, 0, 0, 1, -100, 0}));
    EXPECT_EQ(h.touchMatrix(), committed);
    EXPECT_EQ(h.scaleX(), 2);
    EXPECT_TRUE(chart->layer()->needsDisplay());

    // A zoomed and panned view comes back to scale 1 with its pan brought into range.
    h.refresh(h.resetZoom(), *chart, true);
    EXPECT_EQ(h.touchMatrix(), AffineTransform{});
    EXPECT_TRUE(h.isFullyZoomedOut());

    h.restrainViewPort(10, 5, 0, 0);
    h.refresh(h.zoom(4, 1), *chart, true);
    h.centerViewPort({30, 5}, *chart);
    EXPECT_EQ(h.touchMatrix().tx, -20);
}
