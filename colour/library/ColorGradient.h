#pragma once
// Colours evenly spaced along a list, picked at a scale or sampled into a palette.
#include "colour/library/ColorLibrary.h"

#include <vector>

namespace colour {

class ColorGradient {
public:
    explicit ColorGradient(std::vector<kit::Color> colors) : colors(std::move(colors)) {}

    // Scale in [0, 1] (clamped); black for no colours.
    kit::Color pickColorAt(double scale, MixingSpace space) const;
    // `amount` colours from the first to the last; one colour asked of a longer gradient gives
    // its first colour.
    std::vector<kit::Color> colorPalette(int amount, MixingSpace space) const;

    std::vector<kit::Color> colors;
};

} // namespace colour
