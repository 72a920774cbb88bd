#include "tools/ColorGroup.h"

#include "app/ui/LayoutConstants.h"
#include "colour/HexText.h"

namespace tools {

std::vector<kit::Color> makeColorGroup(const kit::Color& base, long long count, bool reversed) {
    std::vector<kit::Color> out{base};
    if (count <= 1) return out;
    const auto hsb = colour::hsbComponents(base);
    const double step = 1.0 / static_cast<double>(count);
    const double d = reversed ? -step : step;
    double offset = d;
    out.reserve(static_cast<std::size_t>(count));
    for (long long i = 1; i < count; ++i) {
        const double x = hsb.hue + offset;
        const double hue = x < 0 ? x + 1 : (x > 1 ? x - 1 : x);
        out.push_back(kit::Color::hsb(hue, hsb.saturation, hsb.brightness, hsb.alpha));
        offset += d;
    }
    return out;
}

std::string hexArrayText(const std::vector<kit::Color>& colors, long long from, long long to) {
    if (from < 1 || to < from || to > static_cast<long long>(colors.size())) return "";
    std::string text = "[";
    for (long long i = from; i <= to; ++i) {
        if (i > from) text += ",";
        text += colour::hexStringWithHash(colors[static_cast<std::size_t>(i - 1)]);
    }
    return text + "]";
}

std::pair<long long, long long> hexArrayRange(const std::optional<std::string>& fromText,
                                              const std::optional<std::string>& toText, long long count) {
    long long from = fromText ? app::parseIntField(*fromText).value_or(0) : 0;
    long long to = toText ? app::parseIntField(*toText).value_or(0) : 0;
    if (from < 1 || from > count) from = 1;
    if (to < 1 || to > count) to = count;
    return {from, to};
}

long long restoredGroupSize(std::optional<long long> stored) {
    if (!stored) return defaultGroupSize;
    // Below 1 there is no group to make; far above the slider's range the list would only eat memory.
    if (*stored < 1) return defaultGroupSize;
    if (*stored > maximumGroupSize) return maximumGroupSize;
    return *stored;
}

} // namespace tools
