#include "charting/core/ChartEasing.h"

#include "kit/base/Console.h"

#include <array>
#include <cmath>
#include <string>

namespace charting {
namespace {

// Constants as the curves have always used them (not recomputed, so results stay bit-exact).
constexpr double halfPi = 1.5707963267948966;
constexpr double twoPi = 6.283185307179586;
constexpr double pi = 3.141592653589793;

double linear(double t, double d) { return t / d; }

double easeInQuad(double t, double d) {
    const double u = t / d;
    return u * u;
}
double easeOutQuad(double t, double d) {
    const double u = t / d;
    return -u * (u - 2);
}
double easeInOutQuad(double t, double d) {
    const double h = t / (d / 2);
    if (h < 1) return 0.5 * h * h;
    return -0.5 * ((h - 1) * (h - 3) - 1);
}

double easeInCubic(double t, double d) {
    const double u = t / d;
    return u * u * u;
}
double easeOutCubic(double t, double d) {
    const double v = t / d - 1;
    return v * v * v + 1;
}
double easeInOutCubic(double t, double d) {
    double h = t / (d / 2);
    if (h < 1) return 0.5 * h * h * h;
    h -= 2;
    return 0.5 * (h * h * h + 2);
}

double easeInQuart(double t, double d) {
    const double u = t / d;
    return u * u * u * u;
}
double easeOutQuart(double t, double d) {
    const double v = t / d - 1;
    return -(v * v * v * v - 1);
}
double easeInOutQuart(double t, double d) {
    double h = t / (d / 2);
    if (h < 1) return 0.5 * h * h * h * h;
    h -= 2;
    return -0.5 * (h * h * h * h - 2);
}

double easeInQuint(double t, double d) {
    const double u = t / d;
    return u * u * u * u * u;
}
double easeOutQuint(double t, double d) {
    const double v = t / d - 1;
    return v * v * v * v * v + 1;
}
double easeInOutQuint(double t, double d) {
    double h = t / (d / 2);
    if (h < 1) return 0.5 * h * h * h * h * h;
    h -= 2;
    return 0.5 * (h * h * h * h * h + 2);
}

double easeInSine(double t, double d) { return 1 - std::cos(t / d * halfPi); }
double easeOutSine(double t, double d) { return std::sin(t / d * halfPi); }
double easeInOutSine(double t, double d) { return -0.5 * (std::cos(pi * (t / d)) - 1); }

double easeInExpo(double t, double d) { return t == 0 ? 0 : std::pow(2.0, 10 * (t / d - 1)); }
double easeOutExpo(double t, double d) { return t == d ? 1 : 1 - std::pow(2.0, -10 * t / d); }
double easeInOutExpo(double t, double d) {
    if (t == 0) return 0;
    if (t == d) return 1;
    const double h = t / (d / 2);
    if (h < 1) return 0.5 * std::pow(2.0, 10 * (h - 1));
    return 0.5 * (2 - std::pow(2.0, -10 * (h - 1)));
}

double easeInCirc(double t, double d) {
    const double u = t / d;
    return -(std::sqrt(1 - u * u) - 1);
}
double easeOutCirc(double t, double d) {
    const double v = t / d - 1;
    return std::sqrt(1 - v * v);
}
double easeInOutCirc(double t, double d) {
    double h = t / (d / 2);
    if (h < 1) return -0.5 * (std::sqrt(1 - h * h) - 1);
    h -= 2;
    return 0.5 * (std::sqrt(1 - h * h) + 1);
}

double easeInElastic(double t, double d) {
    if (t == 0) return 0;
    const double u = t / d;
    if (u == 1) return 1;
    const double p = d * 0.3;
    const double s = p / twoPi * halfPi;
    const double v = u - 1;
    return -(std::pow(2.0, 10 * v) * std::sin((v * d - s) * twoPi / p));
}
double easeOutElastic(double t, double d) {
    if (t == 0) return 0;
    const double u = t / d;
    if (u == 1) return 1;
    const double p = d * 0.3;
    const double s = p / twoPi * halfPi;
    return std::pow(2.0, -10 * u) * std::sin((u * d - s) * twoPi / p) + 1;
}
double easeInOutElastic(double t, double d) {
    if (t == 0) return 0;
    const double h = t / (d / 2);
    if (h == 2) return 1;
    const double p = d * 0.44999999999999996;
    const double s = p / twoPi * halfPi;
    const double w = h - 1;
    const double wave = std::sin((w * d - s) * twoPi / p);
    if (h < 1) return -0.5 * std::pow(2.0, 10 * w) * wave;
    return 0.5 * std::pow(2.0, -10 * w) * wave + 1;
}

double easeInBack(double t, double d) {
    const double u = t / d;
    return u * u * (2.70158 * u - 1.70158);
}
double easeOutBack(double t, double d) {
    const double v = t / d - 1;
    return v * v * (2.70158 * v + 1.70158) + 1;
}
double easeInOutBack(double t, double d) {
    double h = t / (d / 2);
    if (h < 1) return 0.5 * h * h * (3.5949095 * h - 2.5949095);
    h -= 2;
    return 0.5 * (h * h * (3.5949095 * h + 2.5949095) + 2);
}

double easeOutBounce(double t, double d) {
    const double u = t / d;
    constexpr double k = 7.5625;
    if (u < 0.36363636363636365) return k * u * u;
    if (u < 0.7272727272727273) {
        const double v = u - 0.5454545454545454;
        return k * v * v + 0.75;
    }
    if (u < 0.9090909090909091) {
        const double v = u - 0.8181818181818182;
        return k * v * v + 0.9375;
    }
    const double v = u - 0.9545454545454546;
    return k * v * v + 0.984375;
}
double easeInBounce(double t, double d) { return 1 - easeOutBounce(d - t, d); }
double easeInOutBounce(double t, double d) {
    if (t < d / 2) return 0.5 * (1 - easeOutBounce(d - 2 * t, d));
    return 0.5 * easeOutBounce(2 * t - d, d) + 0.5;
}

constexpr std::array<EasingCurve, easingOptionCount> curves = {
    linear,         easeInQuad,      easeOutQuad,      easeInOutQuad,  easeInCubic,    easeOutCubic,
    easeInOutCubic, easeInQuart,     easeOutQuart,     easeInOutQuart, easeInQuint,    easeOutQuint,
    easeInOutQuint, easeInSine,      easeOutSine,      easeInOutSine,  easeInExpo,     easeOutExpo,
    easeInOutExpo,  easeInCirc,      easeOutCirc,      easeInOutCirc,  easeInElastic,  easeOutElastic,
    easeInOutElastic, easeInBack,    easeOutBack,      easeInOutBack,  easeInBounce,   easeOutBounce,
    easeInOutBounce,
};

} // namespace

std::optional<ChartEasingOption> easingOptionFromRaw(int raw) {
    if (raw < 0 || raw >= easingOptionCount) return std::nullopt;
    return static_cast<ChartEasingOption>(raw);
}

EasingCurve easingCurve(ChartEasingOption option) {
    const int raw = static_cast<int>(option);
    if (raw < 0 || raw >= easingOptionCount)
        kit::fatal("easingFunctionFromOption(_:): " + std::to_string(raw) + " is not a ChartEasingOption");
    return curves[static_cast<std::size_t>(raw)];
}

EasingFunction easingFunctionFromOption(ChartEasingOption option) { return easingCurve(option); }

} // namespace charting
