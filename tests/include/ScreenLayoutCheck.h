#pragma once
// The layout check as the app's screen tests run it: the wheels' handles count as controls, and
// the few overlaps the screens mean are declared here, each with its reason.
#include "LayoutCheck.h"

#include "kit/ui/Device.h"
#include "wheels/Widgets.h"

inline layoutcheck::LayoutCheck screenLayoutCheck(const kit::View& root, const kit::DeviceProfile& device) {
    using namespace layoutcheck;
    LayoutCheck c(root, device.safeAreaInsets());
    c.countAsControl(ofType<wheels::DCWHANDLER>());
    // The wheels of a harmony share one frame, so their centre dots lie on each other.
    c.allowOverlap(ofType<wheels::DCWBUTTON>(), ofType<wheels::DCWBUTTON>(), "one centre for all wheels");
    // The one-time hint points at the edit button from in front of everything for 4 s.
    c.allowOverlap(showing("TRY IT"), anything(), "a hint laid over on purpose");
    return c;
}
