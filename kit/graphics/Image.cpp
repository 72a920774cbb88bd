#include "kit/graphics/Image.h"

#include "kit/base/Files.h"
#include "kit/graphics/ImageCodecs.h"

#include <cairo.h>
#include <sys/mman.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <memory>
#include <utility>

namespace kit {

namespace {

// Pixels per side beyond which an image is refused (Cairo's own limit), and a cap on the pixel
// count so that a hostile file header cannot ask for gigabytes.
constexpr int maxSide = 32767;
constexpr long long maxPixels = 1LL << 27;

void setError(std::string* error, std::string text) {
    if (error) *error = std::move(text);
}

std::uint32_t readPixel(const unsigned char* data, int stride, int x, int y) {
    std::uint32_t v;
    std::memcpy(&v, data + static_cast<std::ptrdiff_t>(y) * stride + x * 4, 4);
    return v;
}

void writePixel(unsigned char* data, int stride, int x, int y, std::uint32_t v) {
    std::memcpy(data + static_cast<std::ptrdiff_t>(y) * stride + x * 4, &v, 4);
}

std::uint8_t premultiply(std::uint8_t c, std::uint8_t a) { return static_cast<std::uint8_t>((c * a + 127) / 255); }

std::uint8_t unpremultiply(std::uint8_t c, std::uint8_t a) {
    if (a == 0) return 0;
    return static_cast<std::uint8_t>(std::min(255, (c * 255 + a / 2) / a));
}

// Screen-sized images come in huge pages where the system allows them: otherwise each one costs
// a page fault per 4 KiB the first time it is drawn, a good part of a first frame.
constexpr std::size_t hugePage = std::size_t{2} << 20;
constexpr std::size_t hugeFrom = 2 * hugePage;

struct Mapping {
    void* base;
    std::size_t size;
};
const cairo_user_data_key_t mappingKey{};

void unmap(void* mapping) {
    std::unique_ptr<Mapping> m(static_cast<Mapping*>(mapping));
    munmap(m->base, m->size);
}

cairo_surface_t* hugePageSurface(cairo_format_t format, int w, int h) {
    const int stride = cairo_format_stride_for_width(format, w);
    if (stride <= 0) return nullptr;
    const std::size_t bytes = static_cast<std::size_t>(stride) * static_cast<std::size_t>(h);
    if (bytes < hugeFrom) return nullptr;
    const std::size_t size = bytes + hugePage;  // room to start on a huge page boundary
    void* base = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (base == MAP_FAILED) return nullptr;
    auto* data = reinterpret_cast<unsigned char*>((reinterpret_cast<std::uintptr_t>(base) + hugePage - 1) & ~(hugePage - 1));
    madvise(data, bytes, MADV_HUGEPAGE);
    auto mapping = std::make_unique<Mapping>(Mapping{base, size});
    cairo_surface_t* s = cairo_image_surface_create_for_data(data, format, w, h, stride);
    if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS ||
        cairo_surface_set_user_data(s, &mappingKey, mapping.get(), unmap) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(s);
        munmap(base, size);
        return nullptr;
    }
    mapping.release();  // the surface owns it now
    return s;
}

int pixelsFor(double points, double scale) {
    const double px = std::ceil(points * scale - 1e-9);
    if (!std::isfinite(px) || px < 1 || px > maxSide) return 0;
    return static_cast<int>(px);
}

bool validScale(double scale) { return std::isfinite(scale) && scale > 0; }

cairo_status_t appendChunk(void* closure, const unsigned char* data, unsigned int length) {
    static_cast<std::vector<std::uint8_t>*>(closure)->insert(static_cast<std::vector<std::uint8_t>*>(closure)->end(),
                                                             data, data + length);
    return CAIRO_STATUS_SUCCESS;
}

} // namespace

namespace codecs {

bool acceptableSize(long long w, long long h) { return w > 0 && h > 0 && w <= maxSide && h <= maxSide && w * h <= maxPixels; }

cairo_surface_t* newSurface(int w, int h, bool opaque) {
    if (!acceptableSize(w, h)) return nullptr;
    const cairo_format_t format = opaque ? CAIRO_FORMAT_RGB24 : CAIRO_FORMAT_ARGB32;
    if (cairo_surface_t* huge = hugePageSurface(format, w, h)) return huge;
    cairo_surface_t* s = cairo_image_surface_create(format, w, h);
    if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(s);
        return nullptr;
    }
    return s;
}

std::string damagedText(const std::string& detail) { return "the file is damaged or not a picture (" + detail + ")"; }

std::string tooLargeText(long long width, long long height) {
    return "the picture is too large (" + std::to_string(width) + " x " + std::to_string(height) + " pixels)";
}

} // namespace codecs

using codecs::newSurface;

Image::~Image() {
    if (surface_) cairo_surface_destroy(surface_);
}

Image::Image(const Image& other) : scale_(other.scale_) {
    if (!other.surface_) return;
    cairo_surface_t* src = other.surface();
    const int w = other.pixelWidth(), h = other.pixelHeight();
    surface_ = cairo_image_surface_create(cairo_image_surface_get_format(src), w, h);
    cairo_surface_flush(surface_);
    const int srcStride = cairo_image_surface_get_stride(src), dstStride = cairo_image_surface_get_stride(surface_);
    for (int y = 0; y < h; ++y)
        std::memcpy(cairo_image_surface_get_data(surface_) + static_cast<std::ptrdiff_t>(y) * dstStride,
                    cairo_image_surface_get_data(src) + static_cast<std::ptrdiff_t>(y) * srcStride,
                    static_cast<std::size_t>(w) * 4);
    cairo_surface_mark_dirty(surface_);
}

Image& Image::operator=(const Image& other) {
    if (this != &other) *this = Image(other);
    return *this;
}

Image::Image(Image&& other) noexcept : surface_(std::exchange(other.surface_, nullptr)), scale_(other.scale_) {}

Image& Image::operator=(Image&& other) noexcept {
    if (this != &other) {
        if (surface_) cairo_surface_destroy(surface_);
        surface_ = std::exchange(other.surface_, nullptr);
        scale_ = other.scale_;
    }
    return *this;
}

std::optional<Image> Image::make(double width, double height, double scale, bool opaque) {
    if (!validScale(scale)) return std::nullopt;
    cairo_surface_t* s = newSurface(pixelsFor(width, scale), pixelsFor(height, scale), opaque);
    if (!s) return std::nullopt;
    if (opaque) {
        cairo_t* cr = cairo_create(s);
        cairo_set_source_rgb(cr, 1, 1, 1);
        cairo_paint(cr);
        cairo_destroy(cr);
    }
    return Image(s, scale);
}

std::optional<Image> Image::fromRGBA(int w, int h, std::span<const std::uint8_t> rgba, double scale, bool premultiplied) {
    if (!validScale(scale) || w <= 0 || h <= 0 || rgba.size() / 4 / static_cast<std::size_t>(w) < static_cast<std::size_t>(h))
        return std::nullopt;
    cairo_surface_t* s = newSurface(w, h, false);
    if (!s) return std::nullopt;
    cairo_surface_flush(s);
    unsigned char* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    const std::uint8_t* p = rgba.data();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x, p += 4) {
            std::uint8_t r = p[0], g = p[1], b = p[2], a = p[3];
            if (premultiplied) {
                r = std::min(r, a), g = std::min(g, a), b = std::min(b, a);
            } else {
                r = premultiply(r, a), g = premultiply(g, a), b = premultiply(b, a);
            }
            writePixel(data, stride, x, y, (std::uint32_t(a) << 24) | (std::uint32_t(r) << 16) | (std::uint32_t(g) << 8) | b);
        }
    cairo_surface_mark_dirty(s);
    return Image(s, scale);
}

namespace {

std::optional<Image> decodeAny(std::span<const std::uint8_t> bytes, double scale, int reduceTo, std::string* error) {
    if (!validScale(scale)) return setError(error, "invalid scale"), std::nullopt;
    static constexpr std::uint8_t png[] = {0x89, 'P', 'N', 'G'};
    if (bytes.size() >= 4 && std::equal(png, png + 4, bytes.begin())) return codecs::decodePNG(bytes, scale, reduceTo, error);
    if (bytes.size() >= 3 && bytes[0] == 0xFF && bytes[1] == 0xD8 && bytes[2] == 0xFF)
        return codecs::decodeJPEG(bytes, scale, reduceTo, error);
    setError(error, "the file is not a PNG or JPEG picture");
    return std::nullopt;
}

} // namespace

std::optional<Image> Image::decode(std::span<const std::uint8_t> bytes, double scale, std::string* error) {
    return decodeAny(bytes, scale, 0, error);
}

std::optional<Image> Image::decodeReduced(std::span<const std::uint8_t> bytes, int shorterSide, std::string* error) {
    return decodeAny(bytes, 1.0, std::max(1, shorterSide), error);
}

std::optional<Image> Image::loadFile(const std::string& path, double scale, std::string* error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return setError(error, "cannot open " + path), std::nullopt;
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return setError(error, "cannot read " + path), std::nullopt;
    return decode(bytes, scale, error);
}

std::optional<Image> Image::adoptSurface(cairo_surface_t* s, double scale) {
    if (!s) return std::nullopt;
    const bool usable = cairo_surface_status(s) == CAIRO_STATUS_SUCCESS && cairo_surface_get_type(s) == CAIRO_SURFACE_TYPE_IMAGE &&
                        (cairo_image_surface_get_format(s) == CAIRO_FORMAT_ARGB32 ||
                         cairo_image_surface_get_format(s) == CAIRO_FORMAT_RGB24) &&
                        cairo_image_surface_get_width(s) > 0 && cairo_image_surface_get_height(s) > 0 && validScale(scale);
    if (!usable) {
        cairo_surface_destroy(s);
        return std::nullopt;
    }
    return Image(s, scale);
}

int Image::pixelWidth() const { return surface_ ? cairo_image_surface_get_width(surface_) : 0; }
int Image::pixelHeight() const { return surface_ ? cairo_image_surface_get_height(surface_) : 0; }
Size Image::size() const { return {pixelWidth() / scale_, pixelHeight() / scale_}; }
bool Image::isOpaque() const { return surface_ && cairo_image_surface_get_format(surface_) == CAIRO_FORMAT_RGB24; }

cairo_surface_t* Image::surface() const {
    if (surface_) cairo_surface_flush(surface_);
    return surface_;
}

void Image::markDirty() {
    if (surface_) cairo_surface_mark_dirty(surface_);
}

std::array<std::uint8_t, 4> Image::pixelRGBA(int x, int y) const {
    if (!surface_ || x < 0 || y < 0 || x >= pixelWidth() || y >= pixelHeight()) return {0, 0, 0, 0};
    cairo_surface_t* s = surface();
    std::uint32_t v = readPixel(cairo_image_surface_get_data(s), cairo_image_surface_get_stride(s), x, y);
    if (isOpaque()) v |= 0xFF000000u;
    return {std::uint8_t(v >> 16), std::uint8_t(v >> 8), std::uint8_t(v), std::uint8_t(v >> 24)};
}

Color Image::colorAt(int x, int y) const {
    const auto p = pixelRGBA(x, y);
    if (p[3] == 0) return Color::clearColor();
    const double a = p[3] / 255.0;
    return Color::rgba(std::min(1.0, p[0] / 255.0 / a), std::min(1.0, p[1] / 255.0 / a), std::min(1.0, p[2] / 255.0 / a), a);
}

std::vector<std::uint8_t> Image::rgbaBytes(bool premultiplied) const {
    std::vector<std::uint8_t> out;
    if (!surface_) return out;
    cairo_surface_t* s = surface();
    const unsigned char* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s), w = pixelWidth(), h = pixelHeight();
    const std::uint32_t opaque = isOpaque() ? 0xFF000000u : 0;
    out.resize(static_cast<std::size_t>(w) * h * 4);
    std::uint8_t* o = out.data();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x, o += 4) {
            const std::uint32_t v = readPixel(data, stride, x, y) | opaque;
            const std::uint8_t a = std::uint8_t(v >> 24);
            o[0] = std::uint8_t(v >> 16), o[1] = std::uint8_t(v >> 8), o[2] = std::uint8_t(v), o[3] = a;
            if (!premultiplied)
                for (int i = 0; i < 3; ++i) o[i] = unpremultiply(o[i], a);
        }
    return out;
}

std::optional<std::vector<std::uint8_t>> Image::pngData() const {
    if (!surface_) return std::nullopt;
    std::vector<std::uint8_t> out;
    if (cairo_surface_write_to_png_stream(surface(), appendChunk, &out) != CAIRO_STATUS_SUCCESS || out.empty())
        return std::nullopt;
    return out;
}

std::optional<std::vector<std::uint8_t>> Image::jpegData(double quality) const {
    if (!surface_ || !std::isfinite(quality)) return std::nullopt;
    const int q = std::clamp(static_cast<int>(std::round(std::clamp(quality, 0.0, 1.0) * 100)), 1, 100);
    const int w = pixelWidth(), h = pixelHeight();
    // Premultiplied pixels over white: c + (255 - a).
    std::vector<std::uint8_t> rgb(static_cast<std::size_t>(w) * h * 3);
    const std::vector<std::uint8_t> rgba = rgbaBytes(true);
    for (std::size_t i = 0, j = 0; i < rgba.size(); i += 4)
        for (int c = 0; c < 3; ++c) rgb[j++] = static_cast<std::uint8_t>(std::min(255, rgba[i + c] + 255 - rgba[i + 3]));
    codecs::TjHandle tj(tjInitCompress());
    if (!tj.h) return std::nullopt;
    unsigned char* jpeg = nullptr;
    unsigned long size = 0;
    if (tjCompress2(tj.h, rgb.data(), w, w * 3, h, TJPF_RGB, &jpeg, &size, TJSAMP_420, q, 0) != 0) {
        tjFree(jpeg);
        return std::nullopt;
    }
    std::vector<std::uint8_t> out(jpeg, jpeg + size);
    tjFree(jpeg);
    return out;
}

bool Image::savePNG(const std::string& path, std::string* error) const {
    const auto data = pngData();
    if (!data) return setError(error, "PNG encoding failed"), false;
    return writeFileAtomically(path, *data, error);
}

bool Image::saveJPEG(const std::string& path, double quality, std::string* error) const {
    const auto data = jpegData(quality);
    if (!data) return setError(error, "JPEG encoding failed"), false;
    return writeFileAtomically(path, *data, error);
}

std::optional<Image> Image::resized(Size points, double scale) const {
    if (!surface_) return std::nullopt;
    if (scale == 0) scale = scale_;
    auto out = make(points.width, points.height, scale);
    if (!out) return std::nullopt;
    cairo_t* cr = cairo_create(out->surface_);
    cairo_scale(cr, out->pixelWidth() / double(pixelWidth()), out->pixelHeight() / double(pixelHeight()));
    cairo_set_source_surface(cr, surface(), 0, 0);
    cairo_pattern_set_extend(cairo_get_source(cr), CAIRO_EXTEND_PAD);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
    cairo_paint(cr);
    cairo_destroy(cr);
    cairo_surface_flush(out->surface_);
    return out;
}

std::optional<Image> Image::cropped(const Rect& pixels) const {
    if (!surface_ || !(pixels.minX() >= 0 && pixels.minY() >= 0 && pixels.maxX() <= pixelWidth() && pixels.maxY() <= pixelHeight()))
        return std::nullopt;
    const int x = static_cast<int>(pixels.minX()), y = static_cast<int>(pixels.minY());
    const int w = static_cast<int>(pixels.width()), h = static_cast<int>(pixels.height());
    cairo_surface_t* out = newSurface(w, h, isOpaque());
    if (!out) return std::nullopt;
    cairo_surface_t* src = surface();
    const int srcStride = cairo_image_surface_get_stride(src), dstStride = cairo_image_surface_get_stride(out);
    for (int row = 0; row < h; ++row)
        std::memcpy(cairo_image_surface_get_data(out) + static_cast<std::ptrdiff_t>(row) * dstStride,
                    cairo_image_surface_get_data(src) + static_cast<std::ptrdiff_t>(y + row) * srcStride + x * 4,
                    static_cast<std::size_t>(w) * 4);
    cairo_surface_mark_dirty(out);
    return Image(out, scale_);
}

} // namespace kit
