#include "kit/text/Unicode.h"

#include <glib.h>

namespace kit::text {

char32_t nextScalar(std::string_view text, std::size_t& pos) {
    const auto* start = reinterpret_cast<const gchar*>(text.data() + pos);
    const gssize left = static_cast<gssize>(text.size() - pos);
    const gunichar c = g_utf8_get_char_validated(start, left);
    if (c == static_cast<gunichar>(-1) || c == static_cast<gunichar>(-2)) {
        ++pos;
        return U'\uFFFD';
    }
    pos += static_cast<std::size_t>(g_utf8_next_char(start) - start);
    return static_cast<char32_t>(c);
}

std::size_t scalarCount(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < text.size(); ++count) nextScalar(text, pos);
    return count;
}

bool isWhitespaceOrNewline(char32_t c) {
    if (c == U'\t' || (c >= U'\n' && c <= U'\r') || c == U'\u0085') return true;
    const GUnicodeType type = g_unichar_type(c);
    return type == G_UNICODE_SPACE_SEPARATOR || type == G_UNICODE_LINE_SEPARATOR ||
           type == G_UNICODE_PARAGRAPH_SEPARATOR;
}

bool isAlphanumeric(char32_t c) {
    return g_unichar_isalnum(c) || g_unichar_ismark(c);
}

bool isUppercaseLetter(char32_t c) {
    return g_unichar_isupper(c) || g_unichar_istitle(c);
}

} // namespace kit::text
