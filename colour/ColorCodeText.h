#pragma once
// The nine colour-code text formats, on one line and on several lines, chosen by the output mode
// ("COLOR_FORMAT"): 0 hex, 1 RGB 0-255, 2 CMYK, 3 HSL, 4 HSL 0-1, 5 RGB percent, 6 RGB 0-1,
// 7 HSB, 8 HSB 0-1; any other value writes hex.
#include "kit/base/Color.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace colour {

// The titles under which the settings offer the formats, by index.
const std::array<std::string_view, 9>& colorFormatTitles();

// The output mode as stored now under "COLOR_FORMAT" (0 when absent); read on every call.
int currentOutputMode();

// In the current output mode; a missing colour gives "".
std::string colorCodeString(const std::optional<kit::Color>& color);
std::string colorCodeStringMultiline(const std::optional<kit::Color>& color);
// In a given output mode.
std::string colorCodeString(const std::optional<kit::Color>& color, int outputMode);
std::string colorCodeStringMultiline(const std::optional<kit::Color>& color, int outputMode);

// The pieces. The RGB ones take the separators written before green and before blue.
std::string rgbText(const kit::Color& color, std::string_view beforeGreen, std::string_view beforeBlue);
std::string rgbPercentText(const kit::Color& color, std::string_view beforeGreen, std::string_view beforeBlue);
std::string rgbUnitText(const kit::Color& color, std::string_view beforeGreen, std::string_view beforeBlue);
std::string cmykText(const kit::Color& color);
std::string cmykTextMultiline(const kit::Color& color);
std::string hslText(const kit::Color& color);
std::string hslTextMultiline(const kit::Color& color);
std::string hslUnitText(const kit::Color& color);
std::string hslUnitTextMultiline(const kit::Color& color);
std::string hsbText(const kit::Color& color);
std::string hsbTextMultiline(const kit::Color& color);
std::string hsbUnitText(const kit::Color& color);
std::string hsbUnitTextMultiline(const kit::Color& color);

} // namespace colour
