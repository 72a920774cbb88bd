#pragma once
// Which catalogue names colours. Stored in the settings as 0, 1, 2 (never as its text).
#include <array>
#include <optional>
#include <string_view>

namespace app {

enum class ColorNameFormat { HtmlCss, wikipedia, oilPaint };

inline constexpr std::array<ColorNameFormat, 3> allColorNameFormats = {
    ColorNameFormat::HtmlCss, ColorNameFormat::wikipedia, ColorNameFormat::oilPaint};

// "HTML/CSS", "Wikipedia", "Oil Paint".
std::string_view rawValue(ColorNameFormat format);
// Exactly the three raw texts; nothing for any other.
std::optional<ColorNameFormat> colorNameFormatFromRaw(std::string_view raw);

} // namespace app
