// The mixing, colour-group and contrast screens in every state a user meets them in: each mixing
// model, the model menu open, on every device and in every colour-code format, with no control or
// text on another, off the screen or its safe area, or cut by its frame.
#include "ToolScreensFixture.h"

#include "ScreenLayoutCheck.h"
#include "app/AppDelegate.h"
#include "app/SavedData.h"
#include "colour/ColorCodeText.h"
#include "kit/ui/Button.h"
#include "kit/ui/Label.h"
#include "kit/ui/StackView.h"
#include "kit/ui/Window.h"
#include "tools/ColorGroupVC.h"
#include "tools/ColorMixingVC.h"
#include "tools/ContrastRatioVC.h"

namespace {

using tools::ColorMixingMode;
using tools::ColorMixingVC;

struct ToolScreensLayout : ToolScreensFixture {
    struct Look {
        std::string name;
        const char* identifier;
        std::function<void()> before;
        std::function<void(kit::ViewController&, layoutcheck::LayoutCheck&)> then;
    };

    void checkEverywhere(const std::vector<Look>& looks) {
        const int formats = static_cast<int>(colour::colorFormatTitles().size());
        for (const auto& look : looks)
            expectCleanOnEveryDevice(look.name, formats, [&](const kit::DeviceProfile& device, int format) {
                defaults().set(format, app::Keys::colorFormat);
                if (look.before) look.before();
                if (host) host->advance(2);
                nav.reset();
                host.reset();
                auto screen = push<kit::ViewController>(look.identifier, device);
                auto check = screenLayoutCheck(*host->window(), device);
                if (look.then) look.then(*screen, check);
                host->advance(1);
                if (format == 3) screenshot(look.name + "-" + device.name + "-hsl");
                return check.run();
            });
    }

    static std::function<void()> mode(ColorMixingMode m) {
        return [m] { app::delegate().savedData.setLastColorMixingMode(m); };
    }
    static void openModeMenu(kit::ViewController& screen, layoutcheck::LayoutCheck& check) {
        auto& mixer = dynamic_cast<ColorMixingVC&>(screen);
        mixer.dropMenu->menuButton()->sendActions(kit::ControlEvent::touchDown);
        ASSERT_TRUE(mixer.dropMenu->isOpen());
        for (const auto& label : {mixer.colorLbl, mixer.colorNameLabel})
            check.allowOverlap(layoutcheck::inside(mixer.dropMenu->buttonsStack()), layoutcheck::inside(label),
                               "the open model menu hangs over the colour's code and name on purpose");
    }
};

TEST_F(ToolScreensLayout, MixingInEveryModelAndWithItsMenuOpen) {
    // A colour whose codes run long in every format, so the code needs its second line on a phone.
    defaults().set(std::string("0080FF"), app::Keys::lastColorInColorMixing);
    checkEverywhere({{"ColorMixingVC-rgb", "ColorMixingVC", mode(ColorMixingMode::rgb), {}},
                     {"ColorMixingVC-cmyk", "ColorMixingVC", mode(ColorMixingMode::cmyk), {}},
                     {"ColorMixingVC-ryb", "ColorMixingVC", mode(ColorMixingMode::ryb), {}},
                     {"ColorMixingVC-menu", "ColorMixingVC", mode(ColorMixingMode::rgb), openModeMenu}});
}

TEST_F(ToolScreensLayout, ColorGroupAndContrast) {
    checkEverywhere({{"ColorGroupVC", "ColorGroupVC", {}, {}}, {"ContrastRatioVC", "ContrastRatioVC", {}, {}}});
}

TEST_F(ToolScreensLayout, BackAndSaveButtonsShowTheirArtwork) {
    auto mixer = push<ColorMixingVC>("ColorMixingVC");
    EXPECT_TRUE(mixer->backBtn->imageForState(kit::ControlState::normal));
    EXPECT_TRUE(mixer->saveBtn->imageForState(kit::ControlState::normal));
    pop();
    auto group = push<tools::ColorGroupVC>("ColorGroupVC");
    EXPECT_TRUE(group->backButton->imageForState(kit::ControlState::normal));
    EXPECT_TRUE(group->saveBtn->imageForState(kit::ControlState::normal));
    pop();
    auto contrast = push<tools::ContrastRatioVC>("ContrastRatioVC");
    EXPECT_TRUE(contrast->backButton->imageForState(kit::ControlState::normal));
}

} // namespace
