#pragma once
// The eight harmony modes of the digital wheel and the rules that place the companion wheels,
// colour them and bound the angle slider. Pure functions on 32-bit radians.
#include "kit/base/Color.h"

#include <array>
#include <optional>
#include <string>

namespace wheels {

// Stored by case index in "LAST_DCW_COMBINATION".
enum class Mode { complementary, analogous, triad, splitComplementary, tetradic, square, abstract, mono };

inline constexpr std::array<Mode, 8> allModes{Mode::complementary, Mode::analogous,  Mode::triad,
                                              Mode::splitComplementary, Mode::tetradic, Mode::square,
                                              Mode::abstract,      Mode::mono};

int modeIndex(Mode mode);
// The English title (the key of its localized text).
const char* modeTitle(Mode mode);
// 2, 3 or 4 (mono: 4, all equal).
int numberOfColors(Mode mode);
// Whether the user may widen or narrow the harmony with the angle slider.
bool hasAngleSlider(Mode mode);

// Angles of dcw2, dcw3, dcw4 (absent where the mode has no such wheel) for the main angle a and
// the widening k. Not reduced modulo a turn except where analogous wraps a negative sum.
std::array<std::optional<float>, 3> companionAngles(Mode mode, float a, float k);

struct AngleLimits {
    float maximum;
    float minimum;
};
// The angle slider's range in the modes that show it.
std::optional<AngleLimits> angleLimits(Mode mode);

// The colour a wheel of hue h stands for: HSB of the sliders, or the painter's colour with the
// brightness slider as saturation and the saturation slider as brightness.
kit::Color harmonyColor(double hue, float saturationSlider, float brightnessSlider, bool classic);

// The mode of a stored index: 1...5 as stored, 6 and 7 only outside the classic wheel, else
// complementary.
Mode modeFromStoredIndex(long long index, bool classic);

} // namespace wheels
