#include "wheels/digital/Mode.h"

#include "colour/Ryb.h"

namespace wheels {

namespace {
// The single-precision constants of the harmony table.
constexpr float kPi6 = 0.5235987f, kPi3 = 1.0471975f, kPi2 = 1.5707964f, k2Pi3 = 2.0943952f, k5Pi6 = 2.6179938f,
                kPi = 3.1415927f, k7Pi6 = 3.6651914f, k4Pi3 = 4.1887903f, k3Pi2 = 4.712389f, k2Pi = 6.2831855f;

float wrapNegative(float angle) { return angle < 0 ? angle + k2Pi : angle; }
} // namespace

int modeIndex(Mode mode) { return static_cast<int>(mode); }

const char* modeTitle(Mode mode) {
    switch (mode) {
    case Mode::complementary: return "Complementary";
    case Mode::analogous: return "Analogous";
    case Mode::triad: return "Triad";
    case Mode::splitComplementary: return "Split-Complementary";
    case Mode::tetradic: return "Tetradic";
    case Mode::square: return "Square";
    case Mode::abstract: return "Abstract";
    case Mode::mono: return "Monochrome";
    }
    return "Complementary";
}

int numberOfColors(Mode mode) {
    switch (mode) {
    case Mode::complementary: return 2;
    case Mode::analogous:
    case Mode::triad:
    case Mode::splitComplementary: return 3;
    default: return 4;
    }
}

bool hasAngleSlider(Mode mode) {
    // Indexes 1, 3, 4 and 6: the bit mask 90.
    return ((90 >> modeIndex(mode)) & 1) != 0;
}

std::array<std::optional<float>, 3> companionAngles(Mode mode, float a, float k) {
    switch (mode) {
    case Mode::complementary: return {a + kPi, std::nullopt, std::nullopt};
    case Mode::analogous: return {wrapNegative(a + kPi6 + k), wrapNegative(a + kPi3 + 2 * k), std::nullopt};
    case Mode::triad: return {a + k2Pi3, a + k4Pi3, std::nullopt};
    case Mode::splitComplementary: return {a + k5Pi6 - k, a + k7Pi6 + k, std::nullopt};
    case Mode::tetradic: return {a + kPi3 + k, a + kPi, a + k4Pi3 + k};
    case Mode::square: return {a + kPi2, a + kPi, a + k3Pi2};
    case Mode::abstract: return {a + kPi, a + k2Pi3 - k, a + k4Pi3 + k};
    case Mode::mono: return {};
    }
    return {};
}

std::optional<AngleLimits> angleLimits(Mode mode) {
    switch (mode) {
    case Mode::analogous: return AngleLimits{0.7853981f, -1.8325956f};
    case Mode::splitComplementary: return AngleLimits{0.5235987f, -0.5235987f};
    case Mode::tetradic: return AngleLimits{0.5235987f, -1.0471975f};
    case Mode::abstract: return AngleLimits{0.0f, -1.0471975f};
    default: return std::nullopt;
    }
}

kit::Color harmonyColor(double hue, float saturationSlider, float brightnessSlider, bool classic) {
    if (classic) return colour::ryb(hue, brightnessSlider, saturationSlider);
    return kit::Color::hsb(hue, saturationSlider, brightnessSlider, 1);
}

Mode modeFromStoredIndex(long long index, bool classic) {
    if (index >= 1 && index <= 5) return allModes[static_cast<std::size_t>(index)];
    if (!classic && (index == 6 || index == 7)) return allModes[static_cast<std::size_t>(index)];
    return Mode::complementary;
}

} // namespace wheels
