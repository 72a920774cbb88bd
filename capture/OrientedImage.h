#pragma once
// A picture redrawn for one of the eight orientations of the EXIF orientation tag (1 up ...
// 8 left): turned, and mirrored for the mirrored ones. The camera's landscape frames become
// portrait pictures with `right` (6), a quarter turn clockwise.
#include "kit/graphics/Image.h"

#include <optional>

namespace capture {

enum class ImageOrientation { up = 1, upMirrored, down, downMirrored, leftMirrored, right, rightMirrored, left };

// None for an empty picture.
std::optional<kit::Image> orientedImage(const kit::Image& image, ImageOrientation orientation);

} // namespace capture
