#include "kit/text/Scanner.h"

#include <gtest/gtest.h>

using kit::Scanner;

TEST(Scanner, HexScansReadLeadingDigitsAfterSkippedCharacters) {
    struct Case { const char* text; bool ok; std::uint64_t value; std::size_t location; };
    const Case cases[] = {
        {"FF4050", true, 0xFF4050, 6},
        {"ff4050", true, 0xFF4050, 6},
        {" \n\t1A2B", true, 0x1A2B, 7},       // leading white space and line breaks are skipped
        {"12345G", true, 0x12345, 5},          // stops at the first non-hex character
        {"0x1F", true, 0x1F, 4},
        {"0X1f", true, 0x1F, 4},
        {"0xZ", true, 0, 1},                   // "0x" without digits reads the 0 only
        {"#FF", false, 0, 0},                  // "#" is not skipped by default
        {"", false, 0, 0},
        {"   ", false, 0, 0},
        {"XYZ", false, 0, 0},
        {"-1", false, 0, 0},                   // no sign in hex scans
    };
    for (const Case& c : cases) {
        Scanner scanner(c.text);
        std::uint64_t value = 99;
        EXPECT_EQ(scanner.scanHexLongLong(value), c.ok) << c.text;
        if (c.ok) EXPECT_EQ(value, c.value) << c.text;
        else EXPECT_EQ(value, 99u) << c.text;
        EXPECT_EQ(scanner.scanLocation(), c.location) << c.text;
    }
}

TEST(Scanner, OverflowSaturatesAndConsumesEveryDigit) {
    Scanner wide("1FFFFFFFFFFFFFFFFF;");
    std::uint64_t big = 0;
    ASSERT_TRUE(wide.scanHexLongLong(big));
    EXPECT_EQ(big, UINT64_MAX);
    EXPECT_EQ(wide.scanLocation(), 18u);

    Scanner narrow("123456789");
    std::uint32_t value = 0;
    ASSERT_TRUE(narrow.scanHexInt(value));
    EXPECT_EQ(value, UINT32_MAX);
    EXPECT_TRUE(narrow.isAtEnd());

    Scanner exact("FFFFFFFF");
    ASSERT_TRUE(exact.scanHexInt(value));
    EXPECT_EQ(value, 0xFFFFFFFFu);
}

TEST(Scanner, SignedHexScanKeepsTheBitsAndFailsWithoutDigits) {
    EXPECT_EQ(Scanner("FF1A2B3C").scanInt32Hex(), static_cast<std::int32_t>(0xFF1A2B3Cu));
    EXPECT_EQ(Scanner("7FFFFFFF").scanInt32Hex(), INT32_MAX);
    EXPECT_EQ(Scanner("ABC").scanInt32Hex(), 0xABC);
    EXPECT_EQ(Scanner("GHI").scanInt32Hex(), std::nullopt);
}

TEST(Scanner, SkipsAChosenSetInsteadOfWhiteSpace) {
    Scanner scanner("##FF405080");
    scanner.setCharactersToBeSkipped(U"#");
    std::uint64_t value = 0;
    ASSERT_TRUE(scanner.scanHexLongLong(value));
    EXPECT_EQ(value, 0xFF405080u);

    Scanner blanks(" FF");
    blanks.setCharactersToBeSkipped(U"#");
    EXPECT_FALSE(blanks.scanHexLongLong(value)); // white space is no longer skipped
}
