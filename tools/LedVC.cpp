#include "tools/LedVC.h"

#include "app/AppDelegate.h"
#include "kit/base/Make.h"
#include "kit/ui/Application.h"
#include "kit/ui/NavigationController.h"
#include "kit/ui/TapGesture.h"
#include "kit/ui/View.h"

namespace tools {

void LedVC::viewDidLoad() {
    view()->setBackgroundColor(color);
    std::weak_ptr<LedVC> weak = std::static_pointer_cast<LedVC>(shared_from_this());
    auto tap = kit::make<kit::TapGesture>([weak](kit::GestureRecognizer&) {
        if (auto s = weak.lock()) s->backTapped();
    });
    tap->setDelaysTouchesBegan(true);
    view()->addGestureRecognizer(tap);
}

void LedVC::viewWillAppear(bool animated) {
    ViewController::viewWillAppear(animated);
    kit::Application::shared().setIdleTimerDisabled(true);
}

void LedVC::viewWillDisappear(bool animated) {
    ViewController::viewWillDisappear(animated);
    kit::Application::shared().setIdleTimerDisabled(false);
}

void LedVC::backTapped() {
    app::delegate().hapticGenerator.impactOccurred();
    if (auto nav = navigationController()) nav->popViewController(false);
}

} // namespace tools
