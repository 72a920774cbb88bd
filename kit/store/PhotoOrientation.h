#pragma once
// Photos from cameras are stored as the sensor saw them, with an EXIF tag telling how to turn
// them for display; the library applies it so pictures show upright.
#include "kit/graphics/Image.h"

#include <cstdint>
#include <optional>
#include <span>

namespace kit {

// The EXIF orientation (1-8) of a JPEG file's bytes; 1 (as stored) when it has none or it is unreadable.
int exifOrientation(std::span<const std::uint8_t> bytes);
// The image turned and mirrored as the orientation asks (5-8 swap width and height).
std::optional<Image> orientedForDisplay(const Image& image, int orientation);

} // namespace kit
