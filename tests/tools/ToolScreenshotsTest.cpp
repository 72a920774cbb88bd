// Every tool screen opens on every device with its content inside the window; pictures of them are
// written when TINCTURA_SCREENSHOT_DIR is set.
#include "ToolScreensFixture.h"

#include "kit/ui/Button.h"
#include "kit/ui/View.h"
#include "kit/ui/Window.h"
#include "tools/LightVC.h"

namespace {

struct ToolScreenshots : ToolScreensFixture, ::testing::WithParamInterface<const char*> {};

TEST_P(ToolScreenshots, OpensOnEveryDevice) {
    for (const auto& device : kit::DeviceProfile::all()) {
        if (host) host->advance(2);  // lets the last device's pending saves run out first
        host.reset();
        auto screen = push<kit::ViewController>(GetParam(), device, [](kit::ViewController& s) {
            if (auto light = dynamic_cast<tools::LightVC*>(&s))
                light->colorsArray = {kit::Color::rgba(0.9, 0.3, 0.2), kit::Color::rgba(0.2, 0.5, 0.9), kit::Color::whiteColor()};
        });
        const auto window = host->window()->bounds();
        for (const auto& v : screen->view()->subviews()) {
            if (v->isHidden()) continue;
            const auto f = v->convertRectTo(v->bounds(), nullptr);
            EXPECT_GE(f.origin.x, -0.5) << GetParam() << " on " << device.name;
            EXPECT_LE(f.origin.x + f.size.width, window.size.width + 0.5) << GetParam() << " on " << device.name;
        }
        screenshot(std::string(GetParam()) + "-" + device.name);
    }
}

struct ToolScreensLeave : ToolScreensFixture, ::testing::WithParamInterface<const char*> {
    static std::shared_ptr<kit::Button> backButton(kit::View& root) {
        for (const auto& v : root.subviews())
            if (v->accessibilityIdentifier() == "back-btn") return std::dynamic_pointer_cast<kit::Button>(v);
        return nullptr;
    }
};

TEST_P(ToolScreensLeave, ByTheBackButtonWithAHapticAndByAnEdgeSwipeWithout) {
    auto screen = push<kit::ViewController>(GetParam());
    auto back = backButton(*screen->view());
    ASSERT_TRUE(back);
    const auto before = haptics();
    back->sendActions(kit::ControlEvent::touchUpInside);
    host->advance(1);
    EXPECT_EQ(nav->viewControllers().size(), 1u);
    EXPECT_EQ(haptics(), before + 1);

    push<kit::ViewController>(GetParam());
    host->swipeRight({4, 500});
    host->advance(1);
    EXPECT_EQ(nav->viewControllers().size(), 1u);
    EXPECT_EQ(haptics(), before + 1);
}

INSTANTIATE_TEST_SUITE_P(Screens, ToolScreenshots,
                         ::testing::Values("ColorMixingVC", "LightVC", "ContrastRatioVC", "ColorGroupVC", "LedVC"));
INSTANTIATE_TEST_SUITE_P(Screens, ToolScreensLeave,
                         ::testing::Values("ColorMixingVC", "LightVC", "ContrastRatioVC", "ColorGroupVC"));

} // namespace
