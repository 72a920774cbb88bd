#pragma once
// The three colour-name catalogues and the lookup that names a colour from the chosen one.
#include "app/ColorNameFormat.h"
#include "kit/base/Color.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace colour {

struct ColorWithName {
    std::optional<std::string> hex;
    std::optional<std::string> name;
};

// Which catalogue names colours: the settings' choice.
using ColorNameFormat = app::ColorNameFormat;

// Built on first use, read only. HTML hexes are "800000", Wikipedia "#0048BA", oil paint "#ebe720".
const std::vector<ColorWithName>& htmlColorNames();
const std::vector<ColorWithName>& wikipediaColorNames();
const std::vector<ColorWithName>& oilPaintColorNames();

// The name of the first catalogue entry within the loose tolerance, upper case: as it is when the
// entry is also within the tight tolerance, else behind "~" (HTML/CSS) or "~ " (the others).
// HTML/CSS names are spaced (" DARK RED"). Nothing when no entry is near enough.
std::optional<std::string> colorName(ColorNameFormat format, const kit::Color& color);

// A blank before every upper-case letter: "DarkRed" gives " Dark Red".
std::string spacedName(std::string_view text);

// The opaque colour of a catalogue hex (six characters after white space and one "#" are
// dropped; the platform grey otherwise). Reads the leading hex digits only.
kit::Color colorFromTableHex(std::string_view text);

} // namespace colour
