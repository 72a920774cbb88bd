#include "combinations/SingleView.h"

#include "app/AppDelegate.h"
#include "app/storage/StoreNotices.h"
#include "app/storage/DataModel.h"
#include "app/ui/Ext.h"
#include "colour/HexText.h"
#include "colour/ThemeColors.h"
#include "combinations/ColorCell.h"
#include "combinations/Swatches.h"
#include "kit/base/Console.h"
#include "combinations/ShownOverlays.h"
#include "combinations/SlidingPanel.h"
#include "kit/base/Make.h"
#include "kit/ui/Animation.h"
#include "kit/ui/Assets.h"
#include "kit/ui/Button.h"
#include "kit/ui/TapGesture.h"

#include <algorithm>

namespace combinations {
namespace {

constexpr auto curlUp = static_cast<kit::AnimationOptions>(0x300000);
constexpr auto curlDown = static_cast<kit::AnimationOptions>(0x400000);

SwatchEnum catalogueSet(ImportSwatchesEnum set) {
    switch (set) {
    case ImportSwatchesEnum::summer: return SwatchEnum::summer;
    case ImportSwatchesEnum::winter: return SwatchEnum::winter;
    case ImportSwatchesEnum::spring: return SwatchEnum::spring;
    case ImportSwatchesEnum::autumn: return SwatchEnum::autumn;
    case ImportSwatchesEnum::material: return SwatchEnum::material;
    case ImportSwatchesEnum::html: return SwatchEnum::html;
    case ImportSwatchesEnum::oilPaint: return SwatchEnum::oilPaint;
    case ImportSwatchesEnum::wikipedia: return SwatchEnum::wikipedia;
    }
    return SwatchEnum::summer;
}

bool isPlainImportSet(ImportSwatchesEnum set) { return static_cast<int>(set) <= 4; }

} // namespace

SingleView::SingleView(const std::shared_ptr<kit::View>& host, bool singleCC, std::optional<ImportSwatchesEnum> set)
    : view(host), isSingleCC(singleCC), swatchType(set) {}

void SingleView::initialize() {
    singleView = kit::make<kit::View>();
    singleView->setBackgroundColor(colour::screenBackgroundColor());
    singleView->setHidden(false);
    singleView->setClipsToBounds(true);
    collectionView = makePanelList();
    closeBtn = kit::make<kit::Button>();
    closeBtn->setImage(kit::Assets::imageNamed("down_btn"), kit::ControlState::normal);
    std::weak_ptr<SingleView> weak = weak_from_this();
    closeBtn->addTarget(this, "closeSingleView", kit::ControlEvent::touchDown, [weak](kit::Control&) {
        if (auto s = weak.lock()) s->closeSingleView();
    });
}

SingleView::~SingleView() {
    if (singleView) singleView->removeFromSuperview();
    kit::print("SingleView has been deinit.");
}

void SingleView::showSingleView() {
    if (isSingleCC) {
        auto request = app::CustomColorCombination::fetchRequest();
        request.predicate = kit::Predicate::format("tag = %@", std::string("colorPicker"));
        request.returnsObjectsAsFaults = false;
        std::optional<kit::StoreError> error;
        auto objects = app::delegate().persistentContainer().viewContext()->fetch(request, error);
        if (error) return app::reportFetchFailure(*error);
        std::vector<std::shared_ptr<app::CustomColorCombination>> records;
        for (auto& o : objects) records.push_back(std::make_shared<app::CustomColorCombination>(o));
        std::stable_sort(records.begin(), records.end(), [](const auto& a, const auto& b) { return a->id() > b->id(); });
        singleColorArr = std::move(records);
        presentSingleView();
        return;
    }
    if (!swatchType) return;
    const auto set = catalogueSet(*swatchType);
    if (isPlainImportSet(*swatchType))
        colorArray = plainColors(set);
    else
        colorsWithNameArray = namedColors(set);
    presentSingleView();
}

void SingleView::setupSingleView() {
    auto host = view.lock();
    if (!host) return;
    std::weak_ptr<SingleView> weak = weak_from_this();
    closeTGR = kit::make<kit::TapGesture>([weak](kit::GestureRecognizer&) {
        if (auto s = weak.lock()) s->closeSingleView();
    });
    closeBtn->addGestureRecognizer(closeTGR);
    collectionView->setAlwaysBounceVertical(true);
    collectionView->setDataSource(std::static_pointer_cast<kit::CollectionViewDataSource>(shared_from_this()));
    collectionView->setDelegate(std::static_pointer_cast<kit::CollectionViewDelegate>(shared_from_this()));
    collectionView->registerCellClass<ColorCell>(cellId);
    singleView->setEscapeAction([weak] {
        if (auto s = weak.lock()) s->closeSingleView();
    });
    host->addSubview(singleView);
    app::anchor(*singleView, host->topAnchor(), host->leftAnchor(), host->bottomAnchor(), host->rightAnchor());
    singleView->addSubview(closeBtn);
    app::anchor(*closeBtn, singleView->topAnchor(), singleView->leftAnchor(), std::nullopt, std::nullopt, 40, 0, 0, 0, 40,
                30);
    singleView->addSubview(collectionView);
    app::anchor(*collectionView, closeBtn->bottomAnchor(), singleView->leftAnchor(), singleView->bottomAnchor(),
                singleView->rightAnchor(), 20);
}

void SingleView::presentSingleView() {
    auto host = view.lock();
    if (!host) return;
    setupSingleView();
    shown_ = true;
    closing_ = false;
    ShownOverlays<SingleView>::add(shared_from_this(), view);
    slidePanelIn(singleView, *host, curlUp);
}

void SingleView::hideSingleView() {
    // The close button reports both its touch-down and its tap: the panel closes once.
    if (!shown_ || closing_) return;
    closing_ = true;
    auto host = view.lock();
    std::weak_ptr<SingleView> weak = weak_from_this();
    slidePanelOut(singleView, host.get(), curlDown, [weak] {
        auto s = weak.lock();
        if (!s) return;
        if (s->closeTGR) s->closeBtn->removeGestureRecognizer(s->closeTGR.get());
        s->singleView->removeFromSuperview();
        s->singleColorArr.clear();
        s->shown_ = false;
        s->closing_ = false;
        ShownOverlays<SingleView>::remove(s.get());
    });
}

int SingleView::numberOfItemsInSection(kit::CollectionView&, int) {
    if (isSingleCC) return static_cast<int>(singleColorArr.size());
    if (!swatchType) return 0;
    return static_cast<int>(isPlainImportSet(*swatchType) ? colorArray.size() : colorsWithNameArray.size());
}

std::shared_ptr<kit::CollectionViewCell> SingleView::cellForItemAt(kit::CollectionView& list, const kit::IndexPath& path) {
    auto cell = std::dynamic_pointer_cast<ColorCell>(list.dequeueReusableCell(cellId, path));
    if (!cell) return kit::make<kit::CollectionViewCell>();
    const auto row = static_cast<std::size_t>(path.row());
    if (isSingleCC) {
        const auto hex = singleColorArr[row]->color1().value_or("FFFFFF");
        // A stored text that is not 6 or 8 digits falls back to grey, as the pick does; the row
        // would otherwise keep the colour of the record it showed before.
        const auto color = colour::initWithHexRgba(hex).value_or(colour::colorFromHex(hex));
        cell->configure(color, false, std::nullopt, path.row(), false, false, false, false);
    } else if (!swatchType) {
        return cell;
    } else if (isPlainImportSet(*swatchType)) {
        cell->configure(colorArray[row], false, std::nullopt, path.row(), false, false, false, false);
    } else {
        cell->configure(std::nullopt, false, colorsWithNameArray[row], path.row(), false, false, false, false);
    }
    return cell;
}

std::optional<kit::Size> SingleView::sizeForItemAt(kit::CollectionView&, const kit::IndexPath&) {
    return kit::Size{singleView->frame().width(), 70};
}

void SingleView::didSelectItemAt(kit::CollectionView&, const kit::IndexPath& path) {
    const auto row = static_cast<std::size_t>(path.row());
    std::optional<kit::Color> picked;
    if (isSingleCC) {
        if (row >= singleColorArr.size()) return;
        const auto hex = singleColorArr[row]->color1();
        if (!hex) return;
        picked = colour::colorFromHex(*hex);
    } else if (swatchType) {
        if (isPlainImportSet(*swatchType)) {
            if (row >= colorArray.size()) return;
            picked = colorArray[row];
        } else {
            if (row >= colorsWithNameArray.size()) return;
            const auto& hex = colorsWithNameArray[row].hex;
            if (!hex) return;
            picked = colour::colorFromHex(*hex);
        }
    }
    if (picked) {
        if (auto host = singleViewDelete.lock())
            host->singleViewDidSelect(*picked);
        else if (didSelect)
            didSelect(*picked);
    }
    hideSingleView();
}

std::shared_ptr<SingleView> openSingleView(const std::shared_ptr<kit::View>& host, bool isSingleCC,
                                           std::optional<ImportSwatchesEnum> swatchType,
                                           std::function<void(const kit::Color&)> picked) {
    auto panel = kit::make<SingleView>(host, isSingleCC, swatchType);
    panel->didSelect = std::move(picked);
    panel->showSingleView();
    return panel;
}

} // namespace combinations
