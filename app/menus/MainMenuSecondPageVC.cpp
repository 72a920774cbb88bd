#include "app/menus/MainMenuSecondPageVC.h"

#include "app/menus/MainStoryboard.h"
#include "app/menus/MenuTile.h"
#include "app/settings/BackNavigation.h"
#include "app/ui/Ext.h"
#include "app/ui/Haptic.h"
#include "app/ui/LayoutConstants.h"
#include "app/ui/Strings.h"
#include "colour/ThemeColors.h"
#include "kit/base/Make.h"
#include "kit/ui/Assets.h"
#include "kit/ui/Button.h"
#include "kit/ui/Label.h"
#include "kit/ui/NavigationController.h"
#include "kit/ui/Storyboard.h"
#include "kit/ui/SwipeGesture.h"

namespace app {
namespace {

struct Tile {
    const char* background;
    const char* title;
    void (MainMenuSecondPageVC::*open)();
    const char* actionId;
};

const Tile tiles[7] = {
    {"purple", "Non-Digital Zovez Aziva", &MainMenuSecondPageVC::openNonDigitalColorWheel, "openNonDigitalColorWheel"},
    {"red", "Value Checker", &MainMenuSecondPageVC::openValueChecker, "openValueChecker"},
    {"orange", "Custom Hue", &MainMenuSecondPageVC::openCustomHue, "openCustomHue"},
    {"yellow", "Light", &MainMenuSecondPageVC::openLight, "openLight"},
    {"yellow green", "Value Breaker", &MainMenuSecondPageVC::openValueBreaker, "openValueBreaker"},
    {"green", "Contrast Ratio", &MainMenuSecondPageVC::openContrastRatio, "openContrastRatio"},
    {"blue green", "Color Group", &MainMenuSecondPageVC::openColorGroup, "openColorGroup"},
};

std::shared_ptr<const kit::Image> asset(const char* name) {
    auto image = kit::Assets::imageNamed(name);
    return image ? std::make_shared<const kit::Image>(std::move(*image)) : nullptr;
}

} // namespace

const std::shared_ptr<kit::Button>& MainMenuSecondPageVC::backButton() {
    if (!backButton_) {
        backButton_ = kit::make<kit::Button>();
        backButton_->setImage(asset("back-btn"), kit::ControlState::normal);
        backButton_->setContentMode(kit::ContentMode::scaleAspectFill);
        std::weak_ptr<MainMenuSecondPageVC> weak = std::static_pointer_cast<MainMenuSecondPageVC>(shared_from_this());
        backButton_->addTarget(this, "backButtonPressed:", kit::ControlEvent::touchUpInside, [weak](kit::Control&) {
            if (auto self = weak.lock()) self->backButtonPressed();
        });
    }
    return backButton_;
}

const std::shared_ptr<kit::Button>& MainMenuSecondPageVC::item(int index) {
    auto& tile = items_[index];
    if (!tile) {
        const Tile& entry = tiles[index];
        tile = kit::make<MenuTile>(entry.background);
        tile->setTitle(Strings::text(entry.title), kit::ControlState::normal);
        std::weak_ptr<MainMenuSecondPageVC> weak = std::static_pointer_cast<MainMenuSecondPageVC>(shared_from_this());
        auto open = entry.open;
        tile->addTarget(this, entry.actionId, kit::ControlEvent::touchDown, [weak, open](kit::Control&) {
            if (auto self = weak.lock()) (self.get()->*open)();
        });
    }
    return tile;
}

const std::shared_ptr<kit::Button>& MainMenuSecondPageVC::firstMenuItem() { return item(0); }
const std::shared_ptr<kit::Button>& MainMenuSecondPageVC::secondMenuItem() { return item(1); }
const std::shared_ptr<kit::Button>& MainMenuSecondPageVC::thirdMenuItem() { return item(2); }
const std::shared_ptr<kit::Button>& MainMenuSecondPageVC::fourthMenuItem() { return item(3); }
const std::shared_ptr<kit::Button>& MainMenuSecondPageVC::fifthMenuItem() { return item(4); }
const std::shared_ptr<kit::Button>& MainMenuSecondPageVC::sixthMenuItem() { return item(5); }
const std::shared_ptr<kit::Button>& MainMenuSecondPageVC::seventhMenuItem() { return item(6); }

void MainMenuSecondPageVC::viewDidLoad() {
    setupLayout();
    std::weak_ptr<MainMenuSecondPageVC> weak = std::static_pointer_cast<MainMenuSecondPageVC>(shared_from_this());
    auto swipe = kit::make<kit::SwipeGesture>([weak](kit::GestureRecognizer&) {
        if (auto self = weak.lock()) self->backBySwipe();
    });
    swipe->setDirection(kit::SwipeDirection::right);
    viewForBackSwipe_->addGestureRecognizer(swipe);
}

void MainMenuSecondPageVC::setupLayout() {
    auto root = view();
    root->setBackgroundColor(colour::screenBackgroundColor());

    viewForBackSwipe_ = kit::make<kit::View>();
    placeBackSwipeStrip(*root, viewForBackSwipe_, root->topAnchor());
    placeBackButton(*root, backButton());

    const double height = menuItemHeight.value_or(60);
    const double top = topPadding.value_or(0);
    for (int i = 0; i < 7; ++i) {
        auto& tile = item(i);
        root->addSubview(tile);
        auto above = i == 0 ? root->topAnchor() : item(i - 1)->bottomAnchor();
        anchor(*tile, above, root->leftAnchor(), std::nullopt, root->rightAnchor(), i == 0 ? top : 0, 0, 0, 0, 0, height);
    }

    menuTitle_ = kit::make<kit::Label>();
    menuTitle_->setFont(kit::Font::system(23, kit::FontWeight::semibold));
    menuTitle_->setTextColor(kit::Color::whiteColor());
    menuTitle_->setTextAlignment(kit::TextAlignment::center);
    menuTitle_->setUserInteractionEnabled(false);
    menuTitle_->setText(Strings::text("Choose a tool"));
    root->addSubview(menuTitle_);
    anchorWithCenter(*menuTitle_, std::nullopt, std::nullopt, firstMenuItem()->topAnchor(), std::nullopt,
                     root->centerXAnchor(), std::nullopt, 0, 0, 17, 0, 250);
}

void MainMenuSecondPageVC::backButtonPressed() {
    lightImpact();
    if (auto nav = navigationController()) nav->popViewController(true);
}

void MainMenuSecondPageVC::backBySwipe() {
    if (auto nav = navigationController()) nav->popViewController(true);
}

void MainMenuSecondPageVC::open(const char* identifier) {
    auto nav = navigationController();
    if (!nav) return;
    if (auto screen = kit::Storyboard::named("Main")->instantiateViewController(identifier))
        nav->pushViewController(screen, true);
}

void MainMenuSecondPageVC::openNonDigitalColorWheel() { open(scene::classicColorWheel); }
void MainMenuSecondPageVC::openValueChecker() { open(scene::valueChecker); }
void MainMenuSecondPageVC::openCustomHue() { open(scene::hue); }
void MainMenuSecondPageVC::openLight() { open(scene::light); }
void MainMenuSecondPageVC::openValueBreaker() { open(scene::valueBreaker); }
void MainMenuSecondPageVC::openContrastRatio() { open(scene::contrastRatio); }
void MainMenuSecondPageVC::openColorGroup() { open(scene::colorGroup); }

} // namespace app
