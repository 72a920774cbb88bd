#include "charting/core/ChartUtils.h"

#include "charting/core/NSUIShims.h"
#include "kit/text/DoubleText.h"

#include <cmath>
#include <limits>
#include <map>
#include <string>
#include <unordered_map>

namespace charting {

std::int64_t truncToInt(double value) {
    if (std::isnan(value)) return 0;
    // 2^63 is exactly representable; anything at or above it does not fit.
    constexpr double limit = 9223372036854775808.0;
    if (value >= limit) return std::numeric_limits<std::int64_t>::max();
    if (value < -limit) return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(value);
}

double roundedToNextSignificant(double value) {
    if (value == 0 || !std::isfinite(value)) return value;
    const double d = std::ceil(std::log10(std::fabs(value)));
    const double p = 1 - d;
    const double magnitude = std::pow(10.0, p);
    return std::round(value * magnitude) / magnitude;
}

int decimals(double value) {
    value = std::fabs(value);
    if (value == 0 || !std::isfinite(value)) return 0;
    const double r = roundedToNextSignificant(value);
    if (!std::isfinite(r)) return 0;
    const std::int64_t digits = truncToInt(std::ceil(-std::log10(r)) + 2);
    if (digits > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
    if (digits < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
    return static_cast<int>(digits);
}

kit::Point getDrawPoint(std::string_view text, kit::Point point, kit::TextAlignment align,
                        const kit::TextAttributes& attributes) {
    if (align == kit::TextAlignment::right) point.x -= kit::measureText(text, attributes).width;
    else if (align == kit::TextAlignment::center) point.x -= kit::measureText(text, attributes).width / 2;
    return point;
}

void drawText(kit::Context& context, std::string_view text, kit::Point point, kit::TextAlignment align,
              kit::Point anchor, double angleRadians, const kit::TextAttributes& attributes) {
    const kit::Point p = getDrawPoint(text, point, align, attributes);
    if (angleRadians == 0) {
        kit::drawText(context, text, p, attributes);
    } else {
        drawText(context, text, p, anchor, angleRadians, attributes);
    }
}

namespace {

// Where the box of size (w, h) turns about its centre for an anchored, rotated draw.
kit::Point rotatedTranslation(kit::Point point, kit::Point anchor, kit::Size size, double angle) {
    kit::Point t = point;
    if (anchor.x != 0.5 || anchor.y != 0.5) {
        const double w = size.width, h = size.height;
        const double rotatedW = std::fabs(std::cos(angle) * w) + std::fabs(std::sin(angle) * h);
        const double rotatedH = std::fabs(std::sin(angle) * w) + std::fabs(std::cos(angle) * h);
        t.x = point.x - rotatedW * (anchor.x - 0.5);
        t.y = point.y - rotatedH * (anchor.y - 0.5);
    }
    return t;
}

} // namespace

void drawText(kit::Context& context, std::string_view text, kit::Point point, kit::Point anchor,
              double angleRadians, const kit::TextAttributes& attributes) {
    if (angleRadians != 0) {
        const kit::Size size = kit::measureText(text, attributes);
        const kit::Point t = rotatedTranslation(point, anchor, size, angleRadians);
        kit::SavedState saved(context);
        context.translate(t.x, t.y);
        context.rotate(angleRadians);
        kit::drawText(context, text, kit::Point{-size.width / 2, -size.height / 2}, attributes);
        return;
    }
    if (anchor.x == 0 && anchor.y == 0) {
        kit::drawText(context, text, point, attributes);
        return;
    }
    const kit::Size size = kit::measureText(text, attributes);
    kit::drawText(context, text, kit::Point{point.x - size.width * anchor.x, point.y - size.height * anchor.y},
                  attributes);
}

void drawMultilineText(kit::Context& context, std::string_view text, kit::Point point, kit::Point anchor,
                       kit::Size knownSize, double angleRadians, const kit::TextAttributes& attributes) {
    if (angleRadians != 0) {
        const kit::Point t = rotatedTranslation(point, anchor, knownSize, angleRadians);
        kit::SavedState saved(context);
        context.translate(t.x, t.y);
        context.rotate(angleRadians);
        kit::drawText(context, text, kit::Rect{{-knownSize.width / 2, -knownSize.height / 2}, knownSize},
                      attributes);
        return;
    }
    kit::Point origin = point;
    if (anchor.x != 0 || anchor.y != 0) {
        origin.x -= knownSize.width * anchor.x;
        origin.y -= knownSize.height * anchor.y;
    }
    kit::drawText(context, text, kit::Rect{origin, knownSize}, attributes);
}

namespace {

// Resized copies per image, keyed by the image's address; the weak owner tells a dead image from
// a new one that happens to get the same address.
struct ImageCacheSlot {
    std::weak_ptr<const kit::Image> owner;
    std::map<std::string, std::shared_ptr<const kit::Image>> copies;
};

std::unordered_map<const kit::Image*, ImageCacheSlot>& imageCache() {
    static std::unordered_map<const kit::Image*, ImageCacheSlot> cache;
    return cache;
}

void pruneDeadImages() {
    auto& cache = imageCache();
    for (auto it = cache.begin(); it != cache.end();) {
        if (it->second.owner.expired()) it = cache.erase(it);
        else ++it;
    }
}

std::string cacheKey(kit::Size size) {
    return "resized_" + kit::text::shortestText(size.width) + "_" + kit::text::shortestText(size.height);
}

} // namespace

std::shared_ptr<const kit::Image> cachedResizedImage(const kit::Image* image, kit::Size size) {
    auto& cache = imageCache();
    auto slot = cache.find(image);
    if (slot == cache.end() || slot->second.owner.expired()) return nullptr;
    auto copy = slot->second.copies.find(cacheKey(size));
    return copy == slot->second.copies.end() ? nullptr : copy->second;
}

void drawImage(kit::Context& context, const std::shared_ptr<const kit::Image>& image, kit::Point center,
               kit::Size size) {
    if (!image) return;
    const kit::Rect target{center.x - size.width / 2, center.y - size.height / 2, size.width, size.height};
    const kit::Size own = image->size();
    if (own.width != size.width && own.height != size.height) {
        pruneDeadImages();
        auto& slot = imageCache()[image.get()];
        if (slot.owner.expired()) slot = ImageCacheSlot{image, {}};
        const std::string key = cacheKey(size);
        auto found = slot.copies.find(key);
        std::shared_ptr<const kit::Image> copy;
        if (found != slot.copies.end()) {
            copy = found->second;
        } else if (auto resized = image->resized(size, nsuiScreenScale())) {
            copy = std::make_shared<const kit::Image>(std::move(*resized));
            slot.copies.emplace(key, copy);
        }
        if (copy) context.drawImage(*copy, target);
        return;
    }
    context.drawImage(*image, target);
}

} // namespace charting
