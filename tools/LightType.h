#pragma once
// The light sources of the light tool.
#include <array>
#include <string_view>

namespace tools {

enum class LightType {
    daylight,
    tungsten,
    fluorescent,
    night,
    warmWhite,
    coolWhite,
    candlelight,
    goldenHour,
    sunrise,
    sunset,
    incandescent,
    halogen,
    moonlight,
    overcast,
    cloudy,
};

inline constexpr std::array<LightType, 15> allLightTypes = {
    LightType::daylight,    LightType::tungsten,  LightType::fluorescent,  LightType::night,
    LightType::warmWhite,   LightType::coolWhite, LightType::candlelight,  LightType::goldenHour,
    LightType::sunrise,     LightType::sunset,    LightType::incandescent, LightType::halogen,
    LightType::moonlight,   LightType::overcast,  LightType::cloudy,
};

// The English name: stored as a light set's `lightType` and, upper-cased, inside its `lightName`.
std::string_view englishName(LightType type);

} // namespace tools
