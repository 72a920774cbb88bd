#include "tools/ToolScreens.h"

#include "kit/base/Make.h"
#include "kit/ui/Storyboard.h"
#include "tools/ColorGroupVC.h"
#include "tools/ContrastRatioVC.h"
#include "tools/LedVC.h"
#include "tools/LightVC.h"
#include "tools/ColorMixingVC.h"

namespace tools {

void registerToolScreens(kit::Storyboard& board) {
    board.registerScene(scene::colorMixing, [] { return kit::make<ColorMixingVC>(); });
    board.registerScene(scene::led, [] { return kit::make<LedVC>(); });
    board.registerScene(scene::light, [] { return kit::make<LightVC>(); });
    board.registerScene(scene::contrastRatio, [] { return kit::make<ContrastRatioVC>(); });
    board.registerScene(scene::colorGroup, [] { return kit::make<ColorGroupVC>(); });
}

} // namespace tools
