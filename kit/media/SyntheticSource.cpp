#include "kit/media/SyntheticSource.h"

#include <algorithm>
#include <cairo.h>
#include <charconv>
#include <cmath>

namespace kit::media {
namespace {

std::uint32_t packed(const Color& c) {
    auto byte = [](double v) { return static_cast<std::uint32_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255)); };
    return 0xFF000000u | (byte(c.red()) << 16) | (byte(c.green()) << 8) | byte(c.blue());
}

bool parseInt(std::string_view text, int& out) {
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    return ec == std::errc() && end == text.data() + text.size() && out > 0;
}

std::optional<Color> parseHex(std::string_view hex) {
    unsigned value = 0;
    if (hex.size() != 6) return std::nullopt;
    const auto [end, ec] = std::from_chars(hex.data(), hex.data() + 6, value, 16);
    if (ec != std::errc() || end != hex.data() + 6) return std::nullopt;
    return Color::rgba(((value >> 16) & 0xFF) / 255.0, ((value >> 8) & 0xFF) / 255.0, (value & 0xFF) / 255.0);
}

std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (std::size_t at = 0;;) {
        const auto next = text.find(separator, at);
        parts.push_back(text.substr(at, next == std::string_view::npos ? std::string_view::npos : next - at));
        if (next == std::string_view::npos) return parts;
        at = next + 1;
    }
}

} // namespace

std::vector<Color> SyntheticSource::barColors() {
    return {Color::rgba(1, 1, 1), Color::rgba(1, 1, 0), Color::rgba(0, 1, 1), Color::rgba(0, 1, 0),
            Color::rgba(1, 0, 1), Color::rgba(1, 0, 0), Color::rgba(0, 0, 1), Color::rgba(0, 0, 0)};
}

std::unique_ptr<SyntheticSource> SyntheticSource::parse(const std::string& text, std::string* error) {
    auto fail = [&](const std::string& why) {
        if (error) *error = "synthetic camera: " + why + " in \"" + text + "\"";
        return nullptr;
    };
    auto source = std::make_unique<SyntheticSource>();
    const auto parts = split(text, '@');
    const auto words = split(parts[0], '-');
    if (words[0] == "bars" || words[0].empty()) source->pattern_ = Pattern::bars;
    else if (words[0] == "quadrants") source->pattern_ = Pattern::quadrants;
    else if (words[0] == "gradient") source->pattern_ = Pattern::gradient;
    else if (words[0] == "solid" || words[0] == "cycle") source->pattern_ = Pattern::colors;
    else return fail("unknown pattern");
    for (std::size_t i = 1; i < words.size(); ++i) {
        auto color = parseHex(words[i]);
        if (!color) return fail("bad colour");
        source->colors_.push_back(*color);
    }
    if (source->pattern_ == Pattern::colors && source->colors_.empty()) return fail("no colour");
    for (std::size_t i = 1; i < parts.size(); ++i) {
        const auto x = parts[i].find('x');
        int w = 0, h = 0, fps = 0;
        if (x != std::string_view::npos && parseInt(parts[i].substr(0, x), w) && parseInt(parts[i].substr(x + 1), h))
            source->size_ = Size{static_cast<double>(w), static_cast<double>(h)};
        else if (parseInt(parts[i], fps)) source->fps_ = fps;
        else return fail("bad size or rate");
    }
    return source;
}

bool SyntheticSource::start(Size preferred, std::string*) {
    frameSize_ = size_.value_or(preferred);
    return true;
}

std::optional<Image> SyntheticSource::nextFrame(double) {
    const int w = static_cast<int>(frameSize_.width), h = static_cast<int>(frameSize_.height);
    auto image = Image::make(w, h, 1.0, true);
    if (!image) return std::nullopt;
    const std::uint64_t n = frameIndex_++;
    const auto bars = barColors();
    // The gradient's hue runs along x and its brightness down y: one colour per column, scaled per row.
    std::vector<Color> hues;
    if (pattern_ == Pattern::gradient)
        for (int x = 0; x < w; ++x)
            hues.push_back(Color::hsb(std::fmod(static_cast<double>(x) / w + static_cast<double>(n % 120) / 120.0, 1.0), 1, 1));
    std::uint8_t* data = cairo_image_surface_get_data(image->surface());
    const int stride = cairo_image_surface_get_stride(image->surface());
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
        for (int x = 0; x < w; ++x) {
            switch (pattern_) {
            case Pattern::bars: row[x] = packed(bars[static_cast<std::size_t>(x) * bars.size() / static_cast<std::size_t>(w)]); break;
            case Pattern::quadrants: {
                static const std::uint32_t corners[4] = {0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu, 0xFFFFFF00u};
                row[x] = corners[(y >= h / 2 ? 2 : 0) + (x >= w / 2 ? 1 : 0)];
                break;
            }
            case Pattern::gradient: {
                const double v = 0.35 + 0.65 * (1.0 - static_cast<double>(y) / h);
                const Color& c = hues[static_cast<std::size_t>(x)];
                row[x] = packed(Color::rgba(c.red() * v, c.green() * v, c.blue() * v));
                break;
            }
            case Pattern::colors: row[x] = packed(colors_[n % colors_.size()]); break;
            }
        }
    }
    image->markDirty();
    return image;
}

} // namespace kit::media
