// JPEG decoding with libjpeg-turbo; a reduced picture is decoded scaled (down to an eighth), which
// costs a fraction of the time and memory of the whole.
#include "kit/graphics/ImageCodecs.h"

#include <cairo.h>

#include <bit>
#include <cstring>

namespace kit::codecs {
namespace {

constexpr int nativeBGRA() { return std::endian::native == std::endian::little ? TJPF_BGRA : TJPF_ARGB; }

// The smallest scale the decoder offers that keeps the shorter side at `reduceTo` pixels or more.
tjscalingfactor scalingFor(int width, int height, int reduceTo) {
    tjscalingfactor best{1, 1};
    int count = 0;
    const tjscalingfactor* factors = tjGetScalingFactors(&count);
    if (reduceTo <= 0 || !factors) return best;
    const int shorter = std::min(width, height);
    for (int i = 0; i < count; ++i) {
        const auto f = factors[i];
        if (f.num * best.denom < best.num * f.denom && TJSCALED(shorter, f) >= reduceTo) best = f;
    }
    return best;
}

} // namespace

std::optional<Image> decodeJPEG(std::span<const std::uint8_t> bytes, double scale, int reduceTo, std::string* error) {
    auto fail = [error](std::string text) -> std::optional<Image> {
        if (error) *error = std::move(text);
        return std::nullopt;
    };
    TjHandle tj(tjInitDecompress());
    if (!tj.h) return fail("cannot start the JPEG decoder");
    int w = 0, h = 0, subsamp = 0, colorspace = 0;
    auto* buf = const_cast<unsigned char*>(bytes.data());
    const auto size = static_cast<unsigned long>(bytes.size());
    if (tjDecompressHeader3(tj.h, buf, size, &w, &h, &subsamp, &colorspace) != 0)
        return fail(damagedText(std::string("JPEG: ") + tjGetErrorStr2(tj.h)));
    // A header without a frame reads as 0 x 0: nothing in the file is a picture.
    if (w <= 0 || h <= 0) return fail(damagedText("JPEG: no picture in the file"));
    if (!acceptableSize(w, h)) return fail(tooLargeText(w, h));
    const auto factor = scalingFor(w, h, reduceTo);
    const int outWidth = TJSCALED(w, factor), outHeight = TJSCALED(h, factor);
    cairo_surface_t* s = newSurface(outWidth, outHeight, false);
    if (!s) return fail(tooLargeText(w, h));
    cairo_surface_flush(s);
    unsigned char* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    const int rc = tjDecompress2(tj.h, buf, size, data, outWidth, stride, outHeight, nativeBGRA(), 0);
    // A warning (a truncated file, say) still gives pixels; an error does not.
    if (rc != 0 && tjGetErrorCode(tj.h) == TJERR_FATAL) {
        cairo_surface_destroy(s);
        return fail(damagedText(std::string("JPEG: ") + tjGetErrorStr2(tj.h)));
    }
    // The decoder writes opaque pixels, but make sure alpha is 255 whatever the pixel format did.
    for (int y = 0; y < outHeight; ++y) {
        unsigned char* row = data + static_cast<std::ptrdiff_t>(y) * stride;
        for (int x = 0; x < outWidth; ++x) {
            std::uint32_t v;
            std::memcpy(&v, row + x * 4, 4);
            v |= 0xFF000000u;
            std::memcpy(row + x * 4, &v, 4);
        }
    }
    cairo_surface_mark_dirty(s);
    return Image::adoptSurface(s, scale);
}

} // namespace kit::codecs
