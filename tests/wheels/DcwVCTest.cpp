// The digital wheel screen on a headless phone: companions following a drag, labels, saving,
// the keys it reads and writes, the buffer button and its timers.
#include "WheelsFixture.h"

#include "app/ui/Strings.h"
#include "colour/ColorCodeText.h"
#include "colour/HexText.h"
#include "kit/base/Console.h"
#include "kit/store/Defaults.h"
#include "kit/ui/Pasteboard.h"
#include "wheels/digital/DcwEditCcVC.h"
#include "wheels/digital/DcwVC.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;

struct DcwVCTest : WheelsFixture {
    kit::Defaults& defaults() { return kit::Defaults::standard(); }
    std::shared_ptr<wheels::DcwVC> open(int storedMode, bool classic = false) {
        defaults().set(storedMode, app::Keys::lastDcwCombination);
        auto screen = kit::make<wheels::DcwVC>();
        screen->isClassic = classic;
        return push(screen);
    }
    // Drags dcw1's handle to the given angle (counter-clockwise from 3 o'clock).
    void dragTo(wheels::DcwVC& screen, double angle) {
        auto& w = *screen.dcw1;
        const auto c = centreOf(w);
        const double r = w.trackRadius() * 0.6;
        const kit::Point start{c.x + r * std::cos(angle + 0.4), c.y - r * std::sin(angle + 0.4)};
        host->drag({start, {c.x + r * std::cos(angle + 0.2), c.y - r * std::sin(angle + 0.2)},
                    {c.x + r * std::cos(angle), c.y - r * std::sin(angle)}});
    }
};

TEST_F(DcwVCTest, CompanionsAndLabelsFollowADragOfTheMainWheel) {
    auto screen = open(4);  // tetradic
    ASSERT_EQ(screen->modeNow, wheels::Mode::tetradic);
    dragTo(*screen, kPi / 2);
    const float a = screen->dcw1->currentAngle();
    EXPECT_NEAR(a, kPi / 2, 1e-3);
    const auto expected = wheels::companionAngles(wheels::Mode::tetradic, a, screen->addToAngle);
    EXPECT_FLOAT_EQ(screen->dcw2->currentAngle(), *expected[0]);
    EXPECT_FLOAT_EQ(screen->dcw3->currentAngle(), *expected[1]);
    EXPECT_FLOAT_EQ(screen->dcw4->currentAngle(), *expected[2]);
    // Colours from the wheels' hues and the two sliders; the top strip shows the first colour.
    const float S = screen->saturationSlider()->value(), B = screen->brightnessSlider()->value();
    // The main colour is that of the handle's final place, not of the move before it.
    EXPECT_EQ(screen->color1, kit::Color::hsb(a / (2 * kPi), S, B));
    EXPECT_EQ(screen->color3, kit::Color::hsb(screen->dcw3->hueAngle(), S, B));
    EXPECT_EQ(screen->colorViews[3]->backgroundColor(), screen->color1);
    EXPECT_EQ(screen->colorViews[0]->backgroundColor(), screen->color4);
    EXPECT_EQ(screen->colorLbl(2)->currentTitle(), colour::colorCodeStringMultiline(screen->color2));
    EXPECT_EQ(screen->colorLbl(1)->titleColorForState(kit::ControlState::normal), wheels::labelTextColor(screen->color4));
}

TEST_F(DcwVCTest, SaturationSliderRecolours) {
    auto screen = open(0);
    auto& slider = *screen->saturationSlider();
    slider.setValue(0.2f);
    slider.sendActions(kit::ControlEvent::valueChanged);
    EXPECT_NEAR(screen->color1.hsba().saturation, 0.2, 1e-6);
    EXPECT_NEAR(screen->color2.hsba().saturation, 0.2, 1e-6);
    // Two labels in use, the others empty.
    EXPECT_EQ(screen->colorLbl(3)->currentTitle().value_or(""), "");
}

// The bar under the wheel, dragged by its knob, tints or shades every colour the user sees and saves.
TEST_F(DcwVCTest, ShadeSliderUnderTheWheelTintsAndShadesTheWholeCombination) {
    auto screen = open(4);  // tetradic
    auto& slider = *screen->dcw1->shadeSlider();
    const float S = screen->saturationSlider()->value(), B = screen->brightnessSlider()->value();
    for (double towards : {0.1, 0.9}) {  // near the black end, then near the white end
        const auto knob = centreOf(*slider.handleView());
        const auto track = slider.convertRectTo(slider.trackLayer()->frame(), nullptr);
        host->drag({knob, {knob.x + 2, knob.y}, {track.minX() + towards * track.width(), knob.y}});
        screenshot(towards < 0.5 ? "dcw_shaded" : "dcw_tinted");
        const double value = slider.currentValue();
        ASSERT_GT(std::abs(value), 0.5);
        EXPECT_EQ(value < 0, towards < 0.5);
        for (int i = 1; i <= 4; ++i) {
            auto* wheel = i == 1 ? screen->dcw1.get() : i == 2 ? screen->dcw2.get() : i == 3 ? screen->dcw3.get() : screen->dcw4.get();
            const auto expected = wheels::shadeOf(kit::Color::hsb(wheel->hueAngle(), S, B), value);
            const auto& shown = i == 1 ? screen->color1 : i == 2 ? screen->color2 : i == 3 ? screen->color3 : screen->color4;
            EXPECT_EQ(shown, expected) << "colour " << i;
            EXPECT_EQ(screen->colorViews[static_cast<std::size_t>(4 - i)]->backgroundColor(), expected) << "strip " << i;
            EXPECT_EQ(screen->colorLbl(i)->currentTitle(), colour::colorCodeStringMultiline(expected)) << "label " << i;
            EXPECT_EQ(wheel->handleView()->circleLayer()->fillColor(), expected) << "handle " << i;
        }
    }
    host->tap(screen->saveBtn());
    auto saved = storedWithTag(*appDelegate, "custom");
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0].color3(), colour::hexString(screen->color3));
}

// The painter's wheel hands the editor hue, sliders and shade, so the editor starts from the colours shown.
TEST_F(DcwVCTest, TheEditorOpensWithTheShadedColoursOfThePaintersWheel) {
    auto screen = open(2, true);  // triad
    auto& slider = *screen->dcw1->shadeSlider();
    slider.setCurrentValue(-0.4);
    slider.sendActions(kit::ControlEvent::valueChanged);
    screen->editCCTapped();
    host->advance(0.5);
    auto editor = std::dynamic_pointer_cast<wheels::DcwEditCcVC>(nav()->topViewController());
    ASSERT_TRUE(editor);
    EXPECT_EQ(editor->color(1), screen->color1);
    EXPECT_EQ(editor->color(3), screen->color3);
}

TEST_F(DcwVCTest, ShadeSliderShowsTheHueOfTheHandleWhereverItGoes) {
    auto screen = open(0);
    dragTo(*screen, 2 * kPi / 3);  // green
    const auto& slider = *screen->dcw1->shadeSlider();
    const auto green = kit::Color::hsb(screen->dcw1->hueAngle(), 1, 1);
    EXPECT_NEAR(green.hsba().hue, 1.0 / 3, 1e-3);
    EXPECT_EQ(slider.primaryColor(), green);
    const auto& stops = slider.trackLayer()->gradient()->colors();
    ASSERT_TRUE(stops && stops->size() == 3);
    EXPECT_EQ((*stops)[1], green);
}

TEST_F(DcwVCTest, SavingStoresACustomCombinationOrInMonoASingleColour) {
    auto screen = open(0);
    host->tap(screen->saveBtn());
    auto saved = storedWithTag(*appDelegate, "custom");
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0].numberOfColors(), 2);
    EXPECT_EQ(saved[0].color1(), colour::hexString(screen->color1));
    EXPECT_EQ(saved[0].color2(), colour::hexString(screen->color2));
    host->advance(2);  // past the save throttle
    host.reset();
    auto mono = open(7);
    host->tap(mono->saveBtn());
    EXPECT_EQ(storedWithTag(*appDelegate, "colorPicker").size(), 1u);
    EXPECT_EQ(storedWithTag(*appDelegate, "custom").size(), 1u);
    EXPECT_EQ(mono->colorLbl(4)->currentTitle(), mono->colorLbl(1)->currentTitle());
}

TEST_F(DcwVCTest, StartsFromTheStoredColourAndWritesItWhenLeft) {
    defaults().set("3366CC", app::Keys::lastColorInDcw);
    auto screen = open(2);
    EXPECT_EQ(colour::hexString(screen->color1).substr(0, 2), "33");
    EXPECT_NEAR(screen->dcw1->currentAngle(), 2 * kPi * kit::Color::rgba(0.2, 0.4, 0.8).hsba().hue, 1e-4);
    dragTo(*screen, kPi);
    const auto hex = colour::hexString(screen->color1);
    nav()->popViewController(false);
    host->advance(0.5);
    EXPECT_EQ(defaults().string(app::Keys::lastColorInDcw), hex);
    EXPECT_EQ(defaults().string(app::Keys::lastColorMixing), hex);
    EXPECT_FALSE(kit::Application::shared().isIdleTimerDisabled());
}

TEST_F(DcwVCTest, ACopiedLabelOrTheClassicWheelKeepsTheKeys) {
    defaults().set("3366CC", app::Keys::lastColorInDcw);
    auto screen = open(0);
    host->tap(screen->colorLbl(2));
    EXPECT_EQ(kit::Pasteboard::general().string(), "#" + colour::hexString(screen->color2));
    const auto buffer = defaults().string(app::Keys::lastColorMixing);
    nav()->popViewController(false);
    host->advance(0.5);
    EXPECT_EQ(defaults().string(app::Keys::lastColorInDcw), "3366CC");
    EXPECT_EQ(defaults().string(app::Keys::lastColorMixing), buffer);
    host.reset();

    auto classic = open(0, true);
    EXPECT_NEAR(classic->dcw1->currentAngle(), 0, 1e-6);  // the first placement of the painter's wheel
    nav()->popViewController(false);
    host->advance(0.5);
    EXPECT_EQ(defaults().string(app::Keys::lastColorInDcw), "3366CC");
    EXPECT_EQ(defaults().string(app::Keys::lastColorMixing), colour::hexString(classic->color1));
}

TEST_F(DcwVCTest, BufferButtonShowsOnlyForADifferentBufferColour) {
    struct Case {
        const char* buffer;
        bool shown;
    } cases[] = {{"FF4050", false}, {"11AA33", true}};
    for (const auto& c : cases) {
        defaults().set("FF4050", app::Keys::lastColorInDcw);
        defaults().set(c.buffer, app::Keys::lastColorMixing);
        auto screen = open(0);
        EXPECT_EQ(!screen->importColorFromBufferBtn()->isHidden(), c.shown) << c.buffer;
        if (c.shown) {
            host->tap(screen->importColorFromBufferBtn());
            EXPECT_EQ(colour::hexString(screen->color1).substr(0, 2), "11");
            EXPECT_TRUE(screen->importColorFromBufferBtn()->isHidden());
        }
        host.reset();
    }
}

TEST_F(DcwVCTest, ModeMenuSelectionRebuildsAndStoresTheMode) {
    auto screen = open(0);
    host->tap(screen->modeNowBtn());
    EXPECT_FALSE(screen->menuStackView()->isHidden());
    std::shared_ptr<kit::Button> mono;
    for (const auto& b : screen->modeNowMenuStack()->arrangedSubviews())
        if (b->accessibilityIdentifier() == "Monochrome") mono = std::dynamic_pointer_cast<kit::Button>(b);
    ASSERT_TRUE(mono);
    host->tap(mono);
    EXPECT_EQ(screen->modeNow, wheels::Mode::mono);
    EXPECT_EQ(defaults().integer(app::Keys::lastDcwCombination), 7);
    EXPECT_TRUE(screen->menuStackView()->isHidden());
    // Only dcw4 is on screen, with the full controls; every strip shows the one colour.
    EXPECT_TRUE(screen->dcw4->superview());
    EXPECT_FALSE(screen->dcw1->superview());
    for (const auto& v : screen->colorViews) EXPECT_EQ(v->backgroundColor(), screen->color1);
    EXPECT_TRUE(screen->dcw4->shadeSlider()->isDescendantOf(screen->view().get()));
}

// A tint or shade the user set survives another harmony on both kinds of colours: the digital
// wheel moves it into its sliders, the painter's carries it on its shade slider.
TEST_F(DcwVCTest, ATintSurvivesAModeChangeOnBothKindsOfColours) {
    for (bool classic : {false, true}) {
        SCOPED_TRACE(classic ? "painter's colours" : "digital colours");
        auto screen = open(0, classic);
        for (double value : {0.5, -0.5}) {
            auto& slider = *screen->dcw1->shadeSlider();
            slider.setCurrentValue(value);
            slider.sendActions(kit::ControlEvent::valueChanged);
            const auto before = colour::hexString(screen->color1);
            for (const char* mode : {"Triad", "Complementary"}) {
                for (const auto& b : screen->modeNowMenuStack()->arrangedSubviews())
                    if (b->accessibilityIdentifier() == mode) screen->selectModeWithButton(static_cast<kit::Button&>(*b));
                host->advance(0.5);
                EXPECT_EQ(colour::hexString(screen->color1), before) << "tint " << value << ", " << mode;
            }
        }
        host.reset();
    }
}

// A resized window refits the wheels around what the user made, on both kinds of colours.
TEST_F(DcwVCTest, AResizedWindowKeepsTheColoursAndTheShade) {
    for (bool classic : {false, true}) {
        SCOPED_TRACE(classic ? "painter's colours" : "digital colours");
        defaults().set(4, app::Keys::lastDcwCombination);  // tetradic
        auto screen = kit::make<wheels::DcwVC>();
        screen->isClassic = classic;
        push(screen, kit::DeviceProfile::forWindow({480, 720}, 2));
        if (classic) screen->dcw1->moveHandle(screen->dcw1->pointOnRing(2.0f));
        else screen->moveByColor(colour::colorFromHex("FF4050"));
        auto& slider = *screen->dcw1->shadeSlider();
        slider.setCurrentValue(0.3);
        slider.sendActions(kit::ControlEvent::valueChanged);
        auto shown = [&] {
            std::string all;
            for (const auto& c : {screen->color1, screen->color2, screen->color3, screen->color4})
                all += colour::hexString(c) + " ";
            return all + std::to_string(screen->dcw1->shadeSlider()->currentValue());
        };
        const std::string before = shown();
        for (kit::Size size : {kit::Size{900, 700}, kit::Size{480, 720}}) {
            host->resizeWindow(size);
            host->advance(0.5);
            EXPECT_EQ(shown(), before) << size.width << " x " << size.height;
            // The shadows under the strips span the new width.
            for (std::size_t i = 0; i < 3; ++i) {
                const auto& strip = *screen->colorViews[i];
                ASSERT_FALSE(strip.layer()->sublayers().empty());
                EXPECT_EQ(strip.layer()->sublayers().back()->bounds().width(), strip.bounds().width()) << "strip " << i;
            }
        }
        host.reset();
    }
}

// Through a resize sweep the shade knob stays on the place of its value (a square of the slider's
// height whose centre runs half a knob in from each end), so it shows the shade the colours have
// and the next drag starts there; on both kinds of colours, tinted and shaded.
TEST_F(DcwVCTest, TheShadeKnobStaysOnItsValueThroughAResizeSweep) {
    for (bool classic : {false, true})
        for (double towards : {0.75, 0.2}) {
            SCOPED_TRACE(std::string(classic ? "painter's" : "digital") + (towards > 0.5 ? ", tinted" : ", shaded"));
            defaults().set(4, app::Keys::lastDcwCombination);
            auto screen = kit::make<wheels::DcwVC>();
            screen->isClassic = classic;
            push(screen, kit::DeviceProfile::forWindow({480, 720}, 2));
            auto& slider = *screen->dcw1->shadeSlider();
            const auto knob = centreOf(*slider.handleView());
            const auto track = slider.convertRectTo(slider.trackLayer()->frame(), nullptr);
            host->drag({knob, {knob.x + 2, knob.y}, {track.minX() + towards * track.width(), knob.y}});
            const double value = slider.currentValue();
            ASSERT_GT(std::abs(value), 0.4);
            // As the resized window shows it at once, and once the clock has moved on.
            const auto expectOnItsValue = [&](const std::string& when) {
                const kit::Rect b = slider.bounds(), shown = slider.handleView()->frame();
                const double side = b.height();
                EXPECT_EQ(slider.currentValue(), value) << when;
                EXPECT_NEAR(shown.width(), side, 1e-6) << when;
                EXPECT_NEAR(shown.midX(), (value + 1) / 2 * (b.width() - side) + side / 2, 1) << when;
            };
            for (kit::Size size : {kit::Size{1280, 800}, kit::Size{375, 667}, kit::Size{480, 720}}) {
                const std::string at = std::to_string(int(size.width)) + "x" + std::to_string(int(size.height));
                host->resizeWindow(size);
                expectOnItsValue("resized to " + at);
                host->advance(0.5);
                expectOnItsValue("settled at " + at);
                screenshot(std::string("shade_knob_") + (classic ? "painters_" : "digital_") + (towards > 0.5 ? "tinted_" : "shaded_") + at);
            }
            host.reset();
        }
}

TEST_F(DcwVCTest, AngleSliderWidensTheHarmonyAndResetsOnModeChange) {
    auto screen = open(1);  // analogous
    EXPECT_FALSE(screen->angleSlider()->isHidden());
    EXPECT_FLOAT_EQ(screen->angleSlider()->minimumValue(), -1.8325956f);
    screen->angleSlider()->setValue(0.5f);
    screen->angleSlider()->sendActions(kit::ControlEvent::valueChanged);
    EXPECT_FLOAT_EQ(screen->addToAngle, 0.5f);
    const float a = screen->dcw1->currentAngle();
    EXPECT_FLOAT_EQ(screen->dcw3->currentAngle(), *wheels::companionAngles(wheels::Mode::analogous, a, 0.5f)[1]);
    screen->applyMode(nullptr);
    EXPECT_FLOAT_EQ(screen->addToAngle, 0);
    host.reset();
    // With adjustable schemas off the slider never shows.
    appDelegate->savedData.isAdjustableSchemas = false;
    auto fixed = open(1);
    EXPECT_TRUE(fixed->angleSlider()->isHidden());
}

TEST_F(DcwVCTest, LeavingStopsEveryTimerSoTheScreenIsFreed) {
    std::weak_ptr<wheels::DcwVC> weak;
    {
        auto screen = open(7);  // mono: the repeating pulse runs
        ASSERT_TRUE(screen->editCCBtnAnimationTimer() && screen->editCCBtnAnimationTimer()->isValid());
        weak = screen;
        nav()->popViewController(false);
        host->advance(0.5);
        EXPECT_FALSE(screen->editCCBtnAnimationTimer());
    }
    host->advance(3);
    EXPECT_TRUE(weak.expired());
}

TEST_F(DcwVCTest, TryItHintShowsOnceUntilTheEditorWasOpened) {
    auto screen = open(0);
    host->advance(1.0);
    EXPECT_TRUE(screen->tryItImageView()->superview());
    host->advance(4.1);
    EXPECT_FALSE(screen->tryItImageView()->superview());
    host->tap(screen->editCCBtn());
    host->advance(1);
    auto editor = std::dynamic_pointer_cast<wheels::DcwEditCcVC>(nav()->topViewController());
    ASSERT_TRUE(editor);
    EXPECT_EQ(*editor->numberOfColors, 2);
    EXPECT_EQ(editor->color(1), screen->color1);
    EXPECT_TRUE(appDelegate->savedData.tryItWasShown);
    EXPECT_TRUE(defaults().boolean(app::Keys::showTryIt));
}

TEST_F(DcwVCTest, ImportByHexMovesTheWheelAndBadTextIsIgnored) {
    auto screen = open(0);
    const auto before = screen->color1;
    host->tap(screen->importColorBtn());
    ASSERT_TRUE(host->answerAlert(app::Strings::text("Enter HEX color")));
    host->advance(0.5);
    auto alert = host->presentedAlert();
    ASSERT_TRUE(alert);
    alert->fillTextField(0, "zz12");
    host->answerAlert(app::Strings::text("Add"));
    host->advance(0.5);
    EXPECT_EQ(screen->color1, before);
    host->tap(screen->importColorBtn());
    host->answerAlert(app::Strings::text("Enter RGB color"));
    host->advance(0.5);
    alert = host->presentedAlert();
    ASSERT_TRUE(alert);
    alert->fillTextField(0, "300");
    alert->fillTextField(1, "");
    alert->fillTextField(2, "128");
    host->answerAlert(app::Strings::text("Add"));
    host->advance(0.5);
    EXPECT_EQ(colour::hexString(screen->color1), "FF0080");
}

TEST_F(DcwVCTest, InfoShowsTheTextOfTheCurrentMode) {
    auto screen = open(0);
    host->tap(screen->infoBtn());
    ASSERT_TRUE(screen->infoView());
    host->tap(screen->infoBtn());
    EXPECT_FALSE(screen->infoView());
    for (auto mode : wheels::allModes) {
        screen->modeNow = mode;
        const auto [title, body] = screen->modeInfoText();
        EXPECT_EQ(title, app::Strings::text(wheels::modeTitle(mode)));
        EXPECT_FALSE(body.empty());
    }
    EXPECT_EQ(screen->modeInfoText().second.rfind("The harmonious color scheme", 0), 0u);
}

TEST_F(DcwVCTest, WheelsAreSizedByDeviceAndRefittedOnRotation) {
    defaults().set(0, app::Keys::lastDcwCombination);
    auto screen = push(kit::make<wheels::DcwVC>(), kit::DeviceProfile::pad());
    const double portraitWidth = screen->view()->bounds().width();
    EXPECT_NEAR(screen->dcw1->frame().width(), 0.8 * portraitWidth, 1e-9);
    EXPECT_NEAR(screen->dcw1->frame().height(), 400 + 0.8 * portraitWidth, 1e-9);
    host->setOrientation(kit::DeviceOrientation::landscapeLeft);
    host->advance(1);
    const double landscapeWidth = screen->view()->bounds().width();
    ASSERT_GT(landscapeWidth, portraitWidth);
    EXPECT_NEAR(screen->dcw1->frame().width(), 0.7 * landscapeWidth, 1e-9);
    // Outside split screen the wheel uses a third of its size and a half-size handle.
    const auto& w = *screen->dcw1;
    const double m = std::min(w.bounds().width(), w.bounds().height());
    EXPECT_NEAR(w.radius(), m / 3 - w.handleSize().width / 3, 1e-9);
    EXPECT_NEAR(w.handleView()->frame().width(), w.handleSize().width * 0.5, 1e-9);
}

} // namespace
