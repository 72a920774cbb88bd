#pragma once
// Colour filters over images. Each returns a new image of the same size and scale (nothing for an
// empty input); colours are worked on un-premultiplied and alpha is kept.
#include "kit/graphics/Image.h"

#include <optional>

namespace kit::filters {

// Blends each colour towards its sepia tone by `intensity` in [0, 1].
std::optional<Image> sepiaTone(const Image& image, double intensity = 1.0);
// `levels` evenly spaced values per channel, 0 and 1 included (levels is clamped to [2, 256]).
std::optional<Image> posterize(const Image& image, double levels = 6.0);
// Saturation mixes with the Rec. 709 luma (1: unchanged, 0: grey); brightness is added;
// contrast scales about one half. Applied in that order, each result clamped to [0, 1].
std::optional<Image> colorControls(const Image& image, double saturation = 1.0, double brightness = 0.0,
                                   double contrast = 1.0);
// A square image of side 2 x radius points: inside the circle, hue = polar angle / 2 pi measured
// counter-clockwise on screen from the rightward axis (red on the right, green at the upper left,
// blue at the lower left), saturation = distance / radius, brightness = `value`, alpha 1;
// outside, fully transparent. Pixels are sampled at their centres.
std::optional<Image> hueSaturationValueGradient(double radius, double value = 1.0, double scale = 1.0);

} // namespace kit::filters
