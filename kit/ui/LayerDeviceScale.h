#pragma once
// How many device pixels one unit of the context's user space covers, for caches drawn at the
// resolution they will be shown at (shadow blurs, rasterised layers, view backings).
#include "kit/graphics/Context.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>

namespace kit {

inline double deviceScaleOf(Context& c) {
    cairo_t* cr = c.cairo();
    cairo_matrix_t m;
    cairo_get_matrix(cr, &m);
    double dx = 1, dy = 1;
    if (cairo_surface_t* target = cairo_get_group_target(cr)) cairo_surface_get_device_scale(target, &dx, &dy);
    const double s = std::sqrt(std::fabs((m.xx * m.yy - m.xy * m.yx) * dx * dy));
    return std::isfinite(s) && s > 0 ? std::clamp(s, 0.25, 8.0) : 1.0;
}

} // namespace kit
