#pragma once
// The painter's red-yellow-blue colour model: a paint-like colour cube whose eight corners have
// fixed RGB colours, interpolated after a smoothstep easing; its inverse for RGB colours; and
// RGB to CMYK for the mixing tool.
#include "kit/base/Color.h"

namespace colour {

struct Rgb { double red = 0, green = 0, blue = 0; };
struct RybComponents { double red = 0, yellow = 0, blue = 0; };
struct Cmyk { double cyan = 0, magenta = 0, yellow = 0, black = 0; };

// (0, 0, 0) is white paper, (1, 1, 1) all three pigments (near black).
Rgb rybToRgb(double red, double yellow, double blue);
// The painter's-wheel colour at a position of the digital HSB wheel (opaque).
kit::Color ryb(double hue, double saturation, double brightness);
RybComponents rybComponents(const kit::Color& color);
// The shares whose `rybToRgb` colour lies nearest the colour (least squares in RGB): the exact
// inverse inside the cube's gamut, the closest cube colour outside it.
RybComponents nearestRybShares(const kit::Color& color);
Cmyk rgbToCmyk(double red, double green, double blue);

} // namespace colour
