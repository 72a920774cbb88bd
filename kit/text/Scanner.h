#pragma once
// A text scanner in the manner of the platform's: it reads numbers from a position onward, first
// skipping the characters to be skipped, and moves past what it read.
//
// Hexadecimal scans, as decided for this system:
// - the characters to be skipped (white space and line breaks unless changed) are passed over first;
// - an optional "0x" or "0X" prefix is accepted; "0x" without a digit after it reads as 0 and
//   leaves the position after the "0";
// - the scan reads as many hex digits as follow and stops at the first other character;
// - a value too large for the result saturates at its maximum, and the remaining digits are still
//   consumed;
// - with no digit at all the scan fails, returns false and leaves the position unchanged.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kit {

class Scanner {
public:
    explicit Scanner(std::string_view text);

    // Replaces the skipped set; each scalar of `characters` is skipped. The empty text skips nothing.
    void setCharactersToBeSkipped(std::u32string characters);
    // Restores the default set, white space and line breaks.
    void skipWhitespaceAndNewlines();

    bool scanHexLongLong(std::uint64_t& value);
    bool scanHexInt(std::uint32_t& value);
    // A 32-bit hexadecimal scan (saturating at FFFFFFFF) whose bits are read as a signed integer.
    std::optional<std::int32_t> scanInt32Hex();

    std::size_t scanLocation() const { return pos_; }
    bool isAtEnd() const;

private:
    std::size_t skipped(std::size_t from) const;
    bool skips(char32_t c) const;
    bool scanHex(std::uint64_t max, std::uint64_t& value);

    std::string_view text_;
    std::size_t pos_ = 0;
    bool whitespace_ = true;
    std::u32string skipped_;
};

} // namespace kit
