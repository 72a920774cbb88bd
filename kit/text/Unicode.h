#pragma once
// Unicode helpers over UTF-8 text: scalar walking and the character classes the text utilities need.
#include <cstddef>
#include <string_view>

namespace kit::text {

// Decodes the scalar at `pos` and advances `pos` past it. An invalid byte reads as U+FFFD and
// advances by one, so a walk always ends.
char32_t nextScalar(std::string_view text, std::size_t& pos);
// The number of scalars, each invalid byte counting as one.
std::size_t scalarCount(std::string_view text);

// White space and line breaks: the space separators plus tab, the line breaks U+000A to U+000D,
// U+0085, U+2028 and U+2029.
bool isWhitespaceOrNewline(char32_t c);
// Letters, marks and numbers of every script.
bool isAlphanumeric(char32_t c);
// Upper-case and title-case letters.
bool isUppercaseLetter(char32_t c);

} // namespace kit::text
