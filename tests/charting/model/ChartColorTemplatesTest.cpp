#include "charting/model/ChartColorTemplates.h"

#include <gtest/gtest.h>

using namespace charting;
using kit::Color;

namespace {

TEST(ChartColorTemplates, Palettes) {
    EXPECT_EQ(ChartColorTemplates::material().size(), 4u);
    for (const auto& p : {ChartColorTemplates::liberty(), ChartColorTemplates::joyful(), ChartColorTemplates::pastel(),
                          ChartColorTemplates::colorful(), ChartColorTemplates::vordiplom()})
        EXPECT_EQ(p.size(), 5u);
    EXPECT_EQ(ChartColorTemplates::joyful()[1], Color::rgba(254 / 255.0, 149 / 255.0, 7 / 255.0, 1));
    EXPECT_EQ(ChartColorTemplates::material()[3], Color::rgba(52 / 255.0, 152 / 255.0, 219 / 255.0, 1));
}

TEST(ChartColorTemplates, ColourFromText) {
    const Color red = Color::rgba(1, 0, 0, 1), black = Color::rgba(0, 0, 0, 1);
    struct Row {
        const char* text;
        Color color;
    } rows[] = {
        {"#FF0000", red},
        {"#ff0000", red},
        {"#f00", red},
        {"#80ff0000", Color::rgba(1, 0, 0, 128 / 255.0)},
        {"#ff00", black},
        {"#", black},
        {"#ggg", black},
        {"#12345z", black},
        {"rgba(255, 0, 0, 0.5)", Color::rgba(1, 0, 0, 0.5)},
        {"rgb(0, 0, 255)", Color::rgba(0, 0, 1, 1)},
        {"argb(0.25, 0, 255, 0)", Color::rgba(0, 1, 0, 0.25)},
        {"RGB(0,128,0)", Color::rgba(0, 128 / 255.0, 0, 1)},
        {"rgba(10, 20)", Color::rgba(10 / 255.0, 20 / 255.0, 0, 1)},
        {"rgb(300, 0, 0)", Color::rgba(300 / 255.0, 0, 0, 1)},
        {"rgb(99999999999999999999999, 0, 0)", Color::rgba(9223372036854775807.0 / 255, 0, 0, 1)},
        // Non-finite alphas are malformed: the alpha keeps its starting value and the rest still reads.
        {"rgba(1, 2, 3, nan)", Color::rgba(1 / 255.0, 2 / 255.0, 3 / 255.0, 1)},
        {"rgba(0, 0, 255, -inf)", Color::rgba(0, 0, 1, 1)},
        {"argb(1e999, 255, 0, 0)", red},
        {"argb(infinity, 0, 255, 0)", Color::rgba(0, 1, 0, 1)},
        {"hsl(0, 100%, 50%)", Color::clearColor()},
        {"", Color::clearColor()},
    };
    for (auto row : rows) EXPECT_EQ(ChartColorTemplates::colorFromString(row.text), row.color) << row.text;
}

} // namespace
