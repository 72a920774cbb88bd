#include "wheels/ModeMenu.h"

#include "app/ui/Ext.h"
#include "app/ui/Strings.h"
#include "combinations/ModeMenu.h"
#include "app/ui/LayoutConstants.h"
#include "kit/base/Make.h"
#include "wheels/ScreenLayout.h"
#include "wheels/ScreenParts.h"

namespace wheels {

std::shared_ptr<kit::Button> makeModeNowButton(const kit::Color& background) {
    auto button = kit::make<kit::Button>();
    button->setAttributedTitle(app::makeAttributedTitle(tr("Complementary")));
    button->titleLabel()->setFont(app::Fonts::regularFont20());
    button->layer()->setBorderColor(kit::Color::whiteColor());
    button->layer()->setBorderWidth(1);
    button->layer()->setCornerRadius(30);
    button->layer()->setBackgroundColor(background);
    return button;
}

void placeModeNowButton(kit::View& root, const std::shared_ptr<kit::Button>& button) {
    readd(root, button);
    app::anchorWithCenter(*button, root.safeAreaLayoutGuide().topAnchor(), std::nullopt, std::nullopt, std::nullopt,
                          root.centerXAnchor(), std::nullopt, app::contentTopPadding, 0, 0, 0, 240, 60);
}

ModeMenu::ModeMenu() {
    frame_ = kit::make<kit::View>();
    frame_->layer()->setCornerRadius(30);
    frame_->setClipsToBounds(true);
    stack_ = combinations::makeMenuStackView();
    tap_ = kit::make<kit::TapGesture>();
}

void ModeMenu::clear() {
    for (auto sub : std::vector<std::shared_ptr<kit::View>>(stack_->arrangedSubviews())) sub->removeFromSuperview();
    frame_->removeFromSuperview();
}

void ModeMenu::addModeButtons(const std::vector<std::string>& englishTitles, std::function<void(kit::Button&)> select) {
    for (const auto& title : englishTitles) {
        // Shown in the user's language; the screen tells the modes apart by the English title.
        auto button = combinations::makeModeButton(app::Strings::text(title), select);
        button->setAccessibilityIdentifier(title);
        stack_->addArrangedSubview(button);
    }
}

void ModeMenu::hang(kit::View& root, kit::View& modeButton, double height) {
    readd(root, frame_);
    app::anchorWithCenter(*frame_, modeButton.topAnchor(), std::nullopt, std::nullopt, std::nullopt, root.centerXAnchor(),
                          std::nullopt, 0, 0, 0, 0, 240, height);
    frame_->setHidden(true);
    readd(*frame_, stack_);
    app::anchor(*stack_, frame_->topAnchor(), frame_->leftAnchor(), frame_->bottomAnchor(), frame_->rightAnchor());
}

void ModeMenu::open(kit::ViewController& screen, kit::Button& modeButton, std::function<void()> onTap) {
    modeButton.setHidden(true);
    frame_->setHidden(false);
    std::weak_ptr<kit::ViewController> weakScreen = screen.weak_from_this();
    frame_->setEscapeAction([weakScreen, onTap] {
        if (weakScreen.lock()) onTap();
    });
    tap_ = kit::make<kit::TapGesture>([weakScreen, onTap = std::move(onTap)](kit::GestureRecognizer&) {
        if (weakScreen.lock()) onTap();
    });
    screen.view()->addGestureRecognizer(tap_);
}

void ModeMenu::close(kit::View& root, kit::Button& modeButton) {
    modeButton.setHidden(false);
    frame_->setHidden(true);
    root.removeGestureRecognizer(tap_.get());
}

} // namespace wheels
