// Black or white over a colour: the brightness rule where it reads well, else the stronger of the
// two (dark reds, which the rule calls bright), less translucent where even that falls short.
#include "colour/ContrastingTint.h"
#include "colour/HexText.h"

#include <gtest/gtest.h>

namespace {

using kit::Color;

TEST(ContrastingTint, TakesTheStrongerOfBlackAndWhiteWhereBrightnessFallsShort) {
    struct Case {
        const char* hex;
        bool black;
        double alpha;
    };
    const Case cases[] = {
        {"990000", false, 0.7}, {"8B0000", false, 0.7}, {"800000", false, 0.7},  // bright by brightness, dark to the eye
        {"FFFF50", true, 0.7},  {"FFFFFF", true, 0.7},  {"87CEEB", true, 0.7},   // light
        {"000000", false, 0.7}, {"1A237E", false, 0.7}, {"00008B", false, 0.7},  // dark
        {"FF0000", true, 0.8},  {"777777", true, 0.95},                           // mid-tones: more opaque
    };
    for (const auto& c : cases) {
        const auto background = colour::colorFromHex(c.hex);
        const auto tint = colour::contrastingTint(background);
        EXPECT_EQ(tint.withAlpha(1), c.black ? Color::hsb(0, 0, 0) : Color::hsb(0, 0, 1)) << c.hex;
        EXPECT_NEAR(tint.alpha(), c.alpha, 1e-9) << c.hex;
    }
}

TEST(ContrastingTint, EveryColourGetsTheReadableRatio) {
    for (int r = 0; r <= 255; r += 51)
        for (int g = 0; g <= 255; g += 51)
            for (int b = 0; b <= 255; b += 51) {
                const auto background = Color::rgba(r / 255.0, g / 255.0, b / 255.0);
                EXPECT_GE(colour::contrastOver(colour::contrastingTint(background), background), colour::readableContrastRatio)
                    << r << " " << g << " " << b;
            }
}

TEST(ContrastingTint, MeasuresATranslucentTintAsItIsSeen) {
    const auto darkRed = colour::colorFromHex("8B0000");
    EXPECT_NEAR(colour::contrastOver(Color::hsb(0, 0, 0, 0.7), darkRed), 1.9, 0.05);
    EXPECT_NEAR(colour::contrastOver(Color::hsb(0, 0, 0, 1), darkRed), 2.1, 0.05);
    EXPECT_NEAR(colour::contrastOver(Color::hsb(0, 0, 1, 1), Color::blackColor()), 21, 1e-9);
}

} // namespace
