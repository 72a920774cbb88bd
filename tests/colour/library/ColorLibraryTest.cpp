#include "colour/library/ColorLibrary.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace colour;
using kit::Color;

namespace {
void expectRgba(const Color& c, double r, double g, double b, double a, double tol = 1e-12) {
    EXPECT_NEAR(c.red(), r, tol);
    EXPECT_NEAR(c.green(), g, tol);
    EXPECT_NEAR(c.blue(), b, tol);
    EXPECT_NEAR(c.alpha(), a, tol);
}
} // namespace

TEST(InitWithHexString, SixDigitsOrAlphaByLength) {
    struct Case { const char* text; double r, g, b, a; };
    const Case cases[] = {
        {"#FF4050", 1, 0x40 / 255.0, 0x50 / 255.0, 1},
        {"  ff4050 ", 1, 0x40 / 255.0, 0x50 / 255.0, 1},
        {"FF405080", 1, 0x40 / 255.0, 0x50 / 255.0, 0x80 / 255.0},
        {"#FF405080", 1, 0x40 / 255.0, 0x50 / 255.0, 0x80 / 255.0},
        {"xyz", 0, 0, 0, 1},
        {"", 0, 0, 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        expectRgba(initWithHexString(c.text), c.r, c.g, c.b, c.a);
    }
}

TEST(InitWithHexAndRgba, CapAndClamp) {
    expectRgba(initWithHex(0x1FFFFFF, false), 1, 1, 1, 1);
    expectRgba(initWithHex(0x11223344, true), 0x11 / 255.0, 0x22 / 255.0, 0x33 / 255.0, 0x44 / 255.0);
    expectRgba(initWithRgba(300, -5, 128, 255), 1, 0, 128 / 255.0, 1);
    expectRgba(initWithRgba(0, 0, 0, 1), 0, 0, 0, 1 / 255.0);
}

TEST(PackedValues, RoundedChannelsInTheirBytes) {
    const Color red = Color::rgba(1, 0, 0, 1);
    EXPECT_EQ(hexValue(red), 0xFF0000u);
    EXPECT_EQ(rgbaValue(red), 0xFF0000FFu);
    EXPECT_EQ(abgrValue(red), 0xFF0000FFu);
    EXPECT_EQ(abgrValue(Color::rgba(0, 0, 1, 0)), 0x00FF0000u);
    EXPECT_EQ(hexCodeString(Color::rgba(1, 0.5, 0)), "#ff8000"); // rounds where hexString truncates
    EXPECT_EQ(hexCodeString(Color::rgba(0, 0, 0)), "#000000");
    EXPECT_EQ(hexValue(Color::rgba(1.5, -0.5, 0.2)), 0xFF0033u); // no spill into the neighbour byte
    EXPECT_TRUE(hasHexCodeString(red, "#ff0000"));
    EXPECT_FALSE(hasHexCodeString(red, "#FF0000"));
    EXPECT_TRUE(hasHexValue(red, 0xFF0000));
}

TEST(HslaComponents, PrimariesAndGrey) {
    struct Case { Color color; double h, s, l; };
    const Case cases[] = {
        {Color::rgba(1, 0, 0), 0, 1, 0.5},
        {Color::rgba(0, 0, 1), 4.0 / 6, 1, 0.5},
        {Color::rgba(0, 1, 0), 2.0 / 6, 1, 0.5},
        {Color::rgba(1, 0, 1), 5.0 / 6, 1, 0.5}, // red max with green < blue wraps up
        {Color::gray(0.5, 0.3), 0, 0, 0.5},
        {Color::rgba(0.75, 0.25, 0.25), 0, 0.5, 0.5},
    };
    for (const Case& c : cases) {
        const HSLA v = hslaComponents(c.color);
        EXPECT_NEAR(v.hue, c.h, 1e-12);
        EXPECT_NEAR(v.saturation, c.s, 1e-12);
        EXPECT_NEAR(v.lightness, c.l, 1e-12);
        EXPECT_EQ(v.alpha, c.color.alpha());
    }
    EXPECT_NEAR(hslHueDegrees(Color::rgba(0, 0, 1)), 240, 1e-9);
}

TEST(InitWithHsla, WrapsHueAndRoundTrips) {
    expectRgba(initWithHsla(120, 1, 0.5, 1), 0, 1, 0, 1);
    expectRgba(initWithHsla(480, 1, 0.5, 1), 0, 1, 0, 1);
    expectRgba(initWithHsla(-120, 1, 0.5, 1), 0, 0, 1, 1);
    expectRgba(initWithHsla(0, 2, -1, 5), 0, 0, 0, 1);
    for (const Color& c : {Color::rgba(0.2, 0.4, 0.6, 0.5), Color::rgba(0.9, 0.1, 0.3), Color::rgba(0.3, 0.3, 0.31)}) {
        const HSLA v = hslaComponents(c);
        expectRgba(initWithHsla(v.hue * 360, v.saturation, v.lightness, v.alpha), c.red(), c.green(), c.blue(),
                   c.alpha(), 1e-9);
    }
}

TEST(XyzAndLab, WhiteBlackAndRoundTrips) {
    const XYZ white = xyzComponents(Color::rgba(1, 1, 1));
    EXPECT_NEAR(white.x, 95.05, 0.001);
    EXPECT_NEAR(white.y, 100, 0.001);
    EXPECT_NEAR(white.z, 108.9, 0.001);
    const Lab lab = labComponents(Color::rgba(1, 1, 1));
    EXPECT_NEAR(lab.l, 100, 0.002);
    EXPECT_NEAR(lab.a, 0, 0.01);
    EXPECT_NEAR(lab.b, 0, 0.01);
    expectRgba(initWithLab(100, 0, 0, 1), 1, 1, 1, 1, 0.0011);
    expectRgba(initWithLab(0, 0, 0, 0.5), 0, 0, 0, 0.5);
    // Three-decimal rounding on both sides keeps round trips within a few thousandths.
    for (const Color& c : {Color::rgba(1, 0.25, 0.31), Color::rgba(0.1, 0.6, 0.3), Color::rgba(0.5, 0.5, 0.9)}) {
        const XYZ x = xyzComponents(c);
        expectRgba(initWithXyz(x.x, x.y, x.z, 1), c.red(), c.green(), c.blue(), 1, 0.002);
        const Lab l = labComponents(c);
        expectRgba(initWithLab(l.l, l.a, l.b, 1), c.red(), c.green(), c.blue(), 1, 0.002);
    }
    EXPECT_EQ(xyzComponents(Color::rgba(0.123456, 0.5, 0.9)).y * 1000,
              std::round(xyzComponents(Color::rgba(0.123456, 0.5, 0.9)).y * 1000));
}

TEST(HueToRgb, KeepsTheNarrowedThirdBand) {
    EXPECT_DOUBLE_EQ(hueToRgb(0, 1, 0.1), 0.6000000000000001);
    EXPECT_DOUBLE_EQ(hueToRgb(0, 1, 0.4), 1);
    EXPECT_DOUBLE_EQ(hueToRgb(0, 1, 1.1), hueToRgb(0, 1, 0.1));
    // 3h < 1.9999, not 2: a hue just under 2/3 already gives m1.
    EXPECT_DOUBLE_EQ(hueToRgb(0.2, 1, 0.66664), 0.2);
    EXPECT_NEAR(hueToRgb(0.2, 1, 0.6), 0.2 + 0.8 * (2.0 / 3 - 0.6) * 6, 1e-12);
}

TEST(ComponentReaders, ReadTheColour) {
    const Color c = Color::rgba(0.1, 0.2, 0.4, 0.8);
    EXPECT_EQ(redComponent(c), 0.1);
    EXPECT_EQ(greenComponent(c), 0.2);
    EXPECT_EQ(blueComponent(c), 0.4);
    EXPECT_EQ(alphaComponent(c), 0.8);
    EXPECT_NEAR(hue(c), 220.0 / 360, 1e-12);
    EXPECT_NEAR(saturation(c), 0.75, 1e-12);
    EXPECT_NEAR(brightness(c), 0.4, 1e-12);
    EXPECT_EQ(hsbValues(c).hue, hue(c));
}
