#include "wheels/other/ZelVC.h"

#include "app/SavedData.h"
#include "app/settings/BackNavigation.h"
#include "app/ui/Ext.h"
#include "colour/ThemeColors.h"
#include "kit/base/Make.h"
#include "kit/store/Defaults.h"
#include "kit/ui/AlertController.h"
#include "kit/ui/Application.h"
#include "kit/ui/Assets.h"
#include "kit/ui/NavigationController.h"
#include "kit/ui/Storyboard.h"
#include "wheels/ScreenLayout.h"
#include "wheels/ScreenParts.h"

#include <cmath>
#include <numbers>

namespace wheels {

namespace {
constexpr std::array<const char*, 10> kHueAssets{"red",        "orange",    "yellow",      "yellow green", "green",
                                                 "blue green", "cyan blue", "ultramarine", "violet",       "purple"};
int cyclic(int n) { return ((n - 1) % 10 + 10) % 10 + 1; }
} // namespace

const char* abstractHueAsset(int number) { return kHueAssets[static_cast<std::size_t>(cyclic(number) - 1)]; }

std::array<int, 4> abstractScheme(int t) { return {cyclic(t), cyclic(t + 5), cyclic(t + 3), cyclic(t + 7)}; }

ZelVC::ZelVC() { viewForBackSwipe_ = kit::make<kit::View>(); }

std::shared_ptr<kit::Button> ZelVC::hueButton(int tag) const {
    if (tag < 1 || tag > 10) return nullptr;
    return hueButtons_[static_cast<std::size_t>(tag - 1)];
}

void ZelVC::loadView() {
    kit::ViewController::loadView();
    auto root = view();
    root->setBackgroundColor(colour::screenBackgroundColor());
    // The scene: ten painted hues round a circle, clockwise from red at the top.
    for (int tag = 1; tag <= 10; ++tag) {
        auto button = kit::make<kit::Button>();
        button->setTag(tag);
        if (auto image = kit::Assets::imageNamed(abstractHueAsset(tag), kit::Size{90, 90})) button->setBackgroundImage(std::move(*image));
        button->setClipsToBounds(true);
        button->layer()->setBorderColor(kit::Color::whiteColor());
        button->layer()->setBorderWidth(2);
        button->addTarget(this, "pickColorBtnWasPressed", kit::ControlEvent::touchUpInside,
                          [this](kit::Control& sender) { pickColorBtnWasPressed(static_cast<kit::Button&>(sender)); });
        root->addSubview(button);
        hueButtons_[static_cast<std::size_t>(tag - 1)] = button;
    }
    backBtn_ = makeBackButton(*this);
    app::placeBackButton(*root, backBtn_);
    tipBtn_ = app::makeHelpButton();
    tipBtn_->addTarget(this, "showTip", kit::ControlEvent::touchUpInside, [this] {
        haptic();
        showTip();
    });
    app::placeTopRight(*root, tipBtn_, *backBtn_);
}

void ZelVC::viewDidLayoutSubviews() {
    const auto b = view()->bounds();
    const double side = std::min(b.size.width, b.size.height);
    // Neighbours on the ring are 36 degrees apart; their square frames stay clear of each other
    // while a button is no wider than half the radius (the closest pair differs by exactly that in
    // height). The ring keeps its overall size.
    const double radius = side * 0.35, button = radius / 2;
    for (int tag = 1; tag <= 10; ++tag) {
        const double a = (tag - 1) * 2 * std::numbers::pi / 10;
        auto& hue = hueButtons_[static_cast<std::size_t>(tag - 1)];
        hue->setFrame({b.midX() + radius * std::sin(a) - button / 2, b.midY() - radius * std::cos(a) - button / 2, button,
                       button});
        hue->layer()->setCornerRadius(button / 2);
    }
}

void ZelVC::viewWillAppear(bool animated) {
    kit::ViewController::viewWillAppear(animated);
    auto root = view();
    app::placeBackSwipeStrip(*root, viewForBackSwipe_, backBtn_->bottomAnchor());
    addBackSwipe(*viewForBackSwipe_, *this);
}

void ZelVC::viewDidAppear(bool animated) {
    kit::ViewController::viewDidAppear(animated);
    if (!kit::Defaults::standard().boolean(app::Keys::hideAbstractTip)) showTip();
}

void ZelVC::showTip() {
    auto alert = kit::AlertController::make(
        tr("Tip"),
        tr("You can use the \"Abstract\" tab inside the \"Digital zovez aziva\", it presents the same color "
           "combinations with more flexibility."));
    alert->addAction(kit::AlertAction::make(tr("OK"), kit::AlertActionStyle::defaultStyle, [](kit::AlertAction&) {
        kit::Defaults::standard().set(true, app::Keys::hideAbstractTip);
    }));
    presentViewController(alert, true);
}

void ZelVC::pickColorBtnWasPressed(kit::Button& sender) {
    auto board = storyboard() ? storyboard() : kit::Storyboard::named("Main");
    auto result = std::dynamic_pointer_cast<ZelCcVC>(board->instantiateViewController("ResultVC"));
    auto nav = navigationController();
    if (!result || !nav) return;
    result->colorTag = sender.tag();
    nav->pushViewController(result, true);
}

ZelCcVC::ZelCcVC() { viewForBackSwipe_ = kit::make<kit::View>(); }

void ZelCcVC::loadView() {
    kit::ViewController::loadView();
    auto root = view();
    root->setBackgroundColor(colour::screenBackgroundColor());
    backBtn_ = makeBackButton(*this);
    app::placeBackButton(*root, backBtn_);
    // The scene: the four swatches in proportion to their share of the painting (72, 14, 7, 7).
    const double shares[4] = {0.62, 0.18, 0.1, 0.1};
    std::shared_ptr<kit::View> above;
    for (std::size_t i = 0; i < 4; ++i) {
        auto button = kit::make<kit::Button>();
        button->setTitleColor(kit::Color::whiteColor());
        button->titleLabel()->setFont(kit::Font::boldSystem(18));
        button->setClipsToBounds(true);
        button->layer()->setCornerRadius(8);
        root->addSubview(button);
        app::anchor(*button, above ? above->bottomAnchor() : backBtn_->bottomAnchor(), root->leftAnchor(), std::nullopt,
                    root->rightAnchor(), 8, 16, 0, 16);
        kit::layout::Constraint::activate({button->heightAnchor().equalToMultiplier(root->heightAnchor(), shares[i] * 0.8)});
        buttons_[i] = button;
        above = button;
    }
}

void ZelCcVC::viewWillAppear(bool animated) {
    kit::ViewController::viewWillAppear(animated);
    showScheme();
    addBackSwipe(*viewForBackSwipe_, *this);
    kit::Application::shared().setIdleTimerDisabled(true);
}

void ZelCcVC::viewWillDisappear(bool animated) {
    kit::ViewController::viewWillDisappear(animated);
    kit::Application::shared().setIdleTimerDisabled(false);
}

void ZelCcVC::showScheme() {
    const char* titles[4] = {"Main", "Major accent", "Minor accent 1", "Minor accent 2"};
    for (std::size_t i = 0; i < 4; ++i) buttons_[i]->setTitle(tr(titles[i]));
    if (colorTag < 1 || colorTag > 10) return;
    const auto scheme = abstractScheme(colorTag);
    for (std::size_t i = 0; i < 4; ++i)
        buttons_[i]->setBackgroundImage(kit::Assets::imageNamed(abstractHueAsset(scheme[i]), kit::Size{400, 100}));
    auto root = view();
    app::placeBackSwipeStrip(*root, viewForBackSwipe_, backBtn_->bottomAnchor());
}

} // namespace wheels
