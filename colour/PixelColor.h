#pragma once
// The colour of one pixel of a layer, as a 1 x 1 render reads it back.
#include "kit/base/Color.h"
#include "kit/base/Geometry.h"

#include <optional>

namespace kit { class Layer; }

namespace colour {

// The layer drawn into a one-pixel bitmap moved by minus the point; the four bytes (premultiplied,
// not divided by alpha) over 255.
std::optional<kit::Color> pixelColor(const kit::Layer& layer, kit::Point point);

} // namespace colour
