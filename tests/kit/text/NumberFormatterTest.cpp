#include "kit/text/NumberFormatter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

struct Row {
    double value;
    int minDigits;
    int maxDigits;
    bool grouping;
    const char* text;
};

TEST(NumberFormatter, TextsForFractionDigitsAndGrouping) {
    const double inf = std::numeric_limits<double>::infinity();
    const Row rows[] = {
        {1234.5, 0, 0, false, "1234"},        // half to even
        {1235.5, 0, 0, false, "1236"},
        {2.5, 0, 0, false, "2"},
        {-2.5, 0, 0, false, "-2"},
        {0.25, 0, 0, false, "0"},
        {3.14159, 2, 2, false, "3.14"},
        {3.14159, 0, 3, false, "3.142"},
        {1.5, 0, 3, false, "1.5"},            // trailing zeros dropped down to the minimum
        {1.5, 3, 3, false, "1.500"},
        {0.05, 1, 1, false, "0.0"},           // a tie on the decimal digits: to even
        {0.15, 1, 1, false, "0.2"},
        {1.005, 2, 2, false, "1.00"},         // rounding reads the shortest digits, 1.005
        {1.015, 2, 2, false, "1.02"},
        {9.996, 2, 2, false, "10.00"},        // carry into a new digit
        {0.000123, 0, 5, false, "0.00012"},
        {-0.04, 1, 1, false, "0.0"},          // rounds to zero: no minus sign
        {-0.0, 0, 0, false, "0"},
        {1234567.891, 1, 1, true, "1,234,567.9"},
        {-1234567.0, 0, 0, true, "-1,234,567"},
        {123.0, 0, 0, true, "123"},
        {1e20, 0, 0, true, "100,000,000,000,000,000,000"},
        {12.0, 1, 1, true, "12.0"},
        {std::nan(""), 2, 2, false, "NaN"},
        {inf, 0, 0, false, "∞"},
        {-inf, 0, 0, false, "-∞"},
    };
    for (const Row& row : rows) {
        kit::NumberFormatter f;
        f.setMaximumFractionDigits(row.maxDigits);
        f.setMinimumFractionDigits(row.minDigits);
        f.setUsesGroupingSeparator(row.grouping);
        EXPECT_EQ(f.string(row.value), row.text) << row.value << " " << row.minDigits << "/" << row.maxDigits;
    }
}

TEST(NumberFormatter, DigitCountsAreClampedAndKeptConsistent) {
    kit::NumberFormatter f;
    f.setMinimumFractionDigits(-1);
    EXPECT_EQ(f.minimumFractionDigits(), 0);
    f.setMinimumFractionDigits(4); // raises the maximum with it
    EXPECT_EQ(f.maximumFractionDigits(), 4);
    f.setMaximumFractionDigits(2); // lowers the minimum with it
    EXPECT_EQ(f.minimumFractionDigits(), 2);
    f.setMaximumFractionDigits(100000);
    EXPECT_EQ(f.maximumFractionDigits(), kit::NumberFormatter::maxDigits);
    EXPECT_EQ(f.string(5e-324)->size(), 2 + 324u); // "0.", 323 zeros and the 5
}

TEST(NumberFormatter, SeparatorsAndGroupSizeAreSettings) {
    kit::NumberFormatter f;
    f.setUsesGroupingSeparator(true);
    f.setGroupingSeparator(".");
    f.setDecimalSeparator(",");
    f.setGroupingSize(4);
    f.setMaximumFractionDigits(2);
    EXPECT_EQ(f.string(123456789.125), "1.2345.6789,12");
    f.setGroupingSize(0);
    EXPECT_EQ(f.string(123456.0), "123456");
    f.setMinimumIntegerDigits(0);
    EXPECT_EQ(f.string(0.5), ",5");
    EXPECT_EQ(f.string(0.0), "0");
    EXPECT_EQ(f.string(0.004), "0");
}

} // namespace
