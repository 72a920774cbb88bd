#pragma once
// Registers the settings, videos, about and privacy screens with the storyboard "Main", the segues
// that leave the settings screen, and the rating prompt as the main menu's check on appearing.
#include "app/menus/MainStoryboard.h"

#include <memory>

namespace kit {
class Storyboard;
} // namespace kit

namespace app {

namespace scene {
inline constexpr const char* aboutScreen = "AboutVC";
inline constexpr const char* privacyScreen = "GDPRVC";
} // namespace scene

namespace segue {
inline constexpr const char* privacy = "showPrivacy";
inline constexpr const char* about = "showAbout";
} // namespace segue

// Safe to call more than once.
void registerSettingsScreens(kit::Storyboard& board);
// The same on the storyboard "Main".
void registerSettingsScreens();

} // namespace app
