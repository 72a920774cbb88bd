#include "AppFixture.h"

#include "app/SavedData.h"
#include "kit/store/Defaults.h"

namespace {

using app::ColorNameFormat;
using tools::ColorMixingMode;
using SettingsTest = AppFixture;

TEST_F(SettingsTest, CleanInstallLoadsTheRegisteredDefaultsAndAnExplicitValueWins) {
    auto data = app::loadSavedData();
    EXPECT_TRUE(data.isAdjustableSchemas);
    EXPECT_FALSE(data.isNonDigitalCcw || data.icloudStorage || data.disablePolls || data.tryItWasShown);
    EXPECT_EQ(data.lastColorMixingMode(), ColorMixingMode::rgb);
    EXPECT_EQ(data.colorNameFormat, ColorNameFormat::HtmlCss);
    kit::Defaults::standard().set(false, "IS_ADJUSTABLE_SCHEMAS");
    kit::Defaults::standard().set(true, "NON_DIGITAL_CCW");
    data = app::loadSavedData();
    EXPECT_FALSE(data.isAdjustableSchemas);
    EXPECT_TRUE(data.isNonDigitalCcw);
}

TEST_F(SettingsTest, EachKeyLoadsIntoItsFieldWithFallbacksForUnknownIntegers) {
    struct Case {
        const char* key;
        int stored;
        ColorNameFormat name;
        ColorMixingMode mode;
    };
    for (auto c : {Case{"COLOR_NAME_FORMAT", 1, ColorNameFormat::wikipedia, ColorMixingMode::rgb},
                   Case{"COLOR_NAME_FORMAT", 2, ColorNameFormat::oilPaint, ColorMixingMode::rgb},
                   Case{"COLOR_NAME_FORMAT", 7, ColorNameFormat::HtmlCss, ColorMixingMode::rgb},
                   Case{"LAST_COLOR_MIXING_MODE", 1, ColorNameFormat::HtmlCss, ColorMixingMode::cmyk},
                   Case{"LAST_COLOR_MIXING_MODE", 2, ColorNameFormat::HtmlCss, ColorMixingMode::ryb},
                   Case{"LAST_COLOR_MIXING_MODE", -1, ColorNameFormat::HtmlCss, ColorMixingMode::rgb}}) {
        kit::Defaults::standard().remove("COLOR_NAME_FORMAT");
        kit::Defaults::standard().remove("LAST_COLOR_MIXING_MODE");
        kit::Defaults::standard().set(c.stored, c.key);
        auto data = app::loadSavedData();
        EXPECT_EQ(data.colorNameFormat, c.name) << c.key << " " << c.stored;
        EXPECT_EQ(data.lastColorMixingMode(), c.mode) << c.key << " " << c.stored;
    }
    for (const char* key : {"CLOUD_STORAGE", "DISALBE_POLLS", "SHOW_TRY_IT"}) kit::Defaults::standard().set(true, key);
    auto data = app::loadSavedData();
    EXPECT_TRUE(data.icloudStorage && data.disablePolls && data.tryItWasShown);
}

TEST_F(SettingsTest, WritersStoreTheirKeysAtOnce) {
    app::SavedData data;
    data.setLastColorMixingMode(ColorMixingMode::ryb);
    EXPECT_EQ(kit::Defaults::standard().integer("LAST_COLOR_MIXING_MODE"), 2);
    for (auto [given, stored] : {std::pair{9, 0}, {-1, 0}, {8, 8}, {3, 3}}) {
        app::setColorFormat(given);
        EXPECT_EQ(kit::Defaults::standard().integer("COLOR_FORMAT"), stored);
        EXPECT_EQ(appDelegate->outputMode, stored);
    }
    EXPECT_EQ(app::colorFormatTitles().size(), 9u);
    EXPECT_EQ(app::colorFormatTitles()[7], "HSB(0-360)");
    EXPECT_EQ(app::rawValue(ColorNameFormat::oilPaint), "Oil Paint");
    EXPECT_EQ(app::colorNameFormatFromRaw("Wikipedia"), ColorNameFormat::wikipedia);
    EXPECT_EQ(app::colorNameFormatFromRaw("wikipedia"), std::nullopt);
}

} // namespace
