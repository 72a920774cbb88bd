#include "app/settings/SettingsScreens.h"

#include "app/menus/AboutVC.h"
#include "app/menus/MainMenuVC.h"
#include "app/menus/VideosVC.h"
#include "app/privacy/GDPRVC.h"
#include "app/settings/RateAs.h"
#include "app/settings/SettingsVC.h"
#include "kit/base/Make.h"
#include "kit/ui/Storyboard.h"

namespace app {

void registerSettingsScreens(kit::Storyboard& board) {
    board.registerScene(scene::settings, [] { return kit::make<SettingsVC>(); });
    board.registerScene(scene::videos, [] { return kit::make<VideosVC>(); });
    board.registerScene(scene::aboutScreen, [] { return kit::make<AboutVC>(); });
    board.registerScene(scene::privacyScreen, [] { return kit::make<GDPRVC>(); });
    // Both close themselves with a dismissal.
    board.registerSegue(scene::settings, segue::privacy, scene::privacyScreen, kit::SegueKind::modal);
    board.registerSegue(scene::settings, segue::about, scene::aboutScreen, kit::SegueKind::modal);
    MainMenuVC::setRatingCheck([](int period, kit::ViewController& presenter) { RateAs::rateIfNeeded(period, presenter); });
}

void registerSettingsScreens() { registerSettingsScreens(*kit::Storyboard::named("Main")); }

} // namespace app
