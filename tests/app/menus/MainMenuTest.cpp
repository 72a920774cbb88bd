#include "app/AppFixture.h"

#include "app/menus/MainMenuSecondPageVC.h"
#include "app/menus/MainMenuVC.h"
#include "app/menus/MainStoryboard.h"
#include "kit/base/Make.h"
#include "kit/host/Headless.h"
#include "kit/ui/Application.h"
#include "kit/ui/Button.h"
#include "kit/ui/Label.h"
#include "kit/ui/NavigationController.h"
#include "kit/ui/StackView.h"
#include "kit/ui/Storyboard.h"
#include "kit/ui/Window.h"

namespace app {
namespace {

class Tool : public kit::ViewController {};

struct MenuFixture : AppFixture {
    std::unique_ptr<kit::host::Headless> host;
    std::shared_ptr<kit::NavigationController> nav;
    std::shared_ptr<MainMenuVC> menu;

    void SetUp() override {
        kit::Application::resetShared();
        AppFixture::SetUp();
        kit::Storyboard::named("Main")->clear();
        registerMainStoryboard();
    }
    void TearDown() override {
        MainMenuVC::setRatingCheck({});
        host.reset();
        kit::Storyboard::named("Main")->clear();
        AppFixture::TearDown();
        kit::Application::resetShared();
    }
    void show(kit::DeviceProfile profile = kit::DeviceProfile::phone()) {
        host = std::make_unique<kit::host::Headless>(profile);
        nav = std::dynamic_pointer_cast<kit::NavigationController>(
            kit::Storyboard::named("Main")->instantiateInitialViewController());
        host->setRootViewController(nav);
        menu = std::dynamic_pointer_cast<MainMenuVC>(nav->topViewController());
        ASSERT_NE(menu, nullptr);
    }
};

TEST_F(MenuFixture, FirstPageTilesAndTheirTitles) {
    show();
    const std::pair<std::weak_ptr<kit::Button>, std::string> tiles[] = {
        {menu->digitalColorWheel, "Digital Zovez Aziva"}, {menu->classicColorWheel, "Classic Zovez Aziva"},
        {menu->colorCombinations, "Color Combinations"},  {menu->swatches, "Swatches"},
        {menu->colorPicker, "Color Picker"},              {menu->imageColors, "Image Colors"},
        {menu->colorMixing, "Color Mixing"},              {menu->valueChecker, "AR Stencil"},
        {menu->grayscale, "More Tools..."},
    };
    for (const auto& [tile, title] : tiles) EXPECT_EQ(tile.lock()->titleForState(kit::ControlState::normal), title);
    // The tiles fill the column top to bottom without gaps.
    auto stack = menu->menuSV.lock();
    EXPECT_EQ(menu->digitalColorWheel.lock()->frame().minY(), 0);
    EXPECT_NEAR(menu->grayscale.lock()->frame().maxY(), stack->frame().height(), 0.01);
}

TEST_F(MenuFixture, MoreToolsOpensTheSecondPageLinedUpWithTheColumn) {
    show();
    host->tap(menu->grayscale.lock());
    auto page = std::dynamic_pointer_cast<MainMenuSecondPageVC>(nav->topViewController());
    ASSERT_NE(page, nullptr);
    auto stack = menu->menuSV.lock();
    double tile = menu->grayscale.lock()->frame().height();
    EXPECT_EQ(page->topPadding, stack->frame().minY());
    EXPECT_EQ(page->menuItemHeight, tile);
    EXPECT_NEAR(page->firstMenuItem()->frame().minY(), stack->frame().minY(), 0.01);
    EXPECT_NEAR(page->seventhMenuItem()->frame().maxY(), stack->frame().minY() + 7 * tile, 0.01);
    EXPECT_EQ(page->firstMenuItem()->frame().width(), 375);
    EXPECT_EQ(page->menuTitle()->text(), "Choose a tool");
    EXPECT_NEAR(page->menuTitle()->frame().maxY(), page->firstMenuItem()->frame().minY() - 17, 0.01);
    EXPECT_EQ(page->backButton()->frame(), (kit::Rect{0, 44 + 1, 45, 40}));
}

TEST_F(MenuFixture, SecondPageTilesFollowTheGivenGeometry) {
    show();
    auto page = kit::make<MainMenuSecondPageVC>();
    page->menuItemHeight = 60;
    page->topPadding = 180;
    nav->pushViewController(page, false);
    host->settle();
    EXPECT_EQ(page->firstMenuItem()->frame(), (kit::Rect{0, 180, 375, 60}));
    EXPECT_EQ(page->seventhMenuItem()->frame().maxY(), 600);
    const std::string titles[] = {"Non-Digital Zovez Aziva", "Value Checker", "Custom Hue", "Light",
                                  "Value Breaker",           "Contrast Ratio", "Color Group"};
    const std::shared_ptr<kit::Button> items[] = {page->firstMenuItem(), page->secondMenuItem(), page->thirdMenuItem(),
                                                  page->fourthMenuItem(), page->fifthMenuItem(), page->sixthMenuItem(),
                                                  page->seventhMenuItem()};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(items[i]->titleForState(kit::ControlState::normal), titles[i]);
}

TEST_F(MenuFixture, TilesOpenRegisteredScreensAndOthersDoNothing) {
    show();
    kit::Storyboard::named("Main")->registerScene(scene::arStencil, {}); // as if none were registered
    host->tap(menu->valueChecker.lock()); // the AR stencil tile
    EXPECT_EQ(nav->topViewController(), menu) << "no AR stencil screen registered";

    auto board = kit::Storyboard::named("Main");
    board->registerScene(scene::arStencil, [] { return kit::make<Tool>(); });
    board->registerScene(scene::zel, [] { return kit::make<Tool>(); });
    host->tap(menu->valueChecker.lock()); // the AR stencil tile
    EXPECT_NE(std::dynamic_pointer_cast<Tool>(nav->topViewController()), nullptr);
    nav->popViewController(false);
    host->tap(menu->abstractColorWheel.lock());
    EXPECT_NE(std::dynamic_pointer_cast<Tool>(nav->topViewController()), nullptr) << "segue to the abstract wheel";
}

TEST_F(MenuFixture, SettingsSegueGivesAHapticAndReturningEnablesTheIdleTimer) {
    show();
    kit::Storyboard::named("Main")->registerScene(scene::settings, [] { return kit::make<Tool>(); });
    kit::Storyboard::named("Main")->registerScene(scene::light, [] { return kit::make<Tool>(); });
    host->tap(menu->settingsButton.lock());
    EXPECT_EQ(haptics(), 1u);
    kit::Application::shared().setIdleTimerDisabled(true);
    nav->popViewController(false);
    EXPECT_FALSE(kit::Application::shared().isIdleTimerDisabled());

    // The second page's tiles act on touch-down; its back button pops with a haptic.
    host->tap(menu->grayscale.lock());
    auto page = std::dynamic_pointer_cast<MainMenuSecondPageVC>(nav->topViewController());
    ASSERT_NE(page, nullptr);
    host->touchDown(1, page->fourthMenuItem()->frame().center());
    EXPECT_NE(std::dynamic_pointer_cast<Tool>(nav->topViewController()), nullptr);
    host->touchUp(1, page->fourthMenuItem()->frame().center());
    nav->popViewController(false);
    std::size_t before = haptics();
    host->tap(page->backButton());
    EXPECT_EQ(nav->topViewController(), menu);
    EXPECT_EQ(haptics(), before + 1);
}

TEST_F(MenuFixture, BackSwipeOnTheStripPopsWithoutAHaptic) {
    show();
    host->tap(menu->grayscale.lock());
    std::size_t before = haptics();
    // Below the tiles: they lie over the strip and take touches where they are.
    host->swipeRight({5, 750});
    EXPECT_EQ(nav->topViewController(), menu);
    EXPECT_EQ(haptics(), before);
}

TEST_F(MenuFixture, EveryAppearanceRunsTheRatingCheck) {
    std::vector<int> periods;
    MainMenuVC::setRatingCheck([&](int period, kit::ViewController&) { periods.push_back(period); });
    show();
    host->tap(menu->grayscale.lock());
    nav->popViewController(false);
    EXPECT_EQ(periods, (std::vector<int>{9, 9}));
}

} // namespace
} // namespace app
