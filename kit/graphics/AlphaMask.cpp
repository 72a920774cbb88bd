#include "kit/graphics/AlphaMask.h"

#include <cairo.h>

#include <algorithm>

namespace kit {

void AlphaMask::reset(int atX, int atY, int w, int h) {
    x = atX;
    y = atY;
    width = std::max(0, w);
    height = std::max(0, h);
    stride = cairo_format_stride_for_width(CAIRO_FORMAT_A8, std::max(1, width));
    bytes.assign(static_cast<std::size_t>(stride) * static_cast<std::size_t>(height), 0);
}

} // namespace kit
