#pragma once
// Ready-made colour palettes for data sets, and colours parsed from text.
#include "kit/base/Color.h"

#include <string_view>
#include <vector>

namespace charting {

class ChartColorTemplates {
public:
    static std::vector<kit::Color> liberty();
    static std::vector<kit::Color> joyful();
    static std::vector<kit::Color> pastel();
    static std::vector<kit::Color> colorful();
    static std::vector<kit::Color> vordiplom();
    static std::vector<kit::Color> material();

    // "#rgb", "#rrggbb", "#aarrggbb", "rgba(r, g, b, a)", "argb(a, r, g, b)", "rgb(r, g, b)", in any
    // letter case; r, g, b are integers over 255 (not clamped), a a fraction. Missing numbers keep
    // red, green, blue 0 and alpha 1. A "#" form with a wrong digit count or a character that is
    // not a hex digit gives opaque black; any other text the clear colour. Never fails.
    static kit::Color colorFromString(std::string_view text);
};

} // namespace charting
