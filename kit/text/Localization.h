#pragma once
// Localised texts: the English text is the key, and also the answer when the table has no translation.
#include <map>
#include <string>
#include <string_view>

namespace kit {

// The translation of `key` in the current table, or the key itself. The comment is for translators only.
std::string localizedString(std::string_view key, std::string_view comment = {});

namespace Localization {
// Replaces the table (English text -> translation). An empty table means English.
void setTable(std::map<std::string, std::string> table);
// Reads a table from a JSON object file {"English": "Translation", ...}; false (table unchanged) on failure.
bool loadTable(const std::string& path);
} // namespace Localization

} // namespace kit
