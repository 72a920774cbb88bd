#include "app/AppFixture.h"

#include "app/settings/BackNavigation.h"
#include "app/ui/Alerts.h"
#include "app/ui/Toast.h"
#include "kit/base/Make.h"
#include "kit/host/Headless.h"
#include "kit/ui/Application.h"
#include "kit/ui/Button.h"
#include "kit/ui/Label.h"
#include "kit/ui/ViewController.h"
#include "kit/ui/Window.h"

#include <cstdlib>

namespace app {
namespace {

struct ToastFixture : AppFixture {
    std::unique_ptr<kit::host::Headless> host;
    void SetUp() override {
        kit::Application::resetShared();
        AppFixture::SetUp();
        Toast::install();
        host = std::make_unique<kit::host::Headless>(kit::DeviceProfile::phone());
        host->setRootViewController(kit::make<kit::ViewController>());
    }
    void TearDown() override {
        Toast::shared().bg()->removeFromSuperview();
        host.reset();
        Alerts::shared().setPresenter({});
        AppFixture::TearDown();
        kit::Application::resetShared();
    }
    kit::Rect panel() { return Toast::shared().bg()->frame(); }
};

TEST_F(ToastFixture, SitsNearTheBottomOrTheTopOfTheKeyWindow) {
    Alerts::shared().showToast("Copied to clipboard");
    host->settle();
    EXPECT_EQ(Toast::shared().bg()->superview(), host->window());
    EXPECT_EQ(panel(), (kit::Rect{24, 812 - 24 - 70, 375 - 48, 70}));
    EXPECT_EQ(Toast::shared().lbl()->text(), "Copied to clipboard");

    Alerts::shared().showToast("Image has been saved", true);
    host->settle();
    EXPECT_EQ(panel(), (kit::Rect{15, 44 + 1 + 40 + 6, 375 - 30, 70}));
    auto label = Toast::shared().lbl()->frame();
    EXPECT_EQ(label.x(), 4);
    EXPECT_EQ(label.width(), 375 - 30 - 8);
    EXPECT_NEAR(label.midY(), 35, 0.5);
}

TEST_F(ToastFixture, AtTheTopItStandsClearOfTheBackButtonInEveryWindow) {
    const auto all = kit::DeviceProfile::all();
    auto devices = std::vector<kit::DeviceProfile>(all.begin(), all.end());
    devices.push_back(*kit::DeviceProfile::named("1280x800"));
    devices.push_back(*kit::DeviceProfile::named("900x700"));
    for (const auto& device : devices) {
        SCOPED_TRACE(device.name);
        host = std::make_unique<kit::host::Headless>(device);
        auto screen = kit::make<kit::ViewController>();
        host->setRootViewController(screen);
        screen->view()->setBackgroundColor(kit::Color::gray(0.5));  // the white button and the dark panel show in the picture
        auto back = addBackButton(*screen->view());
        Alerts::shared().showToast("Image has been saved to /home/anna/Pictures/Tinctura/tinctura-1.png", true);
        host->settle();
        const auto button = back->convertRectTo(back->bounds(), host->window().get());
        EXPECT_FALSE(panel().intersects(button)) << "toast " << panel().y() << ", button bottom " << button.maxY();
        EXPECT_LE(panel().y(), button.maxY() + 10);  // still at the top, right under the bar
        // The button still takes the tap: nothing of the toast lies over it.
        EXPECT_EQ(host->window()->hitTest(button.center(), nullptr), back);
        if (const char* dir = std::getenv("TINCTURA_SCREENSHOT_DIR"))
            host->screenshot(std::string(dir) + "/toast-top-" + device.name + ".png");
    }
}

TEST_F(ToastFixture, ANewToastReplacesTheOldOneAndStaysAFullSecondAndAHalf) {
    Alerts::shared().showToast("first");
    host->advance(0.5);
    Alerts::shared().showToast("second");
    host->advance(1.2);  // 1.7 s after the first: the first one's timer must not remove the second
    EXPECT_TRUE(Toast::shared().isShowing());
    EXPECT_EQ(Toast::shared().lbl()->text(), "second");
    host->advance(0.35);
    EXPECT_FALSE(Toast::shared().isShowing());
}

TEST_F(ToastFixture, LongTextWrapsInsideThePanel) {
    Alerts::shared().showToast("Combination has been saved in \"Color Combinations > Saved\".");
    host->settle();
    auto label = Toast::shared().lbl()->frame();
    EXPECT_GT(label.height(), 25);
    EXPECT_LE(label.height(), 70);
    EXPECT_LE(label.width(), panel().width() - 8);
}

TEST_F(ToastFixture, ALongPathGrowsThePanelSoThatEveryLineStaysInside) {
    const std::string path = "/home/anna-maria/Documents/Paintings/Studies in colour/Tinctura exports/tinctura-private-data-2026-12-11-065202.json";
    for (bool atTop : {false, true}) {
        SCOPED_TRACE(atTop ? "top" : "bottom");
        Alerts::shared().showToast("Saved to " + path, atTop);
        host->settle();
        const auto& label = *Toast::shared().lbl();
        const auto inside = label.frame();
        EXPECT_GE(inside.y(), 8);
        EXPECT_LE(inside.maxY(), panel().height() - 8);
        EXPECT_GE(inside.height(), label.heightForWidth(inside.width()).value_or(0));
        EXPECT_GT(panel().height(), 70);
        if (atTop) EXPECT_EQ(panel().y(), 44 + 1 + 40 + 6);
        else EXPECT_EQ(panel().maxY(), 812 - 24);
        if (const char* dir = std::getenv("TINCTURA_SCREENSHOT_DIR"))
            host->screenshot(std::string(dir) + "/toast-long-path-" + (atTop ? "top" : "bottom") + ".png");
    }
}

TEST_F(ToastFixture, WithoutAKeyWindowNothingIsShownAndTheOldToastGoes) {
    Alerts::shared().showToast("first");
    host->settle();
    kit::Application::shared().removeWindow(host->window());
    Alerts::shared().showToast("second");
    EXPECT_FALSE(Toast::shared().isShowing());
    EXPECT_EQ(Alerts::shared().lastToastText(), "second");
}

} // namespace
} // namespace app
