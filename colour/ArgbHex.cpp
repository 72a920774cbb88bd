#include "colour/ArgbHex.h"

#include "kit/text/Scanner.h"
#include "kit/text/Trimming.h"
#include "kit/text/Unicode.h"

namespace colour {

kit::Color colorFromArgbHex(std::string_view text) {
    const std::string_view hex = kit::text::trimmingNonAlphanumerics(text);
    const auto scanned = kit::Scanner(hex).scanInt32Hex();
    if (!scanned) return kit::Color::rgba(1, 1, 1, 1);
    const auto value = static_cast<std::uint32_t>(*scanned);
    // Characters after the hex digits end the scan but still count.
    const std::size_t characters = kit::text::scalarCount(hex);
    auto part = [&](int shift, std::uint32_t mask) { return (value >> shift) & mask; };
    std::uint32_t a = 255, r = 0, g = 0, b = 0;
    switch (characters) {
    case 8: a = part(24, 0xFF); r = part(16, 0xFF); g = part(8, 0xFF); b = part(0, 0xFF); break;
    case 6: r = part(16, 0xFF); g = part(8, 0xFF); b = part(0, 0xFF); break;
    case 3: r = part(8, 0xF) * 17; g = part(4, 0xF) * 17; b = part(0, 0xF) * 17; break;
    default: break;
    }
    return kit::Color::rgba(r / 255.0, g / 255.0, b / 255.0, a / 255.0);
}

} // namespace colour
