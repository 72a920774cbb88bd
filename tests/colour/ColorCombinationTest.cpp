#include "colour/ColorCombination.h"

#include <gtest/gtest.h>

using colour::CCs::CCTypeLogic;
using colour::CCs::ccTypeLogicFromRaw;
using colour::CCs::rawValue;

TEST(CCTypeLogic, RawValuesRoundTripAndAreCaseSensitive) {
    const std::pair<CCTypeLogic, const char*> kinds[] = {
        {CCTypeLogic::abstract, "abstract"}, {CCTypeLogic::digital, "digital"},
        {CCTypeLogic::saved, "custom"},      {CCTypeLogic::liked, "liked"},
        {CCTypeLogic::single, "colorPicker"},
    };
    for (const auto& [kind, raw] : kinds) {
        EXPECT_EQ(rawValue(kind), raw);
        EXPECT_EQ(ccTypeLogicFromRaw(raw), kind);
    }
    for (const char* other : {"Custom", "saved", "single", "", "colorpicker"})
        EXPECT_EQ(ccTypeLogicFromRaw(other), std::nullopt) << other;
}

TEST(ColorCombination, MemberwiseInFieldOrder) {
    const colour::ColorCombination cc{2, "custom", false, kit::Color::redColor(), kit::Color::blueColor(),
                                      std::nullopt, std::nullopt, 42};
    EXPECT_EQ(cc.numberOfColors, 2);
    EXPECT_EQ(cc.tag, "custom");
    EXPECT_EQ(cc.color2, kit::Color::blueColor());
    EXPECT_FALSE(cc.color3.has_value());
    EXPECT_EQ(cc.id, 42);
    EXPECT_EQ(colour::ColorCombination{}.id, -1);
}
