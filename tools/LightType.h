#pragma once
// The light sources of the light tool: each has a tint (its raw value, six upper-case hex digits),
// a fixed English name that is stored, and a shown name from the text table.
#include "kit/base/Color.h"

#include <array>
#include <optional>
#include <string>
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
// The same name under the word the light tool uses for it; never translated.
inline std::string_view lightName(LightType type) { return englishName(type); }
// The name shown to the user (only the candle differs from the stored one: "Candle Light").
const std::string& localizedLightName(LightType type);
// The case whose stored name is exactly the text (case-sensitive, no trimming).
std::optional<LightType> lightTypeFromName(std::string_view name);

// The tint as six upper-case hex digits, and the case of such a text (exact match only).
std::string_view rawValue(LightType type);
std::optional<LightType> lightTypeFromRawValue(std::string_view raw);

// The colour moved toward the light's tint by `power` (0 unchanged, 1 the tint), alpha included.
kit::Color colorUnderLight(const kit::Color& color, LightType type, double power);

} // namespace tools
