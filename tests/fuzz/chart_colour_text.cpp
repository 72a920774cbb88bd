// The chart colour text ("#rgb", "rgba(...)", "argb(...)", ...): any text gives a colour whose
// components are real numbers, never NaN or infinity.
#include "FuzzCheck.h"
#include "charting/model/ChartColorTemplates.h"

#include <cmath>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const kit::Color c = charting::ChartColorTemplates::colorFromString(text);
    for (double v : {c.red(), c.green(), c.blue(), c.alpha()}) FUZZ_CHECK(std::isfinite(v));
    return 0;
}
