#pragma once
// Kit-internal: the PNG and JPEG decoders behind Image::decode and Image::decodeReduced, and the
// surface allocation they share with Image.
#include "kit/graphics/Image.h"

#include <turbojpeg.h>

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace kit::codecs {

// The largest picture accepted: Cairo's side limit, and a pixel count a hostile header cannot pass.
bool acceptableSize(long long width, long long height);
// A fresh image surface (uninitialised pixels), or null when the size is refused or memory is short.
cairo_surface_t* newSurface(int width, int height, bool opaque);

// `reduceTo` 0 decodes at full size; otherwise the picture may come smaller, its shorter side no
// less than `reduceTo` pixels, at a cost in memory that follows the smaller size.
std::optional<Image> decodePNG(std::span<const std::uint8_t> bytes, double scale, int reduceTo, std::string* error);
std::optional<Image> decodeJPEG(std::span<const std::uint8_t> bytes, double scale, int reduceTo, std::string* error);

struct TjHandle {
    tjhandle h;
    explicit TjHandle(tjhandle handle) : h(handle) {}
    ~TjHandle() { if (h) tjDestroy(h); }
    TjHandle(const TjHandle&) = delete;
    TjHandle& operator=(const TjHandle&) = delete;
};

// The texts decoding failures are told with.
std::string damagedText(const std::string& detail);
std::string tooLargeText(long long width, long long height);

} // namespace kit::codecs
