#pragma once
// Device models with their display texts. Declared for completeness; no screen reads it.
#include <optional>
#include <string>
#include <string_view>

namespace app {

enum class Model {
    simulator,
    iPod1, iPod2, iPod3, iPod4, iPod5,
    iPad2, iPad3, iPad4,
    iPadAir, iPadAir2, iPadAir3,
    iPad5, iPad6, iPad7,
    iPadMini, iPadMini2, iPadMini3, iPadMini4, iPadMini5,
    iPadPro9_7, iPadPro10_5, iPadPro11, iPadPro12_9, iPadPro2_12_9, iPadPro3_12_9,
    iPhone4, iPhone4S, iPhone5, iPhone5S, iPhone5C, iPhone6, iPhone6Plus, iPhone6S, iPhone6SPlus,
    iPhoneSE, iPhone7, iPhone7Plus, iPhone8, iPhone8Plus, iPhoneX, iPhoneXS, iPhoneXSMax, iPhoneXR,
    AppleTV, AppleTV_4K,
    unrecognized,
};

inline constexpr int modelCount = 47;

std::string_view rawValue(Model model);
// Exact match of the text; any other text gives none.
std::optional<Model> modelFromRawValue(std::string_view text);

} // namespace app
