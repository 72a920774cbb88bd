#include "colour/ColorNames.h"
#include "colour/HexText.h"
#include "kit/text/CaseMapping.h"

#include <gtest/gtest.h>

#include <cmath>

using colour::ColorNameFormat;
using colour::colorName;
using kit::Color;

namespace {

// The lookup as a plain walk that converts each hex anew; the prepared lookup must agree with it.
std::optional<std::string> walk(const std::vector<colour::ColorWithName>& catalogue, const Color& c,
                                double tight, double loose, bool spaced, const std::string& prefix) {
    for (const auto& entry : catalogue) {
        const Color e = colour::colorFromTableHex(*entry.hex);
        auto shown = [&] { return kit::text::uppercased(spaced ? colour::spacedName(*entry.name) : *entry.name); };
        if (colour::isNear(c, e, tight)) return shown();
        if (colour::isNear(c, e, loose)) return prefix + shown();
    }
    return std::nullopt;
}

} // namespace

TEST(ColorName, FirstLooseMatchWinsInEachCatalogue) {
    struct Case { ColorNameFormat format; const char* hex; std::optional<std::string> name; };
    const Case cases[] = {
        {ColorNameFormat::HtmlCss, "FF0000", " RED"},
        {ColorNameFormat::HtmlCss, "FF1A00", "~ RED"},          // green 0.102 off: loose only
        {ColorNameFormat::HtmlCss, "808080", "~ CADET BLUE"},   // an earlier loose row beats exact Gray
        {ColorNameFormat::HtmlCss, "00FFFF", " AQUA"},          // Aqua stands before Cyan
        {ColorNameFormat::HtmlCss, "FF00FF", " FUCHSIA"},       // Fuchsia before Magenta
        {ColorNameFormat::HtmlCss, "C71585", " MEDIUM VIOLET RED"},
        {ColorNameFormat::wikipedia, "#0048BA", "ABSOLUTE ZERO"},
        {ColorNameFormat::wikipedia, "#0060BA", "~ ABSOLUTE ZERO"},
        {ColorNameFormat::wikipedia, "FF0000", "CANDY APPLE RED"}, // first row within 0.12, also within 0.08
        {ColorNameFormat::oilPaint, "#ebe720", "LEMON YELLOW"},
        {ColorNameFormat::oilPaint, "FFFF00", "~ LEMON YELLOW"},
        {ColorNameFormat::oilPaint, "FF0000", std::nullopt},   // no pigment row within 0.2
        {ColorNameFormat::oilPaint, "0000FF", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(colorName(c.format, colour::colorFromTableHex(c.hex)), c.name) << c.hex;
}

TEST(ColorName, HalfTransparentOrUnknownFormatGivesNothing) {
    for (auto format : {ColorNameFormat::HtmlCss, ColorNameFormat::wikipedia, ColorNameFormat::oilPaint}) {
        EXPECT_EQ(colorName(format, Color::rgba(1, 0, 0, 0.5)), std::nullopt);
        EXPECT_EQ(colorName(format, Color::rgba(NAN, 0, 0, 1)), std::nullopt);
    }
    EXPECT_EQ(colorName(static_cast<ColorNameFormat>(3), Color::rgba(1, 0, 0)), std::nullopt);
}

TEST(ColorName, PreparedLookupAgreesWithThePlainWalkEverywhere) {
    struct Catalogue { ColorNameFormat format; const std::vector<colour::ColorWithName>* rows;
                       double tight, loose; bool spaced; const char* prefix; };
    const Catalogue catalogues[] = {
        {ColorNameFormat::HtmlCss, &colour::htmlColorNames(), 0.075, 0.15, true, "~"},
        {ColorNameFormat::wikipedia, &colour::wikipediaColorNames(), 0.08, 0.12, false, "~ "},
        {ColorNameFormat::oilPaint, &colour::oilPaintColorNames(), 0.1, 0.2, false, "~ "},
    };
    int named = 0;
    for (const auto& cat : catalogues) {
        for (int r = 0; r <= 255; r += 51)
            for (int g = 0; g <= 255; g += 51)
                for (int b = 0; b <= 255; b += 51) {
                    const Color c = Color::rgba(r / 255.0, g / 255.0, b / 255.0, 1);
                    const auto expected = walk(*cat.rows, c, cat.tight, cat.loose, cat.spaced, cat.prefix);
                    ASSERT_EQ(colorName(cat.format, c), expected) << r << " " << g << " " << b;
                    named += expected.has_value();
                }
        // Also at the catalogue's own colours and with alpha near the tolerance.
        for (const auto& entry : *cat.rows) {
            const Color c = colour::colorFromTableHex(*entry.hex);
            ASSERT_EQ(colorName(cat.format, c), walk(*cat.rows, c, cat.tight, cat.loose, cat.spaced, cat.prefix));
            const Color faint = c.withAlpha(1 - cat.tight - 0.01);
            ASSERT_EQ(colorName(cat.format, faint), walk(*cat.rows, faint, cat.tight, cat.loose, cat.spaced, cat.prefix));
        }
    }
    EXPECT_GT(named, 100);
}

TEST(ColorNameCatalogues, SizesFormsAndEnds) {
    const auto& html = colour::htmlColorNames();
    ASSERT_EQ(html.size(), 140u);
    EXPECT_EQ(*html.front().hex, "800000");
    EXPECT_EQ(*html.front().name, "Maroon");
    EXPECT_EQ(*html.back().hex, "FFFFFF");
    EXPECT_EQ(*html.back().name, "White");
    const auto& wiki = colour::wikipediaColorNames();
    ASSERT_EQ(wiki.size(), 1302u); // the encyclopedia's list as published
    EXPECT_EQ(*wiki.front().hex, "#0048BA");
    EXPECT_EQ(*wiki.front().name, "Absolute Zero");
    EXPECT_EQ(*wiki.back().name, "Zomp");
    const auto& oil = colour::oilPaintColorNames();
    ASSERT_EQ(oil.size(), 54u);
    EXPECT_EQ(*oil.front().hex, "#ebe720");
    EXPECT_EQ(*oil.front().name, "Lemon Yellow");
    for (const auto& e : html) EXPECT_EQ(colour::hexString(colour::colorFromTableHex(*e.hex)), *e.hex);
    for (const auto& e : wiki) EXPECT_EQ("#" + colour::hexString(colour::colorFromTableHex(*e.hex)), *e.hex);
    for (const auto& e : oil) EXPECT_EQ("#" + kit::text::lowercased(colour::hexString(colour::colorFromTableHex(*e.hex))), *e.hex);
}

TEST(SpacedName, BlankBeforeEveryCapital) {
    struct Case { const char* in; const char* out; };
    for (Case c : {Case{"DarkRed", " Dark Red"}, Case{"LightskyBlue", " Lightsky Blue"},
                   Case{"", ""}, Case{"red", "red"}, Case{"ÉtéRouge", " Été Rouge"}})
        EXPECT_EQ(colour::spacedName(c.in), c.out) << c.in;
}

TEST(ColorFromTableHex, SixCharactersReadUpToTheFirstNonHex) {
    EXPECT_EQ(colour::hexString(colour::colorFromTableHex(" #ebe720\n")), "EBE720");
    EXPECT_EQ(colour::hexString(colour::colorFromTableHex("12345G")), "012345"); // not rejected
    EXPECT_EQ(colour::colorFromTableHex("#12345"), Color::grayColor());
    EXPECT_EQ(colour::colorFromTableHex("1234567"), Color::grayColor());
    EXPECT_EQ(colour::colorFromTableHex("GGGGGG"), Color::rgba(0, 0, 0, 1));
}
