// The lamp, the contrast checker and the colour-group generator on a headless device.
#include "ContrastProbe.h"
#include "ToolScreensFixture.h"

#include "app/SavedData.h"
#include "colour/HexText.h"
#include "colour/library/ColorLibrary.h"
#include "kit/base/Console.h"
#include "kit/ui/Button.h"
#include "kit/ui/FocusNavigator.h"
#include "kit/ui/Label.h"
#include "kit/ui/Slider.h"
#include "tools/ColorGroupVC.h"
#include "tools/ContrastRatioVC.h"
#include "tools/LedVC.h"

namespace {

using kit::Color;

struct SmallToolScreens : ToolScreensFixture {};

TEST_F(SmallToolScreens, LampShowsItsColourKeepsTheDisplayOnAndClosesOnATap) {
    auto lamp = push<tools::LedVC>("LedVC");
    EXPECT_EQ(lamp->view()->backgroundColor(), Color::whiteColor());  // no colour handed over
    EXPECT_TRUE(kit::Application::shared().isIdleTimerDisabled());
    pop();
    auto red = push<tools::LedVC>("LedVC", kit::DeviceProfile::phone(), [](tools::LedVC& s) { s.color = Color::redColor(); });
    EXPECT_EQ(red->view()->backgroundColor(), Color::redColor());
    screenshot("lamp-phone");
    const auto before = haptics();
    host->tap(kit::Point{100, 300});
    host->advance(1);
    EXPECT_EQ(nav->topViewController(), nav->viewControllers().front());
    EXPECT_FALSE(kit::Application::shared().isIdleTimerDisabled());
    EXPECT_EQ(haptics(), before + 1);
}

TEST_F(SmallToolScreens, ContrastDefaultsRatingAndPersistence) {
    auto screen = push<tools::ContrastRatioVC>("ContrastRatioVC");
    EXPECT_EQ(screen->ratioText->text(), "3.02:1");
    EXPECT_EQ(screen->ratioExplainText->text(), "Moderate contrast, suitable for large text.");
    EXPECT_EQ(screen->ratioExplainText->textColor(), screen->color2);
    // Each sample shows the other colour's code, written in its own colour.
    EXPECT_EQ(screen->colorLbl1->titleColorForState(kit::ControlState::normal), screen->color1);
    screenshot("contrast-phone");

    screen->copy1stTo2nd();
    EXPECT_EQ(screen->ratioText->text(), "1.0:1");
    EXPECT_EQ(screen->importColorFrom1stColorBtn->backgroundColor(), screen->color1);
    pop();
    EXPECT_EQ(defaults().string(app::Keys::contrastRatioColor1), "#ff0040");
    EXPECT_EQ(defaults().string(app::Keys::contrastRatioColor2), "#ff0040");
    auto again = push<tools::ContrastRatioVC>("ContrastRatioVC");
    EXPECT_EQ(again->color2, colour::colorFromHex("FF0040"));
}

TEST_F(SmallToolScreens, ContrastSlidersKeepTheHueAndBufferButtonsWriteTheirOwnColour) {
    defaults().set("000000", app::Keys::lastColorMixing);
    auto screen = push<tools::ContrastRatioVC>("ContrastRatioVC");
    EXPECT_FALSE(screen->importColorFromBuffer1Btn->isHidden());
    EXPECT_FALSE(screen->importColorFromBuffer2Btn->isHidden());
    screen->getColorFromBufferButtonPressed(2);
    EXPECT_EQ(screen->color2, Color::rgba(0, 0, 0, 1));
    EXPECT_TRUE(screen->importColorFromBuffer2Btn->isHidden());
    EXPECT_FALSE(screen->importColorFromBuffer1Btn->isHidden());
    EXPECT_EQ(screen->color1, colour::colorFromHex("FF0040"));

    screen->color1 = Color::gray(0.5);
    screen->updateContrastRatio();
    screen->updateSliders();
    EXPECT_FLOAT_EQ(screen->saturationSlider1->value(), 0.01f);  // the slider's floor
    screen->brightnessSlider1->setValue(0.8f);
    screen->brightnessSlider1->sendActions(kit::ControlEvent::valueChanged);
    EXPECT_DOUBLE_EQ(colour::hsbComponents(screen->color1).hue, 0);
    EXPECT_NEAR(colour::hsbComponents(screen->color1).brightness, 0.8, 1e-6);
}

TEST_F(SmallToolScreens, ContrastImportGoesToTheChosenColour) {
    auto screen = push<tools::ContrastRatioVC>("ContrastRatioVC");
    screen->importColorBtnTapped(2);
    EXPECT_EQ(alertActions(), (std::vector<std::string>{"Enter HEX color", "Enter RGB color", "Swatches",
                                                        "Color Combinations > Single", "Cancel"}));
    answer("Enter HEX color");
    answer("Add", {"#ffffff"});  // white is refused
    EXPECT_EQ(screen->color2, colour::colorFromHex("00FFC0"));
    screen->importColorBtnTapped(2);
    answer("Enter RGB color");
    answer("Add", {"300", "-5", ""});
    EXPECT_EQ(colour::hexString(screen->color2), "FF0000");
    EXPECT_EQ(colour::hexString(screen->color1), "FF0040");
}

TEST_F(SmallToolScreens, APastedHexCodeIsTakenWithHashAnyCaseAndSpaces) {
    auto screen = push<tools::ContrastRatioVC>("ContrastRatioVC");
    const struct {
        const char* pasted;
        bool taken;
    } cases[] = {{"#1e90ff", true}, {"1E90FF", true}, {" 1e90ff \n", true}, {"1E90FG", false}, {"#1E90FF0", false}};
    for (const auto& c : cases) {
        screen->color2 = Color::redColor();
        screen->importColorBtnTapped(2);
        answer("Enter HEX color");
        kit::Pasteboard::general().setString(c.pasted);
        EXPECT_TRUE(host->pressTextKey(kit::host::TextKey::v, {true, false}));
        kit::ConsoleCapture console;
        answer("Add");
        EXPECT_EQ(screen->color2, c.taken ? colour::colorFromHex("1E90FF") : Color::redColor()) << c.pasted;
        EXPECT_EQ(console.contains("not hex"), !c.taken) << c.pasted;
    }
}

TEST_F(SmallToolScreens, ColourGroupDefaultsPersistAndGuardAStoredCountBelowOne) {
    auto screen = push<tools::ColorGroupVC>("ColorGroupVC");
    EXPECT_EQ(screen->colorsArray.size(), 20u);
    EXPECT_EQ(screen->colorsArray.front(), colour::initWithHexString("#FFABB2"));
    EXPECT_EQ(screen->numberOfColorsLabel->text(), "Number of colors: 20");
    screenshot("colour-group-phone");
    pop();
    EXPECT_EQ(defaults().string(app::Keys::colorGroupColor), "#ffabb2");
    EXPECT_EQ(defaults().integer(app::Keys::colorGroupNumberOfColors), 20);

    defaults().set(0, app::Keys::colorGroupNumberOfColors);
    auto guarded = push<tools::ColorGroupVC>("ColorGroupVC");
    EXPECT_EQ(guarded->colorsArray.size(), 20u);
}

TEST_F(SmallToolScreens, ColourGroupReverseCopyRangeAndBuffer) {
    defaults().set("FFABB2", app::Keys::lastColorMixing);
    auto screen = push<tools::ColorGroupVC>("ColorGroupVC");
    EXPECT_TRUE(screen->importColorFromBufferBtn->isHidden());  // the buffer holds the base colour
    const auto forward = screen->colorsArray;
    screen->reverseButtonTapped();
    EXPECT_NE(screen->colorsArray, forward);
    EXPECT_EQ(screen->colorsArray.front(), forward.front());
    EXPECT_NE(screen->reverseButton->transform(), kit::AffineTransform::identity());
    screen->reverseButtonTapped();
    EXPECT_EQ(screen->colorsArray, forward);

    screen->showCopyHexArrayAlert();
    answer("Copy", {"2", "2"});
    EXPECT_EQ(pasteboard(), "[" + colour::hexStringWithHash(forward[1]) + "]");
    screen->showCopyHexArrayAlert();
    answer("Copy", {"0", ""});  // the whole group
    const auto all = pasteboard();
    EXPECT_EQ(std::count(all.begin(), all.end(), '#'), 20);

    screen->numberOfColorsSlider->setValue(6.9f);
    screen->numberOfColorsSlider->sendActions(kit::ControlEvent::valueChanged);
    EXPECT_EQ(screen->colorsArray.size(), 6u);
}

TEST_F(SmallToolScreens, ColourGroupTabGoesDownEachColumnInTurn) {
    defaults().set("1E90FF", app::Keys::lastColorMixing);  // unlike the group's colour: its button shows
    for (const auto& device : {kit::DeviceProfile::phone(), kit::DeviceProfile::smallPhone(), kit::DeviceProfile::pad(),
                               kit::DeviceProfile::smallPad()}) {
        SCOPED_TRACE(device.name);
        nav.reset();
        host.reset();
        auto screen = push<tools::ColorGroupVC>("ColorGroupVC", device);
        // The back button's column, the sliders', the icons'; the code under them; then the band's
        // slider before its icons, and the list.
        const std::vector<std::pair<std::string, std::shared_ptr<kit::View>>> expected = {
            {"back", screen->backButton},
            {"hue", screen->hueSlider},
            {"saturation", screen->saturationSlider},
            {"brightness", screen->brightnessSlider},
            {"save", screen->saveBtn},
            {"import", screen->importColorBtn},
            {"buffer", screen->importColorFromBufferBtn},
            {"code", screen->colorLabel},
            {"number of colours", screen->numberOfColorsSlider},
            {"reverse", screen->reverseButton},
            {"copy", screen->exportColorsButton},
            {"list", screen->colorsCollectionView},
        };
        for (const auto& [name, view] : expected) {
            ASSERT_TRUE(host->pressKey(kit::host::Key::tab));
            const auto ringed = kit::FocusNavigator::focused(*screen->view());
            EXPECT_EQ(ringed, view) << "expected the ring on " << name;
            if (name == "reverse") screenshot("colour-group-ring-on-reverse-" + device.name);
        }
    }
}

// The contrast checker's panels and the colour group's panel carry icons and sliders over the
// user's colours: on a light and a dark one each stands out in the rendered screen (3:1).
TEST_F(SmallToolScreens, ControlsOverTheColoursStandOutOnLightAndDarkOnes) {
    auto expectVisible = [&](const std::vector<std::pair<std::string, std::shared_ptr<kit::View>>>& controls,
                             const Color& colour, const std::string& where) {
        const auto image = host->render();
        for (const auto& [name, v] : controls)
            EXPECT_GE(contrastprobe::strongestContrast(image, contrastprobe::inWindow(*v), colour), 3.0) << name << where;
    };
    for (const auto& [light, dark] : {std::pair{"#ffff50", "#1a237e"}, std::pair{"#1a237e", "#ffd8e8"}}) {
        defaults().set(std::string(light), app::Keys::contrastRatioColor1);
        defaults().set(std::string(dark), app::Keys::contrastRatioColor2);
        auto contrast = push<tools::ContrastRatioVC>("ContrastRatioVC");
        expectVisible({{"import", contrast->importColor1Btn}, {"saturation", contrast->saturationSlider1},
                       {"brightness", contrast->brightnessSlider1}}, contrast->color1, std::string(" on ") + light);
        expectVisible({{"import", contrast->importColor2Btn}, {"saturation", contrast->saturationSlider2},
                       {"brightness", contrast->brightnessSlider2}}, contrast->color2, std::string(" on ") + dark);
        pop();
        defaults().set(std::string(light), app::Keys::colorGroupColor);
        auto group = push<tools::ColorGroupVC>("ColorGroupVC");
        expectVisible({{"back", group->backButton}, {"save", group->saveBtn}, {"import", group->importColorBtn},
                       {"hue", group->hueSlider}, {"saturation", group->saturationSlider}, {"brightness", group->brightnessSlider}},
                      group->color, std::string(" of the group on ") + light);
        pop();
    }
}

} // namespace
