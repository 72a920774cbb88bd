#include "colour/HexText.h"

#include "colour/ThemeColors.h"
#include "kit/base/Console.h"
#include "kit/text/CaseMapping.h"
#include "kit/text/Scanner.h"
#include "kit/text/Trimming.h"
#include "kit/text/Unicode.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace colour {
namespace {

// Channels outside [0, 1] (extended-range colours) are clamped, so the writer always gives two
// digits per channel; NaN counts as 0. The writer truncates (127.5 gives 7F), but a channel within
// rounding error of a whole step is that step: a colour made from a code and carried through
// hue, saturation and brightness (single-precision angles and sliders on the wheels) comes back a
// few hundred-thousandths of a step short, which truncation would turn into the code below.
int truncatedByte(double channel) {
    constexpr double roundingError = 1e-3; // of one step; single-precision paths stay below 2e-4
    const double scaled = (std::isnan(channel) ? 0.0 : std::clamp(channel, 0.0, 1.0)) * 255;
    const double step = std::round(scaled);
    if (std::abs(scaled - step) <= roundingError) return static_cast<int>(step);
    return static_cast<int>(std::trunc(scaled));
}

bool isHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

kit::Color opaqueFromRgbBits(std::uint64_t value) {
    return kit::Color::rgba(static_cast<double>((value >> 16) & 0xFF) / 255,
                            static_cast<double>((value >> 8) & 0xFF) / 255,
                            static_cast<double>(value & 0xFF) / 255, 1.0);
}

std::string withoutHashes(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text)
        if (c != '#') out += c;
    return out;
}

} // namespace

std::string hexString(const kit::Color& color) {
    const auto components = color.components();
    if (components.empty()) kit::fatal("hexString: a colour without components");
    const bool rgb = components.size() > 3;
    const int r = truncatedByte(components[0]);
    const int g = truncatedByte(rgb ? components[1] : components[0]);
    const int b = truncatedByte(rgb ? components[2] : components[0]);
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%02X%02X%02X", r, g, b);
    return buffer;
}

std::string hexStringWithHash(const kit::Color& color) { return std::string("#").append(hexString(color)); }

kit::Color colorFromHex(std::string_view text) {
    std::string hex = kit::text::uppercased(kit::text::trimmingWhitespaceAndNewlines(text));
    if (!hex.empty() && hex.front() == '#') hex.erase(0, 1);
    const bool upperHex = std::all_of(hex.begin(), hex.end(), [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
    });
    if (hex.size() != 6 || !upperHex) return kit::Color::grayColor();
    std::uint64_t value = 0;
    kit::Scanner(hex).scanHexLongLong(value);
    return opaqueFromRgbBits(value);
}

std::optional<kit::Color> initWithHexRgba(std::string_view text) {
    const std::string hex = withoutHashes(kit::text::trimmingWhitespaceAndNewlines(text));
    std::uint32_t value = 0;
    if (!kit::Scanner(hex).scanHexInt(value)) return std::nullopt;
    auto byte = [&](int shift) { return static_cast<double>((value >> shift) & 0xFF) / 255; };
    const std::size_t characters = kit::text::scalarCount(hex);
    if (characters == 8) return kit::Color::rgba(byte(24), byte(16), byte(8), byte(0));
    if (characters == 6) return kit::Color::rgba(byte(16), byte(8), byte(0), 1.0);
    return std::nullopt;
}

bool isValidHexColor(std::string_view text) {
    const std::string_view digits = (!text.empty() && text.front() == '#') ? text.substr(1) : text;
    if (digits.size() != 6 || !std::all_of(digits.begin(), digits.end(), isHexDigit)) {
        kit::print("not hex");
        return false;
    }
    const std::string lower = kit::text::lowercased(digits);
    if (lower == "ffffff" || lower == "000000") {
        kit::print("white or black");
        return false;
    }
    return true;
}

bool isExcludedHexColor(std::string_view text) {
    if (!isValidHexColor(text)) return true;
    const kit::Color color = colorFromHex(text);
    const auto& ramp = grayScaleSteps();
    return std::any_of(ramp.begin(), ramp.end(),
                       [&](const kit::Color& grey) { return isNear(color, grey, 0.06); });
}

kit::HSBA hsbComponents(const kit::Color& color) { return color.hsba(); }

kit::Color blendColors(const kit::Color& a, const kit::Color& b, double fraction) {
    const double f = std::isnan(fraction) ? 0.0 : std::clamp(fraction, 0.0, 1.0);
    double r1, g1, b1, a1, r2, g2, b2, a2;
    a.getRed(r1, g1, b1, a1);
    b.getRed(r2, g2, b2, a2);
    auto line = [f](double x, double y) { return ((1 - f) * x * 255 + f * y * 255) / 255; };
    // alpha(A) / alpha(B) would divide by zero for a clear B and exceed 1 when A is the more
    // opaque one; opaque pairs still give 1.
    const double alpha = a2 == 0 ? a1 : std::fabs(a1 / a2);
    return kit::Color::rgba(line(r1, r2), line(g1, g2), line(b1, b2), std::clamp(alpha, 0.0, 1.0));
}

bool isNear(const kit::Color& color, const kit::Color& other, double tolerance) {
    double r1, g1, b1, a1, r2, g2, b2, a2;
    color.getRed(r1, g1, b1, a1);
    other.getRed(r2, g2, b2, a2);
    return std::fabs(r1 - r2) <= tolerance && std::fabs(g1 - g2) <= tolerance &&
           std::fabs(b1 - b2) <= tolerance && std::fabs(a1 - a2) <= tolerance;
}

} // namespace colour
