#pragma once
// A device RGB colour with components in [0, 1]. A colour made as a grey keeps that form:
// its component list has two entries (white, alpha) instead of four.
#include <cstddef>
#include <vector>

namespace kit {

struct HSBA {
    double hue = 0;
    double saturation = 0;
    double brightness = 0;
    double alpha = 0;
};

class Color {
public:
    // Transparent black, as the platform's clear colour.
    Color() = default;
    static Color rgba(double red, double green, double blue, double alpha = 1.0);
    static Color gray(double white, double alpha = 1.0);
    // Hue wraps modulo 1 (a hue of 1.25 is 0.25); saturation, brightness and alpha are clamped.
    static Color hsb(double hue, double saturation, double brightness, double alpha = 1.0);

    double red() const { return r_; }
    double green() const { return g_; }
    double blue() const { return b_; }
    double alpha() const { return a_; }
    bool isGray() const { return gray_; }

    // The platform's getRed:green:blue:alpha: reading; always succeeds for these colours.
    bool getRed(double& red, double& green, double& blue, double& alpha) const;
    // Hue in [0, 1); greys read hue 0 and saturation 0.
    HSBA hsba() const;
    // Two entries (white, alpha) for a grey, four (red, green, blue, alpha) otherwise.
    std::vector<double> components() const;

    Color withAlpha(double alpha) const;

    // Exact, component by component; a grey equals the RGB colour with the same components.
    friend bool operator==(const Color& x, const Color& y) {
        return x.r_ == y.r_ && x.g_ == y.g_ && x.b_ == y.b_ && x.a_ == y.a_;
    }
    std::size_t hash() const;

    static Color clearColor() { return {}; }
    static Color blackColor() { return gray(0); }
    static Color whiteColor() { return gray(1); }
    static Color grayColor() { return gray(0.5); }
    static Color darkGrayColor() { return gray(1.0 / 3.0); }
    static Color lightGrayColor() { return gray(2.0 / 3.0); }
    static Color redColor() { return rgba(1, 0, 0); }
    static Color greenColor() { return rgba(0, 1, 0); }
    static Color blueColor() { return rgba(0, 0, 1); }
    static Color cyanColor() { return rgba(0, 1, 1); }
    static Color yellowColor() { return rgba(1, 1, 0); }
    static Color magentaColor() { return rgba(1, 0, 1); }
    static Color orangeColor() { return rgba(1, 0.5, 0); }
    static Color purpleColor() { return rgba(0.5, 0, 0.5); }
    static Color brownColor() { return rgba(0.6, 0.4, 0.2); }

private:
    double r_ = 0, g_ = 0, b_ = 0, a_ = 0;
    bool gray_ = false;
};

struct ColorHash {
    std::size_t operator()(const Color& c) const { return c.hash(); }
};

} // namespace kit
