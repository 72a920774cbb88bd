#include "app/ui/LayoutConstants.h"

#include "app/ui/ScreenType.h"
#include "kit/store/Defaults.h"
#include "kit/ui/Device.h"

#include <charconv>

namespace app {
namespace {

bool padInPortraitAtFirstUse() {
    static const bool value = kit::Device::userInterfaceIdiom() == kit::UserInterfaceIdiom::pad &&
                              !kit::Device::current().isLandscape();
    return value;
}

} // namespace

double colorCodeRowBottomPadding() {
    static const double value = isTallScreen() ? 16 : 6;
    return value;
}

double valueButtonPadding() { return padInPortraitAtFirstUse() ? 18 : 10; }
double valueButtonSize() { return padInPortraitAtFirstUse() ? 48 : 28; }

double colorCodeRowHeight() {
    switch (kit::Defaults::standard().integer("COLOR_FORMAT")) {
    case 0: return 40;
    case 2: return 80;
    default: return 60;
    }
}

std::optional<long long> parseIntField(std::string_view text) {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && (text.front() == '-' || text.front() == '+')) return std::nullopt;
    }
    if (text.empty()) return std::nullopt;
    long long value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec == std::errc::result_out_of_range && end == text.data() + text.size()) {
        // A whole number too long for the integer type: saturate rather than reject it.
        return text.front() == '-' ? std::numeric_limits<long long>::min() : std::numeric_limits<long long>::max();
    }
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

double parseNumberField(const std::optional<std::string>& text) {
    if (!text || text->empty()) return 0;
    auto value = parseIntField(*text);
    if (!value || *value < 0) return 0;
    if (*value >= 256) return 255;
    return static_cast<double>(*value);
}

} // namespace app
