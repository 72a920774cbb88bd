#pragma once
// Colours derived from one colour, the mix of two in a chosen colour space, and relative
// luminance with the contrast ratio and its display thresholds. All pure; each returns a new colour.
#include "colour/library/ColorLibrary.h"

namespace colour {

enum class GrayscalingMode { luminance, lightness, average, value };

// The ratio a pair must exceed: AA and AAA levels, normal and large text.
enum class ContrastDisplayContext { standard, standardLargeText, enhanced, enhancedLargeText };
double minimumContrastRatio(ContrastDisplayContext context);

kit::Color adjustedHue(const kit::Color& color, double degrees);
kit::Color complemented(const kit::Color& color);
kit::Color lighter(const kit::Color& color, double amount);
kit::Color darker(const kit::Color& color, double amount);
kit::Color saturated(const kit::Color& color, double amount);
kit::Color desaturated(const kit::Color& color, double amount);
kit::Color grayscaled(const kit::Color& color, GrayscalingMode mode);
kit::Color inverted(const kit::Color& color);
kit::Color adjustedAlpha(const kit::Color& color, double amount);
kit::Color tinted(const kit::Color& color, double amount); // toward white
kit::Color shaded(const kit::Color& color, double amount); // toward opaque black

// Weight 0 gives the colour, 1 the other (clamped); hues go the short way round.
kit::Color mixed(const kit::Color& color, const kit::Color& other, double weight, MixingSpace space);

bool isLight(const kit::Color& color);
double luminance(const kit::Color& color);
double contrastRatio(const kit::Color& color, const kit::Color& other);
bool isContrasting(const kit::Color& color, const kit::Color& other, ContrastDisplayContext context);

} // namespace colour
