#include "app/settings/BackNavigation.h"

#include "app/AppDelegate.h"
#include "app/ui/Ext.h"
#include "app/ui/LayoutConstants.h"
#include "kit/base/Make.h"
#include "kit/ui/Assets.h"
#include "kit/ui/Button.h"
#include "kit/ui/NavigationController.h"
#include "kit/ui/SwipeGesture.h"
#include "kit/ui/View.h"

namespace app {

std::shared_ptr<kit::Button> addBackButton(kit::View& root, const char* asset) {
    auto button = kit::make<kit::Button>();
    button->setImage(kit::Assets::imageNamed(asset), kit::ControlState::normal);
    button->setContentMode(kit::ContentMode::scaleAspectFill);
    root.addSubview(button);
    anchor(*button, root.safeAreaLayoutGuide().topAnchor(), root.leftAnchor(), std::nullopt, std::nullopt,
           backButtonTopPadding, 0, 0, 0, 45, 40);
    return button;
}

std::shared_ptr<kit::View> addBackSwipeStrip(kit::View& root, double top, std::function<void()> action) {
    auto strip = kit::make<kit::View>();
    root.addSubview(strip);
    anchor(*strip, root.topAnchor(), root.leftAnchor(), root.bottomAnchor(), std::nullopt, top, 0, 0, 0,
           backSwipeAreaWidth);
    auto swipe = kit::make<kit::SwipeGesture>([action = std::move(action)](kit::GestureRecognizer&) { action(); });
    swipe->setDirection(kit::SwipeDirection::right);
    strip->addGestureRecognizer(swipe);
    return strip;
}

void tapHaptic() { delegate().hapticGenerator.impactOccurred(); }

void backBtnTapped(kit::ViewController& screen) {
    tapHaptic();
    if (auto nav = screen.navigationController()) nav->popViewController(true);
}

void backBySwipe(kit::ViewController& screen) {
    if (auto nav = screen.navigationController()) nav->popViewController(true);
}

} // namespace app
