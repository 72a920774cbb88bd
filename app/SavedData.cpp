#include "app/SavedData.h"

#include "app/AppDelegate.h"
#include "kit/store/Defaults.h"

namespace app {

std::string_view rawValue(ColorNameFormat format) {
    switch (format) {
    case ColorNameFormat::HtmlCss: return "HTML/CSS";
    case ColorNameFormat::wikipedia: return "Wikipedia";
    case ColorNameFormat::oilPaint: return "Oil Paint";
    }
    return "HTML/CSS";
}

std::optional<ColorNameFormat> colorNameFormatFromRaw(std::string_view raw) {
    for (auto f : allColorNameFormats)
        if (rawValue(f) == raw) return f;
    return std::nullopt;
}

void SavedData::setLastColorMixingMode(tools::ColorMixingMode mode) {
    lastColorMixingMode_ = mode;
    kit::Defaults::standard().set(static_cast<int>(mode), Keys::lastColorMixingMode);
}

bool boolSettingWithDefault(const std::string& key, bool value) {
    auto& defaults = kit::Defaults::standard();
    defaults.registerDefaults(kit::Defaults::Value{{key, value}});
    return defaults.boolean(key);
}

SavedData loadSavedData() {
    auto& defaults = kit::Defaults::standard();
    SavedData data;
    data.isAdjustableSchemas = boolSettingWithDefault(Keys::isAdjustableSchemas, true);
    switch (defaults.integer(Keys::lastColorMixingMode)) {
    case 1: data.lastColorMixingMode_ = tools::ColorMixingMode::cmyk; break;
    case 2: data.lastColorMixingMode_ = tools::ColorMixingMode::ryb; break;
    default: data.lastColorMixingMode_ = tools::ColorMixingMode::rgb; break;
    }
    switch (defaults.integer(Keys::colorNameFormat)) {
    case 1: data.colorNameFormat = ColorNameFormat::wikipedia; break;
    case 2: data.colorNameFormat = ColorNameFormat::oilPaint; break;
    default: data.colorNameFormat = ColorNameFormat::HtmlCss; break;
    }
    data.isNonDigitalCcw = boolSettingWithDefault(Keys::nonDigitalCcw, false);
    data.icloudStorage = defaults.boolean(Keys::cloudStorage);
    data.disablePolls = defaults.boolean(Keys::disablePolls);
    data.tryItWasShown = defaults.boolean(Keys::showTryIt);
    return data;
}

const std::vector<std::string>& colorFormatTitles() {
    static const std::vector<std::string> titles = {"HEX",      "RGB(0-255)", "CMYK",       "HSL(0-360)", "HSL(0-1)",
                                                    "RGB(%)",   "RGB(0-1)",   "HSB(0-360)", "HSB(0-1)"};
    return titles;
}

const std::vector<std::string>& colorNameFormatTitles() {
    static const std::vector<std::string> titles = {"HTML/CSS", "Wikipedia", "Oil Paint"};
    return titles;
}

void setColorFormat(int index) {
    const int stored = index >= 0 && index < static_cast<int>(colorFormatTitles().size()) ? index : 0;
    kit::Defaults::standard().set(stored, Keys::colorFormat);
    delegate().outputMode = stored;
}

} // namespace app
