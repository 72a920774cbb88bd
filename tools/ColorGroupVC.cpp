#include "tools/ColorGroupVC.h"

#include "app/AppDelegate.h"
#include "app/SavedData.h"
#include "app/storage/SaveHelpers.h"
#include "app/settings/BackNavigation.h"
#include "app/ui/Ext.h"
#include "app/ui/Strings.h"
#include "colour/ArgbHex.h"
#include "colour/ColorCodeText.h"
#include "colour/HexText.h"
#include "colour/ThemeColors.h"
#include "colour/ContrastingTint.h"
#include "colour/library/ColorLibrary.h"
#include "kit/base/Make.h"
#include "kit/layout/Constraint.h"
#include "kit/store/Defaults.h"
#include "kit/ui/AlertController.h"
#include "kit/ui/Button.h"
#include "kit/ui/Label.h"
#include "kit/ui/NavigationController.h"
#include "kit/ui/Slider.h"
#include "kit/ui/Storyboard.h"
#include "kit/ui/TextField.h"
#include "tools/ColorGroup.h"
#include "tools/ColorImportSheet.h"
#include "tools/MixingMath.h"
#include "tools/ToolColorCell.h"
#include "tools/ToolOverlays.h"
#include "tools/ToolUi.h"
#include "wheels/ControlTint.h"
#include "wheels/ScreenParts.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tools {
namespace {

using Constraint = kit::layout::Constraint;
constexpr const char* cellId = "cellId";

} // namespace

std::shared_ptr<kit::CollectionView> makeColorsCollectionView() {
    kit::FlowLayout layout;
    layout.scrollDirection = kit::ScrollDirection::vertical;
    layout.minimumLineSpacing = 0;
    auto view = kit::make<kit::CollectionView>(kit::Rect{}, layout);
    view->setBackgroundColor(kit::Color::clearColor());
    return view;
}

ColorGroupVC::ColorGroupVC() : color(colour::initWithHexString("#FFABB2")) {}

void ColorGroupVC::viewDidLoad() {
    numberOfColorsLabel = kit::make<kit::Label>();
    numberOfColorsLabel->setTextAlignment(kit::TextAlignment::center);
    numberOfColorsLabel->setFont(kit::Font::system(18));
    numberOfColorsLabel->setTextColor(kit::Color::whiteColor());
    numberOfColorsLabel->setText(app::Strings::text("Number of colors") + ": 30");
    colorsCollectionView = makeColorsCollectionView();
    colorBg = kit::make<kit::View>();

    restoreToolState();
    loadColorBuffer();
    buildUI();
    updateSliders();
    refreshColorGroup();
}

void ColorGroupVC::viewWillDisappear(bool animated) {
    ViewController::viewWillDisappear(animated);
    saveToolState();
}

void ColorGroupVC::restoreToolState() {
    auto& defaults = kit::Defaults::standard();
    if (auto stored = defaults.string(app::Keys::colorGroupColor)) color = colour::colorFromArgbHex(*stored);
    std::optional<long long> stored;
    if (defaults.hasValue(app::Keys::colorGroupNumberOfColors)) stored = defaults.integer(app::Keys::colorGroupNumberOfColors);
    numberOfColors = restoredGroupSize(stored);
}

void ColorGroupVC::saveToolState() {
    auto& defaults = kit::Defaults::standard();
    defaults.set(colour::hexCodeString(color), app::Keys::colorGroupColor);
    defaults.set(numberOfColors, app::Keys::colorGroupNumberOfColors);
}

void ColorGroupVC::loadColorBuffer() {
    const auto buffer = kit::Defaults::standard().string(app::Keys::lastColorMixing).value_or(app::defaultBufferColor);
    colorInBuffer = colour::colorFromHex(buffer);
    importColorFromBufferBtn = makeBufferButton();
    importColorFromBufferBtn->setTag(1);
    importColorFromBufferBtn->setBackgroundColor(colorInBuffer);
    importColorFromBufferBtn->setHidden(colorInBuffer == color);
}

void ColorGroupVC::buildUI() {
    auto root = view();
    root->setBackgroundColor(colour::screenBackgroundColor());
    std::weak_ptr<ColorGroupVC> weak = std::static_pointer_cast<ColorGroupVC>(shared_from_this());
    const auto act = controlActions(weak);

    root->addSubview(colorBg);
    app::anchor(*colorBg, root->topAnchor(), root->leftAnchor(), std::nullopt, root->rightAnchor());
    colorBgHeight_ = colorBg->heightAnchor().equalToConstant(210);
    Constraint::activate({colorBgHeight_});

    hueSlider = makeToolSlider(0.01f, 1.0f, 1.0f);
    saturationSlider = makeToolSlider(0.01f, 1.0f, 1.0f);
    brightnessSlider = makeToolSlider(0.01f, 1.0f, 1.0f);
    const double offsets[] = {-30, 0, 30};
    int i = 0;
    for (auto& slider : {hueSlider, saturationSlider, brightnessSlider}) {
        slider->addTarget(this, "updateColorBySliders", kit::ControlEvent::valueChanged,
                          act([](ColorGroupVC& s) { s.updateColorBySliders(); }));
        root->addSubview(slider);
        slider->setTranslatesAutoresizingMaskIntoConstraints(false);
        Constraint::activate({slider->leftAnchor().equalTo(root->leftAnchor(), 50),
                              slider->rightAnchor().equalTo(root->rightAnchor(), -50),
                              slider->heightAnchor().equalToConstant(30),
                              slider->centerYAnchor().equalTo(colorBg->centerYAnchor(), offsets[i++])});
    }

    colorLabel = kit::make<kit::Button>();
    colorLabel->setTitleColor(kit::Color::whiteColor());
    colorLabel->titleLabel()->setFont(app::Fonts::lightFont18());
    colorLabel->titleLabel()->setNumberOfLines(0);
    colorLabel->titleLabel()->setLineBreakMode(kit::LineBreakMode::wordWrap);
    colorLabel->titleLabel()->setTextAlignment(kit::TextAlignment::center);
    colorLabel->setContentVerticalAlignment(kit::ContentVerticalAlignment::center);
    colorLabel->addTarget(this, "colorLabelTapped", kit::ControlEvent::touchDown,
                          act([](ColorGroupVC& s) { app::copyColorToClipboard(colour::hexString(s.color)); }));
    root->addSubview(colorLabel);
    app::anchor(*colorLabel, std::nullopt, colorBg->leftAnchor(), colorBg->bottomAnchor(), std::nullopt, 0, 12, -6);

    root->addSubview(numberOfColorsLabel);
    // Inset like its slider, so that it keeps clear of the reverse button at the right edge.
    app::anchor(*numberOfColorsLabel, colorBg->bottomAnchor(), root->leftAnchor(), std::nullopt, root->rightAnchor(), 16, 50,
                0, 50);
    numberOfColorsSlider = makeToolSlider(6, 60, 1.0f);
    numberOfColorsSlider->addTarget(this, "updateNumberOFColors", kit::ControlEvent::valueChanged,
                                    act([](ColorGroupVC& s) { s.updateNumberOFColors(); }));
    root->addSubview(numberOfColorsSlider);
    app::anchor(*numberOfColorsSlider, numberOfColorsLabel->bottomAnchor(), root->leftAnchor(), std::nullopt,
                root->rightAnchor(), 8, 50, 0, 50, 0, 30);

    colorsCollectionView->setDataSource(std::static_pointer_cast<kit::CollectionViewDataSource>(weak.lock()));
    colorsCollectionView->setDelegate(std::static_pointer_cast<kit::CollectionViewDelegate>(weak.lock()));
    colorsCollectionView->registerCellClass<ToolColorCell>(cellId);
    colorsCollectionView->setAlwaysBounceVertical(true);
    root->addSubview(colorsCollectionView);
    // The list stops at the safe area: rows under a home indicator could not be read or tapped.
    app::anchor(*colorsCollectionView, numberOfColorsSlider->bottomAnchor(), root->leftAnchor(),
                root->safeAreaLayoutGuide().bottomAnchor(), root->rightAnchor(), 16);

    backButton = makeImageButton("back-btn", true);
    backButton->setContentMode(kit::ContentMode::scaleAspectFill);
    backButton->addTarget(this, "backButtonPressed:", kit::ControlEvent::touchUpInside,
                          act([](ColorGroupVC& s) { app::backBtnTapped(s); }));
    app::placeBackButton(*root, backButton);

    saveBtn = makeImageButton("save_img", true);
    saveBtn->addTarget(this, "saveColor", kit::ControlEvent::touchUpInside,
                       act([](ColorGroupVC& s) { app::saveSingleColor(s.color); }));
    app::placeTopRight(*root, saveBtn, *backButton);

    importColorBtn = makeImageButton("Inport_color", true);
    importColorBtn->addTarget(this, "importColorBtnTapped", kit::ControlEvent::touchDown, act([weak](ColorGroupVC& s) {
        showImportSheet(s.shared_from_this(), [weak](const kit::Color& c) {
            if (auto g = weak.lock()) g->applyImportedColor(c);
        });
    }));
    app::stackButtons(*root, *saveBtn, *saveBtn, {importColorBtn});
    importColorFromBufferBtn->addTarget(this, "getColorFromBufferButtonPressed:", kit::ControlEvent::touchDown,
                                        act([](ColorGroupVC& s) { s.getColorFromBufferButtonPressed(); }));
    root->addSubview(importColorFromBufferBtn);
    app::anchorWithCenter(*importColorFromBufferBtn, importColorBtn->bottomAnchor(), std::nullopt, std::nullopt,
                          std::nullopt, saveBtn->centerXAnchor(), std::nullopt, 4, 0, 0, 0, 22, 22);

    reverseButton = makeImageButton("triangle_down");
    reverseButton->addTarget(this, "reverseButtonTapped", kit::ControlEvent::touchDown,
                             act([](ColorGroupVC& s) { s.reverseButtonTapped(); }));
    exportColorsButton = makeImageButton("copy");
    exportColorsButton->addTarget(this, "exportColorsArray", kit::ControlEvent::touchDown,
                                  act([](ColorGroupVC& s) { s.showCopyHexArrayAlert(); }));
    app::stackButtons(*root, *saveBtn, *colorBg, {reverseButton, exportColorsButton});

    viewForBackSwipe_ = installBackSwipeStrip(*this);

    // The panel's columns side by side, each down, then the row under it: slider, then its icons.
    root->setFocusSequence({backButton, hueSlider, saturationSlider, brightnessSlider, saveBtn, importColorBtn,
                            importColorFromBufferBtn, colorLabel, numberOfColorsSlider, reverseButton,
                            exportColorsButton});
}

void ColorGroupVC::refreshColorGroup() {
    const auto textColor = colour::contrastingTint(color);
    colorBg->setBackgroundColor(color);
    colorLabel->setTitle(colour::colorCodeStringMultiline(color));
    colorLabel->setTitleColor(textColor);
    colorBgHeight_->setConstant(panelHeight());
    numberOfColorsLabel->setText(app::Strings::text("Number of colors") + ": " + std::to_string(numberOfColors));
    colorsArray = makeColorGroup(color, numberOfColors, isReversed);
    colorsCollectionView->reloadData();
    for (auto& b : {backButton, saveBtn, importColorBtn}) paintImageTint(*b, textColor);
    for (auto& slider : {hueSlider, saturationSlider, brightnessSlider})
        wheels::tintSlider(*slider, wheels::controlTint(color, wheels::shadeSliderWhiteAlpha));
    reverseButton->setTransform(isReversed ? kit::AffineTransform::rotation(std::numbers::pi)
                                           : kit::AffineTransform::rotation(0));
}

// The panel keeps its 210 points unless the code in its corner (three or four lines in some
// formats) would reach the brightness slider: then it grows just enough for both.
double ColorGroupVC::panelHeight() const {
    constexpr double centreToSliderBottom = 30 + 15, gap = 4, codeBottomInset = 6;
    const double code = colorLabel->intrinsicContentSize().height;
    return std::max(210.0, 2 * (centreToSliderBottom + gap + code + codeBottomInset));
}

void ColorGroupVC::updateSliders() {
    const auto hsb = colour::hsbComponents(color);
    hueSlider->setValue(float(hsb.hue));
    saturationSlider->setValue(float(hsb.saturation));
    brightnessSlider->setValue(float(hsb.brightness));
    numberOfColorsSlider->setValue(float(numberOfColors));
}

void ColorGroupVC::updateColorBySliders() {
    color = kit::Color::hsb(hueSlider->value(), saturationSlider->value(), brightnessSlider->value(), 1);
    refreshColorGroup();
}

void ColorGroupVC::updateNumberOFColors() {
    numberOfColors = static_cast<long long>(std::trunc(numberOfColorsSlider->value()));
    refreshColorGroup();
}

void ColorGroupVC::reverseButtonTapped() {
    app::delegate().hapticGenerator.impactOccurred();
    isReversed = !isReversed;
    refreshColorGroup();
}

void ColorGroupVC::showCopyHexArrayAlert() {
    auto alert = kit::AlertController::make(app::Strings::text("Copy hex array"), "");
    const auto n = std::to_string(numberOfColors);
    alert->addTextField([](kit::TextField& f) {
        f.setPlaceholder(app::Strings::text("From"));
        f.setText("1");
        f.setTextAlignment(kit::TextAlignment::center);
        f.setKeyboardType(kit::KeyboardType::numberPad);
    });
    alert->addTextField([n](kit::TextField& f) {
        f.setPlaceholder(app::Strings::text("To"));
        f.setText(n);
        f.setTextAlignment(kit::TextAlignment::center);
        f.setKeyboardType(kit::KeyboardType::numberPad);
    });
    const auto fields = alert->textFields();  // the alert is gone when its action runs
    std::weak_ptr<ColorGroupVC> weak = std::static_pointer_cast<ColorGroupVC>(shared_from_this());
    alert->addAction(kit::AlertAction::make(app::Strings::text("Copy"), kit::AlertActionStyle::defaultStyle,
                                            [weak, fields](kit::AlertAction&) {
                                                auto s = weak.lock();
                                                if (!s || fields.size() < 2) return;
                                                const auto [from, to] =
                                                    hexArrayRange(fields[0]->text(), fields[1]->text(), s->numberOfColors);
                                                app::copyTextToClipboard(hexArrayText(s->colorsArray, from, to));
                                            }));
    alert->addAction(kit::AlertAction::make("Cancel", kit::AlertActionStyle::cancel));
    presentViewController(alert, true);
}

void ColorGroupVC::showMoreAlert() {
    app::delegate().hapticGenerator.impactOccurred();
    auto alert = kit::AlertController::make(app::Strings::text("More") + ":", "");
    std::weak_ptr<ColorGroupVC> weak = std::static_pointer_cast<ColorGroupVC>(shared_from_this());
    alert->addAction(kit::AlertAction::make(app::Strings::text("Copy hex array"), kit::AlertActionStyle::defaultStyle,
                                            [weak](kit::AlertAction&) { if (auto s = weak.lock()) s->showCopyHexArrayAlert(); }));
    alert->addAction(kit::AlertAction::make(app::Strings::text("Preview as chart"), kit::AlertActionStyle::defaultStyle,
                                            [weak](kit::AlertAction&) { if (auto s = weak.lock()) s->previewAsChart(); }));
    alert->addAction(kit::AlertAction::make(app::Strings::text("Cancel")));
    presentViewController(alert, true);
}

void ColorGroupVC::previewAsChart() {
    auto screen = kit::Storyboard::named("Main")->instantiateViewController("PieChartVC");
    if (!screen) return;
    if (!setUpChartPreview(*screen, colorsArray, true)) return;
    if (auto nav = navigationController()) nav->pushViewController(screen, true);
}

void ColorGroupVC::getColorFromBufferButtonPressed() {
    app::delegate().hapticGenerator.impactOccurred();
    importColorFromBufferBtn->setHidden(true);
    color = colorInBuffer;
    updateSliders();
    refreshColorGroup();
}

void ColorGroupVC::applyImportedColor(const kit::Color& c) {
    color = c;
    updateSliders();
    refreshColorGroup();
}

int ColorGroupVC::numberOfItemsInSection(kit::CollectionView&, int) { return static_cast<int>(colorsArray.size()); }

std::shared_ptr<kit::CollectionViewCell> ColorGroupVC::cellForItemAt(kit::CollectionView& view, const kit::IndexPath& path) {
    auto cell = std::dynamic_pointer_cast<ToolColorCell>(view.dequeueReusableCell(cellId, path));
    if (!cell) return kit::make<kit::CollectionViewCell>();
    cell->configure(colorsArray[static_cast<std::size_t>(path.item)], path.item + 1);
    return cell;
}

std::optional<kit::Size> ColorGroupVC::sizeForItemAt(kit::CollectionView&, const kit::IndexPath&) {
    return kit::Size{view()->bounds().size.width, 70};
}

} // namespace tools
