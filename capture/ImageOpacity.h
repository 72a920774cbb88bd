#pragma once
// A picture drawn again at a lower opacity: a new transparent image of its size and scale with the
// picture painted at the origin, normal blending, the given alpha.
#include "kit/graphics/Image.h"

namespace capture {

kit::Image imageWithOpacity(const kit::Image& image, double alpha);

} // namespace capture
