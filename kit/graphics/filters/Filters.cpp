#include "kit/graphics/filters/Filters.h"

#include "kit/base/Color.h"

#include <cairo.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <numbers>

namespace kit::filters {

namespace {

using Table = std::array<double, 256>;

// `factor` x byte / 255 for every byte: the per-channel products of the colour formulas,
// computed once per call with the very operations the formulas use, so results stay bit-exact.
Table scaledBytes(double factor) {
    Table t;
    for (int i = 0; i < 256; ++i) t[i] = factor * (i / 255.0);
    return t;
}

// A colour in [0, 1] (clamped) as the nearest byte, halves rounded up: std::lround, without the call.
// The halfway points come from a table: converting the whole part back to a double would stall.
std::uint8_t toByte(double c) {
    static constexpr auto halfway = [] {
        std::array<double, 256> h{};
        for (int i = 0; i < 256; ++i) h[i] = i + 0.5;
        return h;
    }();
    const double x = std::clamp(c, 0.0, 1.0) * 255;
    const int whole = static_cast<int>(x);
    return static_cast<std::uint8_t>(whole + (x >= halfway[whole]));
}

// The rounding Image uses when it reads and writes straight bytes.
std::uint8_t unpremultiplied(std::uint8_t c, std::uint8_t a) {
    return static_cast<std::uint8_t>(std::min(255, (c * 255 + a / 2) / a));
}
std::uint8_t premultiplied(std::uint8_t c, std::uint8_t a) { return static_cast<std::uint8_t>((c * a + 127) / 255); }

// Sums of per-channel products in fixed point, in byte units with kFraction fraction bits: three
// table reads and two integer additions per channel instead of the floating-point formula. Their
// error is a few millionths of a byte, so where a sum falls this close to a rounding step
// the formula itself decides, and every byte stays the formula's.
constexpr int kFraction = 20;
constexpr std::uint32_t kOne = 1u << kFraction;
constexpr std::uint32_t kUndecided = kOne >> 10;
using FixedTable = std::array<std::uint32_t, 256>;

FixedTable fixedProducts(double factor) {
    FixedTable t;
    for (int i = 0; i < 256; ++i) t[i] = static_cast<std::uint32_t>(std::lround(factor * i * kOne));
    return t;
}

// `out` ready to take `image`'s pixels: its own surface when the size and scale match, else a new one.
bool prepareOutput(const Image& image, Image& out) {
    const int w = image.pixelWidth(), h = image.pixelHeight();
    const bool reusable = !out.isEmpty() && out.pixelWidth() == w && out.pixelHeight() == h &&
                          out.scale() == image.scale() &&
                          cairo_image_surface_get_format(out.surface()) == CAIRO_FORMAT_ARGB32;
    if (reusable) return true;
    auto fresh = Image::adoptSurface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h), image.scale());
    if (!fresh) return false;
    out = std::move(*fresh);
    return true;
}

std::uint32_t packed(const std::array<std::uint8_t, 3>& rgb) {
    return std::uint32_t(rgb[0]) << 16 | std::uint32_t(rgb[1]) << 8 | rgb[2];
}

// Runs `f(rgb)` on every pixel's straight colour bytes, reading and writing the surface rows
// directly; opaque pixels (photos and camera frames are opaque) go through `opaque(xrgb)` instead,
// which returns the new colour as 0x00RRGGBB. Un-premultiplying (a division per channel) happens
// only where alpha is partial; fully transparent pixels stay clear whatever `f` makes.
template <class F, class Opaque> bool mapColoursInto(const Image& image, Image& out, F&& f, Opaque&& opaque) {
    if (image.isEmpty() || !prepareOutput(image, out)) return false;
    const int w = image.pixelWidth(), h = image.pixelHeight();
    cairo_surface_t* from = image.surface();
    cairo_surface_t* to = out.surface();
    const unsigned char* src = cairo_image_surface_get_data(from);
    unsigned char* dst = cairo_image_surface_get_data(to);
    const std::ptrdiff_t srcStride = cairo_image_surface_get_stride(from);
    const std::ptrdiff_t dstStride = cairo_image_surface_get_stride(to);
    const std::uint32_t alphaOne = image.isOpaque() ? 0xFF000000u : 0; // RGB24 leaves the top byte undefined
    for (int y = 0; y < h; ++y) {
        const unsigned char* in = src + y * srcStride;
        unsigned char* o = dst + y * dstStride;
        for (int x = 0; x < w; ++x, in += 4, o += 4) {
            std::uint32_t v;
            std::memcpy(&v, in, 4);
            v |= alphaOne;
            const std::uint8_t a = static_cast<std::uint8_t>(v >> 24);
            std::uint32_t result = 0;
            if (a == 255) {
                result = 0xFF000000u | opaque(v);
            } else if (a != 0) {
                std::array<std::uint8_t, 3> rgb = {std::uint8_t(v >> 16), std::uint8_t(v >> 8), std::uint8_t(v)};
                for (auto& c : rgb) c = unpremultiplied(c, a);
                f(rgb);
                for (auto& c : rgb) c = premultiplied(c, a);
                result = std::uint32_t(a) << 24 | packed(rgb);
            }
            std::memcpy(o, &result, 4);
        }
    }
    out.markDirty();
    return true;
}

template <class F> bool mapColoursInto(const Image& image, Image& out, F&& f) {
    return mapColoursInto(image, out, f, [&f](std::uint32_t v) {
        std::array<std::uint8_t, 3> rgb = {std::uint8_t(v >> 16), std::uint8_t(v >> 8), std::uint8_t(v)};
        f(rgb);
        return packed(rgb);
    });
}

template <class F> std::optional<Image> mapColours(const Image& image, F&& f) {
    Image out;
    if (!mapColoursInto(image, out, std::forward<F>(f))) return std::nullopt;
    return out;
}

double finiteOr(double v, double fallback) { return std::isfinite(v) ? v : fallback; }

constexpr double kSepia[3][3] = {{0.393, 0.769, 0.189}, {0.349, 0.686, 0.168}, {0.272, 0.534, 0.131}};

// Sepia as the formula states it: each channel blended from itself towards its sepia sum by `t`.
class SepiaFormula {
public:
    explicit SepiaFormula(double t) : t_(t), unit_(scaledBytes(1)) {
        for (int row = 0; row < 3; ++row)
            for (int col = 0; col < 3; ++col) products_[row][col] = scaledBytes(kSepia[row][col]);
    }
    void operator()(std::array<std::uint8_t, 3>& rgb) const {
        const auto [r, g, b] = rgb;
        for (int k = 0; k < 3; ++k) {
            const double sepia = products_[k][0][r] + products_[k][1][g] + products_[k][2][b];
            const double c = unit_[rgb[k]];
            rgb[k] = toByte(c + (std::min(1.0, sepia) - c) * t_);
        }
    }

private:
    double t_;
    Table unit_;
    std::array<std::array<Table, 3>, 3> products_;
};

// A fixed-point sum, kOne / 2 added, is undecided when its fraction lies within kUndecided of a step.
bool undecided(std::uint32_t shifted) { return ((shifted + kUndecided) & (kOne - 1)) < 2 * kUndecided; }
std::uint32_t decidedByte(std::uint32_t shifted) { return std::min<std::uint32_t>(shifted >> kFraction, 255); }

// Full-intensity sepia, the live camera case: the sums in fixed point.
class FullSepia {
public:
    FullSepia() : formula_(1.0) {
        for (int row = 0; row < 3; ++row)
            for (int col = 0; col < 3; ++col) {
                fixed_[row][col] = fixedProducts(kSepia[row][col]);
                if (col == 0)
                    for (auto& v : fixed_[row][col]) v += kOne / 2;
            }
    }
    void operator()(std::array<std::uint8_t, 3>& rgb) const { formula_(rgb); }
    std::uint32_t operator()(std::uint32_t v) const {
        const std::uint32_t r = v >> 16 & 0xFF, g = v >> 8 & 0xFF, b = v & 0xFF;
        const std::uint32_t sr = fixed_[0][0][r] + fixed_[0][1][g] + fixed_[0][2][b];
        const std::uint32_t sg = fixed_[1][0][r] + fixed_[1][1][g] + fixed_[1][2][b];
        const std::uint32_t sb = fixed_[2][0][r] + fixed_[2][1][g] + fixed_[2][2][b];
        if (undecided(sr) | undecided(sg) | undecided(sb)) [[unlikely]] {
            std::array<std::uint8_t, 3> rgb = {std::uint8_t(r), std::uint8_t(g), std::uint8_t(b)};
            formula_(rgb);
            return packed(rgb);
        }
        return decidedByte(sr) << 16 | decidedByte(sg) << 8 | decidedByte(sb);
    }

private:
    SepiaFormula formula_;
    std::array<std::array<FixedTable, 3>, 3> fixed_;  // the first of each row holds the rounding half
};

// A byte's linear light, and back: sRGB's transfer curve.
double decodedSRGB(double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); }

struct LinearLight {
    Table linear;                     // each byte's linear value
    std::array<double, 255> steps;    // the linear value where the encoded byte goes from i to i + 1
    LinearLight() {
        for (int i = 0; i < 256; ++i) linear[i] = decodedSRGB(i / 255.0);
        for (int i = 0; i < 255; ++i) steps[i] = decodedSRGB((i + 0.5) / 255);
    }
    // The nearest byte of a linear value, halves rounded up as toByte does.
    std::uint8_t encoded(double v) const {
        return static_cast<std::uint8_t>(std::upper_bound(steps.begin(), steps.end(), v) - steps.begin());
    }
    static const LinearLight& shared() {
        static const LinearLight light;
        return light;
    }
};

// The colour controls on decoded values (each byte's value in the working space); `encode` turns
// a result back into a byte.
template <class Encode>
auto colourControlsOn(const Table& decoded, double s, double br, double k, double middle, Encode encode) {
    return [&decoded, s, br, k, middle, encode](std::array<std::uint8_t, 3>& rgb) {
        const double luma = 0.2126 * decoded[rgb[0]] + 0.7152 * decoded[rgb[1]] + 0.0722 * decoded[rgb[2]];
        for (auto& c : rgb) {
            double v = std::clamp(luma + (decoded[c] - luma) * s, 0.0, 1.0);
            v = std::clamp(v + br, 0.0, 1.0);
            c = encode((v - middle) * k + middle);
        }
    };
}

} // namespace

bool sepiaTone(const Image& image, Image& out, double intensity) {
    const double t = std::clamp(finiteOr(intensity, 1.0), 0.0, 1.0);
    if (t == 1.0) {
        static const FullSepia full;
        return mapColoursInto(image, out, full, full);
    }
    return mapColoursInto(image, out, SepiaFormula(t));
}

std::optional<Image> sepiaTone(const Image& image, double intensity) {
    Image out;
    if (!sepiaTone(image, out, intensity)) return std::nullopt;
    return out;
}

bool posterize(const Image& image, Image& out, double levels) {
    const double steps = std::clamp(std::round(finiteOr(levels, 6.0)), 2.0, 256.0) - 1;
    std::array<std::uint8_t, 256> lut; // each channel on its own: one table serves all three
    for (int i = 0; i < 256; ++i) lut[i] = toByte(std::round(i / 255.0 * steps) / steps);
    return mapColoursInto(
        image, out, [&](std::array<std::uint8_t, 3>& rgb) {
            for (auto& c : rgb) c = lut[c];
        },
        [&](std::uint32_t v) {
            return std::uint32_t(lut[v >> 16 & 0xFF]) << 16 | std::uint32_t(lut[v >> 8 & 0xFF]) << 8 | lut[v & 0xFF];
        });
}

std::optional<Image> posterize(const Image& image, double levels) {
    Image out;
    if (!posterize(image, out, levels)) return std::nullopt;
    return out;
}

bool colorControls(const Image& image, Image& out, double saturation, double brightness, double contrast,
                   WorkingSpace space) {
    const double s = finiteOr(saturation, 1.0), br = finiteOr(brightness, 0.0), k = finiteOr(contrast, 1.0);
    if (space == WorkingSpace::linearLight) {
        const auto& light = LinearLight::shared();
        return mapColoursInto(image, out, colourControlsOn(light.linear, s, br, k, decodedSRGB(0.5), [&light](double v) {
                                  return light.encoded(v);
                              }));
    }
    static const Table unit = scaledBytes(1);
    const auto formula = colourControlsOn(unit, s, br, k, 0.5, toByte);
    if (s != 0 || br != 0 || k != 1) return mapColoursInto(image, out, formula);
    // Plain grey: the luma sum in fixed point.
    static const std::array<FixedTable, 3> fixedLuma = [] {
        std::array<FixedTable, 3> t = {fixedProducts(0.2126), fixedProducts(0.7152), fixedProducts(0.0722)};
        for (auto& v : t[0]) v += kOne / 2;
        return t;
    }();
    return mapColoursInto(image, out, formula, [&](std::uint32_t v) {
        const std::uint32_t sum = fixedLuma[0][v >> 16 & 0xFF] + fixedLuma[1][v >> 8 & 0xFF] + fixedLuma[2][v & 0xFF];
        if (undecided(sum)) [[unlikely]] {
            std::array<std::uint8_t, 3> rgb = {std::uint8_t(v >> 16), std::uint8_t(v >> 8), std::uint8_t(v)};
            formula(rgb);
            return packed(rgb);
        }
        return decidedByte(sum) * 0x010101u;
    });
}

std::optional<Image> colorControls(const Image& image, double saturation, double brightness, double contrast,
                                   WorkingSpace space) {
    Image out;
    if (!colorControls(image, out, saturation, brightness, contrast, space)) return std::nullopt;
    return out;
}

std::optional<Image> hueSaturationValueGradient(double radius, double value, double scale) {
    if (!std::isfinite(radius) || radius <= 0 || !std::isfinite(scale) || scale <= 0) return std::nullopt;
    const double pr = radius * scale;
    const double sidePixels = std::ceil(2 * pr - 1e-9);
    if (sidePixels < 1 || sidePixels > 32767) return std::nullopt;
    const int side = static_cast<int>(sidePixels);
    const double v = std::clamp(finiteOr(value, 1.0), 0.0, 1.0);
    std::vector<std::uint8_t> px(static_cast<std::size_t>(side) * side * 4, 0);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            const double dx = x + 0.5 - pr, dy = pr - (y + 0.5); // y up: counter-clockwise on screen
            const double d = std::hypot(dx, dy);
            if (d > pr) continue;
            double hue = std::atan2(dy, dx) / (2 * std::numbers::pi);
            if (hue < 0) hue += 1;
            const Color c = Color::hsb(hue, d / pr, v);
            std::uint8_t* p = &px[(static_cast<std::size_t>(y) * side + x) * 4];
            p[0] = static_cast<std::uint8_t>(std::lround(c.red() * 255));
            p[1] = static_cast<std::uint8_t>(std::lround(c.green() * 255));
            p[2] = static_cast<std::uint8_t>(std::lround(c.blue() * 255));
            p[3] = 255;
        }
    return Image::fromRGBA(side, side, px, scale);
}

} // namespace kit::filters
