#include "combinations/ColorCombinationsVC.h"

#include "app/SavedData.h"
#include "app/ui/ScreenType.h"
#include "app/ui/Strings.h"
#include "colour/CombinationQueries.h"
#include "combinations/CardSizing.h"
#include "combinations/ColorCombinationCell.h"
#include "kit/base/Make.h"
#include "kit/runtime/DispatchQueue.h"
#include "kit/runtime/NotificationCenter.h"
#include "kit/store/Defaults.h"
#include "kit/text/CaseMapping.h"
#include "kit/ui/Button.h"
#include "kit/ui/Layer.h"
#include "kit/ui/StackView.h"

#include <array>

namespace combinations {
namespace {

constexpr std::array<CCTypeLogic, 5> menuKinds = {CCTypeLogic::abstract, CCTypeLogic::digital, CCTypeLogic::saved,
                                                  CCTypeLogic::single, CCTypeLogic::liked};

std::shared_ptr<kit::CollectionView> makeCardList() {
    kit::FlowLayout layout;
    layout.scrollDirection = kit::ScrollDirection::vertical;
    layout.minimumLineSpacing = 0;
    auto list = kit::make<kit::CollectionView>(kit::Rect{}, layout);
    list->setBackgroundColor(kit::Color::clearColor());
    return list;
}

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

ColorCombinationsVC::ColorCombinationsVC() : ModeListVC(makeCardList()) {}

void ColorCombinationsVC::viewDidLoad() {
    installBackSwipe();
    makeButtons();
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
    const auto background = kit::Color::rgba(21 / 255.0, 23 / 255.0, 33 / 255.0, 1);
    view()->setBackgroundColor(background);
    collectionView->setBackgroundColor(background);
    serveList();
    collectionView->registerCellClass<ColorCombinationCell>(cellId);
    std::vector<std::string> titles;
    for (auto kind : menuKinds) titles.push_back(kindTitle(kind));
    layOut(titles, 200, 300);
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

void ColorCombinationsVC::selectModeWithButton(const kit::Button* sender) {
    tagNow = CCTypeLogic::abstract;
    if (sender)
        for (auto kind : menuKinds)
            if (sender->accessibilityIdentifier() == kindTitle(kind)) {
                tagNow = kind;
                break;
            }
    applyMode();
    closeMenu(false);
}

std::string ColorCombinationsVC::howToUseText() const {
    using app::Strings::text;
    return "\n" + text("One finger tap - copy color to") + " " + text("clipboard") + ".\n\n" + text("Long press") +
           " - " + kit::text::lowercased(text("Add to")) + " \"" + text("Single") + "\".\n\n" +
           text("Swipe left - delete combination.") + "\n\n" + text("Swipe right") + " - " +
           kit::text::lowercased(text("Open in")) + " " + text("Digital Zovez Aziva");
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
