#include "kit/graphics/filters/Filters.h"

#include "kit/base/Color.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kit::filters {

namespace {

// Runs `f(r, g, b)` on every pixel's straight colour in [0, 1].
template <class F> std::optional<Image> mapColours(const Image& image, F&& f) {
    if (image.isEmpty()) return std::nullopt;
    std::vector<std::uint8_t> px = image.rgbaBytes(false);
    for (std::size_t i = 0; i < px.size(); i += 4) {
        double c[3] = {px[i] / 255.0, px[i + 1] / 255.0, px[i + 2] / 255.0};
        f(c[0], c[1], c[2]);
        for (int k = 0; k < 3; ++k) px[i + k] = static_cast<std::uint8_t>(std::lround(std::clamp(c[k], 0.0, 1.0) * 255));
    }
    return Image::fromRGBA(image.pixelWidth(), image.pixelHeight(), px, image.scale());
}

double finiteOr(double v, double fallback) { return std::isfinite(v) ? v : fallback; }

} // namespace

std::optional<Image> sepiaTone(const Image& image, double intensity) {
    const double t = std::clamp(finiteOr(intensity, 1.0), 0.0, 1.0);
    return mapColours(image, [t](double& r, double& g, double& b) {
        const double sr = 0.393 * r + 0.769 * g + 0.189 * b;
        const double sg = 0.349 * r + 0.686 * g + 0.168 * b;
        const double sb = 0.272 * r + 0.534 * g + 0.131 * b;
        r += (std::min(1.0, sr) - r) * t;
        g += (std::min(1.0, sg) - g) * t;
        b += (std::min(1.0, sb) - b) * t;
    });
}

std::optional<Image> posterize(const Image& image, double levels) {
    const double steps = std::clamp(std::round(finiteOr(levels, 6.0)), 2.0, 256.0) - 1;
    return mapColours(image, [steps](double& r, double& g, double& b) {
        for (double* c : {&r, &g, &b}) *c = std::round(*c * steps) / steps;
    });
}

std::optional<Image> colorControls(const Image& image, double saturation, double brightness, double contrast) {
    const double s = finiteOr(saturation, 1.0), br = finiteOr(brightness, 0.0), k = finiteOr(contrast, 1.0);
    return mapColours(image, [=](double& r, double& g, double& b) {
        const double luma = 0.2126 * r + 0.7152 * g + 0.0722 * b;
        for (double* c : {&r, &g, &b}) {
            double v = std::clamp(luma + (*c - luma) * s, 0.0, 1.0);
            v = std::clamp(v + br, 0.0, 1.0);
            *c = (v - 0.5) * k + 0.5;
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
