#include "kit/graphics/Path.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace kit;

namespace {
constexpr double pi = std::numbers::pi;

void expectRectNear(const Rect& a, const Rect& b, double tolerance = 1e-6) {
    EXPECT_NEAR(a.x(), b.x(), tolerance);
    EXPECT_NEAR(a.y(), b.y(), tolerance);
    EXPECT_NEAR(a.width(), b.width(), tolerance);
    EXPECT_NEAR(a.height(), b.height(), tolerance);
}
} // namespace

TEST(Path, ArcsTurnClockwiseOnScreenWithGrowingAngles) {
    // Clockwise from 0 to pi/2 on a y-down screen: from the right, through the lower right, to the bottom.
    Path cw;
    cw.arc({0, 0}, 10, 0, pi / 2, true);
    expectRectNear(cw.boundingBox(), {0, 0, 10, 10});
    EXPECT_NEAR(cw.currentPoint()->y, 10, 1e-9);
    // The other way round the same two angles covers three quarters.
    Path ccw;
    ccw.arc({0, 0}, 10, 0, pi / 2, false);
    expectRectNear(ccw.boundingBox(), {-10, -10, 20, 20});
    // Relative arcs turn by the sign of the delta, whatever the rounding of the angles.
    Path back;
    back.relativeArc({0, 0}, 10, 0, -1e-12);
    EXPECT_LT(back.boundingBox().height(), 1e-6);
    Path full;
    full.relativeArc({0, 0}, 10, 0, 7 * pi); // clamped to one turn
    expectRectNear(full.boundingBox(), {-10, -10, 20, 20});
    // A whole turn apart draws a full circle; equal angles only move there.
    Path whole;
    whole.arc({0, 0}, 10, 0, 2 * pi, true);
    expectRectNear(whole.boundingBox(), {-10, -10, 20, 20});
    Path none;
    none.arc({0, 0}, 10, pi, pi, true);
    EXPECT_EQ(none.elements().size(), 1u);
}

TEST(Path, ArcJoinsTheCurrentPointWithALine) {
    Path p;
    p.moveTo({0, 0});
    p.arc({20, 0}, 5, pi, pi * 1.5, true);
    ASSERT_GE(p.elements().size(), 3u);
    EXPECT_EQ(p.elements()[1].kind, Path::Kind::lineTo);
    EXPECT_NEAR(p.elements()[1].points[0].x, 15, 1e-9);
}

TEST(Path, BoundingBoxIsTightAroundCurves) {
    expectRectNear(Path::ellipse({10, 20, 40, 30}).boundingBox(), {10, 20, 40, 30});
    expectRectNear(Path::roundedRect({0, 0, 30, 20}, 5).boundingBox(), {0, 0, 30, 20});
    Path q;
    q.moveTo({0, 0});
    q.quadCurveTo({10, 20}, {20, 0});
    expectRectNear(q.boundingBox(), {0, 0, 20, 10}); // the apex, not the control point
    EXPECT_EQ(Path().boundingBox(), Rect());
}

TEST(Path, NonFinitePointsAreIgnored) {
    const double nan = std::nan("");
    Path p;
    p.moveTo({nan, 0});
    EXPECT_TRUE(p.isEmpty());
    p.moveTo({0, 0});
    p.lineTo({INFINITY, 0});
    p.curveTo({1, 1}, {nan, 1}, {2, 2});
    p.arc({0, 0}, nan, 0, 1, true);
    p.addRect({0, 0, nan, 1});
    p.addEllipse({nan, 0, 1, 1});
    p.lineTo({5, 5});
    EXPECT_EQ(p.elements().size(), 2u);
    expectRectNear(p.boundingBox(), {0, 0, 5, 5});
}

TEST(Path, ContainsFollowsTheFillRule) {
    Path p;
    p.addRect({0, 0, 40, 40});
    p.addRect({10, 10, 20, 20});
    struct Case { Point at; bool nonZero, evenOdd; };
    for (const Case c : {Case{{5, 5}, true, true}, Case{{20, 20}, true, false}, Case{{50, 5}, false, false}}) {
        EXPECT_EQ(p.contains(c.at), c.nonZero) << c.at.x;
        EXPECT_EQ(p.contains(c.at, true), c.evenOdd) << c.at.x;
    }
    const Path circle = Path::ellipse({0, 0, 20, 20});
    EXPECT_TRUE(circle.contains({10, 10}));
    EXPECT_FALSE(circle.contains({1, 1}));
    // An open subpath counts as closed for filling.
    Path open;
    open.addLines({{0, 0}, {10, 0}, {10, 10}});
    EXPECT_TRUE(open.contains({8, 2}));
}

TEST(Path, TransformedMapsEveryPoint) {
    const Path p = Path::rect({0, 0, 10, 5}).transformed(AffineTransform::translation(3, 4).scaled(2, 2));
    expectRectNear(p.boundingBox(), {3, 4, 20, 10});
    const Path r = Path::rect({0, 0, 10, 5}).transformed(AffineTransform::rotation(pi / 2));
    expectRectNear(r.boundingBox(), {-5, 0, 5, 10});
}
