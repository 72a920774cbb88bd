#pragma once
// Shared layout constants of the screens, and the parsing of the numeric entry fields.
#include <optional>
#include <string>
#include <string_view>

namespace app {

inline constexpr double backButtonTopPadding = 1;
// The bottom of the top bar (the row of the back button, 40 points tall), below the safe area's top.
inline constexpr double topBarBottom = backButtonTopPadding + 40;
inline constexpr double contentTopPadding = 4;
inline constexpr double sidePadding = 24;
inline constexpr double smallGap = 6;
inline constexpr double backSwipeAreaWidth = 10;
inline constexpr double buttonCornerRadius = 6;
inline constexpr double roundButtonSize = 50;
inline constexpr double bottomBarHeight = 40;

// 16 on tall screens, 6 on the others; decided at first use.
double colorCodeRowBottomPadding();
// Pad in portrait: 18 and 48; otherwise 10 and 28. Decided once, at first use, for the whole run.
double valueButtonPadding();
double valueButtonSize();
// Read anew at each call from "COLOR_FORMAT": 40 for hex (0), 80 for CMYK (2), 60 for the others.
double colorCodeRowHeight();

// An RGB entry field as a channel value: whole decimal numbers only, clamped to 0...255; anything
// else (missing, empty, not a whole number) gives 0.
double parseNumberField(const std::optional<std::string>& text);
// A whole decimal number (optional sign), or none; no clamping.
std::optional<long long> parseIntField(std::string_view text);

} // namespace app
