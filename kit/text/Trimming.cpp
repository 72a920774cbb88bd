#include "kit/text/Trimming.h"

#include "kit/text/Unicode.h"

namespace kit::text {
namespace {

// Keeps the span from the first to the last scalar that `keep` accepts.
template <class Keep>
std::string_view trimmed(std::string_view text, Keep keep) {
    std::size_t pos = 0, first = text.size(), last = 0;
    while (pos < text.size()) {
        const std::size_t start = pos;
        if (keep(nextScalar(text, pos))) {
            if (first == text.size()) first = start;
            last = pos;
        }
    }
    return first == text.size() ? std::string_view{} : text.substr(first, last - first);
}

} // namespace

std::string_view trimmingWhitespaceAndNewlines(std::string_view text) {
    return trimmed(text, [](char32_t c) { return !isWhitespaceOrNewline(c); });
}

std::string_view trimmingNonAlphanumerics(std::string_view text) {
    return trimmed(text, isAlphanumeric);
}

} // namespace kit::text
