#pragma once
// Trimming of UTF-8 text at both ends by character class.
#include <string_view>

namespace kit::text {

// Drops white space and line breaks (Unicode) from both ends.
std::string_view trimmingWhitespaceAndNewlines(std::string_view text);
// Drops every character that is not a letter, mark or number from both ends; inner ones stay.
std::string_view trimmingNonAlphanumerics(std::string_view text);

} // namespace kit::text
