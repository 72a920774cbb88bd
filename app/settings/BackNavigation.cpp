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

void placeBackButton(kit::View& root, const std::shared_ptr<kit::Button>& button) {
    button->removeFromSuperview();
    root.addSubview(button);
    anchor(*button, root.safeAreaLayoutGuide().topAnchor(), root.leftAnchor(), std::nullopt, std::nullopt,
           backButtonTopPadding, 0, 0, 0, 45, 40);
}

void placeBackSwipeStrip(kit::View& root, const std::shared_ptr<kit::View>& strip, const kit::layout::Anchor& top,
                         double offset) {
    strip->removeFromSuperview();
    root.addSubview(strip);
    anchor(*strip, top, root.leftAnchor(), root.bottomAnchor(), std::nullopt, offset, 0, 0, 0, backSwipeAreaWidth);
}

std::shared_ptr<kit::Button> addBackButton(kit::View& root, const char* asset) {
    auto button = kit::make<kit::Button>();
    button->setImage(kit::Assets::imageNamed(asset), kit::ControlState::normal);
    button->setContentMode(kit::ContentMode::scaleAspectFill);
    placeBackButton(root, button);
    return button;
}

std::shared_ptr<kit::View> addBackSwipeStrip(kit::View& root, double top, std::function<void()> action) {
    auto strip = kit::make<kit::View>();
    placeBackSwipeStrip(root, strip, root.topAnchor(), top);
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
