#include "app/menus/MainMenuVC.h"

#include "app/menus/MainMenuSecondPageVC.h"
#include "app/menus/MainStoryboard.h"
#include "app/menus/MenuTile.h"
#include "app/settings/RateAs.h"
#include "app/ui/Ext.h"
#include "app/ui/Haptic.h"
#include "app/ui/Strings.h"
#include "colour/ThemeColors.h"
#include "kit/base/Make.h"
#include "kit/ui/Application.h"
#include "kit/ui/Assets.h"
#include "kit/ui/Button.h"
#include "kit/ui/NavigationController.h"
#include "kit/ui/StackView.h"
#include "kit/ui/Storyboard.h"

namespace app {
namespace {

std::function<void(int, kit::ViewController&)>& ratingCheck() {
    static std::function<void(int, kit::ViewController&)> check = RateAs::rateIfNeeded;
    return check;
}

// The first page's tiles run through the colour circle, top to bottom.
constexpr const char* tileBackgrounds[] = {"red",        "orange",    "yellow",      "yellow green", "green",
                                           "blue green", "cyan blue", "ultramarine", "violet",       "purple"};

std::shared_ptr<kit::Button> makeTile(const char* background) { return kit::make<MenuTile>(background); }

std::shared_ptr<kit::Button> makeIconButton(const char* asset) {
    auto button = kit::make<kit::Button>();
    if (auto image = kit::Assets::imageNamed(asset))
        button->setImage(std::make_shared<const kit::Image>(std::move(*image)), kit::ControlState::normal);
    button->setContentMode(kit::ContentMode::scaleAspectFit);
    return button;
}

} // namespace

void MainMenuVC::setRatingCheck(std::function<void(int, kit::ViewController&)> check) {
    ratingCheck() = check ? std::move(check) : RateAs::rateIfNeeded;
}

void MainMenuVC::loadView() {
    ViewController::loadView();
    buildScene();
}

void MainMenuVC::buildScene() {
    auto root = view();
    root->setBackgroundColor(colour::screenBackgroundColor());

    settings_ = makeIconButton("settings-btn");
    videos_ = makeIconButton("video-btn");
    root->addSubview(settings_);
    root->addSubview(videos_);
    auto safe = root->safeAreaLayoutGuide();
    anchor(*settings_, safe.topAnchor(), safe.leftAnchor(), std::nullopt, std::nullopt, 8, 16, 0, 0, 40, 40);
    anchor(*videos_, safe.topAnchor(), std::nullopt, std::nullopt, safe.rightAnchor(), 8, 0, 0, 16, 40, 40);

    stack_ = kit::make<kit::StackView>();
    stack_->setAxis(kit::layout::Axis::vertical);
    stack_->setDistribution(kit::StackDistribution::fillEqually);
    for (const char* background : tileBackgrounds) {
        auto tile = makeTile(background);
        tiles_.push_back(tile);
        stack_->addArrangedSubview(tile);
    }
    root->addSubview(stack_);
    anchor(*stack_, settings_->bottomAnchor(), root->leftAnchor(), root->safeAreaLayoutGuide().bottomAnchor(),
           root->rightAnchor(), 8, 0, 0, 0);

    menuSV = stack_;
    digitalColorWheel = tiles_[0];
    classicColorWheel = tiles_[1];
    abstractColorWheel = tiles_[2];
    colorCombinations = tiles_[3];
    swatches = tiles_[4];
    colorPicker = tiles_[5];
    imageColors = tiles_[6];
    colorMixing = tiles_[7];
    valueChecker = tiles_[8];
    grayscale = tiles_[9];
    settingsButton = settings_;
    videoInstructionsButton = videos_;

    // The scene's connections: actions, and segues for the rest.
    std::weak_ptr<MainMenuVC> weak = std::static_pointer_cast<MainMenuVC>(shared_from_this());
    auto action = [&](const std::shared_ptr<kit::Button>& button, void (MainMenuVC::*method)(kit::Button&),
                      const char* id) {
        button->addTarget(this, id, kit::ControlEvent::touchUpInside, [weak, method](kit::Control& sender) {
            if (auto self = weak.lock()) (self.get()->*method)(static_cast<kit::Button&>(sender));
        });
    };
    auto segueOn = [&](const std::shared_ptr<kit::Button>& button, const char* identifier) {
        button->addTarget(this, identifier, kit::ControlEvent::touchUpInside, [weak, identifier](kit::Control& sender) {
            if (auto self = weak.lock())
                self->performSegue(identifier, std::static_pointer_cast<kit::Button>(sender.shared_from_this()));
        });
    };
    action(tiles_[0], &MainMenuVC::dcwTapped, "dcwTapped:");
    action(tiles_[1], &MainMenuVC::ccwTapped, "ccwTapped:");
    segueOn(tiles_[2], segue::zel);
    action(tiles_[3], &MainMenuVC::ccsTapped, "ccsTapped:");
    action(tiles_[4], &MainMenuVC::swatchesBtnWasPressed, "swatchesBtnWasPressed:");
    segueOn(tiles_[5], segue::colorPicker);
    segueOn(tiles_[6], segue::imageColors);
    segueOn(tiles_[7], segue::colorMixing);
    action(tiles_[8], &MainMenuVC::arStencilTapped, "arStencilTapped:");
    action(tiles_[9], &MainMenuVC::moreToolsTapped, "moreToolsTapped:");
    segueOn(settings_, segue::settings);
    segueOn(videos_, segue::videos);
}

void MainMenuVC::viewDidLoad() {
    // Never mirrored for right-to-left languages: the layout is already left-to-right only.
    auto title = [](const std::shared_ptr<kit::Button>& b, const std::string& text) {
        b->setTitle(text, kit::ControlState::normal);
    };
    title(tiles_[0], Strings::text("Digital Zovez Aziva"));
    title(tiles_[1], Strings::text("Classic Zovez Aziva"));
    title(tiles_[2], Strings::text("Abstract Zovez Aziva"));
    title(tiles_[3], Strings::text("Color Combinations"));
    title(tiles_[4], Strings::text("Swatches"));
    title(tiles_[5], Strings::text("Color Picker"));
    title(tiles_[6], Strings::text("Image Colors"));
    title(tiles_[7], Strings::text("Color Mixing"));
    title(tiles_[8], Strings::text("AR Stencil"));
    title(tiles_[9], Strings::text("More Tools") + "...");
}

void MainMenuVC::viewWillAppear(bool animated) {
    ViewController::viewWillAppear(animated);
    view()->setHidden(false);
    kit::Application::shared().setIdleTimerDisabled(false);
}

void MainMenuVC::viewDidAppear(bool animated) {
    ViewController::viewDidAppear(animated);
    if (ratingCheck()) ratingCheck()(9, *this);
}

void MainMenuVC::viewWillLayoutSubviews() { ViewController::viewWillLayoutSubviews(); }

void MainMenuVC::prepareForSegue(kit::StoryboardSegue& segue, const std::any& sender) {
    (void)segue;
    auto button = std::any_cast<std::shared_ptr<kit::Button>>(&sender);
    if (!button || !*button) return;
    if (*button == settingsButton.lock() || *button == videoInstructionsButton.lock()) lightImpact();
}

void MainMenuVC::pushScene(const char* identifier) {
    auto nav = navigationController();
    if (!nav) return;
    auto board = storyboard() ? storyboard() : kit::Storyboard::named("Main");
    if (auto screen = board->instantiateViewController(identifier)) nav->pushViewController(screen, true);
}

void MainMenuVC::dcwTapped(kit::Button&) { pushScene(scene::digitalWheel); }
void MainMenuVC::ccwTapped(kit::Button&) { pushScene(scene::classicWheel); }
void MainMenuVC::ccsTapped(kit::Button&) { pushScene(scene::colorCombinations); }
void MainMenuVC::swatchesBtnWasPressed(kit::Button&) { pushScene(scene::swatches); }
void MainMenuVC::arStencilTapped(kit::Button&) { pushScene(scene::arStencil); }

void MainMenuVC::moreToolsTapped(kit::Button& sender) {
    auto nav = navigationController();
    if (!nav) return;
    auto page = kit::make<MainMenuSecondPageVC>();
    page->menuItemHeight = sender.frame().height();
    auto stack = menuSV.lock();
    page->topPadding = stack ? stack->frame().minY() : 0;
    nav->pushViewController(page, true);
}

} // namespace app
