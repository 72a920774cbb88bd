// The shade slider and the hue wheel driven by synthetic touches on a headless phone.
#include "colour/HexText.h"
#include "colour/Ryb.h"
#include "kit/base/Make.h"
#include "kit/host/Headless.h"
#include "kit/runtime/NotificationCenter.h"
#include "kit/ui/Application.h"
#include "kit/ui/PanGesture.h"
#include "kit/ui/ViewController.h"
#include "wheels/DcwPicker.h"
#include "wheels/HueRing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;

struct Recorder : wheels::HueShadeSliderDelegate {
    std::vector<kit::Color> colours;
    void sliderDidChooseColor(wheels::DCWSLIDER&, const kit::Color& c) override { colours.push_back(c); }
};

struct WheelControls : ::testing::Test {
    void SetUp() override { kit::Application::resetShared(); }
    void TearDown() override {
        host.reset();
        kit::Application::resetShared();
    }
    // A plain screen on a headless phone with `view` placed on it.
    void show(const std::shared_ptr<kit::View>& view) {
        host = std::make_unique<kit::host::Headless>();
        auto root = kit::make<kit::ViewController>();
        host->setRootViewController(root);
        root->view()->addSubview(view);
        host->settle();
    }
    std::unique_ptr<kit::host::Headless> host;
};

// A 300 x 40 slider at (20, 100): knob 40 wide, track from x = 20 to 280 in its own space.
struct SliderTest : WheelControls {
    std::shared_ptr<wheels::DCWSLIDER> slider;
    Recorder recorder;
    int valueChanged = 0, editingEnded = 0;
    void SetUp() override {
        WheelControls::SetUp();
        slider = kit::make<wheels::DCWSLIDER>(kit::Rect{20, 100, 300, 40});
        slider->setPrimaryColor(kit::Color::redColor());
        slider->setDelegate(&recorder);
        slider->addTarget(nullptr, "changed", kit::ControlEvent::valueChanged, [this] { ++valueChanged; });
        slider->addTarget(nullptr, "ended", kit::ControlEvent::editingDidEnd, [this] { ++editingEnded; });
        show(slider);
    }
    kit::Point knob() const { return {20 + slider->handleCenterX(), 120}; }
};

TEST_F(SliderTest, DragsToTheEndsGiveBlackAndWhiteAndStopThere) {
    host->drag({knob(), {100, 120}, {-50, 120}});
    EXPECT_DOUBLE_EQ(slider->currentValue(), -1);
    EXPECT_EQ(colour::hexString(recorder.colours.back()), "000000");
    host->drag({knob(), {250, 120}, {400, 120}});
    EXPECT_DOUBLE_EQ(slider->currentValue(), 1);
    EXPECT_EQ(colour::hexString(recorder.colours.back()), "FFFFFF");
    EXPECT_GT(valueChanged, 0);
    EXPECT_EQ(editingEnded, 2);
}

TEST_F(SliderTest, ATouchBesideTheKnobDoesNotMoveIt) {
    const double before = slider->handleCenterX();
    host->drag({{knob().x + 60, 120}, {knob().x + 100, 120}});
    EXPECT_DOUBLE_EQ(slider->handleCenterX(), before);
    EXPECT_EQ(valueChanged, 0);
}

TEST_F(SliderTest, PrimaryColourReachesTheDelegateOnlyOffCentre) {
    slider->setPrimaryColor(kit::Color::blueColor());
    EXPECT_TRUE(recorder.colours.empty());
    slider->setCurrentValue(0.5);
    slider->setPrimaryColor(kit::Color::redColor());
    ASSERT_EQ(recorder.colours.size(), 1u);
    EXPECT_EQ(recorder.colours[0], colour::blendColors(kit::Color::redColor(), kit::Color::whiteColor(), 0.5));
    const auto& stops = *slider->trackLayer()->gradient()->colors();
    EXPECT_NEAR(stops[0].red(), 0.35, 1e-9);
    EXPECT_EQ(stops[1], kit::Color::redColor());
    EXPECT_NEAR(stops[2].green(), 0.65, 1e-9);
}

TEST_F(SliderTest, DoubleTapOnTheKnobResetsAndReportsThePrimary) {
    slider->setCurrentValue(0.5);
    slider->placeHandleForValue();
    host->advance(1);
    host->doubleTap({knob().x + 100, 120});  // away from the knob: nothing
    EXPECT_DOUBLE_EQ(slider->currentValue(), 0.5);
    host->advance(1);
    recorder.colours.clear();
    host->doubleTap(knob());
    EXPECT_DOUBLE_EQ(slider->currentValue(), 0);
    ASSERT_FALSE(recorder.colours.empty());
    EXPECT_EQ(recorder.colours.back(), kit::Color::redColor());
}

// A 300 x 500 wheel at (0, 100): centre (150, 350) in the window, touch area y 200 ... 500.
struct PickerTest : WheelControls {
    std::shared_ptr<wheels::DCW> wheel;
    int posts = 0;
    kit::ObserverToken token;
    void SetUp() override {
        WheelControls::SetUp();
        wheel = kit::make<wheels::DCW>(kit::Rect{0, 100, 300, 500});
        token = kit::NotificationCenter::defaultCenter().addObserver(wheels::moveAllNotification, nullptr,
                                                                    [this](const kit::Notification&) { ++posts; });
        show(wheel);
    }
    void TearDown() override {
        kit::NotificationCenter::defaultCenter().removeObserver(token);
        WheelControls::TearDown();
    }
};

TEST_F(PickerTest, TouchDirectionsGiveCounterClockwiseAngles) {
    const struct {
        kit::Point p;
        float angle;
    } cases[] = {{{250, 250}, 0}, {{150, 150}, float(kPi / 2)}, {{50, 250}, float(kPi)}, {{150, 350}, float(3 * kPi / 2)}};
    // Single precision: straight right may come out a hair below a full turn, which is the same place.
    for (const auto& c : cases) EXPECT_NEAR(std::remainder(wheel->angleOfPoint(c.p) - c.angle, 2 * kPi), 0, 1e-5);
    const float belowRight = wheel->angleOfPoint({200, 300});
    EXPECT_GT(belowRight, 3 * kPi / 2);
    EXPECT_LT(belowRight, 2 * kPi);
    const double r = wheel->trackRadius();
    EXPECT_NEAR(wheel->pointOnRing(0).x, 150 + r, 1e-4);
    EXPECT_NEAR(wheel->pointOnRing(float(kPi / 2)).y, 250 - r, 1e-4);
}

TEST_F(PickerTest, DraggingInTheTouchAreaMovesTheHandleAndPostsMoveAll) {
    host->drag({{250, 350}, {240, 330}, {150, 250 - 100}, {150, 200}});  // end straight above the centre
    EXPECT_NEAR(wheel->currentAngle(), kPi / 2, 1e-4);
    EXPECT_NEAR(wheel->hueAngle(), 0.25, 1e-5);
    EXPECT_GT(posts, 0);
    EXPECT_EQ(wheel->hexLabel()->text(), "#" + colour::hexString(wheel->currentColor()));
    // A drag that starts above the middle three fifths leaves the handle alone.
    const int before = posts;
    host->drag({{150, 130}, {260, 350}, {280, 360}});
    EXPECT_EQ(posts, before);
    EXPECT_NEAR(wheel->currentAngle(), kPi / 2, 1e-4);
}

TEST_F(PickerTest, ApplyColorMapsSaturationAndBrightnessToTheShadeValue) {
    const struct {
        double s, b, value;
    } cases[] = {{1, 1, 0}, {0.3, 1, 0.7}, {1, 0.4, -0.6}, {0.5, 0.5, 0}};
    for (const auto& c : cases) {
        wheel->applyColor(kit::Color::hsb(0.5, c.s, c.b));
        EXPECT_NEAR(wheel->shadeSlider()->currentValue(), c.value, 1e-9) << c.s << " " << c.b;
        EXPECT_NEAR(wheel->currentAngle(), kPi, 1e-5);
    }
    EXPECT_EQ(wheel->shadeSlider()->primaryColor(), kit::Color::hsb(0.5, 0.5, 0.5));
    const auto cyan = wheel->colorForAngle(float(kPi));
    EXPECT_NEAR(wheel->hueAngle(), 0.5, 1e-6);
    EXPECT_NEAR(cyan.red(), 0, 1e-6);
    EXPECT_NEAR(cyan.green(), 1, 1e-6);
    EXPECT_NEAR(cyan.blue(), 1, 1e-6);
}

TEST_F(PickerTest, GreyAndBackRestoresTheHue) {
    wheel->setCurrentAngle(float(kPi / 3));
    wheel->moveHandle(std::nullopt);
    const auto hue = wheel->handleView()->color();
    wheel->colorToggleButton()->sendActions(kit::ControlEvent::touchUpInside);
    EXPECT_EQ(wheel->currentColor(), kit::Color::rgba(0.5, 0.5, 0.5));
    const auto kept = *wheel->colorToggleButton()->hueColorGradientLayer()->colors();
    EXPECT_EQ(kept[0], hue);
    EXPECT_EQ(kept[1], colour::blendColors(hue, kit::Color::blackColor(), 0.25));
    wheel->colorToggleButton()->sendActions(kit::ControlEvent::touchUpInside);
    EXPECT_EQ(wheel->currentColor(), hue);
    EXPECT_NEAR(wheel->currentAngle(), kPi / 3, 1e-5);
}

TEST_F(PickerTest, CompanionsDrawNoRingAndClassicRingStartsAtPainterRed) {
    // The ring of the first wheel sits between radius - padding - stroke and radius - padding.
    const double mid = (wheel->ringOuterRadius() + wheel->ringInnerRadius()) / 2;
    wheel->setCurrentAngle(float(kPi));  // the handle and its line out of the way
    wheel->moveHandle(std::nullopt);
    auto image = wheel->snapshot(1);
    const auto digitalRed = image.pixelRGBA(int(150 + mid), 250);
    EXPECT_GT(digitalRed[0], 200);
    EXPECT_LT(digitalRed[1], 60);
    wheel->setIsClassic(true);
    const auto classic = wheel->snapshot(1).pixelRGBA(int(150 + mid), 250);
    const auto painterRed = colour::ryb(0, 1, 1);
    EXPECT_NEAR(classic[0] / 255.0, painterRed.red(), 0.05);
    EXPECT_NEAR(classic[1] / 255.0, painterRed.green(), 0.05);
    wheel->setIsFirstDCW(false);
    EXPECT_EQ(wheel->snapshot(1).pixelRGBA(int(150 + mid), 250)[3], 0);
}

TEST(HueRing, WedgesCloseTheRingAllRound) {
    auto image = kit::Image::make(200, 200);
    kit::Context context(*image);
    context.translate(100, 100);
    wheels::paintHueRing(context, 90, 80, 1.0f, false);
    // The strokes close the hairlines between wedges: every degree at mid radius is opaque.
    for (int d = 0; d < 360; ++d) {
        const double a = d * kPi / 180;
        const auto px = image->pixelRGBA(int(100 + 85 * std::cos(a)), int(100 - 85 * std::sin(a)));
        ASSERT_GE(px[3], 240) << d;
    }
}

} // namespace
