#pragma once
// The layout check as the app's screen tests run it: the wheels' handles and shade sliders count
// as controls and the drawn hue ring as occupied, and the few overlaps the screens mean are
// declared here, each with its reason.
#include "LayoutCheck.h"

#include "kit/ui/Device.h"
#include "wheels/DcwPicker.h"
#include "wheels/other/CcwVC.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

inline layoutcheck::LayoutCheck screenLayoutCheck(const kit::View& root, const kit::DeviceProfile& device) {
    using namespace layoutcheck;
    LayoutCheck c(root, device.safeAreaInsets());
    c.countAsControl(ofType<wheels::DCWHANDLER>());
    // The whole slider, track and knob, is the control (its knob is a handle too).
    c.countAsControl(ofType<wheels::DCWSLIDER>());
    c.countAsRing([](const kit::View& v) -> std::optional<Ring> {
        const auto* wheel = dynamic_cast<const wheels::DCWPICKER*>(&v);
        if (!wheel || !wheel->isFirstDCW() || wheel->ringOuterRadius() <= 0) return std::nullopt;
        return Ring{{v.bounds().midX(), v.bounds().midY()}, std::max(0.0, wheel->ringInnerRadius()), wheel->ringOuterRadius()};
    });
    // The twelve-sector wheel and its overlay, whose handles are drawn into it, and the custom-hue
    // disc: the whole disc each draws is occupied.
    c.countAsRing([](const kit::View& v) -> std::optional<Ring> {
        const auto& id = v.accessibilityIdentifier();
        const kit::Rect b = v.bounds();
        const kit::Point centre{b.midX(), b.midY()};
        if (id == "ccw_wheel" || id == "ccw_overlay") return Ring{centre, 0, b.width() / 2 * wheels::CcwVC::discShare};
        if (id == "hue_disc") return Ring{centre, 0, std::min(b.width(), b.height()) / 2};
        return std::nullopt;
    });
    const auto identified = [](std::string id) { return [id](const kit::View& v) { return v.accessibilityIdentifier() == id; }; };
    c.allowOverlap(identified("ccw_wheel"), identified("ccw_overlay"), "the overlay turns over the painted wheel");
    c.allowOverlap(ofType<wheels::DCWPICKER>(), ofType<wheels::DCWHANDLER>(), "the handles ride on the ring");
    // The wheels of a harmony share one frame, so their centre dots lie on each other.
    c.allowOverlap(ofType<wheels::DCWBUTTON>(), ofType<wheels::DCWBUTTON>(), "one centre for all wheels");
    // The one-time hint points at the edit button from in front of everything for 4 s.
    c.allowOverlap(showing("TRY IT"), anything(), "a hint laid over on purpose");
    return c;
}

// Every device profile, then desktop windows of sizes between them and beyond (the window's size is
// the screen's): a narrow one with the phone idiom, and three with the pad idiom on their side, the
// last wide and low.
inline std::vector<kit::DeviceProfile> sweptDevices() {
    const auto profiles = kit::DeviceProfile::all();
    std::vector<kit::DeviceProfile> all(profiles.begin(), profiles.end());
    for (kit::Size window : {kit::Size{480, 720}, kit::Size{900, 700}, kit::Size{1280, 800}, kit::Size{1900, 600}})
        all.push_back(kit::DeviceProfile::forWindow(window, 2));
    return all;
}

// Lays one state of a screen out on every device profile and window size, in colour-code formats 0 to `formats` - 1,
// through `layOut` (which returns that layout's findings); fails the test once for each layout with
// findings, naming the state, device and format.
inline void expectCleanOnEveryDevice(
    const std::string& name, int formats,
    const std::function<std::vector<layoutcheck::Finding>(const kit::DeviceProfile&, int format)>& layOut) {
    for (const auto& device : sweptDevices())
        for (int format = 0; format < formats; ++format) {
            const auto findings = layOut(device, format);
            if (!findings.empty())
                ADD_FAILURE() << name << " on " << device.name << " in format " << format << ":\n"
                              << layoutcheck::describe(findings);
        }
}
