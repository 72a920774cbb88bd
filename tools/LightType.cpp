#include "tools/LightType.h"

#include "app/ui/Strings.h"
#include "colour/library/ColorLibrary.h"

namespace tools {
namespace {

constexpr std::array<std::string_view, 15> names = {
    "Daylight", "Tungsten", "Fluorescent", "Night",     "Warm White", "Cool White", "Candlelight", "Golden Hour",
    "Sunrise",  "Sunset",   "Incandescent", "Halogen", "Moonlight",  "Overcast",   "Cloudy"};

constexpr std::array<std::string_view, 15> tints = {
    "FFD080", "FFF0E0", "C0FFFF", "8080C0", "F9C784", "B5CEEE", "FFA07A", "FFDAB9",
    "FFCC33", "FF5733", "FFE4B5", "FFF5EE", "D6EAF8", "F2F3F4", "D5DBDB"};

std::size_t index(LightType type) { return static_cast<std::size_t>(type); }

} // namespace

std::string_view englishName(LightType type) { return names[index(type)]; }

const std::string& localizedLightName(LightType type) {
    if (type == LightType::candlelight) return app::Strings::text("Candle Light");
    return app::Strings::text(names[index(type)]);
}

std::optional<LightType> lightTypeFromName(std::string_view name) {
    for (auto type : allLightTypes)
        if (names[index(type)] == name) return type;
    return std::nullopt;
}

std::string_view rawValue(LightType type) { return tints[index(type)]; }

std::optional<LightType> lightTypeFromRawValue(std::string_view raw) {
    for (auto type : allLightTypes)
        if (tints[index(type)] == raw) return type;
    return std::nullopt;
}

kit::Color colorUnderLight(const kit::Color& color, LightType type, double power) {
    double r = 0, g = 0, b = 0, a = 0;
    if (!color.getRed(r, g, b, a)) return color;
    const auto light = colour::rgbaComponents(colour::initWithHexString(rawValue(type)));
    // Weighted form, so that power 0 and 1 give the colour and the tint exactly.
    const auto toward = [power](double x, double target) { return x * (1 - power) + target * power; };
    return kit::Color::rgba(toward(r, light.red), toward(g, light.green), toward(b, light.blue),
                            toward(a, light.alpha));
}

} // namespace tools
