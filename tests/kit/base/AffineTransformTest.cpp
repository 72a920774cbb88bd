#include "kit/base/AffineTransform.h"

#include <gtest/gtest.h>
#include <numbers>

using kit::AffineTransform;
using kit::Point;

TEST(AffineTransform, PositiveRotationTurnsClockwiseOnAYDownScreen) {
    const Point p = AffineTransform::rotation(std::numbers::pi / 2).apply(Point{1, 0});
    EXPECT_NEAR(p.x, 0, 1e-12);
    EXPECT_NEAR(p.y, 1, 1e-12); // +x turns toward +y, which is down
}

TEST(AffineTransform, ConcatAppliesLeftThenRightAndInverts) {
    const auto t = AffineTransform::scale(2, 3).concat(AffineTransform::translation(10, 20));
    EXPECT_EQ(t.apply(Point{1, 1}), (Point{12, 23}));
    const Point back = t.inverted().apply(Point{12, 23});
    EXPECT_NEAR(back.x, 1, 1e-12);
    EXPECT_NEAR(back.y, 1, 1e-12);
    EXPECT_TRUE(AffineTransform::scale(0, 1).inverted().isIdentity());
}
