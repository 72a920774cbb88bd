#include "charting/core/ChartEasing.h"

#include <gtest/gtest.h>

#include <cmath>

using charting::ChartEasingOption;

namespace {

struct Curve {
    int raw;
    double atHalf; // phase at t = d / 2 (d = 2)
};

// Phase at the half-way point of every curve, computed by hand from the curve definitions.
const Curve curves[] = {
    {0, 0.5},
    {1, 0.25},
    {2, 0.75},
    {3, 0.5},
    {4, 0.125},
    {5, 0.875},
    {6, 0.5},
    {7, 0.0625},
    {8, 0.9375},
    {9, 0.5},
    {10, 0.03125},
    {11, 0.96875},
    {12, 0.5},
    {13, 1 - std::cos(0.5 * 1.5707963267948966)},
    {14, std::sin(0.5 * 1.5707963267948966)},
    {15, 0.5},
    {16, std::pow(2.0, -5.0)},
    {17, 1 - std::pow(2.0, -5.0)},
    {18, 0.5},
    {19, 1 - std::sqrt(0.75)},
    {20, std::sqrt(0.75)},
    {21, 0.5},
    // Elastic in/out at u = 0.5 (d = 2): p = 0.6, s = 0.15.
    {22, -(std::pow(2.0, -5.0) * std::sin((-0.5 * 2 - 0.15) * 6.283185307179586 / 0.6))},
    {23, std::pow(2.0, -5.0) * std::sin((0.5 * 2 - 0.15) * 6.283185307179586 / 0.6) + 1},
    {24, 0.5 * std::sin(-0.225 * 6.283185307179586 / 0.9) + 1}, // w = 0, p = 0.9, s = 0.225
    {25, 0.25 * (2.70158 * 0.5 - 1.70158)},
    {26, 0.25 * (2.70158 * -0.5 + 1.70158) + 1},
    {27, 0.5 * ((3.5949095 * -1 + 2.5949095) + 2)}, // h = 1 takes the second branch, v = -1
    {28, 1 - (7.5625 * (0.5 - 0.5454545454545454) * (0.5 - 0.5454545454545454) + 0.75)},
    {29, 7.5625 * (0.5 - 0.5454545454545454) * (0.5 - 0.5454545454545454) + 0.75},
    {30, 0.5 * (7.5625 * 0 * 0) + 0.5},
};

} // namespace

TEST(ChartEasing, EveryCurveRunsFromZeroToOneAndMatchesItsMidpoint) {
    ASSERT_EQ(std::size(curves), 31u);
    for (const Curve& c : curves) {
        SCOPED_TRACE(c.raw);
        auto option = charting::easingOptionFromRaw(c.raw);
        ASSERT_TRUE(option.has_value());
        auto f = charting::easingFunctionFromOption(*option);
        EXPECT_NEAR(f(0, 2), 0.0, 1e-12);
        EXPECT_NEAR(f(2, 2), 1.0, 1e-12);
        EXPECT_NEAR(f(1, 2), c.atHalf, 1e-12);
    }
}

TEST(ChartEasing, ExactEndsAndCharacteristicValues) {
    auto curve = [](ChartEasingOption o) { return charting::easingFunctionFromOption(o); };
    // Exact branches, not just close: the formula alone would give 2^-10 at t = 0.
    EXPECT_EQ(curve(ChartEasingOption::easeInExpo)(0, 3), 0.0);
    EXPECT_EQ(curve(ChartEasingOption::easeOutExpo)(3, 3), 1.0);
    EXPECT_EQ(curve(ChartEasingOption::easeInOutExpo)(0, 3), 0.0);
    EXPECT_EQ(curve(ChartEasingOption::easeInOutElastic)(3, 3), 1.0);
    EXPECT_NEAR(curve(ChartEasingOption::easeInOutSine)(1.5, 3), 0.5, 1e-15);
    EXPECT_EQ(curve(ChartEasingOption::easeInBounce)(0, 3), 0.0);
    EXPECT_EQ(curve(ChartEasingOption::easeOutBounce)(3, 3),
              7.5625 * (1 - 0.9545454545454546) * (1 - 0.9545454545454546) + 0.984375);
    // Back curves leave [0, 1] on their way.
    EXPECT_NEAR(curve(ChartEasingOption::easeInBack)(0.2, 1), -0.0465, 1e-4);
    EXPECT_GT(curve(ChartEasingOption::easeOutBack)(0.8, 1), 1.0);
}

TEST(ChartEasing, RawValuesOutsideTheTableGiveNoOption) {
    EXPECT_EQ(charting::easingOptionFromRaw(0), ChartEasingOption::linear);
    EXPECT_EQ(charting::easingOptionFromRaw(15), ChartEasingOption::easeInOutSine);
    EXPECT_EQ(charting::easingOptionFromRaw(30), ChartEasingOption::easeInOutBounce);
    EXPECT_FALSE(charting::easingOptionFromRaw(31).has_value());
    EXPECT_FALSE(charting::easingOptionFromRaw(-1).has_value());
}

TEST(ChartEasingDeathTest, UncheckedRawValueStops) {
    EXPECT_DEATH(charting::easingFunctionFromOption(static_cast<ChartEasingOption>(31)),
                 "31 is not a ChartEasingOption");
}
