#include "wheels/Registration.h"

#include "kit/base/Make.h"
#include "kit/ui/Storyboard.h"
#include "wheels/digital/DcwEditCcVC.h"
#include "wheels/digital/DcwVC.h"
#include "wheels/other/CcwVC.h"
#include "wheels/other/HueVC.h"
#include "wheels/other/ZelVC.h"

namespace wheels {

void registerWheelScreens(kit::Storyboard& board) {
    board.registerScene("ClassicColorWheelVC", [] { return kit::make<CcwVC>(); });
    board.registerScene("HueVC", [] { return kit::make<HueVC>(); });
    board.registerScene("ZelVC", [] { return kit::make<ZelVC>(); });
    board.registerScene("ResultVC", [] { return kit::make<ZelCcVC>(); });
    // Opened in code by the menu and the tools; registered too so that they can be shown by name.
    board.registerScene("DcwVC", [] { return kit::make<DcwVC>(); });
    board.registerScene("DcwVC.classic", [] {
        auto wheel = kit::make<DcwVC>();
        wheel->isClassic = true;
        return wheel;
    });
    board.registerScene("DcwEditCcVC", [] { return kit::make<DcwEditCcVC>(); });
}

} // namespace wheels
