#include "kit/text/CaseMapping.h"

#include <glib.h>

#include <memory>

namespace kit::text {
namespace {

// GLib's mapping follows the process locale for Turkish and Lithuanian, and those rules only
// touch the ASCII letters i and I and what follows them. Mapping ASCII bytes ourselves and
// handing GLib only the runs of other scalars keeps the result the same in every locale.
template <char (*MapAscii)(char), gchar* (*MapRun)(const gchar*, gssize)>
std::string mapped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x80) {
            out += MapAscii(text[i]);
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && static_cast<unsigned char>(text[end]) >= 0x80) ++end;
        const std::string_view run = text.substr(i, end - i);
        if (g_utf8_validate(run.data(), static_cast<gssize>(run.size()), nullptr)) {
            std::unique_ptr<gchar, decltype(&g_free)> m(
                MapRun(run.data(), static_cast<gssize>(run.size())), &g_free);
            out += m.get();
        } else {
            out += run; // not UTF-8: left as it is
        }
        i = end;
    }
    return out;
}

char upperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

} // namespace

std::string uppercased(std::string_view text) { return mapped<upperAscii, g_utf8_strup>(text); }
std::string lowercased(std::string_view text) { return mapped<lowerAscii, g_utf8_strdown>(text); }

} // namespace kit::text
