// PNG decoding with libpng: its own error texts (a bad checksum, missing image data) tell a damaged
// file from one that is merely large, and reading row by row lets a reduced picture be made in
// little memory, however large the file's picture is.
#include "kit/graphics/ImageCodecs.h"

#include <cairo.h>
#include <png.h>

#include <algorithm>
#include <csetjmp>
#include <cstring>
#include <utility>
#include <vector>

namespace kit::codecs {
namespace {

std::uint32_t premultipliedPixel(const png_byte* rgba) {
    const std::uint32_t a = rgba[3];
    auto channel = [a](std::uint32_t c) { return (c * a + 127) / 255; };
    return a << 24 | channel(rgba[0]) << 16 | channel(rgba[1]) << 8 | channel(rgba[2]);
}

// Everything that lives across libpng's error jump is here, owned by the caller's frame: the jump
// skips the frames in between, so they hold nothing that needs destroying.
struct PngRead {
    std::span<const std::uint8_t> bytes;
    std::size_t at = 0;
    png_structp png = nullptr;
    png_infop info = nullptr;
    std::string failure;
    png_uint_32 width = 0, height = 0;
    bool tooLarge = false;
    cairo_surface_t* surface = nullptr;
    std::vector<png_byte> row;
    std::vector<std::uint64_t> sums;  // premultiplied B, G, R, A and a count per reduced pixel
    int factor = 1;

    PngRead(std::span<const std::uint8_t> b) : bytes(b) {
        png = png_create_read_struct(PNG_LIBPNG_VER_STRING, this, onError, onWarning);
        if (png) info = png_create_info_struct(png);
    }
    ~PngRead() {
        png_destroy_read_struct(&png, &info, nullptr);
        if (surface) cairo_surface_destroy(surface);
    }
    PngRead(const PngRead&) = delete;
    PngRead& operator=(const PngRead&) = delete;

    static void onError(png_structp png, png_const_charp message) {
        static_cast<PngRead*>(png_get_error_ptr(png))->failure = message;
        png_longjmp(png, 1);
    }
    static void onWarning(png_structp, png_const_charp) {}
    static void onRead(png_structp png, png_bytep data, png_size_t length) {
        auto* r = static_cast<PngRead*>(png_get_io_ptr(png));
        if (r->bytes.size() - r->at < length) png_error(png, "the file ends early");
        std::memcpy(data, r->bytes.data() + r->at, length);
        r->at += length;
    }
};

// Header, size check and the transforms that give 8-bit R, G, B, A rows.
void readHeader(PngRead& r) {
    png_set_read_fn(r.png, &r, PngRead::onRead);
    png_read_info(r.png, r.info);
    r.width = png_get_image_width(r.png, r.info);
    r.height = png_get_image_height(r.png, r.info);
    if (!acceptableSize(r.width, r.height)) {
        r.tooLarge = true;
        png_error(r.png, "too large");
    }
    png_set_expand(r.png);
    png_set_strip_16(r.png);
    png_set_gray_to_rgb(r.png);
    png_set_filler(r.png, 0xff, PNG_FILLER_AFTER);
}

// The whole picture straight into the surface's rows, then premultiplied in place.
void readWhole(PngRead& r) {
    const int passes = png_set_interlace_handling(r.png);
    png_read_update_info(r.png, r.info);
    r.surface = newSurface(static_cast<int>(r.width), static_cast<int>(r.height), false);
    if (!r.surface) {
        r.tooLarge = true;
        png_error(r.png, "too large");
    }
    unsigned char* data = cairo_image_surface_get_data(r.surface);
    const int stride = cairo_image_surface_get_stride(r.surface);
    for (int pass = 0; pass < passes; ++pass)
        for (png_uint_32 y = 0; y < r.height; ++y) png_read_row(r.png, data + static_cast<std::ptrdiff_t>(y) * stride, nullptr);
    png_read_end(r.png, nullptr);  // the checksums of what follows the image count too
    for (png_uint_32 y = 0; y < r.height; ++y) {
        png_byte* p = data + static_cast<std::ptrdiff_t>(y) * stride;
        for (png_uint_32 x = 0; x < r.width; ++x, p += 4) {
            const std::uint32_t v = premultipliedPixel(p);
            std::memcpy(p, &v, 4);
        }
    }
    cairo_surface_mark_dirty(r.surface);
}

// Each reduced pixel is the mean of a factor x factor box, sampled on a grid of at least 4 x 4 from
// the box's first pixel on (a preview needs no more, and a large picture's time goes into adding);
// rows (and interlace passes, whose pixels land where they belong) are read one at a time into a
// buffer of one row.
void readReduced(PngRead& r) {
    const png_uint_32 sampleStep = std::max(1, r.factor / 4);
    const bool interlaced = png_get_interlace_type(r.png, r.info) == PNG_INTERLACE_ADAM7;
    png_read_update_info(r.png, r.info);
    const int outWidth = static_cast<int>((r.width + r.factor - 1) / r.factor);
    const int outHeight = static_cast<int>((r.height + r.factor - 1) / r.factor);
    r.row.resize(static_cast<std::size_t>(r.width) * 4);
    r.sums.assign(static_cast<std::size_t>(outWidth) * outHeight * 5, 0);
    for (int pass = 0; pass < (interlaced ? 7 : 1); ++pass) {
        const png_uint_32 rows = interlaced ? PNG_PASS_ROWS(r.height, pass) : r.height;
        const png_uint_32 cols = interlaced ? PNG_PASS_COLS(r.width, pass) : r.width;
        if (rows == 0 || cols == 0) continue;
        for (png_uint_32 j = 0; j < rows; ++j) {
            png_read_row(r.png, r.row.data(), nullptr);
            const png_uint_32 y = interlaced ? PNG_ROW_FROM_PASS_ROW(j, pass) : j;
            if (y % r.factor % sampleStep != 0) continue;
            std::uint64_t* line = r.sums.data() + static_cast<std::size_t>(y / r.factor) * outWidth * 5;
            for (png_uint_32 i = 0; i < cols; ++i) {
                const png_uint_32 x = interlaced ? PNG_COL_FROM_PASS_COL(i, pass) : i;
                if (x % r.factor % sampleStep != 0) continue;
                const std::uint32_t v = premultipliedPixel(&r.row[static_cast<std::size_t>(i) * 4]);
                std::uint64_t* s = line + static_cast<std::size_t>(x / r.factor) * 5;
                s[0] += v & 0xff, s[1] += v >> 8 & 0xff, s[2] += v >> 16 & 0xff, s[3] += v >> 24, s[4] += 1;
            }
        }
    }
    r.surface = newSurface(outWidth, outHeight, false);
    if (!r.surface) png_error(r.png, "out of memory");
    unsigned char* data = cairo_image_surface_get_data(r.surface);
    const int stride = cairo_image_surface_get_stride(r.surface);
    for (int y = 0; y < outHeight; ++y)
        for (int x = 0; x < outWidth; ++x) {
            const std::uint64_t* s = r.sums.data() + (static_cast<std::size_t>(y) * outWidth + x) * 5;
            const std::uint64_t n = std::max<std::uint64_t>(s[4], 1);
            auto mean = [n](std::uint64_t sum) { return static_cast<std::uint32_t>((sum + n / 2) / n); };
            const std::uint32_t v = mean(s[3]) << 24 | mean(s[2]) << 16 | mean(s[1]) << 8 | mean(s[0]);
            std::memcpy(data + static_cast<std::ptrdiff_t>(y) * stride + x * 4, &v, 4);
        }
    cairo_surface_mark_dirty(r.surface);
}

// No C++ object may live in this frame: libpng's errors jump out of it.
bool decodeInto(PngRead& r, int reduceTo) {
    if (setjmp(png_jmpbuf(r.png))) return false;
    readHeader(r);
    if (reduceTo > 0) r.factor = std::max<int>(1, static_cast<int>(std::min(r.width, r.height) / reduceTo));
    if (r.factor > 1) readReduced(r);
    else readWhole(r);
    return true;
}

} // namespace

std::optional<Image> decodePNG(std::span<const std::uint8_t> bytes, double scale, int reduceTo, std::string* error) {
    PngRead r(bytes);
    if (!r.info) {
        if (error) *error = "cannot start the PNG decoder";
        return std::nullopt;
    }
    if (!decodeInto(r, reduceTo)) {
        if (error) *error = r.tooLarge ? tooLargeText(r.width, r.height) : damagedText("PNG: " + r.failure);
        return std::nullopt;
    }
    return Image::adoptSurface(std::exchange(r.surface, nullptr), scale);
}

} // namespace kit::codecs
