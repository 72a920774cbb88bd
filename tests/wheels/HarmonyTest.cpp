#include "colour/Ryb.h"
#include "wheels/digital/Mode.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

using wheels::Mode;
constexpr float kDeg = static_cast<float>(std::numbers::pi / 180);

// Offsets in degrees from the main angle for k = 0, and how each companion moves with k.
TEST(Harmony, CompanionOffsetsPerMode) {
    struct Case {
        Mode mode;
        std::array<std::optional<float>, 3> degrees;    // at k = 0
        std::array<std::optional<float>, 3> perK;       // d(angle)/dk
    };
    const Case cases[] = {
        {Mode::complementary, {180.f, {}, {}}, {0.f, {}, {}}},
        {Mode::analogous, {30.f, 60.f, {}}, {1.f, 2.f, {}}},
        {Mode::triad, {120.f, 240.f, {}}, {0.f, 0.f, {}}},
        {Mode::splitComplementary, {150.f, 210.f, {}}, {-1.f, 1.f, {}}},
        {Mode::tetradic, {60.f, 180.f, 240.f}, {1.f, 0.f, 1.f}},
        {Mode::square, {90.f, 180.f, 270.f}, {0.f, 0.f, 0.f}},
        {Mode::abstract, {180.f, 120.f, 240.f}, {0.f, -1.f, 1.f}},
        {Mode::mono, {}, {}},
    };
    const float a = 0.5f, k = 0.2f;
    for (const auto& c : cases) {
        const auto at0 = wheels::companionAngles(c.mode, a, 0);
        const auto atK = wheels::companionAngles(c.mode, a, k);
        for (std::size_t i = 0; i < 3; ++i) {
            ASSERT_EQ(at0[i].has_value(), c.degrees[i].has_value()) << wheels::modeTitle(c.mode) << " wheel " << i + 2;
            if (!at0[i]) continue;
            EXPECT_NEAR(*at0[i], a + *c.degrees[i] * kDeg, 1e-5) << wheels::modeTitle(c.mode) << " wheel " << i + 2;
            EXPECT_NEAR(*atK[i] - *at0[i], *c.perK[i] * k, 1e-5) << wheels::modeTitle(c.mode) << " wheel " << i + 2;
        }
    }
}

TEST(Harmony, AnalogousWrapsNegativeSumsAndNothingElseIsReduced) {
    // The slider at its minimum (-105 degrees) with the main wheel near 0: both companions wrap.
    const float k = -1.8325956f, a = 0.1f;
    const auto angles = wheels::companionAngles(Mode::analogous, a, k);
    EXPECT_NEAR(*angles[0], a - 75 * kDeg + 2 * std::numbers::pi, 1e-5);
    EXPECT_NEAR(*angles[1], a - 150 * kDeg + 2 * std::numbers::pi, 1e-5);
    // Above a full turn the angle is kept as it is (its hue is taken modulo 1 by the colour).
    const auto square = wheels::companionAngles(Mode::square, 6.0f, 0);
    EXPECT_GT(*square[2], 2 * std::numbers::pi);
    EXPECT_EQ(kit::Color::hsb(*square[2] / (2 * std::numbers::pi), 1, 1), kit::Color::hsb(*square[2] / (2 * std::numbers::pi) - 1, 1, 1));
}

TEST(Harmony, SliderExtremesGiveTheNamedShapes) {
    const float a = 1.0f;
    const auto splitWide = wheels::companionAngles(Mode::splitComplementary, a, 0.5235987f);
    EXPECT_NEAR(*splitWide[0], a + 120 * kDeg, 1e-5);  // a triad
    EXPECT_NEAR(*splitWide[1], a + 240 * kDeg, 1e-5);
    const auto splitNarrow = wheels::companionAngles(Mode::splitComplementary, a, -0.5235987f);
    EXPECT_NEAR(*splitNarrow[0], *splitNarrow[1], 1e-5);  // both meet the complement
    const auto tetradic = wheels::companionAngles(Mode::tetradic, a, -1.0471975f);
    EXPECT_NEAR(*tetradic[0], a, 1e-5);                    // on top of the main wheel
    EXPECT_NEAR(*tetradic[2], *tetradic[1], 1e-5);         // with dcw3
}

TEST(Harmony, AngleSliderShownAndBoundedOnlyInTheWidenableModes) {
    for (auto mode : wheels::allModes) {
        const bool shown = mode == Mode::analogous || mode == Mode::splitComplementary || mode == Mode::tetradic ||
                           mode == Mode::abstract;
        EXPECT_EQ(wheels::hasAngleSlider(mode), shown) << wheels::modeTitle(mode);
        EXPECT_EQ(wheels::angleLimits(mode).has_value(), shown) << wheels::modeTitle(mode);
    }
    EXPECT_FLOAT_EQ(wheels::angleLimits(Mode::analogous)->maximum, 0.7853981f);
    EXPECT_FLOAT_EQ(wheels::angleLimits(Mode::analogous)->minimum, -1.8325956f);
    EXPECT_FLOAT_EQ(wheels::angleLimits(Mode::abstract)->maximum, 0.0f);
}

TEST(Harmony, StoredModeFallsBackToComplementary) {
    struct Case {
        long long stored;
        Mode digital, classic;
    };
    const Case cases[] = {{0, Mode::complementary, Mode::complementary}, {3, Mode::splitComplementary, Mode::splitComplementary},
                          {5, Mode::square, Mode::square},               {6, Mode::abstract, Mode::complementary},
                          {7, Mode::mono, Mode::complementary},          {8, Mode::complementary, Mode::complementary},
                          {-1, Mode::complementary, Mode::complementary}};
    for (const auto& c : cases) {
        EXPECT_EQ(wheels::modeFromStoredIndex(c.stored, false), c.digital) << c.stored;
        EXPECT_EQ(wheels::modeFromStoredIndex(c.stored, true), c.classic) << c.stored;
    }
}

TEST(Harmony, ClassicColoursCrossTheSliders) {
    EXPECT_EQ(wheels::harmonyColor(0.25, 0.3f, 0.8f, false), kit::Color::hsb(0.25, 0.3f, 0.8f));
    EXPECT_EQ(wheels::harmonyColor(0.25, 0.3f, 0.8f, true), colour::ryb(0.25, 0.8f, 0.3f));
}

} // namespace
