#pragma once
// Groups of evenly spaced hues around a base colour, and the group as bracketed hex text.
#include "kit/base/Color.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tools {

inline constexpr int minimumGroupSize = 6;
inline constexpr int maximumGroupSize = 60;
inline constexpr int defaultGroupSize = 20;

// The base colour first, then count − 1 colours whose hue steps by 1/count (backwards when
// reversed), with the base's saturation, brightness and alpha. A count below 1 gives the base alone.
std::vector<kit::Color> makeColorGroup(const kit::Color& base, long long count, bool reversed);

// "[#RRGGBB,#RRGGBB]" of colours from..to (1-based, inclusive); "" for a range that does not fit.
std::string hexArrayText(const std::vector<kit::Color>& colors, long long from, long long to);

// The range the copy alert's two fields ask for, each brought back into 1..count when outside.
std::pair<long long, long long> hexArrayRange(const std::optional<std::string>& fromText,
                                              const std::optional<std::string>& toText, long long count);

// A stored group size as the screen uses it: none or below 1 gives the default, above the
// slider's maximum the maximum.
long long restoredGroupSize(std::optional<long long> stored);

} // namespace tools
