#pragma once
// Saving what the user made, copying to the pasteboard, and the app-wide colour buffer.
// All saves share one throttle: after a save, further saves are dropped for 1.5 s.
#include "colour/ColorCombination.h"
#include "kit/base/Color.h"
#include "tools/LightToolFields.h"

#include <optional>
#include <string>
#include <vector>

namespace app {

inline constexpr double saveThrottleInterval = 1.5;

void saveCustomCombination(const std::optional<colour::ColorCombination>& combination);
// A combination already tagged "liked" is not copied again.
void saveLikedCombination(const std::optional<colour::ColorCombination>& combination);
void saveSingleColor(const std::optional<kit::Color>& color);
void saveMix(const std::string& mixHex, const std::vector<std::string>& colorHexes);
void saveLightCombination(const tools::LightToolFields& lightTool);

// The pasteboard gets "#" + hex; a valid hex that is neither white nor black also fills the colour buffer.
void copyColorToClipboard(const std::optional<std::string>& hex);
void copyTextToClipboard(const std::optional<std::string>& text);

// Whether a save would be taken now.
bool canSave();

} // namespace app
