#pragma once
// The built-in swatch sets as the catalogue screen and the colour-set overlay list them: plain
// colour sets (season palettes, the Material palette) and named sets (catalogues, grey ramps).
#include "colour/ColorNames.h"
#include "kit/base/Color.h"

#include <array>
#include <string>
#include <vector>

namespace combinations {

// The catalogue screen's sets; the index is what "LAST_SWATCH" stores.
enum class SwatchEnum { summer, winter, spring, autumn, oilPaint, wikipedia, material, html, grayscale10, grayscale5 };
inline constexpr int swatchCount = 10;

// The sets in the order of the catalogue screen's menu.
inline constexpr std::array<SwatchEnum, swatchCount> swatchMenuOrder = {
    SwatchEnum::summer,   SwatchEnum::winter,    SwatchEnum::spring,      SwatchEnum::autumn,     SwatchEnum::material,
    SwatchEnum::html,     SwatchEnum::oilPaint,  SwatchEnum::wikipedia,   SwatchEnum::grayscale10, SwatchEnum::grayscale5};

// The localized menu title ("Grayscale 10", "Grayscale 5" for the ramps).
std::string swatchTitle(SwatchEnum set);
// Plain colour sets are the indices of the mask 0x4F (0-3 and 6).
bool isPlainColorSet(SwatchEnum set);
// The stored index 1-9 gives that set; anything else gives summer.
SwatchEnum swatchFromStoredIndex(long long index);

// Content of a set of either kind (the other accessor gives an empty list).
std::vector<kit::Color> plainColors(SwatchEnum set);
const std::vector<colour::ColorWithName>& namedColors(SwatchEnum set);

// The Material palette turned into colours, in order.
std::vector<kit::Color> materialColors();

} // namespace combinations
