#pragma once
// A bitmap: premultiplied 32-bit pixels in a Cairo image surface, with a scale that relates its
// size in points to its size in pixels. Copies are deep; move to pass one on cheaply.
#include "kit/base/Color.h"
#include "kit/base/Geometry.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

typedef struct _cairo_surface cairo_surface_t;

namespace kit {

class Image {
public:
    // The empty image: no pixels, size zero. Drawing it draws nothing.
    Image() = default;
    ~Image();
    Image(const Image& other);
    Image& operator=(const Image& other);
    Image(Image&& other) noexcept;
    Image& operator=(Image&& other) noexcept;

    // A transparent image of the given size in points; pixels = ceil(points * scale).
    // Opaque images start white and read alpha 255. Nothing for a size that is not finite,
    // not positive or too large.
    static std::optional<Image> make(double width, double height, double scale = 1.0, bool opaque = false);
    // From tightly packed R, G, B, A bytes (straight alpha unless `premultiplied`), row by row.
    static std::optional<Image> fromRGBA(int pixelWidth, int pixelHeight, std::span<const std::uint8_t> rgba,
                                         double scale = 1.0, bool premultiplied = false);
    // PNG or JPEG, told apart by their first bytes. `error` (if given) receives the reason on failure.
    static std::optional<Image> decode(std::span<const std::uint8_t> bytes, double scale = 1.0,
                                       std::string* error = nullptr);
    // A preview: the picture reduced, its shorter side no less than `shorterSide` pixels (or its
    // own when smaller), decoded at a cost in time and memory that follows the reduced size as far
    // as the format allows. Not the exact size: resize it to what is shown.
    static std::optional<Image> decodeReduced(std::span<const std::uint8_t> bytes, int shorterSide,
                                              std::string* error = nullptr);
    static std::optional<Image> loadFile(const std::string& path, double scale = 1.0, std::string* error = nullptr);
    // Takes over a reference to an image surface (ARGB32 or RGB24) made elsewhere.
    static std::optional<Image> adoptSurface(cairo_surface_t* surface, double scale = 1.0);

    bool isEmpty() const { return surface_ == nullptr; }
    int pixelWidth() const;
    int pixelHeight() const;
    double scale() const { return scale_; }
    // Size in points.
    Size size() const;
    bool isOpaque() const;

    // Premultiplied bytes in R, G, B, A order of the pixel at (x, y); zeros outside the image.
    std::array<std::uint8_t, 4> pixelRGBA(int x, int y) const;
    // The un-premultiplied colour of the pixel at (x, y); clear outside the image.
    Color colorAt(int x, int y) const;
    // Every pixel as R, G, B, A bytes (premultiplied or straight), row by row without padding.
    std::vector<std::uint8_t> rgbaBytes(bool premultiplied = false) const;

    // Encoded files. The JPEG is composed over white; quality in [0, 1].
    std::optional<std::vector<std::uint8_t>> pngData() const;
    std::optional<std::vector<std::uint8_t>> jpegData(double quality = 0.9) const;
    // Written to a temporary file beside `path` and renamed over it, so a failed write leaves
    // any earlier file intact. False (and `error`) on failure.
    bool savePNG(const std::string& path, std::string* error = nullptr) const;
    bool saveJPEG(const std::string& path, double quality = 0.9, std::string* error = nullptr) const;

    // A copy scaled to a size in points, at the given scale (this image's when 0).
    std::optional<Image> resized(Size points, double scale = 0) const;
    // The pixels of a rectangle (in pixels, whole, inside the image) as an image of their own.
    std::optional<Image> cropped(const Rect& pixels) const;

    // The Cairo surface, for kit's own drawing code. Flushed; call markDirty() after writing pixels.
    cairo_surface_t* surface() const;
    void markDirty();

private:
    Image(cairo_surface_t* surface, double scale) : surface_(surface), scale_(scale) {}
    cairo_surface_t* surface_ = nullptr;
    double scale_ = 1.0;
};

} // namespace kit
