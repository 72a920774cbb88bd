#include "kit/text/Scanner.h"

#include "kit/text/Unicode.h"

#include <utility>

namespace kit {
namespace {

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

} // namespace

Scanner::Scanner(std::string_view text) : text_(text) {}

void Scanner::setCharactersToBeSkipped(std::u32string characters) {
    whitespace_ = false;
    skipped_ = std::move(characters);
}

void Scanner::skipWhitespaceAndNewlines() {
    whitespace_ = true;
    skipped_.clear();
}

bool Scanner::skips(char32_t c) const {
    if (whitespace_) return text::isWhitespaceOrNewline(c);
    return skipped_.find(c) != std::u32string::npos;
}

std::size_t Scanner::skipped(std::size_t from) const {
    std::size_t pos = from;
    while (pos < text_.size()) {
        std::size_t next = pos;
        if (!skips(text::nextScalar(text_, next))) break;
        pos = next;
    }
    return pos;
}

bool Scanner::isAtEnd() const { return skipped(pos_) >= text_.size(); }

bool Scanner::scanHex(std::uint64_t max, std::uint64_t& value) {
    std::size_t pos = skipped(pos_);
    auto at = [&](std::size_t i) { return i < text_.size() ? hexDigit(text_[i]) : -1; };
    if (pos < text_.size() && text_[pos] == '0' && pos + 1 < text_.size() &&
        (text_[pos + 1] == 'x' || text_[pos + 1] == 'X')) {
        if (at(pos + 2) < 0) {
            value = 0;
            pos_ = pos + 1;
            return true;
        }
        pos += 2;
    }
    if (at(pos) < 0) return false;
    std::uint64_t result = 0;
    for (int digit; (digit = at(pos)) >= 0; ++pos) {
        result = result > (max >> 4) ? max : (result << 4) | static_cast<std::uint64_t>(digit);
    }
    value = result;
    pos_ = pos;
    return true;
}

bool Scanner::scanHexLongLong(std::uint64_t& value) {
    return scanHex(UINT64_MAX, value);
}

bool Scanner::scanHexInt(std::uint32_t& value) {
    std::uint64_t wide = 0;
    if (!scanHex(UINT32_MAX, wide)) return false;
    value = static_cast<std::uint32_t>(wide);
    return true;
}

std::optional<std::int32_t> Scanner::scanInt32Hex() {
    std::uint32_t bits = 0;
    if (!scanHexInt(bits)) return std::nullopt;
    return static_cast<std::int32_t>(bits);
}

} // namespace kit
