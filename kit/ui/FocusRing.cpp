#include "kit/ui/FocusRing.h"

#include "kit/graphics/Image.h"
#include "kit/ui/View.h"

#include <algorithm>
#include <cmath>

namespace kit {
namespace {

double linear(double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

// The mean relative luminance along the band the ring covers, as the window shows it now.
double luminanceUnder(const View& view) {
    auto window = view.window();
    if (!window) return 0;
    const Image image = window->layer()->renderImage(1.0);
    const Rect band = view.convertRectTo(view.bounds(), nullptr).insetBy(FocusRing::width / 2, FocusRing::width / 2);
    double sum = 0;
    int count = 0;
    constexpr int samplesPerSide = 12;
    for (int i = 0; i <= samplesPerSide; ++i) {
        const double t = double(i) / samplesPerSide;
        const Point points[] = {{band.minX() + t * band.width(), band.minY()}, {band.minX() + t * band.width(), band.maxY()},
                                {band.minX(), band.minY() + t * band.height()}, {band.maxX(), band.minY() + t * band.height()}};
        for (const Point p : points) {
            const auto rgba = image.pixelRGBA(static_cast<int>(std::floor(p.x)), static_cast<int>(std::floor(p.y)));
            const double alpha = rgba[3] / 255.0;
            if (alpha <= 0) continue;
            auto channel = [alpha](std::uint8_t premultiplied) { return linear(std::min(1.0, premultiplied / 255.0 / alpha)); };
            sum += 0.2126 * channel(rgba[0]) + 0.7152 * channel(rgba[1]) + 0.0722 * channel(rgba[2]);
            ++count;
        }
    }
    return count ? sum / count : 0;
}

} // namespace

void FocusRing::show(const std::shared_ptr<View>& view) {
    if (view && view == view_.lock()) return;
    clear();
    if (!view) return;
    // Where white and near-black stand out equally: (1 + 0.05) / (L + 0.05) = (L + 0.05) / 0.06.
    color_ = luminanceUnder(*view) > 0.2 ? darkColor() : lightColor();
    Layer& layer = *view->layer();
    savedWidth_ = layer.borderWidth();
    savedColor_ = layer.borderColor();
    layer.setBorderWidth(width);
    layer.setBorderColor(color_);
    view_ = view;
}

void FocusRing::clear() {
    auto view = view_.lock();
    view_.reset();
    if (!view) return;
    Layer& layer = *view->layer();
    // A border the screen set meanwhile (a new look for a reused cell) stays.
    if (layer.borderWidth() != width || !(layer.borderColor() == color_)) return;
    layer.setBorderWidth(savedWidth_);
    layer.setBorderColor(savedColor_);
}

} // namespace kit
