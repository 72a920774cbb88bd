#pragma once
// Pixel passes of the capture sources: webcam YUYV to BGRA, turning a frame by quarter turns, and
// the centre crop a portrait window wants of a landscape webcam picture. Results are at scale 1.
#include "kit/graphics/Image.h"

#include <cstdint>
#include <optional>
#include <span>

namespace kit::media {

// Premultiplied BGRA rows (Cairo's ARGB32 on little-endian machines) copied into an image; none
// without bytes or for a size that is not positive.
std::optional<Image> imageFromBGRA(const std::uint8_t* bytes, int width, int height, int bytesPerRow);

// Packed 4:2:2 (Y0 U Y1 V, full-range BT.601) rows of `bytesPerLine` to an opaque image; none when
// the bytes are too few for the size.
std::optional<Image> imageFromYUYV(std::span<const std::uint8_t> yuyv, int width, int height, int bytesPerLine);

// The image turned by `turns` quarter turns clockwise (negative: counter-clockwise); exact pixels.
Image rotatedQuarterTurns(const Image& image, int turns);

// The image mirrored left to right; exact pixels.
Image mirroredHorizontally(const Image& image);

// The centre of a landscape picture at 9:16 (the shape of a phone held upright); others unchanged.
Image portraitCrop(const Image& image);

} // namespace kit::media
