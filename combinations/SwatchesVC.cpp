#include "combinations/SwatchesVC.h"

#include "app/SavedData.h"
#include "app/settings/BackNavigation.h"
#include "app/ui/Ext.h"
#include "app/ui/Haptic.h"
#include "app/ui/Strings.h"
#include "colour/ThemeColors.h"
#include "combinations/ColorCell.h"
#include "combinations/ModeMenu.h"
#include "kit/base/Make.h"
#include "kit/store/Defaults.h"
#include "kit/text/CaseMapping.h"
#include "kit/ui/Assets.h"
#include "kit/ui/Button.h"
#include "kit/ui/Label.h"
#include "kit/ui/Layer.h"
#include "kit/ui/StackView.h"
#include "kit/ui/SwipeGesture.h"
#include "kit/ui/TapGesture.h"
#include "tools/ColorGroupVC.h"

namespace combinations {
namespace {

const kit::Color& swatchBackground() {
    static const kit::Color color = kit::Color::rgba(0.08235294, 0.09019608, 0.12941177, 1);
    return color;
}

} // namespace

SwatchesVC::SwatchesVC()
    : gs10Title(app::Strings::text("Grayscale") + " 10"), gs5Title(app::Strings::text("Grayscale") + " 5") {
    tap = kit::make<kit::TapGesture>();
    headerView = kit::make<kit::View>();
    headerView->setBackgroundColor(swatchBackground());
    navigationBarTitle = kit::make<kit::Label>();
    navigationBarTitle->setFont(kit::Font::system(19));
    navigationBarTitle->setTextColor(kit::Color::whiteColor());
    navigationBarTitle->setTextAlignment(kit::TextAlignment::center);
    collectionView = tools::makeColorsCollectionView();
    menuStackView = kit::make<kit::View>();
    menuStackView->layer()->setCornerRadius(30);
    menuStackView->setClipsToBounds(true);
    menuStackView->setHidden(true);
    modeNowMenuStack = makeMenuStackView();
    modeNowMenuStack->layer()->setBorderColor(kit::Color::whiteColor());
    viewForBackSwipe = kit::make<kit::View>();
}

void SwatchesVC::viewDidLoad() {
    std::weak_ptr<SwatchesVC> weak = std::static_pointer_cast<SwatchesVC>(shared_from_this());
    auto swipe = kit::make<kit::SwipeGesture>([weak](kit::GestureRecognizer&) {
        if (auto s = weak.lock()) app::backBySwipe(*s);
    });
    swipe->setDirection(kit::SwipeDirection::right);
    viewForBackSwipe->addGestureRecognizer(swipe);
    buildSwatchesUI();
}

void SwatchesVC::viewWillAppear(bool animated) {
    ViewController::viewWillAppear(animated);
    view()->setHidden(false);
    loadLastSwatch();
    loadSwatch();
}

void SwatchesVC::viewWillDisappear(bool animated) {
    ViewController::viewWillDisappear(animated);
    kit::Defaults::standard().set(static_cast<int>(selectedSwatch), app::Keys::lastSwatch);
}

void SwatchesVC::buildSwatchesUI() {
    auto root = view();
    auto self = std::static_pointer_cast<SwatchesVC>(shared_from_this());
    std::weak_ptr<SwatchesVC> weak = self;
    root->setBackgroundColor(swatchBackground());
    collectionView->setAlwaysBounceVertical(true);
    collectionView->setDataSource(std::static_pointer_cast<kit::CollectionViewDataSource>(self));
    collectionView->setDelegate(std::static_pointer_cast<kit::CollectionViewDelegate>(self));
    collectionView->registerCellClass<ColorCell>(cellId);

    backBtn = kit::make<kit::Button>();
    backBtn->setImage(kit::Assets::imageNamed("back-btn"), kit::ControlState::normal);
    backBtn->setContentMode(kit::ContentMode::scaleAspectFill);
    backBtn->addTarget(this, "backBtnWasPressed:", kit::ControlEvent::touchUpInside, [weak](kit::Control&) {
        if (auto s = weak.lock()) app::backBtnTapped(*s);
    });
    modeNowBtn = kit::make<kit::Button>();
    modeNowBtn->addTarget(this, "openModeNowMenu:", kit::ControlEvent::touchUpInside, [weak](kit::Control&) {
        if (auto s = weak.lock()) s->openModeNowMenu();
    });
    root->addSubview(backBtn);
    root->addSubview(modeNowBtn);

    modeNowBtn->setTitle(swatchTitle(SwatchEnum::summer), kit::ControlState::normal);
    modeNowBtn->setTitleColor(kit::Color::whiteColor());
    modeNowBtn->titleLabel()->setFont(app::Fonts::regularFont20());
    modeNowBtn->layer()->setBorderColor(kit::Color::whiteColor());
    modeNowBtn->layer()->setCornerRadius(25);
    modeNowBtn->layer()->setBackgroundColor(colour::translucentGrayColor());
    auto safe = root->safeAreaLayoutGuide();
    app::anchorWithCenter(*modeNowBtn, safe.topAnchor(), std::nullopt, std::nullopt, std::nullopt, root->centerXAnchor(),
                          std::nullopt, 4, 0, 0, 0, 240, 50);

    root->addSubview(collectionView);
    app::anchor(*collectionView, modeNowBtn->bottomAnchor(), root->leftAnchor(), root->bottomAnchor(), root->rightAnchor(),
                12);

    for (auto set : swatchMenuOrder)
        modeNowMenuStack->addArrangedSubview(makeModeButton(swatchTitle(set), [weak](kit::Button& b) {
            if (auto s = weak.lock()) s->selectModeWithButton(&b);
        }));
    root->addSubview(menuStackView);
    app::anchorWithCenter(*menuStackView, modeNowBtn->topAnchor(), std::nullopt, std::nullopt, std::nullopt,
                          root->centerXAnchor(), std::nullopt, 0, 0, 0, 0, 240, 500);
    menuStackView->setHidden(true);
    menuStackView->addSubview(modeNowMenuStack);
    app::anchor(*modeNowMenuStack, menuStackView->topAnchor(), menuStackView->leftAnchor(), menuStackView->bottomAnchor(),
                menuStackView->rightAnchor());

    root->addSubview(viewForBackSwipe);
    app::anchor(*viewForBackSwipe, root->topAnchor(), root->leftAnchor(), root->bottomAnchor(), std::nullopt, 0, 0, 0, 0,
                10);
    root->addSubview(backBtn);
    app::anchor(*backBtn, safe.topAnchor(), root->leftAnchor(), std::nullopt, std::nullopt, 1, 0, 0, 0, 45, 40);

    infoBtn = kit::make<kit::Button>();
    infoBtn->setAttributedTitle(
        kit::AttributedString("?", {kit::Font::system(21, kit::FontWeight::bold), kit::Color::whiteColor(), std::nullopt}),
        kit::ControlState::normal);
    infoBtn->addTarget(this, "showInfo", kit::ControlEvent::touchUpInside, [weak](kit::Control&) {
        if (auto s = weak.lock()) s->showInfo();
    });
    root->addSubview(infoBtn);
    app::anchorWithCenter(*infoBtn, std::nullopt, std::nullopt, std::nullopt, root->rightAnchor(), std::nullopt,
                          backBtn->centerYAnchor(), 0, 0, 0, 0, 45, 40);
}

void SwatchesVC::loadLastSwatch() {
    selectedSwatch = swatchFromStoredIndex(kit::Defaults::standard().integer(app::Keys::lastSwatch));
}

void SwatchesVC::loadSwatch() {
    modeNowBtn->setTitle(swatchTitle(selectedSwatch), kit::ControlState::normal);
    if (isPlainColorSet(selectedSwatch))
        colorArray = plainColors(selectedSwatch);
    else
        colorsWithNameArray = namedColors(selectedSwatch);
    collectionView->reloadData();
}

void SwatchesVC::selectModeWithButton(const kit::Button* sender) {
    // Compared in this order; the first match wins, none gives summer.
    static constexpr SwatchEnum order[] = {SwatchEnum::summer,   SwatchEnum::winter,    SwatchEnum::spring,
                                           SwatchEnum::autumn,   SwatchEnum::oilPaint,  SwatchEnum::material,
                                           SwatchEnum::wikipedia, SwatchEnum::html,     SwatchEnum::grayscale10,
                                           SwatchEnum::grayscale5};
    selectedSwatch = SwatchEnum::summer;
    if (sender)
        for (auto set : order)
            if (sender->accessibilityIdentifier() == swatchTitle(set)) {
                selectedSwatch = set;
                break;
            }
    loadSwatch();
    modeNowBtn->setTitle(swatchTitle(selectedSwatch), kit::ControlState::normal);
    menuStackView->setHidden(true);
    modeNowBtn->setHidden(false);
    view()->removeGestureRecognizer(tap.get());
    if (collectionView->numberOfSections() > 0 && collectionView->numberOfItemsInSection(0) > 0)
        collectionView->scrollToItem(kit::IndexPath::forItem(0, 0), kit::ScrollPosition::top, true);
}

void SwatchesVC::openModeNowMenu() {
    modeNowBtn->setHidden(true);
    menuStackView->setHidden(false);
    if (auto info = infoView) info->closeInfo();  // the close drops infoView
    auto root = view();
    root->removeGestureRecognizer(tap.get());
    std::weak_ptr<SwatchesVC> weak = std::static_pointer_cast<SwatchesVC>(shared_from_this());
    tap = kit::make<kit::TapGesture>([weak](kit::GestureRecognizer&) {
        if (auto s = weak.lock()) s->handleTap();
    });
    root->addGestureRecognizer(tap);
}

void SwatchesVC::handleTap() {
    modeNowBtn->setHidden(false);
    menuStackView->setHidden(true);
    if (auto info = infoView) info->closeInfo();  // the close drops infoView
    view()->removeGestureRecognizer(tap.get());
}

void SwatchesVC::showInfo() {
    app::lightImpact();
    modeNowBtn->setHidden(false);
    menuStackView->setHidden(true);
    if (!infoView) {
        using app::Strings::text;
        const std::string body = text("One finger tap - copy color to") + " " + text("clipboard") + ".\n\n" +
                                 text("Long press") + " - " + kit::text::lowercased(text("Add to")) + " \"" +
                                 text("Color Combinations") + " > " + text("Single") + "\".\n\n" + text("Swipe right") +
                                 " - " + kit::text::lowercased(text("Open in")) + " " + text("Digital Zovez Aziva");
        infoView = kit::make<app::InfoView>(view(), modeNowBtn, std::nullopt,
                                            app::makeInfoAttributedText(text("How to use"), body, false), false, 20);
        infoView->infoViewDelegate =
            std::static_pointer_cast<app::InfoViewDelegate>(std::static_pointer_cast<SwatchesVC>(shared_from_this()));
    }
    auto info = infoView;  // a close drops infoView while the overlay runs
    info->toggleInfo();
}

int SwatchesVC::numberOfItemsInSection(kit::CollectionView&, int) {
    return static_cast<int>(isPlainColorSet(selectedSwatch) ? colorArray.size() : colorsWithNameArray.size());
}

std::shared_ptr<kit::CollectionViewCell> SwatchesVC::cellForItemAt(kit::CollectionView& view, const kit::IndexPath& path) {
    auto cell = std::dynamic_pointer_cast<ColorCell>(view.dequeueReusableCell(cellId, path));
    if (!cell) return kit::make<kit::CollectionViewCell>();
    const auto row = static_cast<std::size_t>(path.row());
    const bool isHtml = selectedSwatch == SwatchEnum::html;
    if (isPlainColorSet(selectedSwatch))
        cell->configure(colorArray[row], true, std::nullopt, path.row(), isHtml, false, false, false);
    else
        cell->configure(std::nullopt, true, colorsWithNameArray[row], path.row(), isHtml, false, false, false);
    return cell;
}

std::optional<kit::Size> SwatchesVC::sizeForItemAt(kit::CollectionView&, const kit::IndexPath&) {
    return kit::Size{view()->frame().width(), 70};
}

} // namespace combinations
