#include "colour/library/ColorGradient.h"
#include "colour/library/DerivedColors.h"

#include <gtest/gtest.h>

using namespace colour;
using kit::Color;

namespace {
void expectRgba(const Color& c, double r, double g, double b, double a, double tol = 1e-9) {
    EXPECT_NEAR(c.red(), r, tol);
    EXPECT_NEAR(c.green(), g, tol);
    EXPECT_NEAR(c.blue(), b, tol);
    EXPECT_NEAR(c.alpha(), a, tol);
}
const Color red = Color::rgba(1, 0, 0), blue = Color::rgba(0, 0, 1);
} // namespace

TEST(HslAdjustments, HueLightnessAndSaturation) {
    expectRgba(complemented(red), 0, 1, 1, 1);
    EXPECT_NEAR(hslHueDegrees(adjustedHue(red, -30)), 330, 1e-9);
    expectRgba(lighter(initWithHsla(0, 1, 0.9, 1), 0.2), 1, 1, 1, 1);
    expectRgba(darker(Color::rgba(0.3, 0.6, 0.9, 0.4), 2), 0, 0, 0, 0.4);
    EXPECT_NEAR(hslaComponents(desaturated(red, 0.25)).saturation, 0.75, 1e-9);
    EXPECT_NEAR(hslaComponents(saturated(Color::rgba(0.75, 0.25, 0.25), 9)).saturation, 1, 1e-9);
}

TEST(Grayscaled, EachModeGivesItsLevel) {
    struct Case { GrayscalingMode mode; double level; };
    const Color c = Color::rgba(1, 0, 0, 0.7);
    for (Case k : {Case{GrayscalingMode::luminance, 0.299}, Case{GrayscalingMode::lightness, 0.5},
                   Case{GrayscalingMode::average, 1.0 / 3}, Case{GrayscalingMode::value, 1}}) {
        expectRgba(grayscaled(c, k.mode), k.level, k.level, k.level, 0.7);
        expectRgba(grayscaled(Color::rgba(1, 1, 1), k.mode), 1, 1, 1, 1);
    }
}

TEST(SimpleDerivations, InvertAlphaTintShade) {
    expectRgba(inverted(Color::rgba(0.2, 0.5, 1, 0.3)), 0.8, 0.5, 0, 0.3);
    expectRgba(adjustedAlpha(Color::rgba(0.2, 0.5, 1, 0.3), 0.9), 0.2, 0.5, 1, 1);
    expectRgba(tinted(Color::rgba(0.2, 0.4, 0.6, 0.5), 0.5), 0.6, 0.7, 0.8, 0.75);
    expectRgba(shaded(Color::rgba(0.2, 0.4, 0.6, 0.5), 0.5), 0.1, 0.2, 0.3, 0.75);
    expectRgba(shaded(Color::rgba(0.2, 0.4, 0.6, 0.5), 3), 0, 0, 0, 1);
}

TEST(Mixed, FourSpaces) {
    expectRgba(mixed(red, blue, 0.5, MixingSpace::rgb), 0.5, 0, 0.5, 1);
    expectRgba(mixed(red, blue.withAlpha(0), 7, MixingSpace::rgb), 0, 0, 1, 0);
    expectRgba(mixed(red, blue, -1, MixingSpace::hsl), 1, 0, 0, 1);
    // Hue 10 and 350 degrees: a quarter of the way is 5 degrees, the short way through 0.
    const Color mix = mixed(initWithHsla(10, 1, 0.5, 1), initWithHsla(350, 1, 0.5, 1), 0.25, MixingSpace::hsl);
    EXPECT_NEAR(hslHueDegrees(mix), 5, 1e-9);
    const Color back = mixed(initWithHsla(350, 1, 0.5, 1), initWithHsla(10, 1, 0.5, 1), 0.25, MixingSpace::hsl);
    EXPECT_NEAR(hslHueDegrees(back), 355, 1e-9);
    // In hsb the hue fractions blend straight: red to blue through magenta-free violet-blue.
    const Color hsb = mixed(red, blue, 0.5, MixingSpace::hsb);
    EXPECT_NEAR(hue(hsb), 1.0 / 3, 1e-9);
    EXPECT_NEAR(brightness(hsb), 1, 1e-9);
    const Color lab = mixed(Color::rgba(1, 1, 1), Color::rgba(0, 0, 0), 0.5, MixingSpace::lab);
    EXPECT_NEAR(labComponents(lab).l, 50, 0.05); // three-decimal channels on the way back
    EXPECT_NEAR(lab.red(), lab.blue(), 0.002);
    expectRgba(mixed(red, blue, 0, MixingSpace::lab), 1, 0, 0, 1, 0.002);
}

TEST(Contrast, LuminanceRatiosAndContexts) {
    const Color black = Color::rgba(0, 0, 0), white = Color::rgba(1, 1, 1);
    EXPECT_NEAR(contrastRatio(black, white), 21, 1e-12);
    EXPECT_NEAR(contrastRatio(white, black), 21, 1e-12);
    EXPECT_DOUBLE_EQ(contrastRatio(red, red), 1);
    EXPECT_NEAR(luminance(red), 0.2126, 1e-12);
    EXPECT_TRUE(isLight(white));
    EXPECT_FALSE(isLight(blue));
    EXPECT_TRUE(isLight(Color::rgba(0.5, 0.5, 0.5)));
    struct Case { ContrastDisplayContext context; double threshold; };
    for (Case c : {Case{ContrastDisplayContext::standard, 4.5}, Case{ContrastDisplayContext::standardLargeText, 3},
                   Case{ContrastDisplayContext::enhanced, 7}, Case{ContrastDisplayContext::enhancedLargeText, 4.5}}) {
        EXPECT_EQ(minimumContrastRatio(c.context), c.threshold);
        EXPECT_TRUE(isContrasting(black, white, c.context));
        EXPECT_FALSE(isContrasting(red, red, c.context));
    }
    // Strictly greater: a grey on white just above and at about 4.5.
    const Color grey = Color::gray(0.46);
    EXPECT_EQ(isContrasting(grey, white, ContrastDisplayContext::standard), contrastRatio(grey, white) > 4.5);
}

TEST(ColorGradient, PicksAndPalettes) {
    const ColorGradient g({red, blue});
    expectRgba(g.pickColorAt(0.5, MixingSpace::rgb), 0.5, 0, 0.5, 1);
    expectRgba(g.pickColorAt(-3, MixingSpace::rgb), 1, 0, 0, 1);
    expectRgba(g.pickColorAt(3, MixingSpace::rgb), 0, 0, 1, 1);
    const auto palette = g.colorPalette(3, MixingSpace::rgb);
    ASSERT_EQ(palette.size(), 3u);
    expectRgba(palette[0], 1, 0, 0, 1);
    expectRgba(palette[1], 0.5, 0, 0.5, 1);
    expectRgba(palette[2], 0, 0, 1, 1);

    const ColorGradient three({red, Color::rgba(0, 1, 0), blue});
    expectRgba(three.pickColorAt(0.75, MixingSpace::rgb), 0, 0.5, 0.5, 1);
    expectRgba(three.pickColorAt(0.25, MixingSpace::rgb), 0.5, 0.5, 0, 1);

    expectRgba(ColorGradient({}).pickColorAt(0.5, MixingSpace::rgb), 0, 0, 0, 1);
    EXPECT_EQ(ColorGradient({blue}).pickColorAt(0.2, MixingSpace::hsl), blue);
    EXPECT_TRUE(ColorGradient({}).colorPalette(4, MixingSpace::rgb).empty());
    EXPECT_TRUE(g.colorPalette(0, MixingSpace::rgb).empty());
    EXPECT_EQ(ColorGradient({blue}).colorPalette(3, MixingSpace::rgb), std::vector<Color>(3, blue));
    EXPECT_EQ(g.colorPalette(1, MixingSpace::rgb), std::vector<Color>{red}); // no division by zero
}
