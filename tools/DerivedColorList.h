#pragma once
// The nine colours the mixing calculator derives from its colour, in the order of its strip.
#include "kit/base/Color.h"

#include <array>

namespace tools {

// Inverse, opposite hue, lighter, darker, less and more saturated (each by 0.2), tinted and shaded
// by 0.2, and the lightness grey.
std::array<kit::Color, 9> derivedColors(const kit::Color& color);

} // namespace tools
