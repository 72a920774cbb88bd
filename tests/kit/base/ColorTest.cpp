#include "kit/base/Color.h"

#include <gtest/gtest.h>

using kit::Color;

TEST(Color, GreyKeepsTwoComponents) {
    EXPECT_EQ(Color::grayColor().components().size(), 2u);
    EXPECT_EQ(Color::rgba(0.5, 0.5, 0.5).components().size(), 4u);
    EXPECT_EQ(Color::grayColor(), Color::rgba(0.5, 0.5, 0.5));
    EXPECT_EQ(Color::grayColor().hash(), Color::rgba(0.5, 0.5, 0.5).hash());
}

TEST(Color, HsbRoundTripsAndWrapsHue) {
    struct Case { double h, s, b; };
    for (Case c : {Case{0, 1, 1}, Case{0.25, 0.5, 0.75}, Case{0.5, 1, 0.2}, Case{0.9, 0.3, 1}}) {
        const auto hsba = Color::hsb(c.h, c.s, c.b).hsba();
        EXPECT_NEAR(hsba.hue, c.h, 1e-12);
        EXPECT_NEAR(hsba.saturation, c.s, 1e-12);
        EXPECT_NEAR(hsba.brightness, c.b, 1e-12);
    }
    // Hues above one turn wrap instead of clamping to red.
    EXPECT_EQ(Color::hsb(1.25, 1, 1), Color::hsb(0.25, 1, 1));
    EXPECT_EQ(Color::hsb(-0.75, 1, 1), Color::hsb(0.25, 1, 1));
    EXPECT_EQ(Color::grayColor().hsba().hue, 0);
    EXPECT_EQ(Color::grayColor().hsba().saturation, 0);
}
