#include "kit/base/Color.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>

namespace kit {
namespace {
double clamp01(double v) { return std::isnan(v) ? 0.0 : std::clamp(v, 0.0, 1.0); }
} // namespace

Color Color::rgba(double red, double green, double blue, double alpha) {
    Color c;
    c.r_ = red; c.g_ = green; c.b_ = blue; c.a_ = alpha;
    return c;
}

Color Color::gray(double white, double alpha) {
    Color c = rgba(white, white, white, alpha);
    c.gray_ = true;
    return c;
}

Color Color::hsb(double hue, double saturation, double brightness, double alpha) {
    double h = std::isfinite(hue) ? hue - std::floor(hue) : 0.0;
    const double s = clamp01(saturation), v = clamp01(brightness);
    if (s == 0) return rgba(v, v, v, clamp01(alpha));
    h *= 6.0;
    const int sector = static_cast<int>(std::floor(h)) % 6;
    const double f = h - std::floor(h);
    const double p = v * (1 - s), q = v * (1 - s * f), t = v * (1 - s * (1 - f));
    switch (sector) {
    case 0: return rgba(v, t, p, clamp01(alpha));
    case 1: return rgba(q, v, p, clamp01(alpha));
    case 2: return rgba(p, v, t, clamp01(alpha));
    case 3: return rgba(p, q, v, clamp01(alpha));
    case 4: return rgba(t, p, v, clamp01(alpha));
    default: return rgba(v, p, q, clamp01(alpha));
    }
}

bool Color::getRed(double& red, double& green, double& blue, double& alpha) const {
    red = r_; green = g_; blue = b_; alpha = a_;
    return true;
}

HSBA Color::hsba() const {
    const double mx = std::max({r_, g_, b_}), mn = std::min({r_, g_, b_});
    const double delta = mx - mn;
    HSBA out{0, 0, mx, a_};
    if (mx <= 0 || delta <= 0) return out;
    out.saturation = delta / mx;
    double h;
    if (r_ == mx) h = (g_ - b_) / delta;
    else if (g_ == mx) h = 2 + (b_ - r_) / delta;
    else h = 4 + (r_ - g_) / delta;
    h /= 6.0;
    if (h < 0) h += 1.0;
    out.hue = h >= 1.0 ? 0.0 : h;
    return out;
}

std::vector<double> Color::components() const {
    if (gray_) return {r_, a_};
    return {r_, g_, b_, a_};
}

Color Color::withAlpha(double alpha) const {
    Color c = *this;
    c.a_ = alpha;
    return c;
}

std::size_t Color::hash() const {
    // +0.0 so that -0.0 and 0.0, which compare equal, hash alike.
    std::uint64_t h = 1469598103934665603ull;
    for (double v : {r_ + 0.0, g_ + 0.0, b_ + 0.0, a_ + 0.0}) {
        h ^= std::bit_cast<std::uint64_t>(v);
        h *= 1099511628211ull;
    }
    return static_cast<std::size_t>(h);
}

} // namespace kit
