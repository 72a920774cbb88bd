#include "app/menus/MainStoryboard.h"

#include "app/menus/MainMenuVC.h"
#include "app/preview/PreviewScreens.h"
#include "app/settings/SettingsScreens.h"
#include "capture/CaptureScreens.h"
#include "combinations/Registration.h"
#include "tools/ToolScreens.h"
#include "wheels/Registration.h"
#include "kit/base/Make.h"
#include "kit/ui/NavigationController.h"
#include "kit/ui/Storyboard.h"

namespace app {

std::shared_ptr<kit::Storyboard> registerMainStoryboard() {
    auto board = kit::Storyboard::named("Main");
    if (board->hasScene(scene::mainMenu)) return board;

    board->registerScene(scene::mainMenu, [] { return kit::make<MainMenuVC>(); });
    board->setInitialScene([weak = std::weak_ptr<kit::Storyboard>(board)] {
        auto b = weak.lock();
        auto root = b ? b->instantiateViewController(scene::mainMenu) : kit::make<MainMenuVC>();
        return kit::make<kit::NavigationController>(root);
    });

    board->registerSegue(scene::mainMenu, segue::zel, scene::zel);
    board->registerSegue(scene::mainMenu, segue::colorPicker, scene::colorPicker);
    board->registerSegue(scene::mainMenu, segue::imageColors, scene::imageColors);
    board->registerSegue(scene::mainMenu, segue::colorMixing, scene::colorMixing);
    board->registerSegue(scene::mainMenu, segue::settings, scene::settings);
    board->registerSegue(scene::mainMenu, segue::videos, scene::videos);

    // The screens of each part of the app, as they are built.
    registerSettingsScreens(*board);
    registerPreviewScreens(*board);
    wheels::registerWheelScreens(*board);
    combinations::registerCombinationScreens(*board);
    tools::registerToolScreens(*board);
    capture::registerCaptureScreens(*board);
    return board;
}

} // namespace app
