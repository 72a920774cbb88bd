#include "kit/store/PhotoOrientation.h"

#include "kit/base/AffineTransform.h"
#include "kit/graphics/Context.h"

#include <cstring>

namespace kit {
namespace {

constexpr std::uint16_t kOrientationTag = 0x0112;

struct Reader {
    std::span<const std::uint8_t> bytes;
    bool bigEndian = true;
    bool has(std::size_t at, std::size_t n) const { return at <= bytes.size() && n <= bytes.size() - at; }
    std::uint16_t u16(std::size_t at) const {
        return bigEndian ? std::uint16_t(bytes[at] << 8 | bytes[at + 1]) : std::uint16_t(bytes[at + 1] << 8 | bytes[at]);
    }
    std::uint32_t u32(std::size_t at) const {
        return bigEndian ? std::uint32_t(u16(at)) << 16 | u16(at + 2) : std::uint32_t(u16(at + 2)) << 16 | u16(at);
    }
};

// The orientation entry of the first image directory of a TIFF block (the Exif payload).
int orientationInTiff(std::span<const std::uint8_t> tiff) {
    Reader r{tiff};
    if (!r.has(0, 8)) return 1;
    if (tiff[0] == 'I' && tiff[1] == 'I') r.bigEndian = false;
    else if (!(tiff[0] == 'M' && tiff[1] == 'M')) return 1;
    if (r.u16(2) != 42) return 1;
    const std::size_t ifd = r.u32(4);
    if (!r.has(ifd, 2)) return 1;
    const std::size_t count = r.u16(ifd);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t entry = ifd + 2 + i * 12;
        if (!r.has(entry, 12)) return 1;
        if (r.u16(entry) != kOrientationTag) continue;
        const int value = r.u16(entry + 8);
        return value >= 1 && value <= 8 ? value : 1;
    }
    return 1;
}

} // namespace

int exifOrientation(std::span<const std::uint8_t> bytes) {
    Reader r{bytes};
    if (!r.has(0, 2) || bytes[0] != 0xFF || bytes[1] != 0xD8) return 1;
    std::size_t at = 2;
    // Walk the segments before the picture data; the Exif block is an APP1 segment among them.
    while (r.has(at, 4) && bytes[at] == 0xFF) {
        const std::uint8_t marker = bytes[at + 1];
        if (marker == 0xDA || marker == 0xD9) break;  // picture data or end: no more headers
        const std::size_t length = r.u16(at + 2);
        if (length < 2 || !r.has(at + 2, length)) break;
        const auto payload = bytes.subspan(at + 4, length - 2);
        if (marker == 0xE1 && payload.size() > 6 && std::memcmp(payload.data(), "Exif\0\0", 6) == 0)
            return orientationInTiff(payload.subspan(6));
        at += 2 + length;
    }
    return 1;
}

std::optional<Image> orientedForDisplay(const Image& image, int orientation) {
    if (orientation <= 1 || orientation > 8 || image.isEmpty()) return image;
    const double w = image.pixelWidth(), h = image.pixelHeight();
    const bool swaps = orientation >= 5;
    // Where each stored pixel goes: x' = a x + c y + tx, y' = b x + d y + ty.
    static constexpr double maps[9][4] = {{}, {1, 0, 0, 1}, {-1, 0, 0, 1}, {-1, 0, 0, -1}, {1, 0, 0, -1},
                                          {0, 1, 1, 0},   {0, 1, -1, 0}, {0, -1, -1, 0}, {0, -1, 1, 0}};
    const auto& m = maps[orientation];
    const double outW = swaps ? h : w, outH = swaps ? w : h;
    // The translation brings the turned picture back to the origin.
    const double tx = (m[0] < 0 || m[2] < 0) ? outW : 0;
    const double ty = (m[1] < 0 || m[3] < 0) ? outH : 0;
    auto out = Image::make(outW, outH, 1.0, image.isOpaque());
    if (!out) return std::nullopt;
    {
        Context c(*out);
        c.concat(AffineTransform{m[0], m[1], m[2], m[3], tx, ty});
        c.drawImage(image, {0, 0, w, h});
    }
    return out;
}

} // namespace kit
