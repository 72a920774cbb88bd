#pragma once
// Test pictures as phone cameras store them: a JPEG of the sensor's picture with an EXIF orientation.
#include "kit/graphics/Image.h"

#include <cstdint>
#include <vector>

namespace kit {

// A JPEG with an Exif block after its start marker giving the orientation, in either byte order.
inline std::vector<std::uint8_t> jpegWithOrientation(const Image& image, int orientation, bool bigEndian) {
    auto jpeg = *image.jpegData(1.0);
    auto u16 = [&](std::uint16_t v) {
        return bigEndian ? std::vector<std::uint8_t>{std::uint8_t(v >> 8), std::uint8_t(v)}
                         : std::vector<std::uint8_t>{std::uint8_t(v), std::uint8_t(v >> 8)};
    };
    std::vector<std::uint8_t> tiff = {std::uint8_t(bigEndian ? 'M' : 'I'), std::uint8_t(bigEndian ? 'M' : 'I')};
    auto append = [&](const std::vector<std::uint8_t>& b) { tiff.insert(tiff.end(), b.begin(), b.end()); };
    append(u16(42));
    append(bigEndian ? std::vector<std::uint8_t>{0, 0, 0, 8} : std::vector<std::uint8_t>{8, 0, 0, 0});
    append(u16(2));  // two entries: something else first, then the orientation
    append(u16(0x010F)), append(u16(2)), append({0, 0, 0, 0}), append({0, 0, 0, 0});
    append(u16(0x0112)), append(u16(3)), append(bigEndian ? std::vector<std::uint8_t>{0, 0, 0, 1} : std::vector<std::uint8_t>{1, 0, 0, 0});
    append(u16(std::uint16_t(orientation))), append({0, 0});
    std::vector<std::uint8_t> segment = {0xFF, 0xE1};
    const auto length = std::uint16_t(2 + 6 + tiff.size());
    segment.insert(segment.end(), {std::uint8_t(length >> 8), std::uint8_t(length), 'E', 'x', 'i', 'f', 0, 0});
    segment.insert(segment.end(), tiff.begin(), tiff.end());
    jpeg.insert(jpeg.begin() + 2, segment.begin(), segment.end());
    return jpeg;
}

} // namespace kit
