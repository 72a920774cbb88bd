// Hex and colour-code text: every reader takes any text, and what they read writes back as the
// same six digits.
#include "FuzzCheck.h"
#include "colour/ArgbHex.h"
#include "colour/ColorCodeText.h"
#include "colour/HexText.h"
#include "kit/base/Console.h"

#include <cctype>
#include <cmath>
#include <cstdint>
#include <string_view>

namespace {

bool inUnitRange(const kit::Color& c) {
    for (double v : {c.red(), c.green(), c.blue(), c.alpha()})
        if (!std::isfinite(v) || v < 0 || v > 1) return false;
    return true;
}

bool isSixHexDigits(const std::string& text) {
    if (text.size() != 6) return false;
    for (unsigned char ch : text)
        if (!std::isxdigit(ch) || std::islower(ch)) return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    kit::ConsoleCapture quiet;  // rejections are console lines; keep the run fast
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const kit::Color fromHex = colour::colorFromHex(text);
    FUZZ_CHECK(inUnitRange(fromHex));
    const std::string hex = colour::hexString(fromHex);
    FUZZ_CHECK(isSixHexDigits(hex));
    // A colour read from a code gives that code back, and reading it again changes nothing.
    FUZZ_CHECK(colour::hexString(colour::colorFromHex(hex)) == hex);
    if (colour::isValidHexColor(text)) FUZZ_CHECK(colour::colorFromHex(text) == colour::colorFromHex(hex));
    (void)colour::isExcludedHexColor(text);

    if (auto rgba = colour::initWithHexRgba(text)) FUZZ_CHECK(inUnitRange(*rgba));
    const kit::Color argb = colour::colorFromArgbHex(text);
    FUZZ_CHECK(inUnitRange(argb));

    for (int mode = -1; mode <= 9; ++mode) {
        FUZZ_CHECK(!colour::colorCodeString(fromHex, mode).empty());
        FUZZ_CHECK(!colour::colorCodeStringMultiline(argb, mode).empty());
    }
    return 0;
}
