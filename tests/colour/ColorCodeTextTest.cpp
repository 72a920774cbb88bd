#include "colour/ColorCodeText.h"
#include "colour/HexText.h"
#include "kit/store/Defaults.h"
#include "kit/store/Paths.h"

#include <gtest/gtest.h>

using colour::colorCodeString;
using colour::colorCodeStringMultiline;
using colour::colorFromHex;
using kit::Color;

namespace {
struct FormatCase {
    const char* hex;
    int mode;
    const char* oneLine;
    const char* multiLine;
};

const FormatCase formatCases[] = {
    {"FF0000", 0, "FF0000", "FF0000"},
    {"FF0000", 1, "R:255 G:0 B:0", "R:255\nG:0\nB:0"},
    {"FF0000", 2, "C:0 M:100 Y:100 K:0", "C:0\n M:100\n Y:100\n K:0"},
    {"FF0000", 3, "H:0° S:100% L:50%", "H:0°\n S:100%\n L:50%"},
    {"FF0000", 4, "H:0.0 S:1.0 L:0.5", "H:0.0\n S:1.0\n L:0.5"},
    {"FF0000", 5, "R:100% G:0% B:0%", "R:100%\nG:0%\nB:0%"},
    {"FF0000", 6, "R:1.0 G:0.0 B:0.0", "R:1.0\nG:0.0\nB:0.0"},
    {"FF0000", 7, "H:0° S:100% B:100%", "H:0°\n S:100%\n B:100%"},
    {"FF0000", 8, "H:0.0 S:1.0 B:1.0", "H:0.0\n S:1.0\n B:1.0"},
    {"FF0000", 9, "FF0000", "FF0000"},
    {"FF0000", -1, "FF0000", "FF0000"},
    // Black and white.
    {"000000", 2, "C:0 M:0 Y:0 K:100", "C:0\n M:0\n Y:0\n K:100"},
    {"000000", 3, "H:0° S:0% L:0%", "H:0°\n S:0%\n L:0%"},
    {"000000", 7, "H:0° S:0% B:0%", "H:0°\n S:0%\n B:0%"},
    {"FFFFFF", 2, "C:0 M:0 Y:0 K:0", "C:0\n M:0\n Y:0\n K:0"},
    {"FFFFFF", 3, "H:0° S:0% L:100%", "H:0°\n S:0%\n L:100%"},
    {"FFFFFF", 4, "H:0.0 S:0.0 L:1.0", "H:0.0\n S:0.0\n L:1.0"},
    // An awkward colour: truncation of the hue, rounding of the channels.
    {"FF4050", 1, "R:255 G:64 B:80", "R:255\nG:64\nB:80"},
    {"FF4050", 2, "C:0 M:75 Y:69 K:0", "C:0\n M:75\n Y:69\n K:0"},
    {"FF4050", 5, "R:100% G:25% B:31%", "R:100%\nG:25%\nB:31%"},
    {"FF4050", 6, "R:1.0 G:0.25 B:0.31", "R:1.0\nG:0.25\nB:0.31"},
    {"FF4050", 7, "H:354° S:74% B:100%", "H:354°\n S:74%\n B:100%"},
    {"FF4050", 8, "H:0.986 S:0.749 B:1.0", "H:0.986\n S:0.749\n B:1.0"},
    // Cyan 0.29 and yellow 0.57 are written 28 and 56: times 100 they fall just below the whole.
    {"B5FF6D", 2, "C:28 M:0 Y:56 K:0", "C:28\n M:0\n Y:56\n K:0"},
};
} // namespace

TEST(ColorCodeText, EveryFormatOnOneAndSeveralLines) {
    for (const FormatCase& c : formatCases) {
        const Color color = colorFromHex(c.hex);
        EXPECT_EQ(colorCodeString(color, c.mode), c.oneLine) << c.hex << " mode " << c.mode;
        EXPECT_EQ(colorCodeStringMultiline(color, c.mode), c.multiLine) << c.hex << " mode " << c.mode;
    }
}

TEST(ColorCodeText, HalfChannelRoundsInRgbButTruncatesInHex) {
    const Color half = Color::rgba(0.5, 0.5, 0.5);
    EXPECT_EQ(colorCodeString(half, 1), "R:128 G:128 B:128");
    EXPECT_EQ(colorCodeString(half, 0), "7F7F7F");
}

TEST(ColorCodeText, MissingColourGivesEmptyText) {
    EXPECT_EQ(colorCodeString(std::nullopt, 3), "");
    EXPECT_EQ(colorCodeStringMultiline(std::nullopt, 3), "");
    EXPECT_EQ(colorCodeString(std::nullopt), "");
}

TEST(ColorCodeText, TitlesInSettingsOrder) {
    const auto& titles = colour::colorFormatTitles();
    EXPECT_EQ(titles[0], "HEX");
    EXPECT_EQ(titles[3], "HSL(0-360)");
    EXPECT_EQ(titles[8], "HSB(0-1)");
}

TEST(ColorCodeText, ReadsTheStoredFormatOnEveryCall) {
    kit::TemporaryDataDir dir;
    auto& defaults = kit::Defaults::standard();
    const Color red = Color::rgba(1, 0, 0);
    EXPECT_EQ(colorCodeString(red), "FF0000"); // nothing stored: hex
    defaults.set(1, "COLOR_FORMAT");
    EXPECT_EQ(colorCodeString(red), "R:255 G:0 B:0");
    EXPECT_EQ(colorCodeStringMultiline(red), "R:255\nG:0\nB:0");
    defaults.set(7, "COLOR_FORMAT");
    EXPECT_EQ(colorCodeString(red), "H:0° S:100% B:100%");
    defaults.set(std::int64_t{1} << 40, "COLOR_FORMAT");
    EXPECT_EQ(colorCodeString(red), "FF0000");
}
