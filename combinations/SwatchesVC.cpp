#include "combinations/SwatchesVC.h"

#include "app/SavedData.h"
#include "app/ui/Strings.h"
#include "combinations/ColorCell.h"
#include "kit/base/Make.h"
#include "kit/store/Defaults.h"
#include "kit/text/CaseMapping.h"
#include "kit/ui/Button.h"
#include "kit/ui/Label.h"
#include "kit/ui/Layer.h"
#include "kit/ui/StackView.h"
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
    : ModeListVC(tools::makeColorsCollectionView()), gs10Title(app::Strings::text("Grayscale") + " 10"),
      gs5Title(app::Strings::text("Grayscale") + " 5") {
    tap = kit::make<kit::TapGesture>();
    headerView = kit::make<kit::View>();
    headerView->setBackgroundColor(swatchBackground());
    navigationBarTitle = kit::make<kit::Label>();
    navigationBarTitle->setFont(kit::Font::system(19));
    navigationBarTitle->setTextColor(kit::Color::whiteColor());
    navigationBarTitle->setTextAlignment(kit::TextAlignment::center);
    menuStackView->setHidden(true);
    modeNowMenuStack->layer()->setBorderColor(kit::Color::whiteColor());
}

void SwatchesVC::viewDidLoad() {
    installBackSwipe();
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
    view()->setBackgroundColor(swatchBackground());
    serveList();
    collectionView->registerCellClass<ColorCell>(cellId);
    makeButtons();
    modeNowBtn->setTitle(swatchTitle(SwatchEnum::summer), kit::ControlState::normal);
    modeNowBtn->layer()->setBorderColor(kit::Color::whiteColor());
    std::vector<std::string> titles;
    for (auto set : swatchMenuOrder) titles.push_back(swatchTitle(set));
    layOut(titles, 240, 500);
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
    closeMenu(false);
    if (collectionView->numberOfSections() > 0 && collectionView->numberOfItemsInSection(0) > 0)
        collectionView->scrollToItem(kit::IndexPath::forItem(0, 0), kit::ScrollPosition::top, true);
}

std::string SwatchesVC::howToUseText() const {
    using app::Strings::text;
    return text("One finger tap - copy color to") + " " + text("clipboard") + ".\n\n" + text("Long press") + " - " +
           kit::text::lowercased(text("Add to")) + " \"" + text("Color Combinations") + " > " + text("Single") +
           "\".\n\n" + text("Swipe right") + " - " + kit::text::lowercased(text("Open in")) + " " +
           text("Digital Zovez Aziva");
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
