#pragma once
// The platform's number formatter: decimal text of a double with a chosen number of fraction
// digits, optional digit grouping, and fixed separators (independent of the process locale, so
// texts are reproducible). A reference object: formatters are shared, and a change made through
// one holder is seen by all.
//
// Rounding works on the shortest decimal text of the value (the digits that read back to the
// same double), half to even, as the platform does: 2.5 gives "2", 1.005 with two digits "1.0".
// Texts of the non-finite values: "NaN", "+∞" is written "∞", and "-∞". A value that rounds to
// zero is written without a minus sign ("0", not "-0").
#include <optional>
#include <string>

namespace kit {

class NumberFormatter {
public:
    // Whole numbers, no grouping: 1234.5 gives "1234", 1235.5 gives "1236".
    NumberFormatter() = default;

    // Digit counts below 0 count as 0; counts above `maxDigits` as `maxDigits`.
    static constexpr int maxDigits = 340;

    int minimumFractionDigits() const { return minimumFractionDigits_; }
    void setMinimumFractionDigits(int digits);
    int maximumFractionDigits() const { return maximumFractionDigits_; }
    void setMaximumFractionDigits(int digits);
    int minimumIntegerDigits() const { return minimumIntegerDigits_; }
    void setMinimumIntegerDigits(int digits);

    bool usesGroupingSeparator() const { return usesGroupingSeparator_; }
    void setUsesGroupingSeparator(bool uses) { usesGroupingSeparator_ = uses; }
    // Digits per group, counted from the decimal separator; 0 or less groups nothing.
    int groupingSize() const { return groupingSize_; }
    void setGroupingSize(int size) { groupingSize_ = size; }
    const std::string& groupingSeparator() const { return groupingSeparator_; }
    void setGroupingSeparator(std::string separator) { groupingSeparator_ = std::move(separator); }
    const std::string& decimalSeparator() const { return decimalSeparator_; }
    void setDecimalSeparator(std::string separator) { decimalSeparator_ = std::move(separator); }

    // Always a text for these settings; optional as the platform's formatter is.
    std::optional<std::string> string(double value) const;

private:
    int minimumFractionDigits_ = 0;
    int maximumFractionDigits_ = 0;
    int minimumIntegerDigits_ = 1;
    bool usesGroupingSeparator_ = false;
    int groupingSize_ = 3;
    std::string groupingSeparator_ = ",";
    std::string decimalSeparator_ = ".";
};

} // namespace kit
