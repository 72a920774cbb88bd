#include "combinations/ColorCombinationsVC.h"

#include "app/SavedData.h"
#include "app/settings/BackNavigation.h"
#include "app/ui/Ext.h"
#include "app/ui/Haptic.h"
#include "app/ui/ScreenType.h"
#include "app/ui/Strings.h"
#include "colour/CombinationQueries.h"
#include "colour/ThemeColors.h"
#include "combinations/CardSizing.h"
#include "combinations/ColorCombinationCell.h"
#include "combinations/ModeMenu.h"
#include "kit/base/Make.h"
#include "kit/runtime/DispatchQueue.h"
#include "kit/runtime/NotificationCenter.h"
#include "kit/store/Defaults.h"
#include "kit/text/CaseMapping.h"
#include "kit/ui/Assets.h"
#include "kit/ui/Button.h"
#include "kit/ui/Label.h"
#include "kit/ui/Layer.h"
#include "kit/ui/StackView.h"
#include "kit/ui/SwipeGesture.h"
#include "kit/ui/TapGesture.h"

#include <array>

namespace combinations {
namespace {

constexpr std::array<CCTypeLogic, 5> menuKinds = {CCTypeLogic::abstract, CCTypeLogic::digital, CCTypeLogic::saved,
                                                  CCTypeLogic::single, CCTypeLogic::liked};

} // namespace

int menuPosition(CCTypeLogic kind) {
    for (std::size_t i = 0; i < menuKinds.size(); ++i)
        if (menuKinds[i] == kind) return static_cast<int>(i) + 1;
    return 1;
}

CCTypeLogic kindFromStoredMode(long long stored) {
    if (stored >= 1 && stored <= 5) return menuKinds[static_cast<std::size_t>(stored - 1)];
    return CCTypeLogic::abstract;
}

std::string kindTitle(CCTypeLogic kind) {
    using app::Strings::text;
    switch (kind) {
    case CCTypeLogic::abstract: return text("Abstract");
    case CCTypeLogic::digital: return text("Digital");
    case CCTypeLogic::saved: return text("Saved");
    case CCTypeLogic::single: return text("Single");
    case CCTypeLogic::liked: return text("Liked");
    }
    return text("Abstract");
}

ColorCombinationsVC::ColorCombinationsVC() {
    menuStackView = kit::make<kit::View>();
    menuStackView->layer()->setCornerRadius(30);
    menuStackView->setClipsToBounds(true);
    modeNowMenuStack = makeMenuStackView();
    kit::FlowLayout layout;
    layout.scrollDirection = kit::ScrollDirection::vertical;
    layout.minimumLineSpacing = 0;
    collectionView = kit::make<kit::CollectionView>(kit::Rect{}, layout);
    collectionView->setBackgroundColor(kit::Color::clearColor());
    viewForBackSwipe = kit::make<kit::View>();
}

void ColorCombinationsVC::viewDidLoad() {
    std::weak_ptr<ColorCombinationsVC> weak = std::static_pointer_cast<ColorCombinationsVC>(shared_from_this());
    auto swipe = kit::make<kit::SwipeGesture>([weak](kit::GestureRecognizer&) {
        if (auto s = weak.lock()) app::backBySwipe(*s);
    });
    swipe->setDirection(kit::SwipeDirection::right);
    viewForBackSwipe->addGestureRecognizer(swipe);

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
    infoBtn = kit::make<kit::Button>();
    infoBtn->setAttributedTitle(
        kit::AttributedString("?", {kit::Font::system(21, kit::FontWeight::bold), kit::Color::whiteColor(), std::nullopt}),
        kit::ControlState::normal);
    infoBtn->addTarget(this, "showInfo", kit::ControlEvent::touchUpInside, [weak](kit::Control&) {
        if (auto s = weak.lock()) s->showInfo();
    });
}

void ColorCombinationsVC::viewWillAppear(bool animated) {
    ViewController::viewWillAppear(animated);
    restoreMode();
    std::weak_ptr<ColorCombinationsVC> weak = std::static_pointer_cast<ColorCombinationsVC>(shared_from_this());
    auto& center = kit::NotificationCenter::defaultCenter();
    center.removeObserver(this);  // one registration however often the screen appears
    center.addObserver("distantUpdate", nullptr, [weak](const kit::Notification&) {
        if (auto s = weak.lock()) s->distantUpdate();
    }, this);
}

void ColorCombinationsVC::viewWillDisappear(bool animated) {
    ViewController::viewWillDisappear(animated);
    kit::NotificationCenter::defaultCenter().removeObserver(this);
}

void ColorCombinationsVC::restoreMode() {
    tagNow = kindFromStoredMode(kit::Defaults::standard().integer(app::Keys::colorCombinationMode));
    applyMode();
}

void ColorCombinationsVC::applyMode() {
    auto root = view();
    const auto subviews = root->subviews();
    for (const auto& v : subviews) v->removeFromSuperview();
    const auto arranged = modeNowMenuStack->arrangedSubviews();
    for (const auto& v : arranged) v->removeFromSuperview();
    menuStackView->removeFromSuperview();
    buildUI();
    kit::Defaults::standard().set(menuPosition(tagNow), app::Keys::colorCombinationMode);
    modeNowBtn->setTitle(kindTitle(tagNow), kit::ControlState::normal);
    colour::CCs::loadCombinations(tagNow, *this);
}

void ColorCombinationsVC::buildUI() {
    auto root = view();
    auto self = std::static_pointer_cast<ColorCombinationsVC>(shared_from_this());
    const auto background = kit::Color::rgba(21 / 255.0, 23 / 255.0, 33 / 255.0, 1);
    root->setBackgroundColor(background);
    collectionView->setBackgroundColor(background);
    collectionView->setAlwaysBounceVertical(true);
    collectionView->setDataSource(std::static_pointer_cast<kit::CollectionViewDataSource>(self));
    collectionView->setDelegate(std::static_pointer_cast<kit::CollectionViewDelegate>(self));
    collectionView->registerCellClass<ColorCombinationCell>(cellId);

    auto safe = root->safeAreaLayoutGuide();
    root->addSubview(modeNowBtn);
    app::anchorWithCenter(*modeNowBtn, safe.topAnchor(), std::nullopt, std::nullopt, std::nullopt, root->centerXAnchor(),
                          std::nullopt, 4, 0, 0, 0, 200, 50);
    root->addSubview(collectionView);
    app::anchor(*collectionView, modeNowBtn->bottomAnchor(), root->leftAnchor(), root->bottomAnchor(), root->rightAnchor(),
                12);

    std::weak_ptr<ColorCombinationsVC> weak = self;
    for (auto kind : {CCTypeLogic::abstract, CCTypeLogic::digital, CCTypeLogic::saved, CCTypeLogic::single,
                      CCTypeLogic::liked})
        modeNowMenuStack->addArrangedSubview(makeModeButton(kindTitle(kind), [weak](kit::Button& b) {
            if (auto s = weak.lock()) s->selectModeWithButton(&b);
        }));
    root->addSubview(menuStackView);
    app::anchorWithCenter(*menuStackView, modeNowBtn->topAnchor(), std::nullopt, std::nullopt, std::nullopt,
                          root->centerXAnchor(), std::nullopt, 0, 0, 0, 0, 200, 300);
    menuStackView->setHidden(true);
    menuStackView->addSubview(modeNowMenuStack);
    app::anchor(*modeNowMenuStack, menuStackView->topAnchor(), menuStackView->leftAnchor(), menuStackView->bottomAnchor(),
                menuStackView->rightAnchor());

    root->addSubview(viewForBackSwipe);
    app::anchor(*viewForBackSwipe, root->topAnchor(), root->leftAnchor(), root->bottomAnchor(), std::nullopt, 0, 0, 0, 0,
                10);
    root->addSubview(backBtn);
    app::anchor(*backBtn, safe.topAnchor(), root->leftAnchor(), std::nullopt, std::nullopt, 1, 0, 0, 0, 45, 40);
    root->addSubview(infoBtn);
    app::anchorWithCenter(*infoBtn, std::nullopt, std::nullopt, std::nullopt, root->rightAnchor(), std::nullopt,
                          backBtn->centerYAnchor(), 0, 0, 0, 0, 45, 40);
}

void ColorCombinationsVC::reloadList() {
    std::weak_ptr<ColorCombinationsVC> weak = std::static_pointer_cast<ColorCombinationsVC>(shared_from_this());
    kit::DispatchQueue::main().async([weak] {
        auto s = weak.lock();
        if (!s) return;
        auto& list = *s->collectionView;
        if (list.numberOfSections() > 0 && list.numberOfItemsInSection(0) > 0)
            list.scrollToItem(kit::IndexPath::forItem(0, 0), kit::ScrollPosition::top, false);
        list.reloadData();
    });
}

void ColorCombinationsVC::openModeNowMenu() {
    modeNowBtn->setHidden(true);
    menuStackView->setHidden(false);
    if (auto info = infoView) info->closeInfo();  // the close drops infoView
    auto root = view();
    if (tap) root->removeGestureRecognizer(tap.get());
    std::weak_ptr<ColorCombinationsVC> weak = std::static_pointer_cast<ColorCombinationsVC>(shared_from_this());
    tap = kit::make<kit::TapGesture>([weak](kit::GestureRecognizer&) {
        if (auto s = weak.lock()) s->handleTap();
    });
    root->addGestureRecognizer(tap);
}

void ColorCombinationsVC::closeMenu() {
    modeNowBtn->setHidden(false);
    menuStackView->setHidden(true);
    if (tap) view()->removeGestureRecognizer(tap.get());
}

void ColorCombinationsVC::handleTap() {
    modeNowBtn->setHidden(false);
    menuStackView->setHidden(true);
    if (auto info = infoView) info->closeInfo();  // the close drops infoView
    if (tap) view()->removeGestureRecognizer(tap.get());
}

void ColorCombinationsVC::selectModeWithButton(const kit::Button* sender) {
    tagNow = CCTypeLogic::abstract;
    if (sender)
        for (auto kind : {CCTypeLogic::abstract, CCTypeLogic::digital, CCTypeLogic::saved, CCTypeLogic::single,
                          CCTypeLogic::liked})
            if (sender->accessibilityIdentifier() == kindTitle(kind)) {
                tagNow = kind;
                break;
            }
    applyMode();
    closeMenu();
}

void ColorCombinationsVC::showInfo() {
    app::lightImpact();
    modeNowBtn->setHidden(false);
    menuStackView->setHidden(true);
    if (!infoView) {
        using app::Strings::text;
        const std::string body = "\n" + text("One finger tap - copy color to") + " " + text("clipboard") + ".\n\n" +
                                 text("Long press") + " - " + kit::text::lowercased(text("Add to")) + " \"" +
                                 text("Single") + "\".\n\n" + text("Swipe left - delete combination.") + "\n\n" +
                                 text("Swipe right") + " - " + kit::text::lowercased(text("Open in")) + " " +
                                 text("Digital Zovez Aziva");
        infoView = kit::make<app::InfoView>(view(), modeNowBtn, std::nullopt,
                                            app::makeInfoAttributedText(text("How to use"), body, false), false, 20);
        infoView->infoViewDelegate =
            std::static_pointer_cast<app::InfoViewDelegate>(std::static_pointer_cast<ColorCombinationsVC>(shared_from_this()));
    }
    auto info = infoView;  // a close drops infoView while the overlay runs
    info->toggleInfo();
}

int ColorCombinationsVC::numberOfItemsInSection(kit::CollectionView&, int) { return static_cast<int>(filteredArr.size()); }

std::shared_ptr<kit::CollectionViewCell> ColorCombinationsVC::cellForItemAt(kit::CollectionView& view,
                                                                           const kit::IndexPath& path) {
    auto dequeued = view.dequeueReusableCell(cellId, path);
    auto cell = std::dynamic_pointer_cast<ColorCombinationCell>(dequeued);
    if (!cell) return kit::make<kit::CollectionViewCell>();
    cell->layer()->setShouldRasterize(true);
    cell->layer()->setRasterizationScale(kit::Screen::scale());
    cell->configure(filteredArr[static_cast<std::size_t>(path.row())], shared_from_this());
    return cell;
}

std::optional<kit::Size> ColorCombinationsVC::sizeForItemAt(kit::CollectionView&, const kit::IndexPath&) {
    const double width = cardWidth(kit::Device::userInterfaceIdiom(), kit::Device::orientation(), app::isSplitScreen(),
                                   app::multitaskingLayout(), view()->frame().width());
    return kit::Size{width, cardHeight};
}

} // namespace combinations
