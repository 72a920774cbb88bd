#include "capture/CaptureScreens.h"

#include "app/menus/MainStoryboard.h"
#include "capture/ArStencilSettingsVC.h"
#include "capture/ColorPicker2VC.h"
#include "capture/ImageColorsVC.h"
#include "capture/ValueBreakerVC.h"
#include "capture/ValueCheckerImageVC.h"
#include "capture/ValueCheckerVC.h"
#include "kit/base/Make.h"
#include "kit/ui/Storyboard.h"

namespace capture {

void registerCaptureScreens(kit::Storyboard& board) {
    board.registerScene(app::scene::arStencil, [] { return kit::make<ArStencilSettingsVC>(); });
    board.registerScene(app::scene::colorPicker, [] { return kit::make<ColorPicker2VC>(); });
    board.registerScene(app::scene::imageColors, [] { return kit::make<ImageColorsVC>(); });
    board.registerScene(app::scene::valueBreaker, [] { return kit::make<ValueBreakerVC>(); });
    board.registerScene(app::scene::valueChecker, [] { return kit::make<ValueCheckerVC>(); });
    board.registerScene("ValueCheckerImageVC", [] { return kit::make<ValueCheckerImageVC>(); });
}

} // namespace capture
