#include "kit/media/PixelConversion.h"

#include <algorithm>
#include <cairo.h>
#include <cstring>

namespace kit::media {
namespace {

std::uint8_t clampByte(int v) { return static_cast<std::uint8_t>(std::clamp(v, 0, 255)); }

// Full-range BT.601 in fixed point (x 256).
std::uint32_t bgraFromYUV(int y, int u, int v) {
    const int d = u - 128, e = v - 128;
    const std::uint32_t r = clampByte(y + ((359 * e) >> 8));
    const std::uint32_t g = clampByte(y - ((88 * d + 183 * e) >> 8));
    const std::uint32_t b = clampByte(y + ((454 * d) >> 8));
    return 0xFF000000u | (r << 16) | (g << 8) | b;
}

struct Pixels {
    std::uint8_t* data;
    int stride;
    std::uint32_t* row(int y) const { return reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride); }
};

Pixels pixelsOf(const Image& image) {
    cairo_surface_t* s = image.surface();
    return {cairo_image_surface_get_data(s), cairo_image_surface_get_stride(s)};
}

} // namespace

std::optional<Image> imageFromBGRA(const std::uint8_t* bytes, int width, int height, int bytesPerRow) {
    if (!bytes || width < 1 || height < 1 || bytesPerRow < width * 4) return std::nullopt;
    auto image = Image::make(width, height, 1.0, false);
    if (!image) return std::nullopt;
    const Pixels out = pixelsOf(*image);
    for (int y = 0; y < height; ++y)
        std::memcpy(out.row(y), bytes + static_cast<std::ptrdiff_t>(y) * bytesPerRow, static_cast<std::size_t>(width) * 4);
    image->markDirty();
    return image;
}

std::optional<Image> imageFromYUYV(std::span<const std::uint8_t> yuyv, int width, int height, int bytesPerLine) {
    if (width < 2 || height < 1 || bytesPerLine < width * 2) return std::nullopt;
    if (yuyv.size() < static_cast<std::size_t>(bytesPerLine) * static_cast<std::size_t>(height - 1) +
                          static_cast<std::size_t>(width) * 2)
        return std::nullopt;
    auto image = Image::make(width, height, 1.0, true);
    if (!image) return std::nullopt;
    const Pixels out = pixelsOf(*image);
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* in = yuyv.data() + static_cast<std::ptrdiff_t>(y) * bytesPerLine;
        std::uint32_t* row = out.row(y);
        for (int x = 0; x + 1 < width; x += 2, in += 4) {
            row[x] = bgraFromYUV(in[0], in[1], in[3]);
            row[x + 1] = bgraFromYUV(in[2], in[1], in[3]);
        }
    }
    image->markDirty();
    return image;
}

Image rotatedQuarterTurns(const Image& image, int turns) {
    turns = ((turns % 4) + 4) % 4;
    if (image.isEmpty() || turns == 0) return image;
    const int w = image.pixelWidth(), h = image.pixelHeight();
    const bool sideways = turns % 2 == 1;
    auto result = Image::make(sideways ? h : w, sideways ? w : h, 1.0, image.isOpaque());
    if (!result) return image;
    const Pixels in = pixelsOf(image), out = pixelsOf(*result);
    // Row by row of the source: reads stay sequential, writes walk a column.
    for (int y = 0; y < h; ++y) {
        const std::uint32_t* src = in.row(y);
        for (int x = 0; x < w; ++x) {
            switch (turns) {
            case 1: out.row(x)[h - 1 - y] = src[x]; break;
            case 2: out.row(h - 1 - y)[w - 1 - x] = src[x]; break;
            default: out.row(w - 1 - x)[y] = src[x]; break;
            }
        }
    }
    result->markDirty();
    return *result;
}

Image mirroredHorizontally(const Image& image) {
    if (image.isEmpty()) return image;
    const int w = image.pixelWidth(), h = image.pixelHeight();
    auto result = Image::make(w, h, 1.0, image.isOpaque());
    if (!result) return image;
    const Pixels in = pixelsOf(image), out = pixelsOf(*result);
    for (int y = 0; y < h; ++y) std::reverse_copy(in.row(y), in.row(y) + w, out.row(y));
    result->markDirty();
    return *result;
}

Image portraitCrop(const Image& image) {
    const int w = image.pixelWidth(), h = image.pixelHeight();
    const int cropWidth = h * 9 / 16;
    if (image.isEmpty() || w <= h || cropWidth < 1 || cropWidth >= w) return image;
    auto result = Image::make(cropWidth, h, 1.0, image.isOpaque());
    if (!result) return image;
    const Pixels in = pixelsOf(image), out = pixelsOf(*result);
    const int left = (w - cropWidth) / 2;
    for (int y = 0; y < h; ++y) std::memcpy(out.row(y), in.row(y) + left, static_cast<std::size_t>(cropWidth) * 4);
    result->markDirty();
    return *result;
}

} // namespace kit::media
