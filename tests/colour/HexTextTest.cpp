#include "colour/HexText.h"
#include "colour/ThemeColors.h"
#include "kit/base/Console.h"
#include "wheels/digital/Mode.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <numbers>

using colour::blendColors;
using colour::colorFromHex;
using colour::hexString;
using colour::initWithHexRgba;
using colour::isNear;
using kit::Color;

namespace {
void expectRgba(const Color& c, double r, double g, double b, double a, const std::string& label = "") {
    EXPECT_NEAR(c.red(), r, 1e-12) << label;
    EXPECT_NEAR(c.green(), g, 1e-12) << label;
    EXPECT_NEAR(c.blue(), b, 1e-12) << label;
    EXPECT_NEAR(c.alpha(), a, 1e-12) << label;
}
std::string codeText(std::uint32_t code) {
    char text[8];
    std::snprintf(text, sizeof text, "%06X", static_cast<unsigned>(code));
    return text;
}
} // namespace

TEST(HexString, TruncatesChannelsAndReadsGreysByTheirWhite) {
    struct Case { Color color; const char* hex; };
    const Case cases[] = {
        {Color::rgba(1, 0.5, 0), "FF7F00"},           // 127.5 truncates to 127
        {Color::grayColor(), "7F7F7F"},               // two-component grey
        {Color::rgba(0.999, 0, 1), "FE00FF"},         // 254.7 truncates to FE
        {Color::rgba(1, 0x40 / 255.0, 0x50 / 255.0, 0.3), "FF4050"}, // alpha ignored
        {Color::rgba(1.5, -0.2, NAN), "FF0000"},      // out of range clamps
        {Color::blackColor(), "000000"},
    };
    for (const Case& c : cases) EXPECT_EQ(hexString(c.color), c.hex) << c.hex;
    EXPECT_EQ(colour::hexStringWithHash(Color::rgba(1, 0.5, 0)), "#FF7F00");
}

// The digital wheel keeps a typed colour as a single-precision angle and two single-precision
// sliders, and colours its handle from them again.
TEST(HexString, EveryCodeComesBackThroughTheWheelsHueSaturationAndBrightness) {
    constexpr double twoPi = 2 * std::numbers::pi;
    for (std::uint32_t code = 0; code <= 0xFFFFFF; code += 61) { // a dense sample; every byte in every channel
        const Color typed = colorFromHex(codeText(code));
        const auto hsb = colour::hsbComponents(typed);
        const float angle = static_cast<float>(twoPi * hsb.hue);
        const Color shown = wheels::harmonyColor(angle / twoPi, static_cast<float>(hsb.saturation),
                                                 static_cast<float>(hsb.brightness), false);
        ASSERT_EQ(hexString(shown), codeText(code));
    }
}

TEST(HexString, ClassicWheelCornersAreExactAtTheirHarmonyAngles) {
    constexpr double twoPi = 2 * std::numbers::pi;
    // From red at angle 0, the square and triad companions stand on the painter's corners.
    const auto square = wheels::companionAngles(wheels::Mode::square, 0, 0);
    const auto triad = wheels::companionAngles(wheels::Mode::triad, 0, 0);
    struct Case { float angle; const char* hex; };
    const Case cases[] = {{0, "FF0000"}, {*triad[0], "FFFF00"}, {*square[1], "00A833"}, {*triad[1], "295F99"}};
    for (const Case& c : cases) EXPECT_EQ(hexString(wheels::harmonyColor(c.angle / twoPi, 1, 1, true)), c.hex) << c.angle;
}

TEST(ColorFromHex, ParsesSixDigitsAndFallsBackToGrey) {
    expectRgba(colorFromHex("  #ff4050\n"), 1, 0x40 / 255.0, 0x50 / 255.0, 1);
    expectRgba(colorFromHex("A0b1C2"), 0xA0 / 255.0, 0xB1 / 255.0, 0xC2 / 255.0, 1);
    for (const char* bad : {"#FF405", "GG4050", "", "##FF4050", "FF 405", "0xFF40"}) {
        const Color c = colorFromHex(bad);
        EXPECT_EQ(c, Color::grayColor()) << bad;
        EXPECT_TRUE(c.isGray()) << bad;
    }
    // Round trip of every stored text.
    for (const char* hex : {"000000", "FFFFFF", "7F7F7F", "12AB34"}) EXPECT_EQ(hexString(colorFromHex(hex)), hex);
}

TEST(InitWithHexRgba, LengthDecidesTheLayout) {
    struct Case { const char* text; bool ok; double r, g, b, a; };
    const Case cases[] = {
        {"#FF405080", true, 1, 0x40 / 255.0, 0x50 / 255.0, 0x80 / 255.0},
        {" FF4050 ", true, 1, 0x40 / 255.0, 0x50 / 255.0, 1},
        {"##FF4050", true, 1, 0x40 / 255.0, 0x50 / 255.0, 1}, // every "#" goes
        {"12345G", true, 0x01 / 255.0, 0x23 / 255.0, 0x45 / 255.0, 1}, // leading digits only, length 6
        {"ABCDEé", true, 0x0A / 255.0, 0xBC / 255.0, 0xDE / 255.0, 1}, // six characters, seven bytes
        {"FF40508", false, 0, 0, 0, 0},                         // seven characters
        {"XYZXYZ", false, 0, 0, 0, 0},                          // nothing to scan
        {"FF40", false, 0, 0, 0, 0},
        {"", false, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        const auto color = initWithHexRgba(c.text);
        ASSERT_EQ(color.has_value(), c.ok) << c.text;
        if (c.ok) expectRgba(*color, c.r, c.g, c.b, c.a, c.text);
    }
}

TEST(IsValidHexColor, RejectsNonHexAndPureWhiteOrBlackWithAConsoleLine) {
    struct Case { const char* text; bool valid; const char* line; };
    const Case cases[] = {
        {"#FF4050", true, nullptr}, {"ff4050", true, nullptr},
        {"#FFFFFF", false, "white or black"}, {"ffffff", false, "white or black"},
        {"000000", false, "white or black"},
        {"#FF40", false, "not hex"}, {"FF4050 ", false, "not hex"}, {"##FF4050", false, "not hex"},
        {"", false, "not hex"},
    };
    for (const Case& c : cases) {
        kit::ConsoleCapture console;
        EXPECT_EQ(colour::isValidHexColor(c.text), c.valid) << c.text;
        if (c.line) EXPECT_EQ(console.lines(), std::vector<std::string>{c.line}) << c.text;
        else EXPECT_TRUE(console.lines().empty()) << c.text;
    }
}

TEST(IsExcludedHexColor, InvalidOrNearTheGreyRamp) {
    kit::ConsoleCapture quiet;
    EXPECT_TRUE(colour::isExcludedHexColor("808080"));  // within 0.06 of 140/255
    EXPECT_TRUE(colour::isExcludedHexColor("BBBBBB"));  // the near-grey step
    EXPECT_TRUE(colour::isExcludedHexColor("FFFFFF"));  // invalid
    EXPECT_TRUE(colour::isExcludedHexColor("nope"));
    EXPECT_FALSE(colour::isExcludedHexColor("FF4050"));
    EXPECT_FALSE(colour::isExcludedHexColor("#4060A0"));
}

TEST(GreyRampAndThemeColours, AreTheFixedValuesMadeOnce) {
    const auto& ramp = colour::grayScaleSteps();
    ASSERT_EQ(ramp.size(), 11u);
    EXPECT_EQ(ramp.front(), Color::rgba(1, 1, 1, 1));
    EXPECT_EQ(ramp.back(), Color::rgba(0, 0, 0, 1));
    EXPECT_EQ(ramp[3], Color::rgba(0.73140997, 0.73153424, 0.7313935, 1));
    EXPECT_EQ(&ramp, &colour::grayScaleSteps());
    EXPECT_EQ(hexString(colour::screenBackgroundColor()), "161621");
    EXPECT_DOUBLE_EQ(colour::panelBackgroundColor().alpha(), 0.79871464);
    EXPECT_DOUBLE_EQ(colour::darkOverlayColor().alpha(), 0.8027344);
}

TEST(BlendColors, StraightLineWithClampedFractionAndSafeAlpha) {
    const Color a = Color::rgba(0.2, 0.4, 0.6), b = Color::rgba(1, 0, 0.5);
    expectRgba(blendColors(a, b, 0), 0.2, 0.4, 0.6, 1);
    expectRgba(blendColors(a, b, 0.5), 0.6, 0.2, 0.55, 1);
    EXPECT_TRUE(isNear(blendColors(a, b, 2), b, 1e-12));
    EXPECT_TRUE(isNear(blendColors(a, b, 2), blendColors(a, b, 1), 0));
    EXPECT_TRUE(isNear(blendColors(a, b, -1), a, 1e-12));
    // Alpha is alpha(A) / alpha(B), kept finite and within [0, 1].
    EXPECT_DOUBLE_EQ(blendColors(a.withAlpha(0.3), b.withAlpha(0.6), 0.5).alpha(), 0.5);
    EXPECT_DOUBLE_EQ(blendColors(a.withAlpha(0.7), b.withAlpha(0), 0.5).alpha(), 0.7);
    EXPECT_DOUBLE_EQ(blendColors(a, b.withAlpha(0.5), 0.5).alpha(), 1.0);
}

TEST(IsNear, InclusivePerComponentIncludingAlpha) {
    const Color c = Color::rgba(0.5, 0.5, 0.5, 1);
    EXPECT_TRUE(isNear(c, c, 0));
    EXPECT_FALSE(isNear(c, Color::rgba(0.5, 0.5, 0.5000001, 1), 0));
    EXPECT_TRUE(isNear(c, Color::rgba(0.25, 0.75, 0.5, 1), 0.25));
    EXPECT_FALSE(isNear(c, Color::rgba(0.5, 0.5, 0.5, 0.5), 0.4));
    EXPECT_TRUE(isNear(Color::grayColor(), c, 0));
}

