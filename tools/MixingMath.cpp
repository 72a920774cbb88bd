#include "tools/MixingMath.h"

#include "app/ui/Strings.h"
#include "colour/ContrastingTint.h"
#include "colour/HexText.h"
#include "colour/Ryb.h"
#include "colour/library/ColorLibrary.h"
#include "colour/library/DerivedColors.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace tools {

std::array<std::string, 3> componentNames(ColorMixingMode mode) {
    const auto t = [](const char* english) { return app::Strings::text(english); };
    switch (mode) {
    case ColorMixingMode::cmyk: return {t("Cyan"), t("Magenta"), t("Yellow")};
    case ColorMixingMode::ryb: return {t("Red"), t("Yellow"), t("Blue")};
    case ColorMixingMode::rgb: break;
    }
    return {t("Red"), t("Green"), t("Blue")};
}

std::string shareText(std::string_view name, double value, double total) {
    const double share = value / total * 100;
    // A zero total gives NaN, which fails the test before any conversion.
    if (share >= 1 && std::isfinite(share)) {
        return std::string(name) + " (" + std::to_string(static_cast<long long>(std::trunc(share))) + "%)";
    }
    return std::string(name) + " (0%)";
}

std::string blackShareText(float black) {
    const float percent = black * 100.0f;
    const long long whole = std::isfinite(percent) ? static_cast<long long>(std::trunc(percent)) : 0;
    return app::Strings::text("Black") + " " + std::to_string(whole) + "%";
}

kit::Color colorFromSliders(ColorMixingMode mode, double a, double b, double c, double k) {
    switch (mode) {
    case ColorMixingMode::cmyk: return kit::Color::rgba((1 - a) * (1 - k), (1 - b) * (1 - k), (1 - c) * (1 - k), 1);
    case ColorMixingMode::ryb: {
        const auto rgb = colour::rybToRgb(a, b, c);
        return kit::Color::rgba(rgb.red, rgb.green, rgb.blue, 1);
    }
    case ColorMixingMode::rgb: break;
    }
    return kit::Color::rgba(a, b, c, 1);
}

SliderValues sliderValues(ColorMixingMode mode, const kit::Color& color) {
    const auto rgba = colour::rgbaComponents(color);
    SliderValues v;
    switch (mode) {
    case ColorMixingMode::cmyk: {
        const auto cmyk = colour::rgbToCmyk(rgba.red, rgba.green, rgba.blue);
        v = {float(cmyk.cyan), float(cmyk.magenta), float(cmyk.yellow), float(cmyk.black)};
        break;
    }
    case ColorMixingMode::ryb: {
        const auto ryb = colour::nearestRybShares(color);
        v = {float(ryb.red), float(ryb.yellow), float(ryb.blue), std::nullopt};
        break;
    }
    case ColorMixingMode::rgb: v = {float(rgba.red), float(rgba.green), float(rgba.blue), std::nullopt}; break;
    }
    return v;
}

kit::Color labelColorOn(const std::optional<kit::Color>& color) {
    return color ? colour::contrastingTint(*color) : kit::Color::hsb(0, 0, 1, 0.7);
}

std::string floatText(float value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    std::string text(buffer, result.ptr);
    if (text.find_first_of(".eni") == std::string::npos) text += ".0";
    return text;
}

std::string hsbCaption(std::string_view word, float value) {
    const float rounded = std::round(value * 100.0f) / 100.0f;
    return std::string(word) + " (" + floatText(rounded) + ")";
}

bool isMixableHex(std::string_view text) {
    if (!text.empty() && text.front() == '#') text.remove_prefix(1);
    if (text.size() != 6) return false;
    for (char ch : text)
        if (!std::isxdigit(static_cast<unsigned char>(ch))) return false;
    return true;
}

kit::Color halfMix(const std::optional<kit::Color>& current, const kit::Color& other) {
    const kit::Color start = current ? colour::colorFromHex(colour::hexString(*current)) : kit::Color::whiteColor();
    return colour::mixed(start, other, 0.5, colour::MixingSpace::rgb);
}

} // namespace tools
