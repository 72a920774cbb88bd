#include "combinations/LargeCombinationsView.h"

#include "app/AppDelegate.h"
#include "app/storage/StoreNotices.h"
#include "app/ui/Ext.h"
#include "app/ui/Haptic.h"
#include "app/ui/Strings.h"
#include "colour/ThemeColors.h"
#include "combinations/CcImageVC.h"
#include "kit/base/Console.h"
#include "combinations/ShownOverlays.h"
#include "combinations/SlidingPanel.h"
#include "kit/base/Make.h"
#include "kit/runtime/DispatchQueue.h"
#include "kit/runtime/NotificationCenter.h"
#include "kit/text/CaseMapping.h"
#include "kit/ui/AlertController.h"
#include "kit/ui/Assets.h"
#include "kit/ui/Button.h"
#include "kit/ui/NavigationController.h"
#include "kit/ui/Storyboard.h"
#include "kit/ui/SwipeGesture.h"
#include "kit/ui/TapGesture.h"
#include "kit/ui/ViewController.h"

#include <algorithm>

namespace combinations {

LargeCombinationsView::LargeCombinationsView(const std::shared_ptr<kit::View>& host,
                                             const std::shared_ptr<kit::ViewController>& controller,
                                             LargeCombinationViewType type)
    : view(host), vc(controller), viewType(type) {}

void LargeCombinationsView::initialize() {
    bgView = kit::make<kit::View>();
    bgView->setBackgroundColor(colour::screenBackgroundColor());
    bgView->setHidden(false);
    bgView->setClipsToBounds(true);
    collectionView = makePanelList();
    std::weak_ptr<LargeCombinationsView> weak = weak_from_this();
    closeBtn = kit::make<kit::Button>();
    closeBtn->setImage(kit::Assets::imageNamed("down_btn"), kit::ControlState::normal);
    closeBtn->addTarget(this, "close", kit::ControlEvent::touchDown, [weak](kit::Control&) {
        if (auto s = weak.lock()) s->close();
    });
    infoBtn = app::makeHelpButton();
    infoBtn->addTarget(this, "showInfo", kit::ControlEvent::touchUpInside, [weak](kit::Control&) {
        if (auto s = weak.lock()) s->showInfo();
    });
}

LargeCombinationsView::~LargeCombinationsView() {
    kit::print("ColorMixesView has been deinit.");
    kit::NotificationCenter::defaultCenter().removeObserver(this);
    if (bgView) bgView->removeFromSuperview();
}

std::optional<std::vector<app::LargeCombination>> LargeCombinationsView::fetchLargeCombinations() const {
    std::optional<kit::StoreError> error;
    auto objects = app::delegate().persistentContainer().viewContext()->fetch(app::LargeCombination::fetchRequest(), error);
    if (error) {
        app::reportFetchFailure(*error);
        return std::nullopt;
    }
    std::vector<app::LargeCombination> records;
    for (auto& o : objects) records.emplace_back(o);
    std::stable_sort(records.begin(), records.end(), [](const auto& a, const auto& b) { return a.id() > b.id(); });
    std::vector<app::LargeCombination> kept;
    for (auto& r : records) {
        if (viewType == LargeCombinationViewType::colorMixes && r.isMixedColor()) kept.push_back(r);
        if (viewType == LargeCombinationViewType::light && r.isLightColors()) kept.push_back(r);
    }
    return kept;
}

void LargeCombinationsView::showLargeCombinations() {
    auto records = fetchLargeCombinations();
    auto host = view.lock();
    if (!records || !host) return;
    largeCombinations = std::move(*records);
    setupViews();
    shown_ = true;
    closing_ = false;
    ShownOverlays<LargeCombinationsView>::add(shared_from_this(), view);
    slidePanelIn(bgView, *host, kit::AnimationOptions::none);
}

void LargeCombinationsView::update() {
    largeCombinations.clear();
    auto records = fetchLargeCombinations();
    if (!records) return;
    largeCombinations = std::move(*records);
    std::weak_ptr<LargeCombinationsView> weak = weak_from_this();
    kit::DispatchQueue::main().async([weak] {
        if (auto s = weak.lock()) s->collectionView->reloadData();
    });
}

void LargeCombinationsView::refetchAndReload() {
    if (auto records = fetchLargeCombinations()) largeCombinations = std::move(*records);
    collectionView->reloadData();
}

void LargeCombinationsView::setupViews() {
    auto host = view.lock();
    if (!host) return;
    bgView->removeFromSuperview();
    closeBtn->removeFromSuperview();
    collectionView->removeFromSuperview();
    auto& center = kit::NotificationCenter::defaultCenter();
    center.removeObserver(this);
    std::weak_ptr<LargeCombinationsView> weak = weak_from_this();
    center.addObserver("updateLargeCombinationView", nullptr, [weak](const kit::Notification&) {
        if (auto s = weak.lock()) s->update();
    }, this);
    closeTGR = kit::make<kit::TapGesture>([weak](kit::GestureRecognizer&) {
        if (auto s = weak.lock()) s->close();
    });
    closeBtn->addGestureRecognizer(closeTGR);
    bgView->setEscapeAction([weak] {
        if (auto s = weak.lock()) s->close();
    });
    collectionView->setAlwaysBounceVertical(true);
    collectionView->setDataSource(std::static_pointer_cast<kit::CollectionViewDataSource>(shared_from_this()));
    collectionView->setDelegate(std::static_pointer_cast<kit::CollectionViewDelegate>(shared_from_this()));
    collectionView->registerCellClass<LargeCombinationCell>(cellId);

    host->addSubview(bgView);
    app::anchor(*bgView, host->topAnchor(), host->leftAnchor(), host->bottomAnchor(), host->rightAnchor());
    bgView->addSubview(closeBtn);
    app::anchor(*closeBtn, bgView->topAnchor(), host->leftAnchor(), std::nullopt, std::nullopt, 40, 0, 0, 0, 40, 30);
    bgView->addSubview(collectionView);
    app::anchor(*collectionView, closeBtn->bottomAnchor(), bgView->leftAnchor(), bgView->bottomAnchor(),
                bgView->rightAnchor(), 20);
    infoBtn->removeFromSuperview();
    bgView->addSubview(infoBtn);
    app::anchorWithCenter(*infoBtn, std::nullopt, std::nullopt, std::nullopt, host->rightAnchor(), std::nullopt,
                          closeBtn->centerYAnchor(), 0, 0, 0, 0, 45, 40);
}

void LargeCombinationsView::close() {
    // The close button reports both its touch-down and its tap: the overlay closes once.
    if (!shown_ || closing_) return;
    closing_ = true;
    app::lightImpact();
    auto host = view.lock();
    std::weak_ptr<LargeCombinationsView> weak = weak_from_this();
    slidePanelOut(bgView, host.get(), kit::AnimationOptions::none, [weak] {
        auto s = weak.lock();
        if (!s) return;
        if (s->closeTGR) s->closeBtn->removeGestureRecognizer(s->closeTGR.get());
        s->bgView->removeFromSuperview();
        s->largeCombinations.clear();
        if (s->infoView) s->infoView->closeInfo();
        s->shown_ = false;
        s->closing_ = false;
        ShownOverlays<LargeCombinationsView>::remove(s.get());
    });
}

void LargeCombinationsView::showInfo() {
    app::lightImpact();
    if (!infoView) {
        using app::Strings::text;
        const std::string body = "\n" + text("Swipe left") + " - " + kit::text::lowercased(text("Delete")) + "\n\n" +
                                 text("Swipe right") + " - " + kit::text::lowercased(text("Save as image"));
        auto host = view.lock();
        if (!host) return;
        infoView = kit::make<app::InfoView>(host, closeBtn, std::nullopt,
                                            app::makeInfoAttributedText(text("How to use"), body, false), false, 30);
        infoView->infoViewDelegate = std::static_pointer_cast<app::InfoViewDelegate>(shared_from_this());
    }
    infoView->toggleInfo();
}

void LargeCombinationsView::handleLeftSwipe(const LargeCombinationCell& cell) {
    auto path = collectionView->indexPathForCell(cell);
    auto controller = vc.lock();
    if (!path || !controller) return;
    using app::Strings::text;
    auto alert = kit::AlertController::make(text("Delete") + "?", "", kit::AlertControllerStyle::alert);
    std::weak_ptr<LargeCombinationsView> weak = weak_from_this();
    const auto at = *path;
    alert->addAction(kit::AlertAction::make(text("Yes"), kit::AlertActionStyle::destructive, [weak, at](kit::AlertAction&) {
        if (auto s = weak.lock()) s->deleteLargeCombination(at);
    }));
    alert->addAction(kit::AlertAction::make(text("No"), kit::AlertActionStyle::cancel));
    controller->presentViewController(alert, true);
}

void LargeCombinationsView::deleteLargeCombination(const kit::IndexPath& path) {
    const auto row = static_cast<std::size_t>(path.row());
    if (row >= largeCombinations.size()) return;
    auto& delegate = app::delegate();
    delegate.persistentContainer().viewContext()->deleteObject(largeCombinations[row].object());
    delegate.saveContext();
    refetchAndReload();
}

void LargeCombinationsView::handleRightSwipe(const LargeCombinationCell& cell) {
    auto path = collectionView->indexPathForCell(cell);
    if (!path) return;
    const auto row = static_cast<std::size_t>(path->row());
    if (row >= largeCombinations.size()) return;
    const auto& record = largeCombinations[row];
    auto screen = std::dynamic_pointer_cast<CcImageVC>(kit::Storyboard::named("Main")->instantiateViewController("CcImageVC"));
    if (!screen) return;
    screen->colors = largeCombinationColors(record, viewType);
    if (viewType == LargeCombinationViewType::light) screen->name = record.name();
    auto controller = vc.lock();
    if (!controller) return;
    if (auto nav = controller->navigationController()) nav->pushViewController(screen, true);
}

int LargeCombinationsView::numberOfItemsInSection(kit::CollectionView&, int) {
    return static_cast<int>(largeCombinations.size());
}

std::shared_ptr<kit::CollectionViewCell> LargeCombinationsView::cellForItemAt(kit::CollectionView& list,
                                                                             const kit::IndexPath& path) {
    auto cell = std::dynamic_pointer_cast<LargeCombinationCell>(list.dequeueReusableCell(cellId, path));
    if (!cell) return kit::make<kit::CollectionViewCell>();
    cell->configure(largeCombinations[static_cast<std::size_t>(path.row())], path.row(), vc.lock(), viewType);
    if (!cell->swipesInstalled) {
        // One pair per cell, however often it is reused, so that a swipe acts once.
        std::weak_ptr<LargeCombinationsView> weak = weak_from_this();
        std::weak_ptr<LargeCombinationCell> weakCell = cell;
        for (auto direction : {kit::SwipeDirection::left, kit::SwipeDirection::right}) {
            auto swipe = kit::make<kit::SwipeGesture>([weak, weakCell, direction](kit::GestureRecognizer&) {
                auto s = weak.lock();
                auto c = weakCell.lock();
                if (!s || !c) return;
                if (direction == kit::SwipeDirection::left)
                    s->handleLeftSwipe(*c);
                else
                    s->handleRightSwipe(*c);
            });
            swipe->setDirection(direction);
            cell->addGestureRecognizer(swipe);
        }
        cell->swipesInstalled = true;
    }
    return cell;
}

std::optional<kit::Size> LargeCombinationsView::sizeForItemAt(kit::CollectionView&, const kit::IndexPath&) {
    return kit::Size{bgView->frame().width(), 70};
}

void LargeCombinationsView::didSelectItemAt(kit::CollectionView&, const kit::IndexPath& path) {
    const auto row = static_cast<std::size_t>(path.row());
    if (row < largeCombinations.size()) {
        const auto record = largeCombinations[row];
        if (auto host = colorMixesViewDelete.lock())
            host->largeCombinationsViewDidSelect(record);
        else if (didSelect)
            didSelect(record);
    }
    close();
}

std::shared_ptr<LargeCombinationsView> openLargeCombinations(const std::shared_ptr<kit::ViewController>& host,
                                                             LargeCombinationViewType viewType,
                                                             std::function<void(const app::LargeCombination&)> picked) {
    auto overlay = kit::make<LargeCombinationsView>(host->view(), host, viewType);
    overlay->didSelect = std::move(picked);
    overlay->showLargeCombinations();
    return overlay;
}

} // namespace combinations
