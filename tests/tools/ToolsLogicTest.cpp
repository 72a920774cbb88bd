// The arithmetic of the mixing, colour-group, contrast and light tools.
#include "app/AppFixture.h"

#include "colour/HexText.h"
#include "colour/Ryb.h"
#include "colour/library/ColorLibrary.h"
#include "tools/ColorGroup.h"
#include "tools/ContrastRatio.h"
#include "tools/DerivedColorList.h"
#include "tools/LightType.h"
#include "tools/MixingMath.h"

#include <cmath>

namespace {

using kit::Color;
using tools::ColorMixingMode;

void expectColor(const Color& c, double r, double g, double b, double a = 1, double tol = 1e-4) {
    EXPECT_NEAR(c.red(), r, tol);
    EXPECT_NEAR(c.green(), g, tol);
    EXPECT_NEAR(c.blue(), b, tol);
    EXPECT_NEAR(c.alpha(), a, tol);
}

struct ToolsLogic : AppFixture {};

TEST_F(ToolsLogic, LightTintsMoveStraightTowardTheLight) {
    using tools::LightType;
    expectColor(tools::colorUnderLight(Color::whiteColor(), LightType::daylight, 0.5), 1.0, 0.9078, 0.7510);
    expectColor(tools::colorUnderLight(Color::blackColor(), LightType::daylight, 0.5), 0.5, 0.4078, 0.2510);
    const auto c = Color::rgba(0.2, 0.4, 0.6, 0.5);
    EXPECT_EQ(tools::colorUnderLight(c, LightType::sunset, 0), c);
    for (auto type : tools::allLightTypes) {
        const auto tinted = tools::colorUnderLight(c, type, 1);
        EXPECT_EQ(colour::hexString(tinted), tools::rawValue(type));
        EXPECT_DOUBLE_EQ(tinted.alpha(), 1.0);
    }
}

TEST_F(ToolsLogic, LightNamesStoredAndShownAndLookedUpExactly) {
    using tools::LightType;
    EXPECT_EQ(tools::lightTypeFromName("Candlelight"), LightType::candlelight);
    EXPECT_EQ(tools::lightTypeFromName("Candle Light"), std::nullopt);
    EXPECT_EQ(tools::lightTypeFromName("daylight"), std::nullopt);
    EXPECT_EQ(tools::localizedLightName(LightType::candlelight), "Candle Light");
    EXPECT_EQ(tools::localizedLightName(LightType::warmWhite), "Warm White");
    EXPECT_EQ(tools::lightTypeFromRawValue("FF5733"), LightType::sunset);
    EXPECT_EQ(tools::lightTypeFromRawValue("ff5733"), std::nullopt);
    for (auto type : tools::allLightTypes) EXPECT_EQ(tools::lightTypeFromName(tools::lightName(type)), type);
}

TEST_F(ToolsLogic, ShareTextsTruncateAndSurviveAZeroTotal) {
    struct Case { double value, total; const char* text; };
    for (const auto& c : std::vector<Case>{{1, 1, "Red (100%)"}, {0, 1, "Red (0%)"}, {0.009, 1, "Red (0%)"},
                                           {0.999, 1, "Red (99%)"}, {1, 3, "Red (33%)"}, {0, 0, "Red (0%)"}})
        EXPECT_EQ(tools::shareText("Red", c.value, c.total), c.text) << c.value << "/" << c.total;
}

TEST_F(ToolsLogic, SlidersGiveTheColourOfEachModel) {
    expectColor(tools::colorFromSliders(ColorMixingMode::rgb, 1, 0, 0, 0.9), 1, 0, 0);
    expectColor(tools::colorFromSliders(ColorMixingMode::cmyk, 0, 0, 0, 0.5), 0.5, 0.5, 0.5);
    expectColor(tools::colorFromSliders(ColorMixingMode::cmyk, 0, 0, 0, 0), 1, 1, 1);
    expectColor(tools::colorFromSliders(ColorMixingMode::ryb, 1, 0, 0, 0), 1, 0, 0);
    const auto ryb = colour::rybToRgb(0.3, 0.6, 0.2);
    expectColor(tools::colorFromSliders(ColorMixingMode::ryb, 0.3, 0.6, 0.2, 1), ryb.red, ryb.green, ryb.blue);
    EXPECT_EQ(tools::blackShareText(0.5f), "Black 50%");
    EXPECT_EQ(tools::blackShareText(0.29f), "Black 29%");  // single precision: 0.29f × 100 is 29
}

TEST_F(ToolsLogic, SliderValuesReproduceTheColourInRgbAndCmyk) {
    const auto c = colour::colorFromHex("FF4050");
    for (auto mode : {ColorMixingMode::rgb, ColorMixingMode::cmyk}) {
        const auto v = tools::sliderValues(mode, c);
        const auto back = tools::colorFromSliders(mode, v.first, v.second, v.third, v.black.value_or(0));
        expectColor(back, c.red(), c.green(), c.blue(), 1, 1e-6);
        EXPECT_EQ(v.black.has_value(), mode == ColorMixingMode::cmyk);
    }
    const auto red = tools::sliderValues(ColorMixingMode::ryb, Color::redColor());
    EXPECT_FLOAT_EQ(red.first, 1);
    EXPECT_FLOAT_EQ(red.second, 0);
    EXPECT_FLOAT_EQ(red.third, 0);
}

TEST_F(ToolsLogic, LabelsAreDarkOnlyAboveHalfBrightness) {
    EXPECT_EQ(tools::labelColorOn(Color::rgba(0.9, 0.9, 0.2)), Color::hsb(0, 0, 0, 0.7));
    EXPECT_EQ(tools::labelColorOn(Color::rgba(0.5, 0.2, 0.1)), Color::hsb(0, 0, 1, 0.7));
    EXPECT_EQ(tools::labelColorOn(std::nullopt), Color::hsb(0, 0, 1, 0.7));
}

TEST_F(ToolsLogic, CaptionsPrintSinglePrecisionShortest) {
    EXPECT_EQ(tools::hsbCaption("Saturation", 0.4549f), "Saturation (0.45)");
    EXPECT_EQ(tools::hsbCaption("Brightness", 1.0f), "Brightness (1.0)");
    EXPECT_EQ(tools::hsbCaption("Brightness", 0.0f), "Brightness (0.0)");
    EXPECT_EQ(tools::hsbCaption("Brightness", 0.125f), "Brightness (0.13)");  // half away from zero
}

TEST_F(ToolsLogic, HalfMixesWeighTheLatestColourMost) {
    expectColor(tools::halfMix(Color::redColor(), colour::colorFromHex("0000FF")), 0.5, 0, 0.5);
    expectColor(tools::halfMix(std::nullopt, Color::blackColor()), 0.5, 0.5, 0.5);
    // The current colour is reduced to 8 bits first.
    expectColor(tools::halfMix(Color::rgba(0.999, 0, 0), Color::redColor()), (254.0 / 255 + 1) / 2, 0, 0);
    auto abc = tools::halfMix(tools::halfMix(Color::redColor(), Color::greenColor()), Color::blueColor());
    expectColor(abc, 0.25, 0.25, 0.5, 1, 0.003);
    for (const char* ok : {"FFFFFF", "#000000", "ab12Cd"}) EXPECT_TRUE(tools::isMixableHex(ok)) << ok;
    for (const char* bad : {"", "#", "FFFFF", "FFFFFFF", "GG0000", "##FFFFFF", " FFFFFF"})
        EXPECT_FALSE(tools::isMixableHex(bad)) << bad;
}

TEST_F(ToolsLogic, DerivedColoursOfRedAndWhite) {
    const auto red = tools::derivedColors(Color::redColor());
    expectColor(red[0], 0, 1, 1);
    expectColor(red[1], 0, 1, 1);
    expectColor(red[2], 1, 0.4, 0.4);  // HSL lightness 0.7
    expectColor(red[3], 0.6, 0, 0);    // HSL lightness 0.3
    expectColor(red[4], 0.9, 0.1, 0.1);
    expectColor(red[5], 1, 0, 0);
    expectColor(red[6], 1, 0.2, 0.2);
    expectColor(red[7], 0.8, 0, 0);
    expectColor(red[8], 0.5, 0.5, 0.5);
    const auto white = tools::derivedColors(Color::whiteColor());
    expectColor(white[0], 0, 0, 0);
    for (int i : {1, 2, 4, 5, 6, 8}) expectColor(white[i], 1, 1, 1);
    for (int i : {3, 7}) expectColor(white[i], 0.8, 0.8, 0.8);
}

TEST_F(ToolsLogic, ColourGroupsStepEvenlyBothWays) {
    const auto base = Color::hsb(0.5, 0.6, 0.7, 1);
    const auto hues = [](const std::vector<Color>& colors) {
        std::vector<double> h;
        for (const auto& c : colors) h.push_back(colour::hsbComponents(c).hue);
        return h;
    };
    const std::vector<double> forward = {0.5, 0.6667, 0.8333, 0.0 /* 1.0 is the same red */, 0.1667, 0.3333};
    const std::vector<double> backward = {0.5, 0.3333, 0.1667, 0.0, 0.8333, 0.6667};
    for (auto [reversed, expected] : {std::pair{false, forward}, std::pair{true, backward}}) {
        const auto group = tools::makeColorGroup(base, 6, reversed);
        ASSERT_EQ(group.size(), 6u);
        EXPECT_EQ(group.front(), base);
        const auto h = hues(group);
        for (std::size_t i = 0; i < h.size(); ++i) EXPECT_NEAR(h[i], expected[i], 1e-3) << reversed << i;
        EXPECT_NEAR(colour::hsbComponents(group[1]).saturation, 0.6, 1e-9);
        EXPECT_NEAR(colour::hsbComponents(group[1]).brightness, 0.7, 1e-9);
    }
    EXPECT_EQ(tools::makeColorGroup(base, 60, false).size(), 60u);
    EXPECT_EQ(tools::makeColorGroup(base, 1, false).size(), 1u);
    EXPECT_EQ(tools::makeColorGroup(base, 0, false).size(), 1u);
    EXPECT_EQ(tools::makeColorGroup(base, -5, true).size(), 1u);
}

TEST_F(ToolsLogic, StoredGroupSizesBelowOneFallBackToTheDefault) {
    EXPECT_EQ(tools::restoredGroupSize(std::nullopt), 20);
    EXPECT_EQ(tools::restoredGroupSize(0), 20);
    EXPECT_EQ(tools::restoredGroupSize(-3), 20);
    EXPECT_EQ(tools::restoredGroupSize(33), 33);
    EXPECT_EQ(tools::restoredGroupSize(1000000000), 60);
}

TEST_F(ToolsLogic, HexArrayRangesAreClampedOrRefused) {
    const auto colors = tools::makeColorGroup(colour::initWithHexString("#FFABB2"), 10, false);
    struct Case { std::optional<std::string> from, to; long long f, t; };
    for (const auto& c : std::vector<Case>{{"0", "0", 1, 10}, {"", "", 1, 10}, {"11", "99", 1, 10},
                                           {"x", std::nullopt, 1, 10}, {"+2", "-1", 2, 10}, {"5", "3", 5, 3}}) {
        const auto [f, t] = tools::hexArrayRange(c.from, c.to, 10);
        EXPECT_EQ(f, c.f);
        EXPECT_EQ(t, c.t);
    }
    EXPECT_EQ(tools::hexArrayText(colors, 5, 3), "");
    EXPECT_EQ(tools::hexArrayText(colors, 2, 2), "[" + colour::hexStringWithHash(colors[1]) + "]");
    EXPECT_EQ(tools::hexArrayText(colors, 1, 2), "[#FFABB2," + colour::hexStringWithHash(colors[1]) + "]");
    EXPECT_EQ(tools::hexArrayText(colors, 1, 11), "");
}

TEST_F(ToolsLogic, ContrastRatiosAndVerdictBands) {
    const std::string low = "Low contrast, hard to read, not recommended for important content.";
    const std::string moderate = "Moderate contrast, suitable for large text.";
    const std::string good = "Good contrast, meets accessibility standards for normal text.";
    const std::string high = "High contrast, ideal for maximum readability.";
    struct Case { const char* a; const char* b; const char* text; std::string verdict; };
    for (const auto& c : std::vector<Case>{{"#FF0040", "#00FFC0", "3.02:1", moderate},
                                           {"#000000", "#FFFFFF", "21.0:1", high},
                                           {"#123456", "#123456", "1.0:1", low},
                                           {"#777777", "#FFFFFF", "4.48:1", moderate}}) {
        const auto a = colour::initWithHexString(c.a), b = colour::initWithHexString(c.b);
        const float r = tools::contrastRatioValue(a, b);
        EXPECT_EQ(r, tools::contrastRatioValue(b, a));
        EXPECT_EQ(tools::ratioText(r), c.text);
        EXPECT_EQ(tools::contrastVerdictText(r), c.verdict) << c.a;
    }
    EXPECT_EQ(tools::contrastVerdictText(3.0f), low);
    EXPECT_EQ(tools::contrastVerdictText(4.5f), moderate);
    EXPECT_EQ(tools::contrastVerdictText(7.0f), good);
    EXPECT_EQ(tools::contrastVerdictText(0.5f), "");
    EXPECT_EQ(tools::contrastVerdictText(21.5f), "");
    EXPECT_NEAR(tools::relativeLuminance(colour::initWithHexString("#FF0040")), 0.2126 + 0.0722 * 0.0513, 1e-3);
}

} // namespace
