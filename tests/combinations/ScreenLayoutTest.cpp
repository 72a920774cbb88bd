// The list, swatch and picture screens as a user meets them: filled with colours, with the
// drop-down menu open, on every device and in every colour-code format, laid out without
// controls or texts on each other, off the screen or its safe area, or cut by their frames.
// Screenshots go to $TINCTURA_SCREENSHOT_DIR when set.
#include "CombinationsFixture.h"

#include "ScreenLayoutCheck.h"
#include "app/SavedData.h"
#include "colour/ColorCodeText.h"
#include "combinations/CcImageVC.h"
#include "combinations/ColorCombinationsVC.h"
#include "combinations/SwatchesVC.h"
#include "kit/ui/Button.h"
#include "kit/ui/Label.h"
#include "kit/ui/Switch.h"
#include "kit/ui/Window.h"

namespace {

using combinations::ColorCombinationsVC;
using combinations::SwatchesVC;

struct CombinationScreensLayout : CombinationsFixture {
    // One state of a screen: how to open it and, once shown, what the user does first.
    struct Look {
        std::string name;
        std::function<std::shared_ptr<kit::ViewController>(const kit::DeviceProfile&)> open;
        std::function<void(kit::ViewController&, layoutcheck::LayoutCheck&)> then;
        bool showsColorCodes = true;  // in the user's format, so every format is looked at
    };

    // Opens one state as the user meets it in `format` and returns what the layout check finds.
    std::vector<layoutcheck::Finding> layOut(const Look& look, const kit::DeviceProfile& device, int format) {
        defaults().set(format, app::Keys::colorFormat);
        nav.reset();
        host.reset();
        auto screen = look.open(device);
        EXPECT_TRUE(screen) << look.name << " did not open";
        if (!screen) return {};
        auto check = screenLayoutCheck(*host->window(), device);
        if (look.then) look.then(*screen, check);
        host->advance(1);
        if (format == 0) screenshot(look.name + "-" + device.name);
        return check.run();
    }

    void checkEverywhere(const std::vector<Look>& looks) {
        const int formats = static_cast<int>(colour::colorFormatTitles().size());
        for (const auto& look : looks)
            expectCleanOnEveryDevice(look.name, look.showsColorCodes ? formats : 1,
                                     [&](const kit::DeviceProfile& device, int format) { return layOut(look, device, format); });
    }

    static void openMenu(kit::ViewController& screen, layoutcheck::LayoutCheck& check) {
        auto& list = dynamic_cast<combinations::ModeListVC&>(screen);
        list.openModeNowMenu();
        check.allowOverlap(layoutcheck::inside(list.menuStackView), layoutcheck::inside(list.collectionView),
                           "the drop-down menu hangs over the list on purpose");
    }
};

TEST_F(CombinationScreensLayout, CombinationListWithEachKindAndItsMenu) {
    storeCombination(11, "custom", {"1B4F72", "F4D03F", "C0392B", "FDFEFE"});
    storeCombination(12, "custom", {"0E6251", "F5B7B1"});
    storeCombination(13, "colorPicker", {"D2691E"});
    storeCombination(14, "colorPicker", {"F8F9F9"});
    const auto kind = [this](int stored) {
        return [this, stored](const kit::DeviceProfile& device) {
            defaults().set(stored, app::Keys::colorCombinationMode);
            return push<ColorCombinationsVC>("ColorCombinationVC", device);
        };
    };
    checkEverywhere({{"ColorCombinationVC-abstract", kind(1), {}},
                     {"ColorCombinationVC-saved", kind(3), {}},
                     {"ColorCombinationVC-single", kind(4), {}},
                     {"ColorCombinationVC-menu", kind(2), openMenu}});
}

TEST_F(CombinationScreensLayout, SwatchesWithPlainAndNamedSetsAndTheirMenu) {
    const auto set = [this](int stored) {
        return [this, stored](const kit::DeviceProfile& device) {
            defaults().set(stored, app::Keys::lastSwatch);
            start(device);
            auto screen = kit::make<SwatchesVC>();  // made in code by the main menu
            nav->pushViewController(screen, false);
            host->advance(1);
            return screen;
        };
    };
    checkEverywhere({{"SwatchesVC-summer", set(0), {}},
                     {"SwatchesVC-wikipedia", set(5), {}, false},
                     {"SwatchesVC-html", set(7), {}, false},
                     {"SwatchesVC-menu", set(6), openMenu}});
}

TEST_F(CombinationScreensLayout, PictureWithAndWithoutItsCaptions) {
    const auto picture = [this](std::optional<std::string> name) {
        return [this, name](const kit::DeviceProfile& device) {
            return push<combinations::CcImageVC>("CcImageVC", device, [name](combinations::CcImageVC& s) {
                s.colors = std::vector<kit::Color>{kit::Color::rgba(0.9, 0.3, 0.2), kit::Color::rgba(0.2, 0.6, 0.9),
                                                   kit::Color::rgba(0.95, 0.85, 0.3), kit::Color::rgba(0.3, 0.7, 0.4)};
                s.name = name;
            });
        };
    };
    const auto labelsOff = [](kit::ViewController& screen, layoutcheck::LayoutCheck&) {
        auto& s = static_cast<combinations::CcImageVC&>(screen);
        s.labelSwitch->setOn(false);
        s.labelSwitchTapped();
    };
    const auto nameOnPicture = [](kit::ViewController& screen, layoutcheck::LayoutCheck& check) {
        auto& s = static_cast<combinations::CcImageVC&>(screen);
        check.allowOverlap(layoutcheck::inside(s.nameBox()), layoutcheck::inside(s.imageView),
                           "the name is captioned on the picture's first block");
    };
    // The picture is always captioned in hex.
    checkEverywhere({{"CcImageVC", picture(std::nullopt), {}, false},
                     {"CcImageVC-named", picture("Harbour"), nameOnPicture, false},
                     {"CcImageVC-no-labels", picture("Harbour"), labelsOff, false}});
}

TEST_F(CombinationScreensLayout, BackButtonsShowTheirArtwork) {
    auto list = push<ColorCombinationsVC>("ColorCombinationVC");
    EXPECT_TRUE(list->backBtn->imageForState(kit::ControlState::normal));
    pop();
    auto swatches = kit::make<SwatchesVC>();
    nav->pushViewController(swatches, false);
    host->advance(1);
    EXPECT_TRUE(swatches->backBtn->imageForState(kit::ControlState::normal));
    pop();
    auto picture = push<combinations::CcImageVC>("CcImageVC", kit::DeviceProfile::phone(), [](combinations::CcImageVC& s) {
        s.colors = std::vector<kit::Color>{kit::Color::whiteColor()};
    });
    EXPECT_TRUE(picture->backBtn->imageForState(kit::ControlState::normal));
}

} // namespace
