#include "app/settings/SettingsScreens.h"

#include "app/menus/AboutVC.h"
#include "app/menus/VideosVC.h"
#include "app/privacy/GDPRVC.h"
#include "kit/base/Make.h"
#include "kit/ui/Storyboard.h"

namespace app {

void registerSettingsScreens(kit::Storyboard& board) {
    board.registerScene(scene::videosScreen, [] { return kit::make<VideosVC>(); });
    board.registerScene(scene::aboutScreen, [] { return kit::make<AboutVC>(); });
    board.registerScene(scene::privacyScreen, [] { return kit::make<GDPRVC>(); });
    // Both close themselves with a dismissal.
    board.registerSegue(scene::settingsScreen, segue::privacy, scene::privacyScreen, kit::SegueKind::modal);
    board.registerSegue(scene::settingsScreen, segue::about, scene::aboutScreen, kit::SegueKind::modal);
}

void registerSettingsScreens() { registerSettingsScreens(*kit::Storyboard::named("Main")); }

} // namespace app
