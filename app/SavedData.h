#pragma once
// The settings record loaded at start-up, every settings key of the program, and the format setters.
#include "app/ColorNameFormat.h"
#include "tools/ColorMixingMode.h"

#include <string>
#include <vector>

namespace app {

namespace Keys {
inline constexpr const char* appOpenTimes = "APP_OPEN_TIMES";
inline constexpr const char* userLeaveRating = "USER_LEAVE_RATING";
inline constexpr const char* disablePolls = "DISALBE_POLLS";  // so spelled in stored settings
inline constexpr const char* colorFormat = "COLOR_FORMAT";
inline constexpr const char* colorNameFormat = "COLOR_NAME_FORMAT";
inline constexpr const char* isAdjustableSchemas = "IS_ADJUSTABLE_SCHEMAS";
inline constexpr const char* nonDigitalCcw = "NON_DIGITAL_CCW";
inline constexpr const char* cloudStorage = "CLOUD_STORAGE";
inline constexpr const char* showTryIt = "SHOW_TRY_IT";
inline constexpr const char* lastColorMixingMode = "LAST_COLOR_MIXING_MODE";
inline constexpr const char* lastColorMixing = "LAST_COLOR_MIXING";
inline constexpr const char* lastColorInDcw = "LAST_COLOR_IN_DCW";
inline constexpr const char* lastDcwCombination = "LAST_DCW_COMBINATION";
inline constexpr const char* hideAbstractTip = "HIDE_ABSTRACT_TIP";
inline constexpr const char* colorCombinationMode = "COLOR_COMBINATION_MODE";
inline constexpr const char* lastSwatch = "LAST_SWATCH";
inline constexpr const char* lastColorInColorMixing = "LAST_COLOR_IN_COLOR_MIXING";
inline constexpr const char* selectedLightType = "SELECTED_LIGHT_TYPE";
inline constexpr const char* convertMixedColorsToLarge = "CONVERT_MIXED_COLORS_TO_LARGE";
inline constexpr const char* colorGroupColor = "color_group_color";
inline constexpr const char* colorGroupNumberOfColors = "color_group_number_of_colors";
inline constexpr const char* contrastRatioColor1 = "contrast_ratio_color_1";
inline constexpr const char* contrastRatioColor2 = "contrast_ratio_color_2";
inline constexpr const char* constraintLogUnsatisfiable = "_UIConstraintBasedLayoutLogUnsatisfiable";
} // namespace Keys

// What readers of the colour buffer and similar texts use when the key is absent.
inline constexpr const char* defaultBufferColor = "FF4050";

class SavedData {
public:
    bool isAdjustableSchemas = true;
    bool isNonDigitalCcw = false;  // loaded; nothing reads it
    bool icloudStorage = false;
    bool disablePolls = false;
    bool tryItWasShown = false;
    ColorNameFormat colorNameFormat = ColorNameFormat::HtmlCss;

    tools::ColorMixingMode lastColorMixingMode() const { return lastColorMixingMode_; }
    // Also writes "LAST_COLOR_MIXING_MODE" (0 rgb, 1 cmyk, 2 ryb).
    void setLastColorMixingMode(tools::ColorMixingMode mode);

private:
    friend SavedData loadSavedData();
    tools::ColorMixingMode lastColorMixingMode_ = tools::ColorMixingMode::rgb;
};

// Reads the seven keys (registering the two registered defaults on the way).
SavedData loadSavedData();
// Registers {key: value} and reads the Bool; a stored value always wins over the registered one.
bool boolSettingWithDefault(const std::string& key, bool value);

// "HEX", "RGB(0-255)", "CMYK", "HSL(0-360)", "HSL(0-1)", "RGB(%)", "RGB(0-1)", "HSB(0-360)", "HSB(0-1)".
const std::vector<std::string>& colorFormatTitles();
// "HTML/CSS", "Wikipedia", "Oil Paint".
const std::vector<std::string>& colorNameFormatTitles();
// 0..8 is stored and becomes the delegate's output mode; anything else stores 0.
void setColorFormat(int index);

} // namespace app
