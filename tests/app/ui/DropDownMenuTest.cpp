#include "app/AppFixture.h"

#include "app/ui/DropDownMenu.h"
#include "kit/base/Make.h"
#include "kit/host/Headless.h"
#include "kit/ui/Application.h"
#include "kit/ui/Button.h"
#include "kit/ui/StackView.h"
#include "kit/ui/View.h"
#include "kit/ui/ViewController.h"
#include "kit/ui/Window.h"

namespace app {
namespace {

struct Choices : DropDownMenuDelegate {
    std::vector<int> chosen;
    void didSelectElement(int index) override { chosen.push_back(index); }
};

struct DropDownFixture : AppFixture {
    std::unique_ptr<kit::host::Headless> host;
    std::shared_ptr<kit::ViewController> screen = kit::make<kit::ViewController>();
    std::shared_ptr<kit::View> caption = kit::make<kit::View>(kit::Rect{20, 200, 150, 30});
    std::shared_ptr<Choices> choices = std::make_shared<Choices>();
    std::shared_ptr<DropDownMenu> menu;

    void SetUp() override {
        kit::Application::resetShared();
        AppFixture::SetUp();
        host = std::make_unique<kit::host::Headless>(kit::DeviceProfile::phone());
        host->setRootViewController(screen);
        screen->view()->addSubview(caption);
    }
    void TearDown() override {
        menu.reset();
        host.reset();
        AppFixture::TearDown();
        kit::Application::resetShared();
    }
    void build(int selected) {
        // The settings screen's menu: stuck left, centred on its caption, 110 x 35, radius 3.
        menu = kit::make<DropDownMenu>(screen->view(), DropDownMenuStickTo::left, caption,
                                       std::vector<std::string>{"HEX", "RGB", "CMYK"}, selected,
                                       kit::Color::rgba(0.3218, 0.3422, 0.4126), kit::Color::whiteColor(), true, false,
                                       0, 10, 110, 35, 16, 3);
        menu->delegate = choices;
        host->settle();
    }
};

TEST_F(DropDownFixture, CollapsedShowsTheChoiceOrTheFirstTitleWhenOutOfRange) {
    build(1);
    EXPECT_EQ(menu->menuButton()->titleForState(kit::ControlState::normal), "RGB");
    EXPECT_EQ(menu->menuButton()->frame(), (kit::Rect{375 - 10 - 110, 215 - 17.5, 110, 35}));
    EXPECT_EQ(menu->menuButton()->layer()->cornerRadius(), 3);
    build(5);
    EXPECT_EQ(menu->menuButton()->titleForState(kit::ControlState::normal), "HEX");
}

TEST_F(DropDownFixture, OpensInPlaceAndChoosingTellsTheDelegate) {
    build(0);
    host->tap(menu->menuButton());
    ASSERT_TRUE(menu->isOpen());
    EXPECT_EQ(menu->menuButton()->superview(), nullptr);
    auto stack = menu->buttonsStack();
    EXPECT_EQ(stack->frame(), (kit::Rect{375 - 10 - 110, 215 - 17.5, 110, 105}));
    EXPECT_EQ(haptics(), 1u);

    host->tap(kit::Point{stack->frame().midX(), stack->frame().minY() + 35 * 2.5});
    EXPECT_EQ(choices->chosen, std::vector<int>{2});
    EXPECT_FALSE(menu->isOpen());
    EXPECT_EQ(menu->menuButton()->titleForState(kit::ControlState::normal), "CMYK");

    // The row already chosen is reported again.
    host->tap(menu->menuButton());
    host->tap(kit::Point{stack->frame().midX(), stack->frame().minY() + 35 * 2.5});
    EXPECT_EQ(choices->chosen, (std::vector<int>{2, 2}));
}

TEST_F(DropDownFixture, ATapOutsideClosesWithoutAChoice) {
    build(1);
    host->tap(menu->menuButton());
    host->tap(kit::Point{100, 600});
    EXPECT_FALSE(menu->isOpen());
    EXPECT_TRUE(choices->chosen.empty());
    EXPECT_EQ(menu->selectedElement(), 1);
    EXPECT_EQ(menu->menuButton()->titleForState(kit::ControlState::normal), "RGB");
    EXPECT_TRUE(screen->view()->gestureRecognizers().empty());
}

TEST_F(DropDownFixture, StuckToTheTopAsACapsule) {
    auto top = kit::make<DropDownMenu2>(screen->view(), DropDownMenuStickTo::top, nullptr,
                                        std::vector<std::string>{"RGB", "CMYK", "RYB"}, 0, kit::Color::blackColor(),
                                        kit::Color::whiteColor(), true, true, 60, 0, 240, 50, 18, 3);
    host->settle();
    EXPECT_EQ(top->menuButton()->frame(), (kit::Rect{(375 - 240) / 2.0, 44 + 60, 240, 50}));
    EXPECT_EQ(top->menuButton()->layer()->cornerRadius(), 25);
}

} // namespace
} // namespace app
