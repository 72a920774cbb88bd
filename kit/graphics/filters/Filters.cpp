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

// Runs `f(rgb)` on every pixel's straight colour bytes, reading and writing the surface rows
// directly. Photos and camera frames are opaque, so un-premultiplying (a division per channel)
// happens only where alpha is partial; fully transparent pixels stay clear whatever `f` makes.
template <class F> std::optional<Image> mapColours(const Image& image, F&& f) {
    if (image.isEmpty()) return std::nullopt;
    const int w = image.pixelWidth(), h = image.pixelHeight();
    auto out = Image::adoptSurface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h), image.scale());
    if (!out) return std::nullopt;
    cairo_surface_t* from = image.surface();
    cairo_surface_t* to = out->surface();
    const unsigned char* src = cairo_image_surface_get_data(from);
    unsigned char* dst = cairo_image_surface_get_data(to);
    const std::ptrdiff_t srcStride = cairo_image_surface_get_stride(from);
    const std::ptrdiff_t dstStride = cairo_image_surface_get_stride(to);
    const std::uint32_t opaque = image.isOpaque() ? 0xFF000000u : 0; // RGB24 leaves the top byte undefined
    for (int y = 0; y < h; ++y) {
        const unsigned char* in = src + y * srcStride;
        unsigned char* o = dst + y * dstStride;
        for (int x = 0; x < w; ++x, in += 4, o += 4) {
            std::uint32_t v;
            std::memcpy(&v, in, 4);
            v |= opaque;
            const std::uint8_t a = static_cast<std::uint8_t>(v >> 24);
            std::uint32_t result = 0;
            if (a != 0) {
                std::array<std::uint8_t, 3> rgb = {std::uint8_t(v >> 16), std::uint8_t(v >> 8), std::uint8_t(v)};
                if (a != 255)
                    for (auto& c : rgb) c = unpremultiplied(c, a);
                f(rgb);
                if (a != 255)
                    for (auto& c : rgb) c = premultiplied(c, a);
                result = std::uint32_t(a) << 24 | std::uint32_t(rgb[0]) << 16 | std::uint32_t(rgb[1]) << 8 | rgb[2];
            }
            std::memcpy(o, &result, 4);
        }
    }
    out->markDirty();
    return out;
}

double finiteOr(double v, double fallback) { return std::isfinite(v) ? v : fallback; }

} // namespace

std::optional<Image> sepiaTone(const Image& image, double intensity) {
    const double t = std::clamp(finiteOr(intensity, 1.0), 0.0, 1.0);
    static constexpr double matrix[3][3] = {{0.393, 0.769, 0.189}, {0.349, 0.686, 0.168}, {0.272, 0.534, 0.131}};
    std::array<std::array<Table, 3>, 3> products;
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col) products[row][col] = scaledBytes(matrix[row][col]);
    const Table unit = scaledBytes(1);
    return mapColours(image, [&](std::array<std::uint8_t, 3>& rgb) {
        const auto [r, g, b] = rgb;
        for (int k = 0; k < 3; ++k) {
            const double sepia = products[k][0][r] + products[k][1][g] + products[k][2][b];
            const double c = unit[rgb[k]];
            rgb[k] = toByte(c + (std::min(1.0, sepia) - c) * t);
        }
    });
}

std::optional<Image> posterize(const Image& image, double levels) {
    const double steps = std::clamp(std::round(finiteOr(levels, 6.0)), 2.0, 256.0) - 1;
    std::array<std::uint8_t, 256> lut; // each channel on its own: one table serves all three
    for (int i = 0; i < 256; ++i) lut[i] = toByte(std::round(i / 255.0 * steps) / steps);
    return mapColours(image, [&](std::array<std::uint8_t, 3>& rgb) {
        for (auto& c : rgb) c = lut[c];
    });
}

std::optional<Image> colorControls(const Image& image, double saturation, double brightness, double contrast) {
    const double s = finiteOr(saturation, 1.0), br = finiteOr(brightness, 0.0), k = finiteOr(contrast, 1.0);
    const Table lumaR = scaledBytes(0.2126), lumaG = scaledBytes(0.7152), lumaB = scaledBytes(0.0722);
    const Table unit = scaledBytes(1);
    return mapColours(image, [&](std::array<std::uint8_t, 3>& rgb) {
        const double luma = lumaR[rgb[0]] + lumaG[rgb[1]] + lumaB[rgb[2]];
        for (auto& c : rgb) {
            double v = std::clamp(luma + (unit[c] - luma) * s, 0.0, 1.0);
            v = std::clamp(v + br, 0.0, 1.0);
            c = toByte((v - 0.5) * k + 0.5);
        }
    });
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
