#pragma once
// Registers the mixing, lamp, light, contrast and colour-group screens with a storyboard under
// the identifiers the menus and the other tools open them by.
namespace kit {
class Storyboard;
} // namespace kit

namespace tools {

namespace scene {
inline constexpr const char* colorMixing = "ColorMixingVC";
inline constexpr const char* led = "LedVC";
inline constexpr const char* light = "LightVC";
inline constexpr const char* contrastRatio = "ContrastRatioVC";
inline constexpr const char* colorGroup = "ColorGroupVC";
} // namespace scene

void registerToolScreens(kit::Storyboard& board);

} // namespace tools
