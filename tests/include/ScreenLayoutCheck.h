#pragma once
// The layout check as the app's screen tests run it: the wheels' handles count as controls, and
// the few overlaps the screens mean are declared here, each with its reason.
#include "LayoutCheck.h"

#include "kit/ui/Device.h"
#include "wheels/Widgets.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

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

// Lays one state of a screen out on every device profile, in colour-code formats 0 to `formats` - 1,
// through `layOut` (which returns that layout's findings); fails the test once for each layout with
// findings, naming the state, device and format.
inline void expectCleanOnEveryDevice(
    const std::string& name, int formats,
    const std::function<std::vector<layoutcheck::Finding>(const kit::DeviceProfile&, int format)>& layOut) {
    for (const auto& device : kit::DeviceProfile::all())
        for (int format = 0; format < formats; ++format) {
            const auto findings = layOut(device, format);
            if (!findings.empty())
                ADD_FAILURE() << name << " on " << device.name << " in format " << format << ":\n"
                              << layoutcheck::describe(findings);
        }
}
