#pragma once
// Colour values as six-digit hex text, the stored form of a colour everywhere in the system, and
// the small colour tests built on it.
#include "kit/base/Color.h"

#include <optional>
#include <string>
#include <string_view>

namespace colour {

// RRGGBB, upper case, no "#": each channel times 255, truncated (0.5 gives 7F), except that a
// channel within rounding error of a whole step gives that step, so a colour made from a code
// gives back that code. A grey reads its white for all three channels; alpha is ignored.
std::string hexString(const kit::Color& color);
std::string hexStringWithHash(const kit::Color& color);

// Six hex digits, with or without one leading "#" and surrounding white space, give the opaque
// colour; any other text gives the platform grey (white 0.5).
kit::Color colorFromHex(std::string_view text);

// RRGGBBAA (eight characters) or RRGGBB (six, alpha 1) after white space and every "#" are
// removed; nothing for other lengths or when no hex digit can be read. Only the leading hex
// digits are read, while the length counts every character.
std::optional<kit::Color> initWithHexRgba(std::string_view text);

// Matches "^#?[0-9A-Fa-f]{6}$" and is neither pure white nor pure black. Rejections are written
// to the console ("not hex", "white or black").
bool isValidHexColor(std::string_view text);

// True when the text is not a usable colour: invalid, or within 0.06 of a grey of the ramp.
bool isExcludedHexColor(std::string_view text);

// (hue, saturation, brightness, alpha), each in [0, 1].
kit::HSBA hsbComponents(const kit::Color& color);

// The straight line from A (fraction 0) to B (fraction 1), fraction clamped to [0, 1].
kit::Color blendColors(const kit::Color& a, const kit::Color& b, double fraction);

// Every RGBA component within the tolerance, inclusive.
bool isNear(const kit::Color& color, const kit::Color& other, double tolerance);

} // namespace colour
