#pragma once
// Full Unicode case mapping of UTF-8 text that does not depend on the process locale.
#include <string>
#include <string_view>

namespace kit::text {

std::string uppercased(std::string_view text); // "straße" gives "STRASSE"
std::string lowercased(std::string_view text);

} // namespace kit::text
