#include "kit/ui/Animation.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kit {

AnimationCurve curveOf(AnimationOptions options) {
    switch ((static_cast<std::uint32_t>(options) >> 16) & 0xF) {
    case 1: return AnimationCurve::easeIn;
    case 2: return AnimationCurve::easeOut;
    case 3: return AnimationCurve::linear;
    default: return AnimationCurve::easeInOut;
    }
}

namespace {

// The platform's standard cubic Bezier timing curves, solved for x by Newton's method.
double bezier(double x1, double y1, double x2, double y2, double t) {
    auto coord = [](double p1, double p2, double s) {
        const double u = 1 - s;
        return 3 * u * u * s * p1 + 3 * u * s * s * p2 + s * s * s;
    };
    auto slope = [](double p1, double p2, double s) {
        const double u = 1 - s;
        return 3 * u * u * p1 + 6 * u * s * (p2 - p1) + 3 * s * s * (1 - p2);
    };
    double s = t;
    for (int i = 0; i < 8; ++i) {
        const double d = slope(x1, x2, s);
        if (std::fabs(d) < 1e-9) break;
        s = std::clamp(s - (coord(x1, x2, s) - t) / d, 0.0, 1.0);
    }
    // A few bisection steps in case Newton stalled.
    double lo = 0, hi = 1;
    for (int i = 0; i < 30 && std::fabs(coord(x1, x2, s) - t) > 1e-7; ++i) {
        if (coord(x1, x2, s) < t) lo = s; else hi = s;
        s = (lo + hi) / 2;
    }
    return coord(y1, y2, s);
}

} // namespace

double ease(AnimationCurve curve, double t) {
    t = std::clamp(t, 0.0, 1.0);
    switch (curve) {
    case AnimationCurve::linear: return t;
    case AnimationCurve::easeIn: return bezier(0.42, 0, 1, 1, t);
    case AnimationCurve::easeOut: return bezier(0, 0, 0.58, 1, t);
    case AnimationCurve::easeInOut: return bezier(0.42, 0, 0.58, 1, t);
    }
    return t;
}

Point interpolate(Point a, Point b, double f) { return {a.x + (b.x - a.x) * f, a.y + (b.y - a.y) * f}; }

Rect interpolate(const Rect& a, const Rect& b, double f) {
    return {interpolate(a.origin, b.origin, f),
            Size{a.width() + (b.width() - a.width()) * f, a.height() + (b.height() - a.height()) * f}};
}

AffineTransform interpolate(const AffineTransform& a, const AffineTransform& b, double f) {
    // Decompose into scale, rotation and translation so a turn stays a turn (no shrinking midway).
    struct Parts {
        double sx, sy, angle, tx, ty;
    };
    auto split = [](const AffineTransform& t) {
        Parts p{};
        p.sx = std::hypot(t.a, t.b);
        p.angle = std::atan2(t.b, t.a);
        const double det = t.a * t.d - t.b * t.c;
        p.sy = p.sx != 0 ? det / p.sx : std::hypot(t.c, t.d);
        p.tx = t.tx;
        p.ty = t.ty;
        return p;
    };
    Parts pa = split(a), pb = split(b);
    // Turn the short way round.
    double da = pb.angle - pa.angle;
    while (da > std::numbers::pi) da -= 2 * std::numbers::pi;
    while (da < -std::numbers::pi) da += 2 * std::numbers::pi;
    const double sx = pa.sx + (pb.sx - pa.sx) * f, sy = pa.sy + (pb.sy - pa.sy) * f;
    const double angle = pa.angle + da * f;
    AffineTransform t = AffineTransform::scale(sx, sy).concat(AffineTransform::rotation(angle));
    t.tx = pa.tx + (pb.tx - pa.tx) * f;
    t.ty = pa.ty + (pb.ty - pa.ty) * f;
    return t;
}

std::optional<Color> interpolate(const std::optional<Color>& a, const std::optional<Color>& b, double f) {
    // An absent colour is clear; the end value is returned as it is so a finished fade is exact.
    if (f >= 1) return b;
    if (f <= 0) return a;
    const Color ca = a.value_or(Color::clearColor()), cb = b.value_or(Color::clearColor());
    return Color::rgba(ca.red() + (cb.red() - ca.red()) * f, ca.green() + (cb.green() - ca.green()) * f,
                       ca.blue() + (cb.blue() - ca.blue()) * f, ca.alpha() + (cb.alpha() - ca.alpha()) * f);
}

AnimatedValue PropertyAnimation::valueAt(double now) const {
    if (now <= begin) return from;
    if (duration <= 0 || now >= end()) return to;
    const double f = ease(curve, (now - begin) / duration);
    return std::visit(
        [&](const auto& a) -> AnimatedValue {
            using T = std::decay_t<decltype(a)>;
            const T& b = std::get<T>(to);
            if constexpr (std::is_same_v<T, double>) return a + (b - a) * f;
            else return interpolate(a, b, f);
        },
        from);
}

} // namespace kit
