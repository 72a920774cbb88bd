#include "combinations/ModeListVC.h"

#include "app/settings/BackNavigation.h"
#include "app/ui/Ext.h"
#include "app/ui/Haptic.h"
#include "app/ui/Strings.h"
#include "colour/ThemeColors.h"
#include "combinations/ModeMenu.h"
#include "kit/base/Make.h"
#include "kit/ui/Assets.h"
#include "kit/ui/Button.h"
#include "kit/ui/Label.h"
#include "kit/ui/Layer.h"
#include "kit/ui/StackView.h"
#include "kit/ui/SwipeGesture.h"
#include "kit/ui/TapGesture.h"

namespace combinations {

ModeListVC::ModeListVC(std::shared_ptr<kit::CollectionView> list) : collectionView(std::move(list)) {
    menuStackView = kit::make<kit::View>();
    menuStackView->layer()->setCornerRadius(30);
    menuStackView->setClipsToBounds(true);
    modeNowMenuStack = makeMenuStackView();
    viewForBackSwipe = kit::make<kit::View>();
}

void ModeListVC::installBackSwipe() {
    std::weak_ptr<kit::ViewController> weak = shared_from_this();
    auto swipe = kit::make<kit::SwipeGesture>([weak](kit::GestureRecognizer&) {
        if (auto s = weak.lock()) app::backBySwipe(*s);
    });
    swipe->setDirection(kit::SwipeDirection::right);
    viewForBackSwipe->addGestureRecognizer(swipe);
}

void ModeListVC::makeButtons() {
    std::weak_ptr<ModeListVC> weak = std::static_pointer_cast<ModeListVC>(shared_from_this());
    backBtn = kit::make<kit::Button>();
    backBtn->setImage(kit::Assets::imageNamed("back-btn"), kit::ControlState::normal);
    backBtn->setContentMode(kit::ContentMode::scaleAspectFill);
    backBtn->addTarget(this, "backBtnWasPressed:", kit::ControlEvent::touchUpInside, [weak](kit::Control&) {
        if (auto s = weak.lock()) app::backBtnTapped(*s);
    });
    modeNowBtn = kit::make<kit::Button>();
    modeNowBtn->setTitleColor(kit::Color::whiteColor());
    modeNowBtn->titleLabel()->setFont(app::Fonts::regularFont20());
    modeNowBtn->layer()->setCornerRadius(25);
    modeNowBtn->layer()->setBackgroundColor(colour::translucentGrayColor());
    modeNowBtn->addTarget(this, "openModeNowMenu:", kit::ControlEvent::touchUpInside, [weak](kit::Control&) {
        if (auto s = weak.lock()) s->openModeNowMenu();
    });
    infoBtn = app::makeHelpButton();
    infoBtn->addTarget(this, "showInfo", kit::ControlEvent::touchUpInside, [weak](kit::Control&) {
        if (auto s = weak.lock()) s->showInfo();
    });
}

void ModeListVC::serveList() {
    auto self = std::static_pointer_cast<ModeListVC>(shared_from_this());
    collectionView->setAlwaysBounceVertical(true);
    collectionView->setDataSource(std::static_pointer_cast<kit::CollectionViewDataSource>(self));
    collectionView->setDelegate(std::static_pointer_cast<kit::CollectionViewDelegate>(self));
}

void ModeListVC::layOut(const std::vector<std::string>& modeTitles, double width, double menuHeight) {
    auto root = view();
    auto safe = root->safeAreaLayoutGuide();
    root->addSubview(modeNowBtn);
    app::anchorWithCenter(*modeNowBtn, safe.topAnchor(), std::nullopt, std::nullopt, std::nullopt, root->centerXAnchor(),
                          std::nullopt, 4, 0, 0, 0, width, 50);
    root->addSubview(collectionView);
    // The list stops at the safe area: rows under a home indicator could not be read or tapped.
    app::anchor(*collectionView, modeNowBtn->bottomAnchor(), root->leftAnchor(), safe.bottomAnchor(), root->rightAnchor(),
                12);

    std::weak_ptr<ModeListVC> weak = std::static_pointer_cast<ModeListVC>(shared_from_this());
    for (const auto& title : modeTitles)
        modeNowMenuStack->addArrangedSubview(makeModeButton(title, [weak](kit::Button& b) {
            if (auto s = weak.lock()) s->selectModeWithButton(&b);
        }));
    root->addSubview(menuStackView);
    app::anchorWithCenter(*menuStackView, modeNowBtn->topAnchor(), std::nullopt, std::nullopt, std::nullopt,
                          root->centerXAnchor(), std::nullopt, 0, 0, 0, 0, width, menuHeight);
    menuStackView->setHidden(true);
    menuStackView->setEscapeAction([weak] {
        if (auto s = weak.lock()) s->closeMenu(false);
    });
    menuStackView->addSubview(modeNowMenuStack);
    app::anchor(*modeNowMenuStack, menuStackView->topAnchor(), menuStackView->leftAnchor(), menuStackView->bottomAnchor(),
                menuStackView->rightAnchor());

    app::placeBackSwipeStrip(*root, viewForBackSwipe, root->topAnchor());
    app::placeBackButton(*root, backBtn);
    app::placeTopRight(*root, infoBtn, *backBtn);
}

void ModeListVC::openModeNowMenu() {
    modeNowBtn->setHidden(true);
    menuStackView->setHidden(false);
    if (infoView) infoView->closeInfo();
    auto root = view();
    if (tap) root->removeGestureRecognizer(tap.get());
    std::weak_ptr<ModeListVC> weak = std::static_pointer_cast<ModeListVC>(shared_from_this());
    tap = kit::make<kit::TapGesture>([weak](kit::GestureRecognizer&) {
        if (auto s = weak.lock()) s->handleTap();
    });
    root->addGestureRecognizer(tap);
}

void ModeListVC::closeMenu(bool closingInfo) {
    modeNowBtn->setHidden(false);
    menuStackView->setHidden(true);
    if (closingInfo)
        if (infoView) infoView->closeInfo();
    if (tap) view()->removeGestureRecognizer(tap.get());
}

void ModeListVC::handleTap() { closeMenu(true); }

void ModeListVC::showInfo() {
    app::lightImpact();
    modeNowBtn->setHidden(false);
    menuStackView->setHidden(true);
    if (!infoView) {
        using app::Strings::text;
        infoView = kit::make<app::InfoView>(view(), modeNowBtn, std::nullopt,
                                            app::makeInfoAttributedText(text("How to use"), howToUseText(), false), false,
                                            20);
        infoView->infoViewDelegate =
            std::static_pointer_cast<app::InfoViewDelegate>(std::static_pointer_cast<ModeListVC>(shared_from_this()));
    }
    infoView->toggleInfo();
}

} // namespace combinations
