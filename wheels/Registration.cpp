#include "wheels/Registration.h"

#include "kit/base/Make.h"
#include "kit/ui/Storyboard.h"
#include "wheels/digital/DcwEditCcVC.h"
#include "wheels/digital/DcwVC.h"
#include "wheels/other/CcwVC.h"
#include "wheels/other/HueVC.h"
#include "wheels/other/ZelVC.h"

namespace wheels {

void registerWheelScreens() {
    auto main = kit::Storyboard::named("Main");
    main->registerScene("ClassicColorWheelVC", [] { return kit::make<CcwVC>(); });
    main->registerScene("HueVC", [] { return kit::make<HueVC>(); });
    main->registerScene("ZelVC", [] { return kit::make<ZelVC>(); });
    main->registerScene("ResultVC", [] { return kit::make<ZelCcVC>(); });
    // Opened in code by the menu and the tools; registered too so that they can be shown by name.
    main->registerScene("DcwVC", [] { return kit::make<DcwVC>(); });
    main->registerScene("DcwVC.classic", [] {
        auto wheel = kit::make<DcwVC>();
        wheel->isClassic = true;
        return wheel;
    });
    main->registerScene("DcwEditCcVC", [] { return kit::make<DcwEditCcVC>(); });
}

} // namespace wheels
