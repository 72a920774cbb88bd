#include "colour/Ryb.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

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

// The cube's colour at eased shares (trilinear in them).
Rgb cubeColor(double r, double y, double b) {
    return {channel(redCorners, r, y, b), channel(greenCorners, r, y, b), channel(blueCorners, r, y, b)};
}

double distanceSquared(const Rgb& p, const Rgb& q) {
    const double dr = p.red - q.red, dg = p.green - q.green, db = p.blue - q.blue;
    return dr * dr + dg * dg + db * db;
}

// The share t in [0, 1] whose easing t^2 (3 - 2t) is `eased`.
double uneased(double eased) {
    if (eased <= 0) return 0; // the ends exactly, which the trigonometry misses by a rounding error
    if (eased >= 1) return 1;
    return std::clamp(0.5 - std::sin(std::asin(1 - 2 * eased) / 3), 0.0, 1.0);
}

} // namespace

Rgb rybToRgb(double red, double yellow, double blue) {
    const double r = smoothstep(red), y = smoothstep(yellow), b = smoothstep(blue);
    return cubeColor(r, y, b);
}

RybComponents nearestRybShares(const kit::Color& color) {
    const Rgb target{color.red(), color.green(), color.blue()};
    // A coarse grid picks the region of the nearest colour; the descent below only refines it.
    constexpr int steps = 16;
    std::array<double, 3> best{};
    double bestDistance = std::numeric_limits<double>::infinity();
    for (int i = 0; i <= steps; ++i)
        for (int j = 0; j <= steps; ++j)
            for (int k = 0; k <= steps; ++k) {
                const std::array<double, 3> p{double(i) / steps, double(j) / steps, double(k) / steps};
                const double d = distanceSquared(cubeColor(p[0], p[1], p[2]), target);
                if (d < bestDistance) bestDistance = d, best = p;
            }
    // The colour is affine along each eased share, so each step solves one share exactly.
    for (int round = 0; round < 500; ++round) {
        double moved = 0;
        for (std::size_t axis = 0; axis < 3; ++axis) {
            auto at = [&](double value) {
                auto p = best;
                p[axis] = value;
                return cubeColor(p[0], p[1], p[2]);
            };
            const Rgb low = at(0), high = at(1);
            const Rgb d{high.red - low.red, high.green - low.green, high.blue - low.blue};
            const double length = d.red * d.red + d.green * d.green + d.blue * d.blue;
            if (length == 0) continue;
            const double along = ((target.red - low.red) * d.red + (target.green - low.green) * d.green +
                                  (target.blue - low.blue) * d.blue) / length;
            const double value = std::clamp(along, 0.0, 1.0);
            moved += std::abs(value - best[axis]);
            best[axis] = value;
        }
        if (moved < 1e-13) break;
    }
    return {uneased(best[0]), uneased(best[1]), uneased(best[2])};
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
