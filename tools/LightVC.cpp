#include "tools/LightVC.h"

#include "app/AppDelegate.h"
#include "app/SavedData.h"
#include "app/storage/DataModel.h"
#include "app/storage/SaveHelpers.h"
#include "app/settings/BackNavigation.h"
#include "app/ui/Ext.h"
#include "app/ui/ScreenType.h"
#include "app/ui/Strings.h"
#include "colour/HexText.h"
#include "colour/ThemeColors.h"
#include "colour/library/ColorLibrary.h"
#include "kit/base/Make.h"
#include "kit/layout/Constraint.h"
#include "kit/store/Defaults.h"
#include "kit/ui/AlertController.h"
#include "kit/ui/Button.h"
#include "kit/ui/Label.h"
#include "kit/ui/Slider.h"
#include "kit/ui/TapGesture.h"
#include "kit/ui/TextField.h"
#include "tools/ColorGroupVC.h"
#include "tools/ColorImportSheet.h"
#include "tools/ToolColorCell.h"
#include "tools/ToolOverlays.h"
#include "tools/ToolUi.h"

#include <cmath>

namespace tools {
namespace {

constexpr const char* cellId = "cellId";
constexpr double dropdownRowHeight = 50;

// A row of the light list: the shown name, centred.
class DropdownCell : public kit::TableViewCell {
public:
    void initialize() {
        titleLabel = kit::make<kit::Label>();
        titleLabel->setTextAlignment(kit::TextAlignment::center);
        titleLabel->setFont(kit::Font::system(18));
        titleLabel->setTextColor(kit::Color::whiteColor());
        auto content = contentView();
        content->addSubview(titleLabel);
        titleLabel->setTranslatesAutoresizingMaskIntoConstraints(false);
        kit::layout::Constraint::activate({titleLabel->centerXAnchor().equalTo(content->centerXAnchor()),
                                           titleLabel->centerYAnchor().equalTo(content->centerYAnchor()),
                                           titleLabel->heightAnchor().equalToConstant(dropdownRowHeight)});
        setBackgroundColor(kit::Color::clearColor());
        content->setBackgroundColor(colour::panelBackgroundColor());
        content->setClipsToBounds(true);
    }
    std::shared_ptr<kit::Label> titleLabel;
};

double dropdownHeight() {
    const auto description = app::screenTypeDescription(app::screenType());
    if (description == "iPhone 5, iPhone 5s, iPhone 5c or iPhone SE") return 510;
    if (description == "iPhone 6, iPhone 6S, iPhone 7 or iPhone 8") return 630;
    return dropdownRowHeight * static_cast<double>(allLightTypes.size());
}

} // namespace

LightVC::LightVC() = default;

std::vector<std::string> LightVC::hexColors() const {
    std::vector<std::string> out;
    out.reserve(colorsArray.size());
    for (const auto& c : colorsArray) out.push_back(colour::hexString(c));
    return out;
}

void LightVC::viewDidLoad() {
    dropdownButton = kit::make<kit::Button>();
    dropdownButton->setTitleColor(kit::Color::whiteColor());
    dropdownButton->titleLabel()->setFont(kit::Font::system(18));
    dropdownButton->setBackgroundColor(kit::Color::grayColor());
    dropdownButton->layer()->setCornerRadius(25);
    dropdownMenu = kit::make<kit::TableView>();
    dropdownMenu->setBackgroundColor(colour::panelBackgroundColor());
    dropdownMenu->layer()->setCornerRadius(25);
    dropdownMenu->setSeparatorStyle(kit::TableViewSeparatorStyle::singleLine);
    dropdownMenu->setRowHeight(dropdownRowHeight);
    dropdownMenu->setHidden(true);
    intensityLabel = kit::make<kit::Label>();
    intensityLabel->setTextAlignment(kit::TextAlignment::center);
    intensityLabel->setFont(kit::Font::system(18));
    intensityLabel->setTextColor(kit::Color::whiteColor());
    updateIntensityLabel();
    colorsCollectionView = makeColorsCollectionView();

    buildUI();
    loadColorBuffer();
    restoreLightType();
}

void LightVC::viewWillDisappear(bool animated) {
    ViewController::viewWillDisappear(animated);
    kit::Defaults::standard().set(std::string(lightName(lightType)), app::Keys::selectedLightType);
}

void LightVC::buildUI() {
    auto root = view();
    root->setBackgroundColor(colour::screenBackgroundColor());
    auto self = std::static_pointer_cast<LightVC>(shared_from_this());
    std::weak_ptr<LightVC> weak = self;
    const auto act = controlActions(weak);
    auto safe = root->safeAreaLayoutGuide();

    backBtn = makeImageButton("back-btn");
    backBtn->setContentMode(kit::ContentMode::scaleAspectFill);
    backBtn->addTarget(this, "backButtonPressed:", kit::ControlEvent::touchUpInside, act([](LightVC& s) { app::backBtnTapped(s); }));
    saveBtn = makeImageButton("save_img");
    saveBtn->addTarget(this, "save", kit::ControlEvent::touchUpInside, act([](LightVC& s) { s.showSaveAlert(); }));
    colorMixesBtn = makeImageButton("table-rows", true);
    paintImageTint(*colorMixesBtn, kit::Color::whiteColor());
    colorMixesBtn->addTarget(this, "openSavedCombinations", kit::ControlEvent::touchDown,
                             act([](LightVC& s) { s.openSavedLightSets(); }));
    importColorBtn = makeImageButton("Inport_color");
    importColorBtn->addTarget(this, "importColorBtnTapped", kit::ControlEvent::touchDown,
                              act([](LightVC& s) { s.showImportSheetHere(); }));
    importColorFromBufferBtn = makeBufferButton();
    importColorFromBufferBtn->addTarget(this, "getColorFromBufferButtonPressed", kit::ControlEvent::touchDown,
                                        act([](LightVC& s) { s.addColorFromBuffer(); }));

    app::placeBackButton(*root, backBtn);
    root->addSubview(saveBtn);
    app::anchor(*saveBtn, safe.topAnchor(), std::nullopt, std::nullopt, root->rightAnchor(), 1, 0, 0, 0, 45, 40);
    app::stackButtons(*root, *saveBtn, *saveBtn, {colorMixesBtn, importColorBtn});
    root->addSubview(importColorFromBufferBtn);
    app::anchorWithCenter(*importColorFromBufferBtn, backBtn->bottomAnchor(), std::nullopt, std::nullopt, std::nullopt,
                          backBtn->centerXAnchor(), std::nullopt, 13, 0, 0, 0, 24, 24);

    root->addSubview(dropdownButton);
    app::anchorWithCenter(*dropdownButton, safe.topAnchor(), std::nullopt, std::nullopt, std::nullopt,
                          root->centerXAnchor(), std::nullopt, 4, 0, 0, 0, 240, 50);
    root->addSubview(intensityLabel);
    app::anchor(*intensityLabel, dropdownButton->bottomAnchor(), root->leftAnchor(), std::nullopt, root->rightAnchor(),
                17, 60, 0, 60);
    intensitySlider = makeToolSlider(0, 1, 0);
    intensitySlider->setTintColor(std::nullopt);
    intensitySlider->setMinimumTrackTintColor(std::nullopt);
    intensitySlider->setThumbTintColor(std::nullopt);
    intensitySlider->addTarget(this, "intensitySliderValueChanged:", kit::ControlEvent::valueChanged,
                               act([](LightVC& s) { s.intensitySliderValueChanged(); }));
    root->addSubview(intensitySlider);
    app::anchor(*intensitySlider, intensityLabel->bottomAnchor(), root->leftAnchor(), std::nullopt, root->rightAnchor(),
                8, 60, 0, 60);

    colorsCollectionView->setDataSource(std::static_pointer_cast<kit::CollectionViewDataSource>(self));
    colorsCollectionView->setDelegate(std::static_pointer_cast<kit::CollectionViewDelegate>(self));
    colorsCollectionView->registerCellClass<ToolColorCell>(cellId);
    colorsCollectionView->setAlwaysBounceVertical(true);
    root->addSubview(colorsCollectionView);
    app::anchor(*colorsCollectionView, intensitySlider->bottomAnchor(), root->leftAnchor(), root->bottomAnchor(),
                root->rightAnchor(), 24);

    selectColorButton = kit::make<kit::Button>();
    selectColorButton->setTitle(app::Strings::text("To get started, select a color..."));
    selectColorButton->setTitleColor(kit::Color::gray(1, 0.5));
    selectColorButton->titleLabel()->setFont(kit::Font::system(16));
    selectColorButton->titleLabel()->setNumberOfLines(2);
    selectColorButton->addTarget(this, "importColorBtnTapped", kit::ControlEvent::touchDown,
                                 act([](LightVC& s) { s.showImportSheetHere(); }));
    root->addSubview(selectColorButton);
    app::anchorWithCenter(*selectColorButton, std::nullopt, root->leftAnchor(), std::nullopt, root->rightAnchor(),
                          std::nullopt, colorsCollectionView->centerYAnchor(), 0, 20, 0, 20, 0, 40);
    selectColorButton->setHidden(!colorsArray.empty());

    dropdownMenu->setDataSource(std::static_pointer_cast<kit::TableViewDataSource>(self));
    dropdownMenu->setDelegate(std::static_pointer_cast<kit::TableViewDelegate>(self));
    root->addSubview(dropdownMenu);
    app::anchorWithCenter(*dropdownMenu, safe.topAnchor(), std::nullopt, std::nullopt, std::nullopt, root->centerXAnchor(),
                          std::nullopt, 4, 0, 0, 0, 240, dropdownHeight());
    auto tap = kit::make<kit::TapGesture>([weak](kit::GestureRecognizer&) {
        if (auto s = weak.lock()) s->toggleDropdownMenu();
    });
    dropdownButton->addGestureRecognizer(tap);

    viewForBackSwipe_ = installBackSwipeStrip(*this);
}

void LightVC::loadColorBuffer() {
    const auto buffer = kit::Defaults::standard().string(app::Keys::lastColorMixing).value_or(app::defaultBufferColor);
    colorInBuffer = colour::colorFromHex(buffer);
    importColorFromBufferBtn->setBackgroundColor(colorInBuffer);
    importColorFromBufferBtn->setHidden(false);
}

void LightVC::restoreLightType() {
    const auto stored = kit::Defaults::standard().string(app::Keys::selectedLightType).value_or("Daylight");
    lightType = lightTypeFromName(stored).value_or(LightType::daylight);
    dropdownButton->setTitle(localizedLightName(lightType));
    colorsCollectionView->reloadData();
}

void LightVC::selectLight(LightType type) {
    lightType = type;
    dropdownButton->setTitle(localizedLightName(type));
    colorsCollectionView->reloadData();
}

void LightVC::intensitySliderValueChanged() {
    power = static_cast<double>(intensitySlider->value());
    updateIntensityLabel();
    colorsCollectionView->reloadData();
}

void LightVC::updateIntensityLabel() {
    const double percent = std::trunc(power * 100);
    const long long whole = std::isfinite(percent) ? static_cast<long long>(std::clamp(percent, -1e15, 1e15)) : 0;
    intensityLabel->setText(app::Strings::text("Intensity") + ": " + std::to_string(whole) + "%");
}

void LightVC::toggleDropdownMenu() {
    dropdownMenuVisible = !dropdownMenuVisible;
    dropdownMenu->setHidden(!dropdownMenuVisible);
    if (dropdownMenuVisible) dropdownMenu->reloadData();
}

void LightVC::updateSelectColorButton() {
    if (selectColorButton) selectColorButton->setHidden(!colorsArray.empty());
}

void LightVC::addColor(const kit::Color& color) {
    colorsArray.push_back(color);
    updateSelectColorButton();
    colorsCollectionView->reloadData();
}

void LightVC::removeColorAt(int row) {
    if (row < 0 || row >= static_cast<int>(colorsArray.size())) return;
    app::delegate().hapticGenerator.impactOccurred();
    colorsArray.erase(colorsArray.begin() + row);
    updateSelectColorButton();
    colorsCollectionView->reloadData();
}

void LightVC::addColorFromBuffer() {
    app::delegate().hapticGenerator.impactOccurred();
    addColor(colorInBuffer);
    importColorFromBufferBtn->setHidden(true);
}

void LightVC::showImportSheetHere() {
    std::weak_ptr<LightVC> weak = std::static_pointer_cast<LightVC>(shared_from_this());
    showImportSheet(shared_from_this(), [weak](const kit::Color& c) {
        if (auto s = weak.lock()) s->addColor(c);
    });
}

void LightVC::showSaveAlert() {
    if (colorsArray.empty()) return;
    app::delegate().hapticGenerator.impactOccurred();
    lightSetName.clear();
    auto alert = kit::AlertController::make(app::Strings::text("Name"), "");
    alert->addTextField([](kit::TextField& field) { field.setPlaceholder(app::Strings::text("Name") + "..."); });
    const auto fields = alert->textFields();  // the alert is gone when its action runs
    std::weak_ptr<LightVC> weak = std::static_pointer_cast<LightVC>(shared_from_this());
    alert->addAction(kit::AlertAction::make(app::Strings::text("Cancel"), kit::AlertActionStyle::cancel));
    alert->addAction(kit::AlertAction::make(app::Strings::text("Add"), kit::AlertActionStyle::defaultStyle,
                                            [weak, fields](kit::AlertAction&) {
                                                auto s = weak.lock();
                                                if (!s) return;
                                                s->lightSetName = fields.empty() ? "" : fields[0]->text();
                                                app::saveLightCombination(*s);
                                                pulseSavedSetsButton(*s->colorMixesBtn);
                                            }));
    presentViewController(alert, true);
}

void LightVC::openSavedLightSets() {
    app::delegate().hapticGenerator.impactOccurred();
    std::weak_ptr<LightVC> weak = std::static_pointer_cast<LightVC>(shared_from_this());
    openSavedSets({shared_from_this(), SavedSetKind::light, [weak](const app::LargeCombination& record) {
                       if (auto s = weak.lock()) s->restoreLightCombination(record);
                   }});
}

void LightVC::restoreLightCombination(const app::LargeCombination& record) {
    colorsArray.clear();
    for (const auto& hex : record.colors()) colorsArray.push_back(colour::initWithHexString(hex));
    updateSelectColorButton();
    selectLight(lightTypeFromName(record.lightType().value_or("Daylight")).value_or(LightType::daylight));
    // Stored sets hold 0...1; anything else is brought back into the slider's range.
    const double stored = record.lightPower();
    power = std::isfinite(stored) ? std::clamp(stored, 0.0, 1.0) : 0.0;
    intensitySlider->setValue(static_cast<float>(power));
    updateIntensityLabel();
    colorsCollectionView->reloadData();
}

int LightVC::numberOfItemsInSection(kit::CollectionView&, int) { return static_cast<int>(colorsArray.size()); }

std::shared_ptr<kit::CollectionViewCell> LightVC::cellForItemAt(kit::CollectionView& view, const kit::IndexPath& path) {
    auto cell = std::dynamic_pointer_cast<ToolColorCell>(view.dequeueReusableCell(cellId, path));
    if (!cell) return kit::make<kit::CollectionViewCell>();
    cell->configure(colorUnderLight(colorsArray[static_cast<std::size_t>(path.item)], lightType, power), std::nullopt,
                    path.item > 0);
    std::weak_ptr<LightVC> weak = std::static_pointer_cast<LightVC>(shared_from_this());
    std::weak_ptr<kit::CollectionView> list = colorsCollectionView;
    cell->setLeftSwipeAction([weak, list](ToolColorCell& swiped) {
        auto s = weak.lock();
        auto l = list.lock();
        if (!s || !l) return;
        if (auto path = l->indexPathForCell(swiped)) s->removeColorAt(path->item);
    });
    return cell;
}

std::optional<kit::Size> LightVC::sizeForItemAt(kit::CollectionView&, const kit::IndexPath&) {
    return kit::Size{view()->bounds().size.width, 70};
}

int LightVC::numberOfRowsInSection(kit::TableView&, int) { return static_cast<int>(allLightTypes.size()); }

std::shared_ptr<kit::TableViewCell> LightVC::cellForRowAt(kit::TableView&, const kit::IndexPath& path) {
    auto cell = kit::make<DropdownCell>();
    cell->titleLabel->setText(localizedLightName(allLightTypes[static_cast<std::size_t>(path.row())]));
    return cell;
}

void LightVC::didSelectRowAt(kit::TableView&, const kit::IndexPath& path) {
    selectLight(allLightTypes[static_cast<std::size_t>(path.row())]);
    toggleDropdownMenu();
}

} // namespace tools
