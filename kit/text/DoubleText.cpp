#include "kit/text/DoubleText.h"

#include <charconv>
#include <cmath>

namespace kit::text {

std::string shortestText(double value) {
    if (std::isnan(value)) return "nan";
    if (std::isinf(value)) return value > 0 ? "inf" : "-inf";
    const double magnitude = std::fabs(value);
    const bool fixed = magnitude == 0 || (magnitude >= 1e-4 && magnitude < 9007199254740992.0);
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      fixed ? std::chars_format::fixed : std::chars_format::scientific);
    std::string text(buffer, result.ptr);
    if (fixed && text.find('.') == std::string::npos) text += ".0";
    return text;
}

} // namespace kit::text
