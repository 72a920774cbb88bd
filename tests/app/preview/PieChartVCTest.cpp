// The chart preview on a headless phone: one equal slice per colour, the colour buttons that copy,
// the entry-label switch, and the two ways back.
#include "app/AppFixture.h"
#include "ScreenLayoutCheck.h"
#include "app/SavedData.h"
#include "app/preview/PieChartVC.h"
#include "app/preview/PreviewScreens.h"
#include "charting/pie_radar/PieChartDataEntry.h"
#include "charting/pie_radar/PieChartView.h"
#include "kit/base/Make.h"
#include "kit/host/Headless.h"
#include "kit/ui/Application.h"
#include "kit/ui/Button.h"
#include "kit/ui/Label.h"
#include "kit/ui/NavigationController.h"
#include "kit/ui/Pasteboard.h"
#include "kit/store/Defaults.h"
#include "kit/ui/Storyboard.h"
#include "kit/ui/Switch.h"
#include "kit/ui/Window.h"
#include "tools/ToolOverlays.h"

#include <cstdlib>

namespace {

using app::PieChartVC;

const kit::Color teal = kit::Color::rgba(0x11 / 255.0, 0x88 / 255.0, 0x99 / 255.0);
const kit::Color plum = kit::Color::rgba(0x66 / 255.0, 0x22 / 255.0, 0x55 / 255.0);
const kit::Color sand = kit::Color::rgba(0xDD / 255.0, 0xCC / 255.0, 0x99 / 255.0);

struct PreviewScreen : AppFixture {
    std::unique_ptr<kit::host::Headless> host;
    std::shared_ptr<kit::NavigationController> nav;

    void SetUp() override {
        kit::Application::resetShared();
        AppFixture::SetUp();
        app::registerPreviewScreens(*kit::Storyboard::named("Main"));
    }
    void TearDown() override {
        tools::setChartPreviewSetup({});
        nav.reset();
        host.reset();
        AppFixture::TearDown();
        kit::Application::resetShared();
    }
    std::shared_ptr<PieChartVC> open(std::vector<kit::Color> colors, bool withoutLabels = false,
                                     const kit::DeviceProfile& device = kit::DeviceProfile::phone()) {
        host = std::make_unique<kit::host::Headless>(device);
        nav = kit::make<kit::NavigationController>(kit::make<kit::ViewController>());
        host->setRootViewController(nav);
        auto screen = kit::Storyboard::named("Main")->instantiateViewController("PieChartVC");
        EXPECT_TRUE(tools::setUpChartPreview(*screen, colors, withoutLabels));
        nav->pushViewController(screen, false);
        host->advance(1);
        return std::dynamic_pointer_cast<PieChartVC>(screen);
    }
    void screenshot(const std::string& name) {
        if (const char* dir = std::getenv("TINCTURA_SCREENSHOT_DIR")) host->screenshot(std::string(dir) + "/" + name + ".png");
    }
};

TEST_F(PreviewScreen, OneEqualSlicePerColourAndButtonsInTheirColours) {
    auto screen = open({teal, plum});
    ASSERT_TRUE(screen);
    screenshot("pie-preview-two");
    const auto& chart = *screen->pieChart();
    EXPECT_EQ(chart.drawAngles(), (std::vector<double>{180, 180}));
    EXPECT_EQ(chart.rotationAngle(), 270);
    EXPECT_FALSE(chart.isDrawHoleEnabled());
    EXPECT_FALSE(chart.isDrawEntryLabelsEnabled());
    EXPECT_FALSE(chart.legend()->isEnabled());
    const auto set = chart.data()->dataSets().front();
    EXPECT_FALSE(set->isDrawValuesEnabled());
    EXPECT_EQ(set->colors(), (std::vector<kit::Color>{teal, plum}));
    const auto label = dynamic_cast<const charting::PieChartDataEntry&>(*set->entryForIndex(1)).label();
    EXPECT_EQ(label, "#662255");

    EXPECT_EQ(screen->colorLbl(1)->currentTitle(), "118899");
    EXPECT_EQ(screen->colorLbl(2)->currentTitle(), "662255");
    EXPECT_EQ(screen->colorLbl(1)->titleColorForState(kit::ControlState::normal), teal);
    EXPECT_FALSE(screen->colorLbl(3)->currentTitle());

    // The pie is drawn in the screen's colours: sample just right of the top and left of the bottom.
    const kit::Image shot = host->render(1);
    const kit::Rect box = chart.convertRectTo(chart.circleBox(), nullptr);
    const auto pixel = [&](double x, double y) { return shot.colorAt(static_cast<int>(x), static_cast<int>(y)); };
    EXPECT_EQ(pixel(box.midX() + 20, box.minY() + 20), teal);
    EXPECT_EQ(pixel(box.midX() - 20, box.maxY() - 20), plum);

    // Buttons past the colours copy nothing.
    kit::Pasteboard::general().setString("untouched");
    host->tap(screen->colorLbl(3));
    EXPECT_EQ(kit::Pasteboard::general().string(), "untouched");
    host->tap(screen->colorLbl(2));
    EXPECT_EQ(kit::Pasteboard::general().string(), "#662255");
}

TEST_F(PreviewScreen, OneColourIsAFullDiscWithABlackCode) {
    auto screen = open({sand});
    EXPECT_EQ(screen->pieChart()->drawAngles(), (std::vector<double>{360}));
    EXPECT_EQ(screen->colorLbl(1)->currentTitle(), "DDCC99");
    EXPECT_EQ(screen->colorLbl(1)->titleColorForState(kit::ControlState::normal), kit::Color::blackColor());
}

TEST_F(PreviewScreen, TheSwitchShowsTheCodesOnTheSlices) {
    auto screen = open({teal, plum, sand});
    EXPECT_FALSE(screen->labelSwitch()->isHidden());
    EXPECT_FALSE(screen->labelSwitch()->isOn());
    const auto before = haptics();
    host->tap(screen->labelSwitch());
    EXPECT_TRUE(screen->labelSwitch()->isOn());
    EXPECT_TRUE(screen->pieChart()->isDrawEntryLabelsEnabled());
    EXPECT_EQ(haptics(), before + 1);
    screenshot("pie-preview-labels");
    host->tap(screen->labelSwitch());
    EXPECT_FALSE(screen->pieChart()->isDrawEntryLabelsEnabled());
}

TEST_F(PreviewScreen, WithoutLabelsHidesTheSwitchAndCaption) {
    auto screen = open({teal, plum}, true);
    EXPECT_TRUE(screen->labelSwitch()->isHidden());
    EXPECT_TRUE(screen->labelText()->isHidden());
}

TEST_F(PreviewScreen, BackButtonTapsAndSwipeDoesNot) {
    auto screen = open({teal});
    auto before = haptics();
    host->tap(screen->backBtn());
    host->advance(1);
    EXPECT_EQ(nav->viewControllers().size(), 1u);
    EXPECT_EQ(haptics(), before + 1);

    // Appearing again does not add a second swipe recogniser: one swipe pops one screen.
    auto again = open({teal, plum});
    nav->pushViewController(kit::make<kit::ViewController>(), false);
    host->advance(1);
    nav->popViewController(false);
    host->advance(1);
    before = haptics();
    host->swipeRight({2, 400});
    host->advance(1);
    EXPECT_EQ(nav->viewControllers().size(), 1u);
    EXPECT_EQ(haptics(), before);
}

// The codes under the pie stay on screen, above the home indicator and whole, at every height the
// colour-code format gives their row (hex, HSL, CMYK).
TEST_F(PreviewScreen, CodesFitOnEveryDeviceAndRowHeight) {
    for (const auto& device : kit::DeviceProfile::all())
        for (int format : {0, 3, 2}) {
            kit::Defaults::standard().set(format, app::Keys::colorFormat);
            open({teal, plum, sand, kit::Color::rgba(0.3, 0.7, 0.4)}, false, device);
            const auto findings = screenLayoutCheck(*host->window(), device).run();
            EXPECT_TRUE(findings.empty()) << device.name << ", format " << format << ":\n" << layoutcheck::describe(findings);
        }
}

} // namespace
