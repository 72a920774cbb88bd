#pragma once
// The arithmetic of the mixing calculator, apart from its screen: the colour three (or four)
// slider values give in each model, the share texts, the slider values that reproduce a colour,
// the label colour on a colour, and the half-and-half mix with a typed colour.
#include "kit/base/Color.h"
#include "tools/ColorMixingMode.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace tools {

// The captions of the three component sliders: "Red", "Green", "Blue" / "Cyan", "Magenta", "Yellow" /
// "Red", "Yellow", "Blue" (looked up in the text table).
std::array<std::string, 3> componentNames(ColorMixingMode mode);

// NAME + " (" + whole share percent + "%)"; shares below 1 % (and a total of 0) read " (0%)".
std::string shareText(std::string_view name, double value, double total);

// "Black " + k × 100 in single precision, truncated, + "%".
std::string blackShareText(float black);

// The opaque colour of the slider values; `black` is read in CMYK only.
kit::Color colorFromSliders(ColorMixingMode mode, double first, double second, double third, double black);

struct SliderValues {
    float first = 0, second = 0, third = 0;
    std::optional<float> black;  // CMYK only
};
// The slider positions that show the colour in a model; in RYB the shares whose colour comes
// nearest, since the painter's cube does not reach every colour.
SliderValues sliderValues(ColorMixingMode mode, const kit::Color& color);

// Black at alpha 0.7 on a colour brighter than 0.5, white at alpha 0.7 otherwise (and without a colour).
kit::Color labelColorOn(const std::optional<kit::Color>& color);

// The shortest text of a single-precision number, always with a decimal point ("0.45", "1.0").
std::string floatText(float value);
// "Saturation (0.45)" / "Brightness (1.0)": the value rounded to hundredths in single precision.
std::string hsbCaption(std::string_view word, float value);

// A typed colour for mixing: six hex digits with an optional "#" (white and black allowed).
bool isMixableHex(std::string_view text);
// The current colour, first reduced to 8 bits a channel (white when there is none), mixed half and
// half with the other colour, channel by channel.
kit::Color halfMix(const std::optional<kit::Color>& current, const kit::Color& other);

} // namespace tools
