// The mixing screen on a headless device: restore and store of its colour, the three models,
// the buffer button, derived colours, mixing with typed colours, saved mixes and their one-time
// carry-over from the old records, and the lamp.
#include "ContrastProbe.h"
#include "ToolScreensFixture.h"

#include "app/SavedData.h"
#include "app/storage/DataModel.h"
#include "colour/HexText.h"
#include "colour/Ryb.h"
#include "colour/library/ColorLibrary.h"
#include "kit/layout/Constraint.h"
#include "kit/ui/Button.h"
#include "kit/ui/Label.h"
#include "kit/ui/Slider.h"
#include "kit/ui/StackView.h"
#include "tools/ColorMixingVC.h"
#include "tools/LedVC.h"
#include "tools/MixedColorMigration.h"
#include "app/ui/DropDownMenu.h"

#include <set>

namespace {

using kit::Color;
using tools::ColorMixingMode;
using tools::ColorMixingVC;

struct ColorMixing : ToolScreensFixture {
    kit::ManagedContext& context() { return *appDelegate->persistentContainer().viewContext(); }
    std::vector<app::LargeCombination> mixes() {
        return app::fetchRecords<app::LargeCombination>(context(), app::LargeCombination::fetchRequest());
    }
    std::shared_ptr<ColorMixingVC> open(const kit::DeviceProfile& device = kit::DeviceProfile::phone()) {
        return push<ColorMixingVC>("ColorMixingVC", device);
    }
    static void slide(kit::Slider& slider, float value) {
        slider.setValue(value);
        slider.sendActions(kit::ControlEvent::valueChanged);
    }
    void mixWith(ColorMixingVC& screen, const std::string& hex) {
        screen.showMixWithEntry();
        answer("Mix", {hex});
    }
};

TEST_F(ColorMixing, FirstVisitRestoresTheDefaultInRgbWithoutABufferButton) {
    auto screen = open();
    ASSERT_TRUE(screen->color);
    EXPECT_EQ(colour::hexString(*screen->color), "FF4050");
    EXPECT_EQ(screen->modeNow, ColorMixingMode::rgb);
    EXPECT_EQ(screen->firstColorLbl->text(), "Red (63%)");
    EXPECT_EQ(screen->secondColorLbl->text(), "Green (16%)");
    EXPECT_EQ(screen->additionalButtons.size(), 9u);
    // The buffer holds the restored colour, so nothing is offered, now or after a change.
    EXPECT_TRUE(screen->importColorFromBufferBtn->isHidden());
    slide(*screen->saturationSlider, 0.5f);
    EXPECT_TRUE(screen->importColorFromBufferBtn->isHidden());
    screenshot("mixing-phone");
}

TEST_F(ColorMixing, ModesLoadTheColourAndPersistTheChoice) {
    auto screen = open();
    screen->setSliders(Color::gray(0.5));
    screen->didSelectElement(1);
    EXPECT_EQ(defaults().integer(app::Keys::lastColorMixingMode), 1);
    EXPECT_FALSE(screen->blackSlider->isHidden());
    EXPECT_NEAR(screen->blackSlider->value(), 0.5, 1e-6);
    EXPECT_EQ(screen->blackLbl->text(), "Black 50%");
    EXPECT_EQ(screen->firstColorLbl->text(), "Cyan (0%)");
    EXPECT_TRUE(screen->saturationSlider->isHidden());
    screenshot("mixing-cmyk-phone");

    mixWith(*screen, "FF0000");
    ASSERT_TRUE(screen->isMixed);
    screen->setSliders(Color::redColor());
    screen->didSelectElement(2);
    EXPECT_FALSE(screen->isMixed);  // RYB ends the mix
    EXPECT_FLOAT_EQ(screen->firstSlider->value(), 1);
    EXPECT_FLOAT_EQ(screen->secondSlider->value(), 0);
    EXPECT_NEAR(screen->color->green(), 0, 1e-9);
    for (auto& b : {screen->importColorBtn, screen->mixBtn, screen->colorMixesBtn, screen->importColorFromBufferBtn})
        EXPECT_TRUE(b->isHidden());
    screen->didSelectElement(7);  // ignored
    EXPECT_EQ(screen->modeNow, ColorMixingMode::ryb);
    EXPECT_EQ(app::delegate().savedData.lastColorMixingMode(), ColorMixingMode::ryb);
}

TEST_F(ColorMixing, ReopeningShowsTheStoredColourExactlyInEveryMode) {
    for (auto mode : {ColorMixingMode::rgb, ColorMixingMode::cmyk, ColorMixingMode::ryb}) {
        app::delegate().savedData.setLastColorMixingMode(mode);
        for (const std::string hex : {"00A833", "1E90FF", "8B4513", "7F3FBF"}) {
            defaults().set(hex, app::Keys::lastColorInColorMixing);
            for (int visit = 1; visit <= 5; ++visit) {
                auto screen = open();
                ASSERT_EQ(colour::hexString(*screen->color), hex) << static_cast<int>(mode) << " visit " << visit;
                pop();
            }
            EXPECT_EQ(defaults().string(app::Keys::lastColorInColorMixing), hex);
        }
    }
}

TEST_F(ColorMixing, RybSlidersRestAtTheNearestPaintersMix) {
    app::delegate().savedData.setLastColorMixingMode(ColorMixingMode::ryb);
    defaults().set(std::string("00A833"), app::Keys::lastColorInColorMixing); // the cube's green corner
    auto screen = open();
    const auto mix = colour::rybToRgb(screen->firstSlider->value(), screen->secondSlider->value(),
                                      screen->thirdSlider->value());
    EXPECT_TRUE(colour::isNear(Color::rgba(mix.red, mix.green, mix.blue), *screen->color, 1 / 255.0));
    // A small move from there changes the colour a little, not into what other shares would give.
    const Color before = *screen->color;
    slide(*screen->firstSlider, 0.05f);
    EXPECT_TRUE(colour::isNear(*screen->color, before, 0.02)) << colour::hexString(*screen->color);
}

TEST_F(ColorMixing, TheModeMenuSwitchesByTouch) {
    auto screen = open();
    host->tap(screen->dropMenu->menuButton());
    host->advance(0.5);
    ASSERT_TRUE(screen->dropMenu->isOpen());
    const auto rows = screen->dropMenu->buttonsStack()->arrangedSubviews();
    ASSERT_EQ(rows.size(), 3u);
    screenshot("mixing-menu-phone");
    host->tap(rows[1]);
    host->advance(0.5);
    EXPECT_EQ(screen->modeNow, ColorMixingMode::cmyk);
    EXPECT_EQ(screen->dropMenu->menuButton()->currentTitle(), "CMYK");
    EXPECT_EQ(defaults().integer(app::Keys::lastColorMixingMode), 1);
}

TEST_F(ColorMixing, EscapeClosesTheOpenModeMenuWithoutAChoiceThenLeaves) {
    auto screen = open();
    host->tap(screen->dropMenu->menuButton());
    host->advance(0.5);
    ASSERT_TRUE(screen->dropMenu->isOpen());
    EXPECT_TRUE(host->pressKey(kit::host::Key::escape));
    host->advance(0.5);
    EXPECT_FALSE(screen->dropMenu->isOpen());
    EXPECT_TRUE(screen->dropMenu->menuButton()->window()) << "the collapsed button is back on screen";
    EXPECT_EQ(screen->modeNow, ColorMixingMode::rgb);
    EXPECT_EQ(host->topViewController(), screen);
    EXPECT_TRUE(host->pressKey(kit::host::Key::escape));
    host->advance(1);
    EXPECT_NE(host->topViewController(), screen);
}

TEST_F(ColorMixing, ComponentSlidersEndAMixButTheHsbSlidersKeepIt) {
    auto screen = open();
    mixWith(*screen, "0000FF");
    ASSERT_TRUE(screen->mixedColorsView->superview());
    slide(*screen->saturationSlider, 0.3f);
    EXPECT_TRUE(screen->isMixed);
    EXPECT_EQ(screen->saturationLabel->text(), "Saturation (0.3)");
    slide(*screen->firstSlider, 1);
    EXPECT_FALSE(screen->isMixed);
    EXPECT_FALSE(screen->mixedColorsView->superview());
    EXPECT_TRUE(screen->colorsInMix.empty());
}

TEST_F(ColorMixing, MixingHalfAndHalfUpToFiveColours) {
    auto screen = open();
    screen->setSliders(Color::redColor());
    mixWith(*screen, "0000FF");
    EXPECT_EQ(colour::hexString(*screen->color), "7F007F");
    EXPECT_EQ(screen->colorsInMix, (std::vector<Color>{Color::rgba(1, 0, 0, 1), colour::initWithHexString("0000FF")}));
    host->advance(0.5);
    EXPECT_DOUBLE_EQ(screen->mixedColorsView->frame().size.width, 3 * 35 + 6);
    screenshot("mixing-strip-phone");
    mixWith(*screen, "nothex");
    EXPECT_EQ(screen->colorsInMix.size(), 2u);
    mixWith(*screen, "#FFFFFF");  // white is fine here
    mixWith(*screen, "000000");
    mixWith(*screen, "00FF00");
    EXPECT_EQ(screen->colorsInMix.size(), 5u);
    screen->showMixWithEntry();
    EXPECT_FALSE(host->presentedAlert());
}

TEST_F(ColorMixing, SavedMixesStoreOncePerThrottleAndComeBack) {
    auto screen = open();
    mixWith(*screen, "0000FF");
    screen->saveColorMix();
    screen->saveColorMix();
    auto saved = mixes();
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0].color(), colour::hexString(screen->mixedColor));
    EXPECT_TRUE(saved[0].isMixedColor());
    EXPECT_EQ(saved[0].type(), 1);

    tools::setSavedSetOpener([](const tools::SavedSetRequest& request) {
        EXPECT_EQ(request.kind, tools::SavedSetKind::colorMixes);
        auto record = app::LargeCombination::insert(*app::delegate().persistentContainer().viewContext());
        record.setColors({"112233", "445566", "778899"});
        request.onPick(record);  // no colour: the sliders stay
    });
    const auto before = *screen->color;
    screen->openColorMixes();
    EXPECT_EQ(*screen->color, before);
    EXPECT_EQ(colour::hexString(screen->mixedColor), "555555");
    EXPECT_EQ(screen->colorsInMix.size(), 3u);
    EXPECT_DOUBLE_EQ(screen->mixedColorsView->layer()->opacity(), 1.0);  // faded in
}

TEST_F(ColorMixing, OldMixesAreCarriedOverOnceAndOnlyAfterASuccessfulRead) {
    for (int i : {2, 1}) {
        auto old = app::MixedColor::insert(context());
        old.setId(100 + i);
        old.setColor("AABBCC");
        old.setColors({"AABBCC", std::to_string(i) + "00000"});
    }
    ASSERT_TRUE(appDelegate->saveContext());

    // The second copy cannot be saved: nothing is marked done.
    int saves = 0;
    const auto failSecond = [&] {
        if (++saves == 1) return appDelegate->saveContext();
        context().rollback();  // as the delegate does when a save fails
        return false;
    };
    EXPECT_FALSE(tools::convertMixedColorsOnce(context(), defaults(), failSecond));
    EXPECT_FALSE(defaults().boolean(app::Keys::convertMixedColorsToLarge));
    EXPECT_EQ(mixes().size(), 1u);  // the first copy was saved before the failure

    auto screen = open();  // loading finishes the carry-over without copying the first again
    EXPECT_TRUE(defaults().boolean(app::Keys::convertMixedColorsToLarge));
    auto copied = mixes();
    ASSERT_EQ(copied.size(), 2u);
    std::set<std::int64_t> ids;
    for (auto& c : copied) {
        EXPECT_TRUE(c.isMixedColor());
        ids.insert(c.id());
    }
    EXPECT_EQ(ids, (std::set<std::int64_t>{101, 102}));
    EXPECT_EQ(app::fetchRecords<app::MixedColor>(context(), app::MixedColor::fetchRequest()).size(), 2u);
    pop();
    open();
    EXPECT_EQ(mixes().size(), 2u);
}

TEST_F(ColorMixing, AStoreThatCannotBeReadLeavesTheCarryOverForLater) {
    const std::shared_ptr<const kit::ObjectModel> model(&app::dataModel(), [](const kit::ObjectModel*) {});
    kit::ManagedContext unreadable(model, nullptr, nullptr);
    EXPECT_FALSE(tools::convertMixedColorsOnce(unreadable, defaults(), [] { return true; }));
    EXPECT_FALSE(defaults().boolean(app::Keys::convertMixedColorsToLarge));
    // An empty store that reads fine is done at once.
    EXPECT_TRUE(tools::convertMixedColorsOnce(context(), defaults(), [] { return true; }));
    EXPECT_TRUE(defaults().boolean(app::Keys::convertMixedColorsToLarge));
}

TEST_F(ColorMixing, LeavingStoresTheColourUnlessItIsGreyAndKeepsACopiedDerivedColour) {
    auto screen = open();
    screen->setSliders(Color::gray(0.5));
    pop();
    EXPECT_FALSE(defaults().string(app::Keys::lastColorInColorMixing));
    EXPECT_FALSE(defaults().string(app::Keys::lastColorMixing));

    screen = open();
    screen->setSliders(Color::rgba(0.2, 0.4, 0.8));
    screen->additionalButtons[0]->sendActions(kit::ControlEvent::touchDown);  // the inverse
    const auto derived = colour::hexString(*screen->additionalButtons[0]->backgroundColor());
    EXPECT_EQ(pasteboard(), "#" + derived);
    pop();
    EXPECT_EQ(defaults().string(app::Keys::lastColorInColorMixing), "3366CC");
    EXPECT_EQ(defaults().string(app::Keys::lastColorMixing), derived);
}

TEST_F(ColorMixing, TheBufferButtonOffersADifferentBufferColourOnce) {
    defaults().set("3366CC", app::Keys::lastColorInColorMixing);
    defaults().set("12AB34", app::Keys::lastColorMixing);
    auto screen = open();
    ASSERT_FALSE(screen->importColorFromBufferBtn->isHidden());
    EXPECT_EQ(screen->importColorFromBufferBtn->backgroundColor(), colour::colorFromHex("12AB34"));
    mixWith(*screen, "FF0000");
    screen->importColorFromBufferBtn->sendActions(kit::ControlEvent::touchDown);
    EXPECT_EQ(colour::hexString(*screen->color), "12AB34");
    EXPECT_TRUE(screen->isMixed);  // the buffer keeps the mix
    EXPECT_TRUE(screen->importColorFromBufferBtn->isHidden());
    slide(*screen->brightnessSlider, 0.5f);
    EXPECT_TRUE(screen->importColorFromBufferBtn->isHidden());

    screen->showImportSheet();
    answer("Enter HEX color");
    answer("Add", {"ff4050"});
    EXPECT_EQ(colour::hexString(*screen->color), "FF4050");
    EXPECT_FALSE(screen->isMixed);  // an import ends it
}

TEST_F(ColorMixing, TheLampShowsTheColourAndComesBackToIt) {
    auto screen = open();
    screen->setSliders(Color::rgba(0.2, 0.4, 0.8));
    screen->openLamp();
    host->advance(1);
    auto lamp = std::dynamic_pointer_cast<tools::LedVC>(nav->topViewController());
    ASSERT_TRUE(lamp);
    EXPECT_EQ(lamp->view()->backgroundColor(), screen->color);
    EXPECT_EQ(defaults().string(app::Keys::lastColorInColorMixing), "3366CC");  // stored on the way
    lamp->backTapped();
    host->advance(1);
    EXPECT_EQ(nav->topViewController(), screen);
    EXPECT_EQ(colour::hexString(*screen->color), "3366CC");
}

TEST_F(ColorMixing, OpenInTheWheelFillsTheBufferWithAUsableColourOnly) {
    std::vector<bool> asked;
    tools::setDigitalWheelFactory([&](bool instantLoad) {
        asked.push_back(instantLoad);
        return kit::make<kit::ViewController>();
    });
    defaults().set("ABCDEF", app::Keys::lastColorMixing);
    defaults().set("ABCDEF", app::Keys::lastColorInColorMixing);
    auto screen = open();
    screen->setSliders(Color::whiteColor());
    screen->openDcwBtn->sendActions(kit::ControlEvent::touchUpInside);
    host->advance(1);
    EXPECT_EQ(asked, std::vector<bool>{true});
    EXPECT_EQ(nav->viewControllers().size(), 3u);
    EXPECT_EQ(defaults().string(app::Keys::lastColorMixing), "ABCDEF");  // white is not a buffer colour
    pop();
    screen->setSliders(Color::rgba(0.2, 0.4, 0.8));
    screen->openInColorWheel();
    EXPECT_EQ(defaults().string(app::Keys::lastColorMixing), "3366CC");
    tools::setDigitalWheelFactory({});
}

// Where the slider rows and captions sit must not depend on what the screen went through (a
// label that has had text or not) nor on how often it has been laid out.
TEST_F(ColorMixing, TheRowsSitWhereTheyDidWhateverTheScreenWentThroughAndHoweverOftenItIsLaidOut) {
    auto rowFrames = [](const ColorMixingVC& s) {
        std::vector<kit::Rect> out;
        for (const auto& v : std::initializer_list<std::shared_ptr<kit::View>>{
                 s.firstSlider, s.secondSlider, s.thirdSlider, s.blackSlider, s.firstColorLbl, s.secondColorLbl,
                 s.thirdColorLbl, s.blackLbl, s.saturationSlider, s.brightnessSlider, s.saturationLabel, s.brightnessLabel})
            out.push_back(v->frame());
        return out;
    };
    for (const auto& device : kit::DeviceProfile::all())
        for (int start : {0, 1}) {  // RGB, CMYK
            SCOPED_TRACE(device.name + " from mode " + std::to_string(start));
            if (host) host->advance(2);
            host.reset();
            app::delegate().savedData.setLastColorMixingMode(static_cast<ColorMixingMode>(start));
            auto screen = open(device);
            const auto fresh = rowFrames(*screen);
            for (int pass = 0; pass < 3; ++pass) {
                screen->view()->setNeedsLayout();
                screen->view()->layoutIfNeeded();
                EXPECT_EQ(rowFrames(*screen), fresh) << "layout pass " << pass;
            }
            // Through the other modes (CMYK writes the black share) and back.
            for (int step = 1; step <= 3; ++step) {
                screen->didSelectElement((start + step) % 3);
                host->advance(1);
            }
            EXPECT_EQ(rowFrames(*screen), fresh) << "after a round of the modes";
            for (int visit = 0; visit < 3; ++visit) {
                pop();
                screen = open(device);
                EXPECT_EQ(rowFrames(*screen), fresh) << "on visit " << visit + 2;
            }
        }
}

TEST_F(ColorMixing, PadsUseWiderInsetsAndLargerDerivedColours) {
    auto screen = open(kit::DeviceProfile::pad());
    ASSERT_TRUE(screen->blackSliderLeadingOffset);
    EXPECT_DOUBLE_EQ(screen->blackSliderLeadingOffset->constant(), 80);
    EXPECT_DOUBLE_EQ(screen->additionalButtons[0]->frame().size.width, 48);
    screenshot("mixing-pad");
}

// The buttons and sliders lie over the colour: on a light one and a dark one each stands out from
// it in the rendered screen, the mode's title as text (4.5:1), icons and knobs as graphics (3:1).
TEST_F(ColorMixing, ControlsStandOutOnLightAndDarkColours) {
    for (const char* hex : {"FFFF50", "FFD8E8", "1A237E"}) {
        defaults().set(std::string(hex), app::Keys::lastColorInColorMixing);
        auto screen = open();
        if (std::string(hex) == "FFFF50") screenshot("mixing-light-colour");
        const auto image = host->render();
        const auto colour = colour::colorFromHex(hex);
        auto seen = [&](const kit::View& v) { return contrastprobe::strongestContrast(image, contrastprobe::inWindow(v), colour); };
        const std::pair<const char*, std::shared_ptr<kit::View>> icons[] = {
            {"back", screen->backBtn}, {"save", screen->saveBtn}, {"CW", screen->openDcwBtn}, {"lamp", screen->ledBtn},
            {"mix", screen->mixBtn}, {"mixes", screen->colorMixesBtn}, {"import", screen->importColorBtn},
            {"saturation", screen->saturationSlider}, {"brightness", screen->brightnessSlider}, {"red", screen->firstSlider}};
        for (const auto& [name, v] : icons) EXPECT_GE(seen(*v), 3.0) << name << " on " << hex;
        EXPECT_GE(seen(*screen->dropMenu->menuButton()), 4.5) << "the mode button on " << hex;
        pop();
    }
}

} // namespace
