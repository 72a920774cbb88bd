#include "tools/LightType.h"

namespace tools {

std::string_view englishName(LightType type) {
    static constexpr std::array<std::string_view, 15> names = {
        "Daylight", "Tungsten", "Fluorescent", "Night",        "Warm White", "Cool White", "Candlelight", "Golden Hour",
        "Sunrise",  "Sunset",   "Incandescent", "Halogen",     "Moonlight",  "Overcast",   "Cloudy"};
    return names[static_cast<std::size_t>(type)];
}

} // namespace tools
