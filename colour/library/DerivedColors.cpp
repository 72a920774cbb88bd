#include "colour/library/DerivedColors.h"

#include <algorithm>
#include <cmath>

namespace colour {
namespace {

double clamp01(double v) { return std::isnan(v) ? 0.0 : std::clamp(v, 0.0, 1.0); }
double lerp(double a, double b, double w) { return a + w * (b - a); }

// The change of hue from source to target, the short way round (degrees, or fractions of a turn,
// which never reach the 180 test).
double hueDelta(double source, double target) {
    const double d = target - source;
    if (target > source && d > 180) return d - 360;
    if (target < source && source - target > 180) return d + 360;
    return d;
}

kit::Color fromHsla(const HSLA& v) {
    return initWithHsla(v.hue * 360, clamp01(v.saturation), clamp01(v.lightness), clamp01(v.alpha));
}

kit::Color towards(const kit::Color& c, double amount, double target) {
    const double t = clamp01(amount);
    return kit::Color::rgba(lerp(c.red(), target, t), lerp(c.green(), target, t),
                            lerp(c.blue(), target, t), lerp(c.alpha(), 1.0, t));
}

} // namespace

double minimumContrastRatio(ContrastDisplayContext context) {
    switch (context) {
    case ContrastDisplayContext::standard: return 4.5;
    case ContrastDisplayContext::standardLargeText: return 3.0;
    case ContrastDisplayContext::enhanced: return 7.0;
    case ContrastDisplayContext::enhancedLargeText: return 4.5;
    }
    return 4.5;
}

kit::Color adjustedHue(const kit::Color& color, double degrees) {
    HSLA v = hslaComponents(color);
    v.hue = std::fmod(v.hue * 360 + degrees, 360) / 360;
    return fromHsla(v);
}

kit::Color complemented(const kit::Color& color) { return adjustedHue(color, 180); }

kit::Color lighter(const kit::Color& color, double amount) {
    HSLA v = hslaComponents(color);
    v.lightness += amount;
    return fromHsla(v);
}

kit::Color darker(const kit::Color& color, double amount) { return lighter(color, -amount); }

kit::Color saturated(const kit::Color& color, double amount) {
    HSLA v = hslaComponents(color);
    v.saturation += amount;
    return fromHsla(v);
}

kit::Color desaturated(const kit::Color& color, double amount) { return saturated(color, -amount); }

kit::Color grayscaled(const kit::Color& color, GrayscalingMode mode) {
    const RGBA c = rgbaComponents(color);
    const double mx = std::max({c.red, c.green, c.blue}), mn = std::min({c.red, c.green, c.blue});
    double level = 0;
    switch (mode) {
    case GrayscalingMode::luminance: level = 0.299 * c.red + 0.587 * c.green + 0.114 * c.blue; break;
    case GrayscalingMode::lightness: level = (mx + mn) / 2; break;
    case GrayscalingMode::average: level = (c.red + c.green + c.blue) / 3; break;
    case GrayscalingMode::value: level = mx; break;
    }
    return initWithHsla(0, 0, clamp01(level), clamp01(c.alpha));
}

kit::Color inverted(const kit::Color& color) {
    const RGBA c = rgbaComponents(color);
    return kit::Color::rgba(1 - c.red, 1 - c.green, 1 - c.blue, c.alpha);
}

kit::Color adjustedAlpha(const kit::Color& color, double amount) {
    const RGBA c = rgbaComponents(color);
    return kit::Color::rgba(c.red, c.green, c.blue, clamp01(c.alpha + amount));
}

kit::Color tinted(const kit::Color& color, double amount) { return towards(color, amount, 1.0); }
kit::Color shaded(const kit::Color& color, double amount) { return towards(color, amount, 0.0); }

kit::Color mixed(const kit::Color& color, const kit::Color& other, double weight, MixingSpace space) {
    const double w = clamp01(weight);
    const double alpha = lerp(color.alpha(), other.alpha(), w);
    switch (space) {
    case MixingSpace::rgb:
        return kit::Color::rgba(lerp(color.red(), other.red(), w), lerp(color.green(), other.green(), w),
                                lerp(color.blue(), other.blue(), w), alpha);
    case MixingSpace::hsl: {
        const HSLA a = hslaComponents(color), b = hslaComponents(other);
        const double h1 = a.hue * 360, h2 = b.hue * 360;
        return initWithHsla(h1 + w * hueDelta(h1, h2), lerp(a.saturation, b.saturation, w),
                            lerp(a.lightness, b.lightness, w), alpha);
    }
    case MixingSpace::hsb: {
        const HSB a = hsbValues(color), b = hsbValues(other);
        return kit::Color::hsb(a.hue + w * hueDelta(a.hue, b.hue), lerp(a.saturation, b.saturation, w),
                               lerp(a.brightness, b.brightness, w), alpha);
    }
    case MixingSpace::lab: {
        const Lab a = labComponents(color), b = labComponents(other);
        return initWithLab(lerp(a.l, b.l, w), lerp(a.a, b.a, w), lerp(a.b, b.b, w), alpha);
    }
    }
    return color;
}

bool isLight(const kit::Color& color) {
    return (299 * color.red() + 587 * color.green() + 114 * color.blue()) / 1000 >= 0.5;
}

double luminance(const kit::Color& color) {
    auto linear = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(color.red()) + 0.7152 * linear(color.green()) + 0.0722 * linear(color.blue());
}

double contrastRatio(const kit::Color& color, const kit::Color& other) {
    const double l1 = luminance(color), l2 = luminance(other);
    return (std::max(l1, l2) + 0.05) / (std::min(l1, l2) + 0.05);
}

bool isContrasting(const kit::Color& color, const kit::Color& other, ContrastDisplayContext context) {
    return contrastRatio(color, other) > minimumContrastRatio(context);
}

} // namespace colour
