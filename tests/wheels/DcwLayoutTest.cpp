// The digital and painter's wheels in every harmony mode, with the shortest (hex) and the tallest
// (CMYK) colour codes, and the twelve-sector, custom-hue and abstract wheels, on every device
// profile and on app windows of a few sizes: nothing may lie over the ring, a handle or another
// control, and no wheel may leave the screen.
#include "ScreenLayoutCheck.h"
#include "WheelsFixture.h"

#include "app/AppDelegate.h"
#include "kit/store/Defaults.h"
#include "kit/ui/Button.h"
#include "wheels/digital/DcwVC.h"
#include "wheels/other/CcwVC.h"
#include "wheels/other/HueVC.h"
#include "wheels/other/ZelVC.h"

namespace {

// Windows the app may be given on a desktop, as the idiom their width gives them.
std::vector<kit::DeviceProfile> windowProfiles() {
    std::vector<kit::DeviceProfile> all;
    for (auto [w, h] : {std::pair{480.0, 720.0}, {900.0, 700.0}, {1024.0, 768.0}, {1280.0, 800.0}, {1900.0, 600.0}}) {
        kit::DeviceProfile p = w < 600 ? kit::DeviceProfile::smallPhone() : kit::DeviceProfile::smallPad();
        p.name = "window " + std::to_string(int(w)) + "x" + std::to_string(int(h));
        // A lower window shows the least height scaled down, as the app does.
        p.screenSize = {w, std::max(h, kit::DeviceProfile::leastWindowHeight)};
        p.scale = 1;
        p.nativeHeight = p.screenSize.height;
        p.safeArea = {};
        all.push_back(p);
    }
    return all;
}

struct DcwLayout : WheelsFixture {
    std::vector<layoutcheck::Finding> look(const kit::DeviceProfile& device, int mode, int format, bool classic) {
        kit::Defaults::standard().set(mode, app::Keys::lastDcwCombination);
        kit::Defaults::standard().set(format, app::Keys::colorFormat);
        auto screen = kit::make<wheels::DcwVC>();
        screen->isClassic = classic;
        push(screen, device);
        auto findings = screenLayoutCheck(*host->window(), device).run();
        host.reset();
        return findings;
    }

    void expectClean(const kit::DeviceProfile& device, int mode, int format, bool classic) {
        const auto findings = look(device, mode, format, classic);
        EXPECT_TRUE(findings.empty()) << (classic ? "painter's" : "digital") << " wheel, mode " << mode << ", format "
                                      << format << ", on " << device.name << ":\n"
                                      << layoutcheck::describe(findings);
    }
};

// The check itself: only the band of a ring is occupied, not its hole nor the corners of its box.
TEST(RingInTheLayoutCheck, OnlyTheBandIsOccupied) {
    auto screen = kit::make<kit::View>(kit::Rect{0, 0, 320, 480});
    auto wheel = kit::make<kit::View>(kit::Rect{10, 90, 300, 300});  // ring around (160, 240), band 130...150
    screen->addSubview(wheel);
    auto place = [&](const kit::Rect& frame) {
        auto button = kit::make<kit::Button>(frame);
        button->setTitle("x");
        button->layoutIfNeeded();
        screen->addSubview(button);
        return button;
    };
    place({150, 230, 20, 20});   // in the hole
    place({12, 92, 20, 20});     // in the box's corner, off the band
    place({150, 80, 20, 20});    // across the top of the band
    layoutcheck::LayoutCheck check(*screen, {});
    check.countAsRing([&](const kit::View& v) -> std::optional<layoutcheck::Ring> {
        if (&v != wheel.get()) return std::nullopt;
        return layoutcheck::Ring{{150, 150}, 130, 150};
    });
    const auto findings = check.run();
    ASSERT_EQ(findings.size(), 1u) << layoutcheck::describe(findings);
    EXPECT_EQ(findings[0].second.rfind("Button", 0), 0u) << findings[0].describe();
    EXPECT_NE(findings[0].describe().find("(150.0, 80.0"), std::string::npos) << findings[0].describe();
}

// The digital wheel in every mode with both code heights on the profiles; the painter's wheel
// (the same geometry, fewer buttons and modes) and the app windows with the tallest codes.
TEST_F(DcwLayout, NothingCoversTheWheelInAnyModeOrFormat) {
    kit::Defaults::standard().set(true, app::Keys::hideAbstractTip);
    app::delegate().savedData.tryItWasShown = true;  // the one-time hint is laid over on purpose
    for (const auto& device : kit::DeviceProfile::all()) {
        for (int mode = 0; mode < 8; ++mode)
            for (int format : {0, 2}) expectClean(device, mode, format, false);
        for (int mode = 0; mode < 6; ++mode) expectClean(device, mode, 2, true);
    }
    for (const auto& device : windowProfiles()) {
        for (int mode = 0; mode < 8; ++mode) expectClean(device, mode, 2, false);
        for (int mode = 0; mode < 6; ++mode) expectClean(device, mode, 2, true);
    }
}

// The wheels drawn as pictures count as discs: the twelve-sector wheel in each harmony (its
// handles are drawn into the overlay), the custom-hue disc with colours picked, the abstract ring.
TEST_F(DcwLayout, TheOtherWheelsFitEveryWindow) {
    kit::Defaults::standard().set(true, app::Keys::hideAbstractTip);
    std::vector<kit::DeviceProfile> devices = sweptDevices();
    for (const auto& window : windowProfiles()) devices.push_back(window);
    for (const auto& device : devices) {
        const auto expectClean = [&](const std::string& what) {
            const auto findings = screenLayoutCheck(*host->window(), device).run();
            EXPECT_TRUE(findings.empty()) << what << " on " << device.name << ":\n" << layoutcheck::describe(findings);
        };
        auto ccw = pushScene<wheels::CcwVC>("ClassicColorWheelVC", device);
        for (const auto& b : std::vector(ccw->modeNowMenuStack()->arrangedSubviews())) {
            ccw->selectModeWithButton(dynamic_cast<kit::Button*>(b.get()));
            host->advance(0.1);
            expectClean("twelve-sector wheel, " + b->accessibilityIdentifier());
        }
        auto hue = pushScene<wheels::HueVC>("HueVC", device);
        const kit::Rect disc = hue->imageView()->bounds();
        for (kit::Point p : {kit::Point{disc.midX() + disc.height() * 0.3, disc.midY()}, kit::Point{disc.midX(), disc.midY() - disc.height() * 0.3}}) {
            hue->pickAt(p);
            hue->addColor();
        }
        host->advance(0.1);
        expectClean("custom-hue wheel");
        pushScene<wheels::ZelVC>("ZelVC", device);
        expectClean("abstract wheel");
        host.reset();
    }
}

// The wheels a menu choice builds are fitted before they are drawn, as on opening.
TEST_F(DcwLayout, AModeChosenFromTheMenuFitsToo) {
    kit::Defaults::standard().set(2, app::Keys::colorFormat);
    kit::Defaults::standard().set(0, app::Keys::lastDcwCombination);
    app::delegate().savedData.tryItWasShown = true;
    const auto device = kit::DeviceProfile::smallPhone();
    auto screen = push(kit::make<wheels::DcwVC>(), device);
    host->tap(screen->modeNowBtn());
    for (const auto& b : screen->modeNowMenuStack()->arrangedSubviews())
        if (b->accessibilityIdentifier() == "Square") host->tap(b);
    ASSERT_EQ(screen->modeNow, wheels::Mode::square);
    host->advance(0.1);
    const auto findings = screenLayoutCheck(*host->window(), device).run();
    EXPECT_TRUE(findings.empty()) << layoutcheck::describe(findings);
}

} // namespace
