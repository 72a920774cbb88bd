#include "kit/host/ScreenshotPng.h"

#include "kit/base/Files.h"

#include <cairo.h>
#include <zlib.h>

#include <algorithm>
#include <array>
#include <thread>

namespace kit::host {
namespace {

// The fastest level, and the Sub filter on every row: flat colours become runs of zeros, which
// is most of a screen, for a file somewhat larger than the smallest one.
constexpr int deflateLevel = 1;
constexpr std::uint8_t subFilter = 1;
// The longest IDAT chunk written; PNG allows up to 2^31 - 1 bytes.
constexpr std::size_t chunkLimit = std::size_t{1} << 30;

struct Pixels {
    const unsigned char* data;
    int stride, width, height;
    bool premultipliedAlpha;  // ARGB32; otherwise RGB24, whose top byte means nothing
};

bool opaque(const Pixels& p) {
    if (!p.premultipliedAlpha) return true;
    for (int y = 0; y < p.height; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(p.data + static_cast<std::size_t>(y) * p.stride);
        // A loop without an exit vectorises.
        std::uint32_t all = 0xFF000000u;
        for (int x = 0; x < p.width; ++x) all &= row[x];
        if (all >> 24 != 0xFF) return false;
    }
    return true;
}

// One row as PNG bytes (R, G, B and, with `alpha`, straight A), Sub-filtered, after its filter byte.
void encodeRow(const std::uint32_t* in, int width, bool alpha, std::uint8_t* out) {
    *out++ = subFilter;
    const int channels = alpha ? 4 : 3;
    std::array<std::uint8_t, 4> previous{};
    for (int x = 0; x < width; ++x, out += channels) {
        const std::uint32_t v = in[x];
        std::array<std::uint8_t, 4> px{std::uint8_t(v >> 16), std::uint8_t(v >> 8), std::uint8_t(v),
                                       std::uint8_t(v >> 24)};
        if (alpha && px[3] != 255) {
            const unsigned a = px[3];
            for (int c = 0; c < 3; ++c) px[c] = a ? std::uint8_t((px[c] * 255u + a / 2) / a) : 0;
        }
        for (int c = 0; c < channels; ++c) out[c] = std::uint8_t(px[c] - previous[c]);
        previous = px;
    }
}

// Rows [from, to) as raw deflate data that the next strip's data may follow, and their checksum.
struct Strip {
    std::vector<std::uint8_t> deflated;
    uLong adler = 0;
    uLong length = 0;
    bool ok = false;
};

void compressStrip(const Pixels& p, bool alpha, int from, int to, bool last, Strip& strip) {
    z_stream z{};
    if (deflateInit2(&z, deflateLevel, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY) != Z_OK) return;
    const std::size_t rowBytes = 1 + static_cast<std::size_t>(p.width) * (alpha ? 4 : 3);
    std::vector<std::uint8_t> row(rowBytes);
    strip.adler = adler32(0, nullptr, 0);
    strip.deflated.resize(rowBytes * (to - from) / 8 + 1024);
    z.next_out = strip.deflated.data();
    z.avail_out = static_cast<uInt>(strip.deflated.size());
    int status = Z_OK;
    for (int y = from; y < to && status == Z_OK; ++y) {
        encodeRow(reinterpret_cast<const std::uint32_t*>(p.data + static_cast<std::size_t>(y) * p.stride), p.width,
                  alpha, row.data());
        strip.adler = adler32(strip.adler, row.data(), static_cast<uInt>(rowBytes));
        strip.length += rowBytes;
        z.next_in = row.data();
        z.avail_in = static_cast<uInt>(rowBytes);
        const int flush = y + 1 < to ? Z_NO_FLUSH : last ? Z_FINISH : Z_SYNC_FLUSH;
        // Until the row is in and, at the end, the flush is complete.
        for (;;) {
            if (z.avail_out == 0) {
                const std::size_t used = strip.deflated.size();
                strip.deflated.resize(used * 2);
                z.next_out = strip.deflated.data() + used;
                z.avail_out = static_cast<uInt>(used);
            }
            status = deflate(&z, flush);
            if (status == Z_STREAM_END || status < 0 || status == Z_BUF_ERROR) break;
            if (z.avail_in == 0 && z.avail_out != 0) break;
        }
    }
    strip.ok = last ? status == Z_STREAM_END : status == Z_OK;
    strip.deflated.resize(z.total_out);
    deflateEnd(&z);
}

void appendBigEndian(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(std::uint8_t(v >> shift));
}

void appendChunk(std::vector<std::uint8_t>& out, const char (&type)[5], const std::uint8_t* data, std::size_t size) {
    appendBigEndian(out, static_cast<std::uint32_t>(size));
    const std::size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data, data + size);
    appendBigEndian(out, static_cast<std::uint32_t>(crc32(0, out.data() + start, static_cast<uInt>(size + 4))));
}

} // namespace

std::optional<std::vector<std::uint8_t>> screenshotPngData(const Image& image) {
    if (image.isEmpty()) return std::nullopt;
    cairo_surface_t* surface = image.surface();
    const auto format = cairo_image_surface_get_format(surface);
    if (format != CAIRO_FORMAT_ARGB32 && format != CAIRO_FORMAT_RGB24) return image.pngData();
    const Pixels pixels{cairo_image_surface_get_data(surface), cairo_image_surface_get_stride(surface),
                        image.pixelWidth(), image.pixelHeight(), format == CAIRO_FORMAT_ARGB32};
    if (!pixels.data || pixels.width <= 0 || pixels.height <= 0) return std::nullopt;
    const bool alpha = !opaque(pixels);

    // Strips of rows deflated side by side, joined into one stream.
    const int threads = static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, 4u));
    const int strips = std::clamp(pixels.height / 64, 1, threads);
    std::vector<Strip> parts(static_cast<std::size_t>(strips));
    auto rowOf = [&](int strip) { return static_cast<int>(static_cast<long long>(pixels.height) * strip / strips); };
    {
        std::vector<std::jthread> workers;
        for (int s = 1; s < strips; ++s)
            workers.emplace_back(
                [&, s] { compressStrip(pixels, alpha, rowOf(s), rowOf(s + 1), s + 1 == strips, parts[s]); });
        compressStrip(pixels, alpha, rowOf(0), rowOf(1), strips == 1, parts[0]);
    }

    std::vector<std::uint8_t> stream{0x78, 0x01};  // deflate, 32 KiB window, fastest
    uLong adler = adler32(0, nullptr, 0);
    for (const auto& part : parts) {
        if (!part.ok) return std::nullopt;
        stream.insert(stream.end(), part.deflated.begin(), part.deflated.end());
        adler = adler32_combine(adler, part.adler, static_cast<z_off_t>(part.length));
    }
    appendBigEndian(stream, static_cast<std::uint32_t>(adler));

    std::vector<std::uint8_t> png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<std::uint8_t> header;
    appendBigEndian(header, static_cast<std::uint32_t>(pixels.width));
    appendBigEndian(header, static_cast<std::uint32_t>(pixels.height));
    header.insert(header.end(), {8, std::uint8_t(alpha ? 6 : 2), 0, 0, 0});  // 8 bits, RGBA or RGB
    png.reserve(stream.size() + 64);
    appendChunk(png, "IHDR", header.data(), header.size());
    for (std::size_t at = 0; at < stream.size(); at += chunkLimit)
        appendChunk(png, "IDAT", stream.data() + at, std::min(chunkLimit, stream.size() - at));
    appendChunk(png, "IEND", nullptr, 0);
    return png;
}

bool writeScreenshotPng(const Image& image, const std::string& path, std::string* error) {
    const auto data = screenshotPngData(image);
    if (!data) {
        if (error) *error = "PNG encoding failed";
        return false;
    }
    return writeFileAtomically(path, *data, error);
}

} // namespace kit::host
