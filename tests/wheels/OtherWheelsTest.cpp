// The twelve-sector wheel, the abstract-art wheel with its result screen and the custom-hue screen.
#include "WheelsFixture.h"

#include "app/ui/Strings.h"
#include "colour/ColorCodeText.h"
#include "colour/HexText.h"
#include "colour/ThemeColors.h"
#include "kit/store/Defaults.h"
#include "kit/ui/Pasteboard.h"
#include "wheels/digital/DcwEditCcVC.h"
#include "wheels/digital/DcwVC.h"
#include "wheels/other/CcwVC.h"
#include "wheels/other/HueVC.h"
#include "wheels/other/ZelVC.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <tuple>

namespace {

using wheels::ClassicCwColors;

TEST(ClassicWheel, SnapTablesAtTheirLimits) {
    struct Case {
        double angle;
        std::optional<ClassicCwColors> sector;
        double snap;
    } cases[] = {
        {0.21, ClassicCwColors::blue_violet, 0},   {0.2100001, ClassicCwColors::violet, 0.51},
        {std::numbers::pi / 2, ClassicCwColors::red, 1.58}, {1.58, ClassicCwColors::red, 1.58},
        {2.86, ClassicCwColors::orange, 2.6},      {3.0, ClassicCwColors::yellow_orange, 3.12},
        // Beyond 3.14 up to pi the overlay and the colours stay together on yellow-orange.
        {std::numbers::pi, ClassicCwColors::yellow_orange, 3.12},
        {-0.21, ClassicCwColors::blue_violet, 0},  {-0.5, ClassicCwColors::blue, -0.51},
        {-1.58, ClassicCwColors::green, -1.58},    {-2.6, ClassicCwColors::yellow, -2.6},
        {-std::numbers::pi, ClassicCwColors::yellow_orange, -3.12},
    };
    for (const auto& c : cases) {
        const auto snap = c.angle > 0 ? wheels::snapPositiveAngle(c.angle) : wheels::snapNegativeAngle(c.angle);
        EXPECT_EQ(snap.sector, c.sector) << c.angle;
        EXPECT_DOUBLE_EQ(snap.angle, c.snap) << c.angle;
    }
    EXPECT_FALSE(wheels::snapPositiveAngle(0).sector);
}

TEST(ClassicWheel, HarmonySectorsAndRawValues) {
    using S = ClassicCwColors;
    const auto triad = wheels::harmonySectors(wheels::CCWMode::triad, S::red);
    EXPECT_EQ(triad, (std::array<S, 4>{S::violet, S::orange, S::green, S::white}));  // not red itself
    EXPECT_EQ(wheels::harmonySectors(wheels::CCWMode::complementary, S::yellow),
              (std::array<S, 4>{S::yellow, S::violet, S::white, S::white}));
    EXPECT_EQ(wheels::harmonySectors(wheels::CCWMode::tetradic, S::red),
              (std::array<S, 4>{S::red_violet, S::red_orange, S::yellow_green, S::blue_green}));
    EXPECT_EQ(wheels::rawValue(S::red), 1);
    EXPECT_EQ(wheels::rawValue(S::white), 0);
    EXPECT_EQ(wheels::classicCwColorFromRaw(12), S::red_violet);
    EXPECT_FALSE(wheels::classicCwColorFromRaw(13));
}

struct OtherWheels : WheelsFixture {};

TEST_F(OtherWheels, TwelveSectorWheelTurnsSettlesAndHandsColoursToTheEditor) {
    auto screen = pushScene<wheels::CcwVC>("ClassicColorWheelVC");
    const auto c = centreOf(*screen->spinningCircleImg());
    const double r = screen->spinningCircleImg()->bounds().width() * 0.35;
    // The finger ends to the right of the top (angle about 2.3 rad): red-orange.
    const double a = 2.3;
    host->drag({{c.x, c.y - r}, {c.x - r * std::cos(a - 0.2), c.y - r * std::sin(a - 0.2)},
                {c.x - r * std::cos(a), c.y - r * std::sin(a)}});
    EXPECT_NEAR(screen->endAngle, a, 1e-3);
    EXPECT_EQ(screen->colorNow, ClassicCwColors::red);  // not while turning
    host->advance(0.5);
    EXPECT_EQ(screen->colorNow, ClassicCwColors::red);
    host->advance(0.2);
    EXPECT_EQ(screen->colorNow, ClassicCwColors::red_orange);
    EXPECT_EQ(colour::hexString(screen->colors[0]), "F4550F");  // complementary: red-orange and blue-green
    EXPECT_EQ(colour::hexString(screen->colors[1]), "2CA49C");
    host->advance(1.2);
    EXPECT_NEAR(std::atan2(screen->spinningCircleImg()->transform().b, screen->spinningCircleImg()->transform().a),
                2.08 - std::numbers::pi / 2, 1e-9);
    host->tap(screen->editCCBtn());
    host->advance(1);
    auto editor = std::dynamic_pointer_cast<wheels::DcwEditCcVC>(nav()->topViewController());
    ASSERT_TRUE(editor);
    EXPECT_EQ(*editor->numberOfColors, 2);
    EXPECT_EQ(editor->color(3), kit::Color::whiteColor().withAlpha(1));
}

TEST_F(OtherWheels, TwelveSectorModeMenuKeepsTheSectorAndClosesTheInfo) {
    auto screen = pushScene<wheels::CcwVC>("ClassicColorWheelVC");
    host->tap(screen->infoBtn());
    EXPECT_TRUE(screen->infoView());
    host->tap(screen->modeNowBtn());
    EXPECT_FALSE(screen->infoView());
    std::shared_ptr<kit::Button> triad;
    for (const auto& b : screen->modeNowMenuStack()->arrangedSubviews())
        if (b->accessibilityIdentifier() == "Triad") triad = std::dynamic_pointer_cast<kit::Button>(b);
    ASSERT_TRUE(triad);
    host->tap(triad);
    EXPECT_EQ(screen->modeNow, wheels::CCWMode::triad);
    EXPECT_TRUE(screen->menuStackView()->isHidden());
    EXPECT_EQ(colour::hexString(screen->colors[0]), "841DAB");  // violet, orange, green from red
    EXPECT_EQ(colour::hexString(screen->colors[2]), "06960E");
}

TEST(AbstractWheel, SchemeWrapsRoundTheTenHues) {
    EXPECT_EQ(wheels::abstractScheme(10), (std::array<int, 4>{10, 5, 3, 7}));
    EXPECT_STREQ(wheels::abstractHueAsset(wheels::abstractScheme(10)[1]), "green");
    EXPECT_EQ(wheels::abstractScheme(1), (std::array<int, 4>{1, 6, 4, 8}));
}

TEST_F(OtherWheels, AbstractTipUntilOkAndResultByTag) {
    auto screen = pushScene<wheels::ZelVC>("ZelVC");
    host->advance(0.5);
    ASSERT_TRUE(host->presentedAlert());
    EXPECT_EQ(host->presentedAlert()->title(), app::Strings::text("Tip"));
    host->answerAlert(app::Strings::text("OK"));
    host->advance(0.5);
    EXPECT_TRUE(kit::Defaults::standard().boolean(app::Keys::hideAbstractTip));
    host->tap(screen->hueButton(10));
    host->advance(1);
    auto result = std::dynamic_pointer_cast<wheels::ZelCcVC>(nav()->topViewController());
    ASSERT_TRUE(result);
    EXPECT_EQ(result->colorTag, 10);
    EXPECT_EQ(result->mainColorBtn()->currentTitle(), app::Strings::text("Main"));
    EXPECT_TRUE(result->focalPointColorBtn()->backgroundImageForState(kit::ControlState::normal));
    // A tag outside 1...10 leaves the titles without swatches.
    nav()->popViewController(false);
    host->advance(0.5);
    EXPECT_FALSE(host->presentedAlert());  // the tip stays away once dismissed
    auto bare = kit::make<wheels::ZelCcVC>();
    bare->colorTag = 0;
    nav()->pushViewController(bare, false);
    host->advance(0.5);
    EXPECT_EQ(bare->accentColorTwoBtn()->currentTitle(), app::Strings::text("Minor accent 2"));
    EXPECT_FALSE(bare->accentColorTwoBtn()->backgroundImageForState(kit::ControlState::normal));
}

struct HueScreen : WheelsFixture {
    std::shared_ptr<wheels::HueVC> screen;
    void SetUp() override {
        WheelsFixture::SetUp();
        screen = pushScene<wheels::HueVC>("HueVC");
    }
    // A point of the disc at a fraction of its radius and an angle (counter-clockwise from 3 o'clock).
    kit::Point onDisc(double fraction, double angle) const {
        const auto b = screen->imageView()->bounds();
        const double r = std::min(b.width(), b.height()) / 2 * fraction;  // the disc is fitted in
        return {b.midX() + r * std::cos(angle), b.midY() - r * std::sin(angle)};
    }
    kit::Point inWindow(kit::Point p) const { return screen->imageView()->convertPointTo(p, nullptr); }
};

TEST_F(HueScreen, TouchesPickDiscColoursAndIgnoreCornersAndDarkPixels) {
    const auto b = screen->imageView()->bounds();
    host->tap(inWindow({b.width() - 2, b.height() - 2}));  // a transparent corner beside the disc
    screen->applyPickedColor(kit::Color::rgba(0.3, 0.2, 0.1), {10, 10});  // brightness 0.3
    screen->applyPickedColor(kit::Color::whiteColor(), {10, 10});
    screen->applyPickedColor(colour::screenBackgroundColor(), {10, 10});
    EXPECT_FALSE(screen->isAnyColorSelected);
    host->tap(screen->addBtn());  // nothing picked yet: no haptic, no new slot
    EXPECT_EQ(screen->numberOfColors, 1);
    EXPECT_EQ(haptics(), 0u);

    host->tap(inWindow(onDisc(0.9, 0)));  // near the rim on the right: a strong red
    ASSERT_TRUE(screen->isAnyColorSelected);
    EXPECT_GT(screen->colors[0].red(), 0.9);
    EXPECT_LT(screen->colors[0].green(), 0.2);
    EXPECT_EQ(screen->colors[1], screen->colors[0]);  // the next slot starts with the same colour
    EXPECT_TRUE(screen->circle(1)->superview());
    EXPECT_FALSE(screen->openDcwBtn()->isHidden());
    EXPECT_TRUE(screen->instructionText()->isHidden());
}

// A picked place stays marked on the disc, wherever a resized window puts the disc.
TEST_F(HueScreen, MarkersStayOnThePickedPlacesWhenTheWindowIsResized) {
    host->tap(inWindow(onDisc(0.9, 0)));
    host->tap(screen->addBtn());
    host->tap(inWindow(onDisc(0.5, std::numbers::pi * 2 / 3)));
    for (kit::Size size : {kit::Size{480, 720}, kit::Size{1280, 800}, kit::Size{375, 667}}) {
        host->resizeWindow(size);
        host->advance(0.5);
        for (auto [n, fraction, angle] : {std::tuple{1, 0.9, 0.0}, std::tuple{2, 0.5, std::numbers::pi * 2 / 3}}) {
            const auto& marker = *screen->circle(n);
            const auto centre = marker.convertPointTo({marker.bounds().midX(), marker.bounds().midY()}, nullptr);
            const auto expected = inWindow(onDisc(fraction, angle));
            EXPECT_NEAR(centre.x, expected.x, 0.5) << "marker " << n << " at " << size.width << " x " << size.height;
            EXPECT_NEAR(centre.y, expected.y, 0.5) << "marker " << n << " at " << size.width << " x " << size.height;
        }
    }
}

// The disc as drawn on each device: its view 4 below the safe area's top, 20 in from the sides and
// half the height less 20 high, the disc as large as fits in it and centred; the Delete/Add row 8
// below the view. Measured on the rendered screen, through the disc's vertical diameter and then
// across its middle; on every device and in a wide desktop window.
TEST_F(WheelsFixture, HueDiscStandsWhereTheScreensGeometryPutsItOnEveryDevice) {
    const auto profiles = kit::DeviceProfile::all();
    std::vector<kit::DeviceProfile> devices(profiles.begin(), profiles.end());
    devices.push_back(kit::DeviceProfile::forWindow({1280, 800}, 2));
    for (const auto& device : devices) {
        auto screen = pushScene<wheels::HueVC>("HueVC", device);
        const kit::Rect b = device.bounds();
        const double top = device.safeAreaInsets().top + 4, height = b.height() * 0.5 - 20;
        const double side = std::min(b.width() - 40, height);
        const auto image = host->render(1);
        const auto lit = [&](int x, int y) {
            const auto c = image.colorAt(x, y);
            return std::max({c.red(), c.green(), c.blue()}) > 0.5;  // the disc is all full brightness
        };
        // The longest lit run along a line of pixels: first pixel and length.
        const auto longestRun = [](int count, const std::function<bool(int)>& on) {
            std::pair<int, int> best{0, 0};
            for (int i = 0, start = 0; i <= count; ++i) {
                if (i < count && on(i)) continue;
                if (i - start > best.second) best = {start, i - start};
                start = i + 1;
            }
            return best;
        };
        const int midX = int(b.midX());
        const auto [y0, tall] = longestRun(image.pixelHeight(), [&](int y) { return lit(midX, y); });
        const double centreY = y0 + tall / 2.0;
        const auto [x0, wide] = longestRun(image.pixelWidth(), [&](int x) { return lit(x, int(centreY)); });
        const kit::Rect row = screen->addBtn()->superview()->convertRectTo(screen->addBtn()->superview()->bounds(), nullptr);
        EXPECT_NEAR(tall, side, 1) << device.name;
        EXPECT_NEAR(wide, side, 1) << device.name;
        EXPECT_NEAR(centreY, top + height / 2, 1) << device.name;
        EXPECT_NEAR(x0 + wide / 2.0, b.midX(), 1) << device.name;
        EXPECT_NEAR(row.minY(), top + height + 8, 1) << device.name;
        std::string name = "hue_disc_" + device.name;
        std::replace(name.begin(), name.end(), ' ', '_');
        screenshot(name);
        host.reset();
    }
}

TEST_F(HueScreen, SlotsAddDeleteAndSaveAsSingleOrCombination) {
    host->tap(inWindow(onDisc(0.9, 0)));
    host->tap(screen->saveBtn());
    EXPECT_EQ(storedWithTag(*appDelegate, "colorPicker").size(), 1u);  // one slot: a single colour
    host->advance(2);
    host->tap(screen->addBtn());
    host->tap(inWindow(onDisc(0.9, std::numbers::pi * 2 / 3)));  // green
    host->tap(screen->addBtn());
    EXPECT_EQ(screen->numberOfColors, 3);
    EXPECT_TRUE(screen->clrBtn(2)->superview());  // labels for the two fixed colours
    EXPECT_EQ(screen->clrBtn(2)->currentTitle(), colour::colorCodeString(screen->colors[1]));
    const auto green = screen->colors[1];
    host->tap(screen->deleteBtn());
    EXPECT_EQ(screen->numberOfColors, 2);
    EXPECT_FALSE(screen->circle(3)->superview());
    host->tap(screen->addBtn());
    EXPECT_EQ(screen->colors[1], green);  // kept through delete and add
    host->tap(screen->saveBtn());
    const auto saved = storedWithTag(*appDelegate, "custom");
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0].numberOfColors(), 2);
    host->tap(screen->editCCBtn());
    host->advance(1);
    auto editor = std::dynamic_pointer_cast<wheels::DcwEditCcVC>(nav()->topViewController());
    ASSERT_TRUE(editor);
    EXPECT_EQ(*editor->numberOfColors, 2);
    EXPECT_EQ(editor->color(2), green);
}

TEST_F(HueScreen, FifthSlotIgnoresTouchesAndOpenInWheelUsesTheBuffer) {
    host->tap(inWindow(onDisc(0.9, 0)));
    const auto red = screen->colors[0];
    host->tap(screen->openDcwBtn());
    host->advance(1);
    auto wheel = std::dynamic_pointer_cast<wheels::DcwVC>(nav()->topViewController());
    ASSERT_TRUE(wheel);
    EXPECT_EQ(kit::Defaults::standard().string(app::Keys::lastColorMixing), colour::hexString(red));
    EXPECT_EQ(colour::hexString(wheel->colorInBuffer), colour::hexString(red));
    nav()->popViewController(false);
    host->advance(1);
    for (int i = 0; i < 4; ++i) host->tap(screen->addBtn());
    EXPECT_EQ(screen->numberOfColors, 5);
    const auto before = screen->colors;
    host->tap(inWindow(onDisc(0.9, std::numbers::pi)));
    EXPECT_EQ(screen->colors, before);
}

} // namespace
