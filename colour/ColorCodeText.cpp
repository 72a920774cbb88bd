#include "colour/ColorCodeText.h"

#include "colour/HexText.h"
#include "kit/text/DoubleText.h"

#include <algorithm>
#include <cmath>

namespace colour {
namespace {

// Whole numbers without sign or leading zeros. Components are expected in [0, 1]; a value that
// does not fit (or NaN, written 0) is saturated instead of converted with undefined behaviour.
std::string whole(double v) {
    if (std::isnan(v)) return "0";
    const double limit = 9.2e18;
    return std::to_string(static_cast<long long>(std::clamp(v, -limit, limit)));
}

std::string truncated(double v) { return whole(std::trunc(v)); }
std::string rounded(double v) { return whole(std::round(v)); }
std::string fraction(double v, double scale) { return kit::text::shortestText(std::round(v * scale) / scale); }

struct Hsl { double h, s, l; };

Hsl hslOf(const kit::Color& color) {
    const kit::HSBA hsb = hsbComponents(color);
    const double l = hsb.brightness * (2 - hsb.saturation) * 0.5;
    double s = 0;
    if (l != 0 && l != 1) s = hsb.saturation * hsb.brightness / (l < 0.5 ? 2 * l : 2 - 2 * l);
    return {hsb.hue, s, l};
}

struct Separators { std::string_view second, third, fourth; };
constexpr Separators cmykOneLine{" M:", " Y:", " K:"};
constexpr Separators cmykLines{"\n M:", "\n Y:", "\n K:"};

std::string cmyk(const kit::Color& color, const Separators& sep) {
    const double r = color.red(), g = color.green(), b = color.blue();
    if (r == 0 && g == 0 && b == 0)
        return "C:0" + std::string(sep.second) + "0" + std::string(sep.third) + "0" +
               std::string(sep.fourth) + "100";
    const double k = std::min({1 - r, 1 - g, 1 - b});
    const double c = (1 - r - k) / (1 - k), m = (1 - g - k) / (1 - k), y = (1 - b - k) / (1 - k);
    // Rounded to two decimals, then times 100 and truncated: 0.29 gives 28, as the stored texts do.
    auto percent = [](double v) { return truncated(std::round(v * 100) / 100 * 100); };
    return "C:" + percent(c) + std::string(sep.second) + percent(m) + std::string(sep.third) +
           percent(y) + std::string(sep.fourth) + percent(k);
}

std::string hsl(const kit::Color& color, std::string_view afterHue, std::string_view afterS) {
    const Hsl v = hslOf(color);
    return "H:" + truncated(v.h * 360) + std::string(afterHue) + truncated(v.s * 100) +
           std::string(afterS) + truncated(v.l * 100) + "%";
}

std::string hslUnit(const kit::Color& color, std::string_view beforeS, std::string_view beforeL) {
    const Hsl v = hslOf(color);
    return "H:" + fraction(v.h, 1000) + std::string(beforeS) + fraction(v.s, 1000) +
           std::string(beforeL) + fraction(v.l, 1000);
}

std::string hsb(const kit::Color& color, std::string_view afterHue, std::string_view afterS) {
    const kit::HSBA v = hsbComponents(color);
    return "H:" + truncated(v.hue * 360) + std::string(afterHue) + truncated(v.saturation * 100) +
           std::string(afterS) + truncated(v.brightness * 100) + "%";
}

std::string hsbUnit(const kit::Color& color, std::string_view beforeS, std::string_view beforeB) {
    const kit::HSBA v = hsbComponents(color);
    return "H:" + fraction(v.hue, 1000) + std::string(beforeS) + fraction(v.saturation, 1000) +
           std::string(beforeB) + fraction(v.brightness, 1000);
}

} // namespace

const std::array<std::string_view, 9>& colorFormatTitles() {
    static constexpr std::array<std::string_view, 9> titles{
        "HEX", "RGB(0-255)", "CMYK", "HSL(0-360)", "HSL(0-1)",
        "RGB(%)", "RGB(0-1)", "HSB(0-360)", "HSB(0-1)"};
    return titles;
}

std::string rgbText(const kit::Color& c, std::string_view beforeGreen, std::string_view beforeBlue) {
    return "R:" + rounded(c.red() * 255) + std::string(beforeGreen) + rounded(c.green() * 255) +
           std::string(beforeBlue) + rounded(c.blue() * 255);
}

std::string rgbPercentText(const kit::Color& c, std::string_view beforeGreen, std::string_view beforeBlue) {
    return "R:" + rounded(c.red() * 100) + std::string(beforeGreen) + rounded(c.green() * 100) +
           std::string(beforeBlue) + rounded(c.blue() * 100) + "%";
}

std::string rgbUnitText(const kit::Color& c, std::string_view beforeGreen, std::string_view beforeBlue) {
    return "R:" + fraction(c.red(), 100) + std::string(beforeGreen) + fraction(c.green(), 100) +
           std::string(beforeBlue) + fraction(c.blue(), 100);
}

std::string cmykText(const kit::Color& c) { return cmyk(c, cmykOneLine); }
std::string cmykTextMultiline(const kit::Color& c) { return cmyk(c, cmykLines); }
std::string hslText(const kit::Color& c) { return hsl(c, "° S:", "% L:"); }
std::string hslTextMultiline(const kit::Color& c) { return hsl(c, "°\n S:", "%\n L:"); }
std::string hslUnitText(const kit::Color& c) { return hslUnit(c, " S:", " L:"); }
std::string hslUnitTextMultiline(const kit::Color& c) { return hslUnit(c, "\n S:", "\n L:"); }
std::string hsbText(const kit::Color& c) { return hsb(c, "° S:", "% B:"); }
std::string hsbTextMultiline(const kit::Color& c) { return hsb(c, "°\n S:", "%\n B:"); }
std::string hsbUnitText(const kit::Color& c) { return hsbUnit(c, " S:", " B:"); }
std::string hsbUnitTextMultiline(const kit::Color& c) { return hsbUnit(c, "\n S:", "\n B:"); }

std::string colorCodeString(const std::optional<kit::Color>& color, int outputMode) {
    if (!color) return "";
    const kit::Color& c = *color;
    switch (outputMode) {
    case 1: return rgbText(c, " G:", " B:");
    case 2: return cmykText(c);
    case 3: return hslText(c);
    case 4: return hslUnitText(c);
    case 5: return rgbPercentText(c, "% G:", "% B:");
    case 6: return rgbUnitText(c, " G:", " B:");
    case 7: return hsbText(c);
    case 8: return hsbUnitText(c);
    default: return hexString(c);
    }
}

std::string colorCodeStringMultiline(const std::optional<kit::Color>& color, int outputMode) {
    if (!color) return "";
    const kit::Color& c = *color;
    switch (outputMode) {
    case 1: return rgbText(c, "\nG:", "\nB:");
    case 2: return cmykTextMultiline(c);
    case 3: return hslTextMultiline(c);
    case 4: return hslUnitTextMultiline(c);
    case 5: return rgbPercentText(c, "%\nG:", "%\nB:");
    case 6: return rgbUnitText(c, "\nG:", "\nB:");
    case 7: return hsbTextMultiline(c);
    case 8: return hsbUnitTextMultiline(c);
    default: return hexString(c);
    }
}

std::string colorCodeString(const std::optional<kit::Color>& color) {
    return colorCodeString(color, currentOutputMode());
}

std::string colorCodeStringMultiline(const std::optional<kit::Color>& color) {
    return colorCodeStringMultiline(color, currentOutputMode());
}

} // namespace colour
