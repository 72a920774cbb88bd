#include "kit/graphics/Context.h"
#include "kit/graphics/Text.h"
#include "kit/graphics/TextMetrics.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <utility>

using namespace kit;

TEST(Font, SystemFontsAndTheirMetrics) {
    const Font f = Font::system(20, FontWeight::semibold);
    EXPECT_EQ(f.family(), "Inter");
    EXPECT_EQ(f.pointSize(), 20);
    EXPECT_EQ(Font::boldSystem(13).weight(), FontWeight::bold);
    EXPECT_GT(f.ascender(), 10);
    EXPECT_LT(f.descender(), 0);
    EXPECT_DOUBLE_EQ(f.lineHeight(), f.ascender() - f.descender());
    EXPECT_NEAR(Font::system(40).lineHeight(), 2 * Font::system(20).lineHeight(), 0.01);

    EXPECT_EQ(Font::named("Menlo-Regular", 9)->family(), "DejaVu Sans Mono");
    EXPECT_EQ(Font::named("Inter-Bold", 9)->weight(), FontWeight::bold);
    EXPECT_FALSE(Font::named("NoSuchFamilyAnywhere", 13));
}

TEST(Text, MeasuredSizesGrowWithTextAndWrap) {
    const Font f = Font::system(17);
    const Size one = measureText("Colour", f);
    const Size two = measureText("Colour wheel", f);
    EXPECT_GT(two.width, one.width);
    EXPECT_NEAR(one.height, f.lineHeight(), 0.01);
    EXPECT_GT(measureText("Colour", Font::boldSystem(17)).width, one.width);
    // Wrapping to a narrow width: narrower, taller; a line limit caps the height.
    const std::string words = "the quick brown fox jumps over the lazy dog";
    const Size wrapped = measureText(words, f, 80);
    EXPECT_LE(wrapped.width, 80);
    EXPECT_GT(wrapped.height, 3 * f.lineHeight() - 0.01);
    EXPECT_NEAR(measureText(words, f, 80, 2).height, 2 * f.lineHeight(), 0.01);
    // Explicit line breaks count too; empty text is nothing.
    EXPECT_NEAR(measureText("a\nb", f).height, 2 * f.lineHeight(), 0.01);
    EXPECT_EQ(measureText("", f), Size());
    // Line spacing adds between lines.
    TextAttributes spaced;
    spaced.font = f;
    spaced.paragraphStyle = ParagraphStyle{.lineSpacing = 10};
    EXPECT_NEAR(measureText("a\nb", spaced).height, 2 * f.lineHeight() + 10, 0.01);
}

TEST(Text, TruncationKeepsOneLinePerParagraph) {
    TextAttributes a;
    a.font = Font::system(17);
    a.paragraphStyle = ParagraphStyle{.lineBreakMode = LineBreakMode::truncateTail};
    const std::string words = "the quick brown fox jumps over the lazy dog";
    const Size s = measureText(words, a, {.maxWidth = 80});
    EXPECT_LE(s.width, 80);
    EXPECT_NEAR(s.height, a.font.lineHeight(), 0.01);
    EXPECT_NEAR(measureText(words, a, {.maxWidth = 80, .maxLines = 2}).height, 2 * a.font.lineHeight(), 0.01);
}

TEST(Text, FixedMetricsGiveExactNumbers) {
    FixedTextMetricsScope fixed;
    const Font f = Font::system(10);
    EXPECT_EQ(f.lineHeight(), 12);
    EXPECT_DOUBLE_EQ(f.ascender(), 9.6);
    struct Case { const char* text; TextLayoutOptions options; LineBreakMode mode; Size expected; };
    const Case cases[] = {
        {"abc", {}, LineBreakMode::wordWrap, {15, 12}},
        {"ab\ncdef", {}, LineBreakMode::wordWrap, {20, 24}},
        {"aa bb cc", {.maxWidth = 27}, LineBreakMode::wordWrap, {25, 24}},    // "aa bb" | "cc"
        {"abcdefgh", {.maxWidth = 22}, LineBreakMode::wordWrap, {20, 24}},    // no space: broken at a grapheme
        {"aa bb cc", {.maxWidth = 27}, LineBreakMode::charWrap, {25, 24}},    // "aa bb" | "cc"
        {"aa bb cc dd", {.maxWidth = 12, .maxLines = 2}, LineBreakMode::wordWrap, {10, 24}},
        {"aa bb cc dd", {.maxWidth = 12, .maxHeight = 30}, LineBreakMode::wordWrap, {10, 24}},
        {"aaaaaaaa", {.maxWidth = 22}, LineBreakMode::truncateTail, {22, 12}},
        {"e\xCC\x81t\xC3\xA9", {}, LineBreakMode::wordWrap, {15, 12}}, // a combining accent adds no advance
    };
    for (const Case& c : cases) {
        TextAttributes a;
        a.font = f;
        a.paragraphStyle = ParagraphStyle{.lineBreakMode = c.mode};
        EXPECT_EQ(measureText(c.text, a, c.options), c.expected) << c.text;
    }
    // Runs of different sizes: widths add, the tallest run sets the line.
    AttributedString mixed("ab", {.font = f, .foregroundColor = Color::blackColor(), .paragraphStyle = {}});
    mixed.append("cd", {.font = Font::system(20), .foregroundColor = Color::blackColor(), .paragraphStyle = {}});
    EXPECT_EQ(measureText(mixed), (Size{30, 24}));
}

TEST(Text, FixedMetricsScopeRestoresPango) {
    const double pango = Font::system(10).lineHeight();
    {
        FixedTextMetricsScope fixed(1, 2);
        EXPECT_EQ(Font::system(10).lineHeight(), 20);
    }
    EXPECT_EQ(Font::system(10).lineHeight(), pango);
}

TEST(AttributedString, RangesSplitRunsAtWholeCharacters) {
    AttributedString s("héllo", {.font = Font::system(12), .foregroundColor = Color::blackColor(), .paragraphStyle = {}});
    s.setForegroundColor(Color::redColor(), 1, 1); // inside "é" (two bytes): widened to all of it
    ASSERT_EQ(s.runs().size(), 3u);
    EXPECT_EQ(s.runs()[1].start, 1u);
    EXPECT_EQ(s.runs()[1].length, 2u);
    EXPECT_EQ(s.attributesAt(2).foregroundColor, Color::redColor());
    EXPECT_EQ(s.attributesAt(3).foregroundColor, Color::blackColor());
    s.setFont(Font::boldSystem(14), 4, 100); // clamped to the end
    EXPECT_EQ(s.attributesAt(5).font, Font::boldSystem(14));
    s.append(AttributedString(" world"));
    EXPECT_EQ(s.string(), "héllo world");
    s.setParagraphStyle({.alignment = TextAlignment::center});
    EXPECT_EQ(s.paragraphStyle().alignment, TextAlignment::center);
}

TEST(Text, GraphemesAreUserPerceivedCharacters) {
    EXPECT_EQ(graphemeCount(""), 0u);
    EXPECT_EQ(graphemeCount("abc"), 3u);
    EXPECT_EQ(graphemeCount("e\xCC\x81"), 1u);                 // e + combining acute
    EXPECT_EQ(graphemeCount("\xF0\x9F\x87\xAB\xF0\x9F\x87\xB7"), 1u); // a flag: two regional indicators
}

TEST(Text, DrawsInkWhereMeasuredAndRecordsIt) {
    RecordingContext c({160, 60});
    c.setFillColor(Color::whiteColor());
    c.fillRect({0, 0, 160, 60});
    const TextAttributes a{.font = Font::boldSystem(24), .foregroundColor = Color::blueColor(), .paragraphStyle = {}};
    drawText(c, "Hue 42", Point{10, 10}, a);
    const Size s = measureText("Hue 42", a);
    if (const char* keep = std::getenv("KIT_GRAPHICS_KEEP_TEXT")) c.image().savePNG(keep);
    int inkInside = 0, inkOutside = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 160; ++x) {
            const auto p = c.image().pixelRGBA(x, y);
            if (p[0] > 200) continue; // white
            const bool inside = x >= 10 && x < 10 + s.width + 1 && y >= 10 && y < 10 + s.height + 1;
            (inside ? inkInside : inkOutside)++;
        }
    EXPECT_GT(inkInside, 100);
    EXPECT_EQ(inkOutside, 0);
    EXPECT_EQ(c.lines().back(), "drawText \"Hue 42\" 10 10 Inter 700 24 #0000FFFF");
    // Lines beyond a rectangle's height are left out.
    RecordingContext r({100, 100});
    drawText(r, "one\ntwo\nthree", Rect{0, 0, 100, Font().lineHeight() * 1.5});
    for (int y = static_cast<int>(Font().lineHeight()) + 1; y < 100; ++y)
        for (int x = 0; x < 100; ++x) ASSERT_EQ(r.image().pixelRGBA(x, y)[3], 0) << x << "," << y;
}

TEST(Text, ClippedTextKeepsItsAlignment) {
    // The ink's horizontal extent in a 200-point band, for each alignment.
    auto inkSpan = [](TextAlignment alignment, const char* text) {
        RecordingContext c({200, 40});
        TextAttributes a{.font = Font::system(17), .foregroundColor = Color::blackColor(), .paragraphStyle = {}};
        a.paragraphStyle = ParagraphStyle{.alignment = alignment, .lineBreakMode = LineBreakMode::clip};
        drawText(c, text, Rect{0, 0, 200, 40}, a);
        int first = 200, last = -1;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 200; ++x)
                if (c.image().pixelRGBA(x, y)[3] > 0) first = std::min(first, x), last = std::max(last, x);
        return std::pair{first, last};
    };
    const auto [leftFirst, leftLast] = inkSpan(TextAlignment::left, "Hue");
    EXPECT_LT(leftFirst, 5);
    const auto [centreFirst, centreLast] = inkSpan(TextAlignment::center, "Hue");
    EXPECT_NEAR((centreFirst + centreLast) / 2.0, 100, 3);
    const auto [rightFirst, rightLast] = inkSpan(TextAlignment::right, "Hue");
    EXPECT_GT(rightLast, 194);
    EXPECT_EQ(rightLast - rightFirst, leftLast - leftFirst);
    // Too wide for the band, centred text is cut on both sides.
    const auto [wideFirst, wideLast] = inkSpan(TextAlignment::center, "MMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMM");
    EXPECT_LE(wideFirst, 3);
    EXPECT_GE(wideLast, 196);
}
