#pragma once
// The fixed swatch sets: four season palettes, the Material palette, two grey scales and the
// Wikipedia catalogue in colour order. Each is built once on first use and shared read only.
#include "colour/ColorNames.h"

#include <string>
#include <vector>

namespace colour {

const std::vector<kit::Color>& summerColors();
const std::vector<kit::Color>& winterColors();
const std::vector<kit::Color>& springColors();
const std::vector<kit::Color>& autumnColors();

// 255 "#RRGGBB" texts: red 500, the rest of red, the other hues shade by shade, then black.
const std::vector<std::string>& materialHexColors();

// Greys named by their step: eleven and six entries.
const std::vector<ColorWithName>& grayscale10Colors();
const std::vector<ColorWithName>& grayscale5Colors();

// The Wikipedia catalogue by packed ABGR value, largest first.
const std::vector<ColorWithName>& wikipediaColorNamesSorted();

// Drops every colour whose hex equals, or that lies within 0.06 of, the last colour kept.
std::vector<kit::Color> dedupedColors(const std::vector<kit::Color>& colors);

} // namespace colour
