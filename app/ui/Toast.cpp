#include "app/ui/Toast.h"

#include "app/ui/Alerts.h"
#include "app/ui/Ext.h"
#include "app/ui/LayoutConstants.h"
#include "colour/ThemeColors.h"
#include "kit/base/Make.h"
#include "kit/runtime/Timer.h"
#include "kit/ui/Application.h"
#include "kit/ui/Label.h"
#include "kit/ui/Window.h"

namespace app {

Toast& Toast::shared() {
    static Toast* toast = new Toast();  // kept for the whole run, never torn down with statics
    return *toast;
}

void Toast::install() {
    Alerts::shared().setPresenter([](const std::string& text, bool atTop) { shared().show(text, atTop); });
}

Toast::Toast() {
    bg_ = kit::make<kit::View>();
    bg_->layer()->setCornerRadius(5);
    bg_->setBackgroundColor(colour::panelBackgroundColor());
    lbl_ = kit::make<kit::Label>();
    lbl_->setFont(kit::Font::system(18, kit::FontWeight::regular));
    lbl_->setTextColor(kit::Color::whiteColor());
    lbl_->setNumberOfLines(0);
    lbl_->setLineBreakMode(kit::LineBreakMode::wordWrap);
    lbl_->setTextAlignment(kit::TextAlignment::center);
}

bool Toast::isShowing() const { return bg_->superview() != nullptr; }

void Toast::show(const std::string& text, bool atTop) {
    if (t_) t_->invalidate();
    t_.reset();
    lbl_->removeFromSuperview();
    bg_->removeFromSuperview();
    lbl_->setText(text);

    auto window = kit::Application::shared().keyWindow();
    if (!window) return;

    window->addSubview(bg_);
    if (atTop) {
        // Below the top bar's buttons (the back button's row under the safe area), so that the
        // screen can still be left while the toast shows.
        anchorWithCenter(*bg_, window->safeAreaLayoutGuide().topAnchor(), window->leftAnchor(), std::nullopt,
                         window->rightAnchor(), window->centerXAnchor(), std::nullopt, topBarBottom + smallGap, 15, 0,
                         15);
    } else {
        anchor(*bg_, std::nullopt, window->leftAnchor(), window->bottomAnchor(), window->rightAnchor(), 0, sidePadding,
               -sidePadding, sidePadding);
        bg_->centerXAnchor().equalTo(window->centerXAnchor())->setActive(true);
    }
    bg_->addSubview(lbl_);
    anchorWithCenter(*lbl_, std::nullopt, bg_->leftAnchor(), std::nullopt, bg_->rightAnchor(), std::nullopt,
                     bg_->centerYAnchor(), 0, 4, 0, 4);
    // 70 points tall, or taller when the text needs more lines (a long file name): the panel grows,
    // the text never runs out of it.
    bg_->heightAnchor().equalToConstant(70)->withPriority(kit::layout::priority::low)->setActive(true);
    bg_->heightAnchor().greaterThanOrEqualToConstant(70)->setActive(true);
    lbl_->topAnchor().greaterThanOrEqualTo(bg_->topAnchor(), 8)->setActive(true);

    // The timer holds the toast weakly, as a toast that is gone has nothing left to remove.
    std::weak_ptr<int> alive = alive_;
    t_ = kit::Timer::scheduled(1.5, false, [alive](kit::Timer& timer) {
        if (alive.lock()) shared().bg_->removeFromSuperview();
        timer.invalidate();
    });
}

} // namespace app
