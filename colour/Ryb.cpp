#include "colour/Ryb.h"

#include <algorithm>

namespace colour {
namespace {

double smoothstep(double t) { return t * t * (3 - 2 * t); }
double lerp(double p, double q, double t) { return p + t * (q - p); }

// Corner values of one output channel: white, red, yellow, orange, blue, violet, green, black.
struct Corners { double w, r, y, o, b, v, g, k; };
constexpr Corners redCorners{1, 1, 1, 1, 0.163, 0.5, 0, 0.2};
constexpr Corners greenCorners{1, 0, 1, 0.5, 0.373, 0, 0.66, 0.094};
constexpr Corners blueCorners{1, 0, 0, 0, 0.6, 0.5, 0.2, 0};

double channel(const Corners& c, double r, double y, double b) {
    const double e0 = lerp(c.w, c.b, b); // white to blue
    const double e1 = lerp(c.y, c.g, b); // yellow to green
    const double e2 = lerp(c.r, c.v, b); // red to violet
    const double e3 = lerp(c.o, c.k, b); // orange to black
    return lerp(lerp(e0, e1, y), lerp(e2, e3, y), r);
}

} // namespace

Rgb rybToRgb(double red, double yellow, double blue) {
    const double r = smoothstep(red), y = smoothstep(yellow), b = smoothstep(blue);
    return {channel(redCorners, r, y, b), channel(greenCorners, r, y, b), channel(blueCorners, r, y, b)};
}

kit::Color ryb(double hue, double saturation, double brightness) {
    const kit::Color digital = kit::Color::hsb(hue, saturation, brightness, 1);
    const Rgb rgb = rybToRgb(digital.red(), digital.green(), digital.blue());
    return kit::Color::rgba(rgb.red, rgb.green, rgb.blue, 1);
}

RybComponents rybComponents(const kit::Color& color) {
    const double w = std::min({color.red(), color.green(), color.blue()});
    const double r1 = color.red() - w, g1 = color.green() - w, b1 = color.blue() - w;
    double y = std::min(r1, g1);
    double r2 = r1 - y, g2 = g1 - y, b2 = b1;
    if (b2 > 0 && g2 > 0) {
        b2 /= 2;
        g2 /= 2;
    }
    y += g2;
    double blue = b2 + g2;
    const double n = std::max({r2, y, blue});
    if (n > 0) {
        const double scale = std::max({r1, g1, b1}) / n;
        r2 *= scale;
        y *= scale;
        blue *= scale;
    }
    return {r2 + w, y + w, blue + w};
}

Cmyk rgbToCmyk(double red, double green, double blue) {
    if (red == 0 && green == 0 && blue == 0) return {0, 0, 0, 1};
    const double k = std::min({1 - red, 1 - green, 1 - blue});
    return {(1 - red - k) / (1 - k), (1 - green - k) / (1 - k), (1 - blue - k) / (1 - k), k};
}

} // namespace colour
