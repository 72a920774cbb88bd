#pragma once
// What the eye gets of a control or a text drawn over a colour: the strongest contrast ratio
// between the background and any pixel of a rectangle of the rendered window. A control drawn in
// the background's own colour (white on white) scores about 1; legible text reaches its own ratio.
#include "colour/library/DerivedColors.h"
#include "kit/base/Geometry.h"
#include "kit/graphics/Image.h"
#include "kit/ui/View.h"

#include <algorithm>
#include <cmath>

namespace contrastprobe {

// `rect` in points, in window coordinates.
inline double strongestContrast(const kit::Image& image, const kit::Rect& rect, const kit::Color& background) {
    const double s = image.scale();
    double best = 1;
    const int x0 = std::max(0, int(std::floor(rect.minX() * s))), x1 = std::min(image.pixelWidth(), int(std::ceil(rect.maxX() * s)));
    const int y0 = std::max(0, int(std::floor(rect.minY() * s))), y1 = std::min(image.pixelHeight(), int(std::ceil(rect.maxY() * s)));
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) best = std::max(best, colour::contrastRatio(image.colorAt(x, y).withAlpha(1), background));
    return best;
}

// The square inside the circle a round view draws in its bounds: its ring and fill, nothing of
// what lies around it.
inline kit::Rect insideCircle(const kit::Rect& r) {
    const double side = std::min(r.size.width, r.size.height) / std::sqrt(2.0);
    return {r.midX() - side / 2, r.midY() - side / 2, side, side};
}

// The view's bounds in window coordinates.
inline kit::Rect inWindow(const kit::View& view) { return view.convertRectTo(view.bounds(), nullptr); }

} // namespace contrastprobe
