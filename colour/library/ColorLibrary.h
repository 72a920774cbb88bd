#pragma once
// The colour library: hex constructors and writers, packed 32-bit values, component readers and
// the HSL, CIE XYZ and CIE L*a*b* colour spaces.
#include "kit/base/Color.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace colour {

enum class MixingSpace { rgb, hsl, hsb, lab };

struct RGBA { double red = 0, green = 0, blue = 0, alpha = 0; };
struct HSB { double hue = 0, saturation = 0, brightness = 0; };
struct HSLA { double hue = 0, saturation = 0, lightness = 0, alpha = 0; }; // hue a fraction of a turn
struct XYZ { double x = 0, y = 0, z = 0; };
struct Lab { double l = 0, a = 0, b = 0; };

// "#FF4050", "ff4050", "#FF405080": white space trimmed, "#" skipped; a trimmed text of more than
// seven characters carries alpha; unreadable text gives opaque black.
kit::Color initWithHexString(std::string_view text);
// With alpha RRGGBBAA from the low 32 bits; without, RRGGBB with the value capped at 0xFFFFFF.
kit::Color initWithHex(std::uint64_t value, bool useAlpha);
// Each of the four on the 0-255 scale, clamped (alpha too: 1 means 1/255).
kit::Color initWithRgba(double red, double green, double blue, double alpha);
// Hue in degrees (any value); saturation, lightness and alpha clamped to [0, 1].
kit::Color initWithHsla(double hueDegrees, double saturation, double lightness, double alpha);
kit::Color initWithXyz(double x, double y, double z, double alpha);
kit::Color initWithLab(double l, double a, double b, double alpha);

// "#rrggbb", rounded channels, lower case (0.5 gives 80 where hexString gives 7F).
std::string hexCodeString(const kit::Color& color);
// Packed values of rounded channels; a channel at or below 0 counts as 0 and one above 1 as 255,
// so a channel never spills into its neighbour.
std::uint32_t hexValue(const kit::Color& color);  // RRGGBB
std::uint32_t rgbaValue(const kit::Color& color); // RRGGBBAA
std::uint32_t abgrValue(const kit::Color& color); // AABBGGRR
bool hasHexCodeString(const kit::Color& color, std::string_view text);
bool hasHexValue(const kit::Color& color, std::uint32_t value);

RGBA rgbaComponents(const kit::Color& color);
double redComponent(const kit::Color& color);
double greenComponent(const kit::Color& color);
double blueComponent(const kit::Color& color);
double alphaComponent(const kit::Color& color);
double hue(const kit::Color& color);
double saturation(const kit::Color& color);
double brightness(const kit::Color& color);
HSB hsbValues(const kit::Color& color);
HSLA hslaComponents(const kit::Color& color);
double hslHueDegrees(const kit::Color& color);
XYZ xyzComponents(const kit::Color& color); // D65, three decimals
Lab labComponents(const kit::Color& color); // three decimals

// The HSL-to-RGB step: m1, m2 and a hue fraction (wrapped into [0, 1)).
double hueToRgb(double m1, double m2, double hue);

} // namespace colour
