#include "kit/text/CaseMapping.h"
#include "kit/text/DoubleText.h"
#include "kit/text/Trimming.h"
#include "kit/text/Unicode.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>

using namespace kit::text;

TEST(Trimming, WhitespaceAndNewlinesAtBothEndsOnly) {
    EXPECT_EQ(trimmingWhitespaceAndNewlines("  #ff4050\n"), "#ff4050");
    EXPECT_EQ(trimmingWhitespaceAndNewlines("\t a b \r\n"), "a b");
    EXPECT_EQ(trimmingWhitespaceAndNewlines("\u00A0\u2028x\u3000"), "x"); // Unicode spaces and breaks
    EXPECT_EQ(trimmingWhitespaceAndNewlines(" \n "), "");
    EXPECT_EQ(trimmingWhitespaceAndNewlines(""), "");
}

TEST(Trimming, NonAlphanumericsAtBothEndsKeepInnerOnes) {
    EXPECT_EQ(trimmingNonAlphanumerics("#1A2B3C"), "1A2B3C");
    EXPECT_EQ(trimmingNonAlphanumerics("  #1A-2B ;"), "1A-2B");
    EXPECT_EQ(trimmingNonAlphanumerics("(é)"), "é");
    EXPECT_EQ(trimmingNonAlphanumerics("#-#"), "");
}

TEST(CaseMapping, FullUnicodeAndLocaleIndependent) {
    EXPECT_EQ(uppercased("Lemon Yellow"), "LEMON YELLOW");
    EXPECT_EQ(uppercased("straße café"), "STRASSE CAFÉ");
    EXPECT_EQ(lowercased("FF4050 ÀB"), "ff4050 àb");
    // A Turkish locale must not turn "i" into a dotted capital I.
    const char* previous = std::setlocale(LC_ALL, nullptr);
    const std::string saved = previous ? previous : "C";
    if (std::setlocale(LC_ALL, "tr_TR.UTF-8")) {
        EXPECT_EQ(uppercased("violet"), "VIOLET");
        EXPECT_EQ(lowercased("VIOLET"), "violet");
    }
    std::setlocale(LC_ALL, saved.c_str());
}

TEST(Unicode, UppercaseLettersAndInvalidBytes) {
    EXPECT_TRUE(isUppercaseLetter(U'A'));
    EXPECT_TRUE(isUppercaseLetter(U'É'));
    EXPECT_TRUE(isUppercaseLetter(U'\u01C5')); // title-case Dž
    EXPECT_FALSE(isUppercaseLetter(U'a'));
    EXPECT_FALSE(isUppercaseLetter(U'1'));

    const std::string bad = "a\xFF" "b";
    std::size_t pos = 0;
    EXPECT_EQ(nextScalar(bad, pos), U'a');
    EXPECT_EQ(nextScalar(bad, pos), U'\uFFFD');
    EXPECT_EQ(nextScalar(bad, pos), U'b');
    EXPECT_EQ(pos, bad.size());
}

TEST(DoubleText, ShortestRoundTripWithADecimalPoint) {
    struct Case { double value; const char* text; };
    const Case cases[] = {
        {1.0, "1.0"}, {0.0, "0.0"}, {0.5, "0.5"}, {0.986, "0.986"}, {0.31, "0.31"},
        {-2.0, "-2.0"}, {100.0, "100.0"}, {0.1 + 0.2, "0.30000000000000004"},
        {0.0001, "0.0001"}, {0.00001, "1e-05"}, {1e16, "1e+16"},
        {INFINITY, "inf"}, {NAN, "nan"},
    };
    for (const Case& c : cases) EXPECT_EQ(shortestText(c.value), c.text) << c.text;
}
