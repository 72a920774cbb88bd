#include "colour/library/ColorLibrary.h"

#include "kit/text/Scanner.h"
#include "kit/text/Trimming.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace colour {
namespace {

double clamp(double v, double lo, double hi) { return std::isnan(v) ? lo : std::clamp(v, lo, hi); }
double threeDecimals(double v) { return std::round(v * 1000) / 1000; }

std::uint32_t byteOf(double channel) {
    return static_cast<std::uint32_t>(std::round(clamp(channel, 0, 1) * 255));
}

double linearised(double c) { return c > 0.04045 ? std::pow((c + 0.055) / 1.055, 2.4) : c / 12.92; }
double companded(double v) { return v > 0.0031308 ? 1.055 * std::pow(v, 1 / 2.4) - 0.055 : 12.92 * v; }
double labF(double t) { return t > 0.008856 ? std::cbrt(t) : 7.787 * t + 16.0 / 116; }
double labInverse(double f) {
    const double cube = f * f * f;
    return cube > 0.008856 ? cube : (f - 16.0 / 116) / 7.787;
}

} // namespace

kit::Color initWithHexString(std::string_view text) {
    const std::string_view trimmed = kit::text::trimmingWhitespaceAndNewlines(text);
    kit::Scanner scanner(trimmed);
    scanner.setCharactersToBeSkipped(U"#");
    std::uint64_t value = 0;
    const bool useAlpha = scanner.scanHexLongLong(value) && trimmed.size() > 7;
    return initWithHex(value, useAlpha);
}

kit::Color initWithHex(std::uint64_t value, bool useAlpha) {
    auto byte = [&](int shift) { return static_cast<double>((value >> shift) & 0xFF) / 255; };
    if (useAlpha) return kit::Color::rgba(byte(24), byte(16), byte(8), byte(0));
    value = std::min<std::uint64_t>(value, 0xFFFFFF);
    return kit::Color::rgba(byte(16), byte(8), byte(0), 1);
}

kit::Color initWithRgba(double red, double green, double blue, double alpha) {
    return kit::Color::rgba(clamp(red, 0, 255) / 255, clamp(green, 0, 255) / 255,
                            clamp(blue, 0, 255) / 255, clamp(alpha, 0, 255) / 255);
}

double hueToRgb(double m1, double m2, double h) {
    h = std::fmod(std::fmod(h, 1) + 1, 1);
    if (6 * h < 1) return m1 + (m2 - m1) * 6 * h;
    if (2 * h < 1) return m2;
    if (3 * h < 1.9999) return m1 + (m2 - m1) * (2.0 / 3 - h) * 6;
    return m1;
}

kit::Color initWithHsla(double hueDegrees, double saturation, double lightness, double alpha) {
    const double s = clamp(saturation, 0, 1), l = clamp(lightness, 0, 1), a = clamp(alpha, 0, 1);
    const double h = std::isfinite(hueDegrees) ? std::fmod(hueDegrees, 360) / 360 : 0;
    const double m2 = l <= 0.5 ? l * (s + 1) : l + s - l * s;
    const double m1 = 2 * l - m2;
    return kit::Color::rgba(hueToRgb(m1, m2, h + 1.0 / 3), hueToRgb(m1, m2, h),
                            hueToRgb(m1, m2, h - 1.0 / 3), a);
}

kit::Color initWithXyz(double x, double y, double z, double alpha) {
    x = clamp(x, 0, 95.05) / 100;
    y = clamp(y, 0, 100) / 100;
    z = clamp(z, 0, 108.9) / 100;
    auto channel = [](double v) { return std::fabs(threeDecimals(companded(v))); };
    return kit::Color::rgba(channel(3.2406 * x - 1.5372 * y - 0.4986 * z),
                            channel(-0.9689 * x + 1.8758 * y + 0.0415 * z),
                            channel(0.0557 * x - 0.204 * y + 1.057 * z), alpha);
}

kit::Color initWithLab(double l, double a, double b, double alpha) {
    l = clamp(l, 0, 100);
    a = clamp(a, -128, 127);
    b = clamp(b, -128, 127);
    const double fy = (l + 16) / 116, fx = a / 500 + fy, fz = fy - b / 200;
    return initWithXyz(95.05 * labInverse(fx), 100 * labInverse(fy), 108.9 * labInverse(fz), alpha);
}

std::string hexCodeString(const kit::Color& color) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "#%06x", static_cast<unsigned>(hexValue(color)));
    return buffer;
}

std::uint32_t hexValue(const kit::Color& c) {
    return byteOf(c.red()) << 16 | byteOf(c.green()) << 8 | byteOf(c.blue());
}

std::uint32_t rgbaValue(const kit::Color& c) {
    return byteOf(c.red()) << 24 | byteOf(c.green()) << 16 | byteOf(c.blue()) << 8 | byteOf(c.alpha());
}

std::uint32_t abgrValue(const kit::Color& c) {
    return byteOf(c.alpha()) << 24 | byteOf(c.blue()) << 16 | byteOf(c.green()) << 8 | byteOf(c.red());
}

bool hasHexCodeString(const kit::Color& color, std::string_view text) { return hexCodeString(color) == text; }
bool hasHexValue(const kit::Color& color, std::uint32_t value) { return hexValue(color) == value; }

RGBA rgbaComponents(const kit::Color& color) {
    RGBA c;
    color.getRed(c.red, c.green, c.blue, c.alpha);
    return c;
}
double redComponent(const kit::Color& color) { return rgbaComponents(color).red; }
double greenComponent(const kit::Color& color) { return rgbaComponents(color).green; }
double blueComponent(const kit::Color& color) { return rgbaComponents(color).blue; }
double alphaComponent(const kit::Color& color) { return rgbaComponents(color).alpha; }
double hue(const kit::Color& color) { return color.hsba().hue; }
double saturation(const kit::Color& color) { return color.hsba().saturation; }
double brightness(const kit::Color& color) { return color.hsba().brightness; }

HSB hsbValues(const kit::Color& color) {
    const kit::HSBA v = color.hsba();
    return {v.hue, v.saturation, v.brightness};
}

HSLA hslaComponents(const kit::Color& color) {
    const RGBA c = rgbaComponents(color);
    const double mx = std::max({c.red, c.green, c.blue}), mn = std::min({c.red, c.green, c.blue});
    const double d = mx - mn, l = (mx + mn) / 2;
    if (d == 0) return {0, 0, l, c.alpha};
    const double s = d / (l < 0.5 ? mx + mn : 2 - mx - mn);
    double h;
    if (c.red == mx) h = (c.green - c.blue) / d + (c.green < c.blue ? 6 : 0);
    else if (c.green == mx) h = (c.blue - c.red) / d + 2;
    else h = (c.red - c.green) / d + 4;
    return {h / 6, s, l, c.alpha};
}

double hslHueDegrees(const kit::Color& color) { return hslaComponents(color).hue * 360; }

XYZ xyzComponents(const kit::Color& color) {
    const RGBA c = rgbaComponents(color);
    const double r = linearised(c.red), g = linearised(c.green), b = linearised(c.blue);
    return {threeDecimals((0.4124 * r + 0.3576 * g + 0.1805 * b) * 100),
            threeDecimals((0.2126 * r + 0.7152 * g + 0.0722 * b) * 100),
            threeDecimals((0.0193 * r + 0.1192 * g + 0.9505 * b) * 100)};
}

Lab labComponents(const kit::Color& color) {
    const XYZ v = xyzComponents(color);
    const double fx = labF(v.x / 95.05), fy = labF(v.y / 100), fz = labF(v.z / 108.9);
    return {threeDecimals(116 * fy - 16), threeDecimals(500 * (fx - fy)), threeDecimals(200 * (fy - fz))};
}

} // namespace colour
