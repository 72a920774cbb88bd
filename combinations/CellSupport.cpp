#include "combinations/CellSupport.h"

#include "app/SavedData.h"
#include "colour/ContrastingTint.h"
#include "colour/HexText.h"
#include "kit/runtime/Timer.h"
#include "kit/store/Defaults.h"
#include "kit/ui/Layer.h"
#include "kit/ui/NavigationController.h"
#include "kit/ui/View.h"
#include "kit/ui/ViewController.h"
#include "wheels/digital/DcwVC.h"
#include "kit/base/Make.h"

namespace combinations {

SwipeDebounce::~SwipeDebounce() {
    if (timer_) timer_->invalidate();
}

bool SwipeDebounce::take() {
    if (!*on_) return false;
    *on_ = false;
    if (timer_) timer_->invalidate();
    timer_ = kit::Timer::scheduled(interval, false, [on = on_](kit::Timer& timer) {
        *on = true;
        timer.invalidate();
    });
    return true;
}

kit::Color captionColor(const kit::Color& background) { return colour::contrastingTint(background); }

void fitShadowLayer(kit::Layer& layer, kit::Size size) {
    layer.setBounds({0, 0, size.width, size.height});
    layer.setPosition({size.width / 2, 0.25 - size.height / 2});
}

std::shared_ptr<kit::ViewController> controllerWithNavigation(const kit::View& view) {
    for (auto responder = view.nextResponder(); responder; responder = responder->nextResponder()) {
        auto* controller = dynamic_cast<kit::ViewController*>(responder.get());
        if (controller && controller->navigationController()) return controller->shared_from_this();
    }
    return nullptr;
}

void openInDigitalWheel(const std::optional<kit::Color>& color, kit::NavigationController* navigation) {
    if (color) {
        const auto hex = colour::hexString(*color);
        if (!hex.empty() && colour::isValidHexColor(hex)) kit::Defaults::standard().set(hex, app::Keys::lastColorMixing);
    }
    if (!navigation) return;
    auto wheel = kit::make<wheels::DcwVC>();
    wheel->isClassic = false;
    wheel->instantLoadFromClipboard = true;
    navigation->pushViewController(wheel, true);
}

} // namespace combinations
