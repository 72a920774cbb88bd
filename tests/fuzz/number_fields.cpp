// The tools' number fields: whole numbers typed by the user become channel values and ranges
// that stay inside their bounds, whatever was typed.
#include "FuzzCheck.h"
#include "app/ui/LayoutConstants.h"
#include "tools/ColorGroup.h"

#include <cmath>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);

    const double channel = app::parseNumberField(text);
    FUZZ_CHECK(std::isfinite(channel) && channel >= 0 && channel <= 255 && channel == std::trunc(channel));
    if (auto whole = app::parseIntField(text)) {
        // What reads as a whole number writes back as the same number.
        std::string trimmed = std::to_string(*whole);
        FUZZ_CHECK(app::parseIntField(trimmed) == whole);
    }

    // The two fields of a range, split where the text has its first line break.
    const auto cut = text.find('\n');
    const std::string from = text.substr(0, cut);
    const std::string to = cut == std::string::npos ? std::string() : text.substr(cut + 1);
    for (long long count : {1LL, 7LL, 360LL}) {
        const auto [first, last] = tools::hexArrayRange(from, to, count);
        FUZZ_CHECK(first >= 1 && first <= count && last >= 1 && last <= count);
    }
    return 0;
}
