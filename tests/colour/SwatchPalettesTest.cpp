#include "colour/HexText.h"
#include "colour/SwatchPalettes.h"
#include "colour/library/ColorLibrary.h"

#include <gtest/gtest.h>

using colour::dedupedColors;
using kit::Color;

TEST(DedupedColors, ComparesWithTheLastKeptColour) {
    const Color red = Color::rgba(1, 0, 0), blue = Color::rgba(0, 0, 1);
    const Color almostRed = colour::colorFromHex("FF0001");
    EXPECT_EQ(dedupedColors({red, red, almostRed, blue}), (std::vector<Color>{red, blue}));
    EXPECT_EQ(dedupedColors({red}), std::vector<Color>{red});
    EXPECT_TRUE(dedupedColors({}).empty());
    const Color a = Color::rgba(0.5, 0.5, 0.5), b = Color::rgba(0.55, 0.5, 0.5);
    EXPECT_EQ(dedupedColors({a, b}), std::vector<Color>{a});
    // Steps of 0.04: 0.04 is dropped (near 0), 0.08 kept, 0.12 dropped (near 0.08), 0.16 kept.
    std::vector<Color> run;
    for (int i = 0; i <= 4; ++i) run.push_back(Color::rgba(0.5, 0.5, 0.04 * i));
    EXPECT_EQ(dedupedColors(run), (std::vector<Color>{run[0], run[2], run[4]}));
    // Same hex counts as a duplicate even when the components differ by more than 0.06.
    EXPECT_EQ(dedupedColors({Color::rgba(0.5, 0, 0), Color::rgba(0.5, 0, 0, 0.2)}).size(), 1u);
}

TEST(SeasonPalettes, BuiltFromTheirListsWithoutNearNeighbours) {
    struct Season { const std::vector<Color>* colors; std::size_t most; };
    for (Season s : {Season{&colour::summerColors(), 203}, Season{&colour::winterColors(), 107},
                     Season{&colour::springColors(), 64}, Season{&colour::autumnColors(), 64}}) {
        ASSERT_FALSE(s.colors->empty());
        EXPECT_LE(s.colors->size(), s.most);
        EXPECT_GT(s.colors->size(), s.most / 2);
        EXPECT_EQ(dedupedColors(*s.colors), *s.colors); // already filtered
        for (const Color& c : *s.colors) EXPECT_EQ(c.alpha(), 1.0);
    }
    // The first colours of the lists, given as single-precision literals, are in their seasons.
    auto has = [](const std::vector<Color>& colors, float r, float g, float b) {
        return std::find(colors.begin(), colors.end(), Color::rgba(r, g, b, 1)) != colors.end();
    };
    EXPECT_TRUE(has(colour::summerColors(), 0.9224146f, 0.32117617f, 0.43524897f));
    EXPECT_TRUE(has(colour::summerColors(), 0.8518916f, 0.99353594f, 0.95219797f));
    EXPECT_TRUE(has(colour::winterColors(), 0.86591107f, 0.83503586f, 0.85902023f));
    EXPECT_EQ(&colour::summerColors(), &colour::summerColors());
}

TEST(MaterialHexColors, OrderAndCount) {
    const auto& m = colour::materialHexColors();
    ASSERT_EQ(m.size(), 255u);
    EXPECT_EQ(m[0], "#F44336");   // red 500 first
    EXPECT_EQ(m[1], "#FFEBEE");   // red 50
    EXPECT_EQ(m[5], "#EF5350");   // red 400, then 600: 500 is not repeated
    EXPECT_EQ(m[6], "#E53935");
    EXPECT_EQ(m[13], "#D50000");  // red A700
    EXPECT_EQ(m[14], "#FCE4EC");  // pink 50
    EXPECT_EQ(m[224], "#EFEBE9"); // brown 50, after 15 hues of 14
    EXPECT_EQ(m[253], "#263238"); // blue grey 900
    EXPECT_EQ(m[254], "#000000");
    for (const auto& hex : m) EXPECT_TRUE(colour::isValidHexColor(hex) || hex == "#000000") << hex;
}

TEST(GreyScales, ElevenAndSixNamedSteps) {
    const auto& ten = colour::grayscale10Colors();
    ASSERT_EQ(ten.size(), 11u);
    EXPECT_EQ(*ten[5].hex, "8C8C8C");
    EXPECT_EQ(*ten[5].name, "5");
    EXPECT_EQ(*ten[10].name, "10");
    const auto& five = colour::grayscale5Colors();
    ASSERT_EQ(five.size(), 6u);
    EXPECT_EQ(*five[2].hex, "989898");
    EXPECT_EQ(*five[5].name, "5");
}

TEST(WikipediaColorNamesSorted, LargestAbgrFirstAndSameRows) {
    const auto& sorted = colour::wikipediaColorNamesSorted();
    ASSERT_EQ(sorted.size(), colour::wikipediaColorNames().size());
    auto key = [](const colour::ColorWithName& e) { return colour::abgrValue(colour::initWithHexString(*e.hex)); };
    for (std::size_t i = 1; i < sorted.size(); ++i) ASSERT_GE(key(sorted[i - 1]), key(sorted[i])) << i;
    EXPECT_EQ(key(sorted.front()), 0xFFFFFFFFu); // white: alpha, blue, green and red all FF
}
