#include "charting/core/Transformer.h"

#include <gtest/gtest.h>

#include <memory>

using namespace charting;
using kit::Point;
using kit::Rect;

namespace {

// Chart 250 x 150, margins 10/20/40/30: content (10, 20, 200, 100); x 0...10, y 0...50.
std::shared_ptr<ViewPortHandler> exampleViewPort() {
    auto vp = std::make_shared<ViewPortHandler>(250, 150);
    vp->restrainViewPort(10, 20, 40, 30);
    return vp;
}

template <class T = Transformer>
T prepared(const std::shared_ptr<ViewPortHandler>& vp, bool inverted, double dx = 10) {
    T t(vp);
    t.prepareMatrixValuePx(0, dx, 50, 0);
    t.prepareMatrixOffset(inverted);
    return t;
}

} // namespace

TEST(Transformer, MapsValuesOntoTheContentRectangle) {
    auto vp = exampleViewPort();
    Transformer t = prepared(vp, false);
    EXPECT_EQ(t.pixelForValues(5, 25), (Point{110, 70}));
    EXPECT_EQ(t.pixelForValues(0, 0), (Point{10, 120}));
    EXPECT_EQ(t.pixelForValues(10, 50), (Point{210, 20}));
    EXPECT_EQ(t.valueForTouchPoint(110, 70), (Point{5, 25}));

    Transformer inverted = prepared(vp, true);
    EXPECT_EQ(inverted.pixelForValues(0, 0), (Point{10, 20}));
    EXPECT_EQ(inverted.pixelForValues(10, 50), (Point{210, 120}));

    auto horizontal = prepared<TransformerHorizontalBarChart>(vp, true);
    EXPECT_EQ(horizontal.pixelForValues(0, 0), (Point{210, 120}));
    auto horizontalPlain = prepared<TransformerHorizontalBarChart>(vp, false);
    EXPECT_EQ(horizontalPlain.pixelForValues(0, 0), (Point{10, 120}));

    // The live touch matrix takes part without re-preparing.
    vp->setTouchMatrix(kit::AffineTransform::scale(2, 2));
    EXPECT_EQ(t.pixelForValues(5, 25), (Point{210, 20}));
}

TEST(Transformer, ZeroRangeGivesASingularMatrixThatIsNotInverted) {
    auto vp = exampleViewPort();
    Transformer t = prepared(vp, false, 0);
    EXPECT_EQ(t.matrixValueToPx().a, 0);
    EXPECT_EQ(t.pixelForValues(7, 0).x, 10);
    EXPECT_EQ(t.pixelToValueMatrix(), t.valueToPixelMatrix());
    EXPECT_EQ(t.valueForTouchPoint(Point{3, 0}), t.pixelForValues(3, 0));
}

TEST(Transformer, RectanglesListsAndPhases) {
    auto vp = exampleViewPort();
    Transformer t = prepared(vp, false);
    Rect r{1, 0, 1, 10};
    t.convertRectToPixels(r);
    EXPECT_EQ(r, Rect(30, 100, 20, 20));

    Rect bar{1, 0, 1, 10};
    t.convertRectToPixels(bar, 0.0);
    EXPECT_EQ(bar, Rect(30, 120, 20, 0));
    Rect full{1, 0, 1, 10};
    t.convertRectToPixels(full, 1.0);
    EXPECT_EQ(full, r);
    Rect half{2, 1, 4, 1};
    t.convertHorizontalRectToPixels(half, 0.5);
    EXPECT_EQ(half, Rect(30, 116, 40, 2));

    std::vector<Point> points{{0, 0}, {5, 25}};
    t.convertPointsToPixels(points);
    EXPECT_EQ(points, (std::vector<Point>{{10, 120}, {110, 70}}));
    t.convertPixelsToValues(points);
    EXPECT_EQ(points, (std::vector<Point>{{0, 0}, {5, 25}}));
    std::vector<Rect> rects{{1, 0, 1, 10}};
    t.convertRectsToPixels(rects);
    EXPECT_EQ(rects.front(), r);
    std::vector<Point> none;
    t.convertPointsToPixels(none);
    EXPECT_TRUE(none.empty());
}
