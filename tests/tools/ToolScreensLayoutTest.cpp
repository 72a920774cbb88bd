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
#include "kit/ui/Slider.h"
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

// Opened on a phone and then given a large landscape window, and the other way round: each time the
// screen lays itself out for the window it has now, sliders beside the colour rather than a whole
// wide window long, and the phone's or the pad's strip and type as the window's idiom asks.
TEST_F(ToolScreensLayout, MixingAndContrastChooseTheirLayoutAgainOnAResize) {
    const kit::Size wide{1280, 800};
    const auto longestSlider = [](std::initializer_list<std::shared_ptr<kit::Slider>> sliders) {
        double longest = 0;
        for (const auto& s : sliders)
            if (!s->isHidden()) longest = std::max(longest, s->bounds().width());
        return longest;
    };
    auto mixer = push<ColorMixingVC>("ColorMixingVC", kit::DeviceProfile::phone());
    const double phoneTile = mixer->additionalButtons.front()->bounds().width();
    host->resizeWindow(wide);
    EXPECT_LE(longestSlider({mixer->firstSlider, mixer->secondSlider, mixer->thirdSlider, mixer->saturationSlider, mixer->brightnessSlider}),
              wide.width / 2);
    EXPECT_GE(mixer->firstSlider->convertRectTo(mixer->firstSlider->bounds(), nullptr).minX(), wide.width / 2)
        << "the sliders take the right half, beside the colour";
    EXPECT_NE(mixer->additionalButtons.front()->bounds().width(), phoneTile) << "the pad's strip";
    EXPECT_TRUE(screenLayoutCheck(*host->window(), kit::Device::current()).run().empty());
    host->resizeWindow({375, 812});
    EXPECT_EQ(mixer->additionalButtons.front()->bounds().width(), phoneTile) << "the phone's strip again";
    EXPECT_GT(mixer->firstSlider->bounds().width(), 250);
    pop();

    auto contrast = push<tools::ContrastRatioVC>("ContrastRatioVC");
    const double phoneVerdict = contrast->ratioExplainText->font().pointSize();
    host->resizeWindow(wide);
    const kit::Rect upper = contrast->colorView1->convertRectTo(contrast->colorView1->bounds(), nullptr);
    const kit::Rect lower = contrast->colorView2->convertRectTo(contrast->colorView2->bounds(), nullptr);
    EXPECT_EQ(upper.minY(), lower.minY()) << "side by side";
    EXPECT_LT(upper.maxX(), lower.minX() + 1);
    EXPECT_LE(longestSlider({contrast->saturationSlider1, contrast->brightnessSlider1, contrast->saturationSlider2,
                             contrast->brightnessSlider2}),
              wide.width / 2);
    EXPECT_GT(contrast->ratioExplainText->font().pointSize(), phoneVerdict) << "the pad's verdict";
    EXPECT_TRUE(screenLayoutCheck(*host->window(), kit::Device::current()).run().empty());
    host->resizeWindow({375, 812});
    EXPECT_EQ(contrast->ratioExplainText->font().pointSize(), phoneVerdict);
    EXPECT_GT(contrast->colorView2->convertRectTo(contrast->colorView2->bounds(), nullptr).minY(), 300) << "one above the other";
}

// On a device's screen each panel's sliders span it less 40 on each side; only where the panels
// sit side by side (a wide desktop window) are they held to 480, centred in their panel.
TEST_F(ToolScreensLayout, ContrastSlidersSpanTheirPanelOnEveryDevice) {
    struct Case {
        kit::DeviceProfile device;
        double upperLeft, lowerLeft, width;  // in window points
    };
    const Case cases[] = {
        {kit::DeviceProfile::phone(), 40, 40, 295},
        {kit::DeviceProfile::smallPhone(), 40, 40, 295},
        {kit::DeviceProfile::pad(), 40, 40, 944},
        {kit::DeviceProfile::smallPad(), 40, 40, 688},
        {kit::DeviceProfile::forWindow({1280, 800}, 2), 80, 720, 480},
    };
    for (const auto& c : cases) {
        if (host) host->advance(2);
        nav.reset();
        host.reset();
        auto contrast = push<tools::ContrastRatioVC>("ContrastRatioVC", c.device);
        for (const auto& [slider, left] : {std::pair{contrast->saturationSlider1, c.upperLeft}, {contrast->brightnessSlider1, c.upperLeft},
                                           {contrast->saturationSlider2, c.lowerLeft}, {contrast->brightnessSlider2, c.lowerLeft}}) {
            const kit::Rect f = slider->convertRectTo(slider->bounds(), nullptr);
            EXPECT_NEAR(f.minX(), left, 0.5) << c.device.name;
            EXPECT_NEAR(f.width(), c.width, 0.5) << c.device.name;
        }
        screenshot("contrast-sliders-" + c.device.name);
    }
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
