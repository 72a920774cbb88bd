#include "tools/ColorMixingVC.h"

#include "app/AppDelegate.h"
#include "app/SavedData.h"
#include "app/storage/DataModel.h"
#include "app/storage/SaveHelpers.h"
#include "app/settings/BackNavigation.h"
#include "app/ui/Ext.h"
#include "app/ui/ScreenType.h"
#include "app/ui/Strings.h"
#include "colour/ColorCodeText.h"
#include "colour/ColorNames.h"
#include "colour/HexText.h"
#include "colour/ThemeColors.h"
#include "colour/library/ColorLibrary.h"
#include "kit/base/Make.h"
#include "kit/store/Defaults.h"
#include "kit/text/Trimming.h"
#include "kit/ui/AlertController.h"
#include "kit/ui/Button.h"
#include "kit/ui/Device.h"
#include "kit/ui/ImageView.h"
#include "kit/ui/Label.h"
#include "kit/ui/NavigationController.h"
#include "kit/ui/Slider.h"
#include "kit/ui/StackView.h"
#include "kit/ui/Storyboard.h"
#include "kit/ui/TapGesture.h"
#include "kit/ui/TextField.h"
#include "tools/ColorImportSheet.h"
#include "tools/DerivedColorList.h"
#include "tools/LedVC.h"
#include "tools/MixedColorMigration.h"
#include "tools/MixingMath.h"
#include "tools/ToolOverlays.h"
#include "tools/ToolUi.h"
#include "wheels/ControlTint.h"

#include <algorithm>
#include <cmath>

namespace tools {
namespace {

using Constraint = kit::layout::Constraint;

bool isPad() { return kit::Device::userInterfaceIdiom() == kit::UserInterfaceIdiom::pad; }

std::shared_ptr<kit::Label> makeShareLabel() {
    auto label = kit::make<kit::Label>();
    label->setFont(kit::Font::system(17));
    label->setTextColor(kit::Color::whiteColor());
    return label;
}

std::shared_ptr<kit::Label> makeCaption() {
    auto label = kit::make<kit::Label>();
    label->setTextColor(kit::Color::whiteColor());
    label->setFont(kit::Font::system(21, kit::FontWeight::light));
    label->setTextAlignment(kit::TextAlignment::center);
    return label;
}

// The button column at the right edge, and the gap kept from it and from the derived-colour strip.
constexpr double buttonColumnWidth = 45, sideColumnGap = 4;

// From this width a landscape window shows the sliders in its right half, beside the colour, rather
// than across the whole width.
constexpr double sideBySideWidth = 900;

} // namespace

ColorMixingVC::StripMetrics ColorMixingVC::stripMetrics() {
    if (isPad()) {
        const auto o = kit::Device::orientation();
        const bool landscape = o == kit::DeviceOrientation::landscapeLeft || o == kit::DeviceOrientation::landscapeRight;
        return landscape ? StripMetrics{40, 25, 20, 25} : StripMetrics{48, 40, 20, 40};
    }
    const auto description = app::screenTypeDescription(app::screenType());
    if (description == "iPhone 5, iPhone 5s, iPhone 5c or iPhone SE") return {20, 8, 10, 0};
    if (description == "iPhone 6, iPhone 6S, iPhone 7 or iPhone 8") return {25, 10, 16, 0};
    if (app::isPlusSizeScreen()) return {30, 10, 16, 10};
    return {35, 16, 16, 16};
}

// The side insets of the texts in the middle of the screen: the given ones, widened where the
// derived-colour strip on the left or the button column on the right would reach into them.
double ColorMixingVC::clearOfSideColumns(double inset) {
    const auto m = stripMetrics();
    return std::max({inset, m.left + m.size + sideColumnGap, buttonColumnWidth + sideColumnGap});
}

ColorMixingVC::ColorMixingVC() : modeNow(app::delegate().savedData.lastColorMixingMode()) {}

void ColorMixingVC::viewDidLoad() {
    setUpInterface();
    viewForBackSwipe_ = installBackSwipeStrip(*this);
    setUpSliders();
    std::weak_ptr<ColorMixingVC> weak = std::static_pointer_cast<ColorMixingVC>(shared_from_this());
    auto tap = kit::make<kit::TapGesture>([weak](kit::GestureRecognizer&) {
        if (auto s = weak.lock()) s->copyToBuffer();
    });
    tap->setDelaysTouchesBegan(true);
    colorLbl->setUserInteractionEnabled(true);
    colorLbl->addGestureRecognizer(tap);
    buildDerivedColorStrip();
    auto& app = app::delegate();
    convertMixedColorsOnce(*app.persistentContainer().viewContext(), kit::Defaults::standard(),
                           [] { return app::delegate().saveContext(); });
    showBufferColorIfNew();
    view()->bringSubviewToFront(viewForBackSwipe_.get());
}

void ColorMixingVC::viewWillDisappear(bool animated) {
    ViewController::viewWillDisappear(animated);
    saveLastColor();
}

// ---- frame ------------------------------------------------------------------------------------

void ColorMixingVC::setUpInterface() {
    auto root = view();
    root->setBackgroundColor(colour::screenBackgroundColor());
    auto self = std::static_pointer_cast<ColorMixingVC>(shared_from_this());
    std::weak_ptr<ColorMixingVC> weak = self;
    const auto act = controlActions(weak);
    auto safe = root->safeAreaLayoutGuide();
    const double leading = isPad() ? 80 : 60;

    colorView = kit::make<kit::View>();
    root->addSubview(colorView);
    app::anchor(*colorView, root->topAnchor(), root->leftAnchor(), root->bottomAnchor(), root->rightAnchor());

    firstSlider = kit::make<kit::Slider>();
    secondSlider = kit::make<kit::Slider>();
    thirdSlider = kit::make<kit::Slider>();
    blackSlider = kit::make<kit::Slider>();
    firstColorLbl = makeShareLabel();
    secondColorLbl = makeShareLabel();
    thirdColorLbl = makeShareLabel();
    blackLbl = makeShareLabel();
    layOutComponentSliders(leading);

    colorLbl = kit::make<kit::Label>();
    colorLbl->setFont(kit::Font::system(27));
    colorLbl->setTextAlignment(kit::TextAlignment::center);
    // A long code (CMYK, HSL) is wider than the room between the side columns on a phone: it
    // takes a second line rather than running under them or losing its end.
    colorLbl->setNumberOfLines(2);
    colorLbl->setLineBreakMode(kit::LineBreakMode::wordWrap);
    root->addSubview(colorLbl);
    codeInset_ = clearOfSideColumns(50);
    const auto code = app::anchorWithCenter(*colorLbl, safe.topAnchor(), root->leftAnchor(), std::nullopt, root->rightAnchor(),
                                            root->centerXAnchor(), std::nullopt, 74, codeInset_, 0, codeInset_);
    codeLeft_ = code[1];
    codeRight_ = code[2];
    colorNameLabel = kit::make<kit::Label>();
    colorNameLabel->setTextColor(kit::Color::darkGrayColor());
    colorNameLabel->setFont(kit::Font::system(18, kit::FontWeight::medium));
    colorNameLabel->setTextAlignment(kit::TextAlignment::center);
    root->addSubview(colorNameLabel);
    const double nameInset = clearOfSideColumns(36);
    const auto name = app::anchor(*colorNameLabel, colorLbl->bottomAnchor(), root->leftAnchor(), std::nullopt,
                                  root->rightAnchor(), middleTextTopPadding, nameInset, 0, nameInset, 0, 40);
    nameLeft_ = name[1];
    nameRight_ = name[2];

    backBtn = makeImageButton("back-btn");
    backBtn->addTarget(this, "backBtnWasPressed:", kit::ControlEvent::touchUpInside,
                       act([](ColorMixingVC& s) { app::backBtnTapped(s); }));
    app::placeBackButton(*root, backBtn);
    saveBtn = makeImageButton("save_img");
    saveBtn->addTarget(this, "saveColorCombination", kit::ControlEvent::touchUpInside,
                       act([](ColorMixingVC& s) { s.saveColorCombination(); }));
    root->addSubview(saveBtn);
    app::anchor(*saveBtn, std::nullopt, std::nullopt, std::nullopt, root->rightAnchor(), 0, 0, 0, 0, buttonColumnWidth, 40);
    Constraint::activate({saveBtn->centerYAnchor().equalTo(backBtn->centerYAnchor())});

    openDcwBtn = kit::make<kit::Button>();
    openDcwBtn->setTitle("CW");
    openDcwBtn->titleLabel()->setFont(kit::Font::boldSystem(16));
    openDcwBtn->setTitleColor(kit::Color::whiteColor());
    openDcwBtn->addTarget(this, "openDcwTapped", kit::ControlEvent::touchUpInside,
                          act([](ColorMixingVC& s) { s.openInColorWheel(); }));
    ledBtn = makeImageButton("outline_lightbulb_white");
    ledBtn->addTarget(this, "ledTapped", kit::ControlEvent::touchDown, act([](ColorMixingVC& s) { s.openLamp(); }));
    mixBtn = makeImageButton("blender", true);
    paintImageTint(*mixBtn, kit::Color::whiteColor());
    mixBtn->addTarget(this, "mixWithBtnTapped", kit::ControlEvent::touchDown,
                      act([](ColorMixingVC& s) { s.showMixWithEntry(); }));
    colorMixesBtn = makeImageButton("table-rows", true);
    paintImageTint(*colorMixesBtn, kit::Color::whiteColor());
    colorMixesBtn->addTarget(this, "openColorMixes", kit::ControlEvent::touchDown,
                             act([](ColorMixingVC& s) { s.openColorMixes(); }));
    importColorBtn = makeImageButton("Inport_color");
    importColorBtn->setHidden(true);
    importColorBtn->addTarget(this, "importColorBtnTapped", kit::ControlEvent::touchDown,
                              act([](ColorMixingVC& s) { s.showImportSheet(); }));
    app::stackButtons(*root, *saveBtn, *saveBtn, {openDcwBtn, ledBtn, mixBtn, colorMixesBtn, importColorBtn});
    importColorFromBufferBtn = makeBufferButton();
    importColorFromBufferBtn->addTarget(this, "getColorFromBufferButtonPressed", kit::ControlEvent::touchDown,
                                        act([](ColorMixingVC& s) { s.applyBufferColor(); }));
    root->addSubview(importColorFromBufferBtn);
    app::anchorWithCenter(*importColorFromBufferBtn, importColorBtn->bottomAnchor(), std::nullopt, std::nullopt,
                          std::nullopt, saveBtn->centerXAnchor(), std::nullopt, 13, 0, 0, 0, 24, 24);

    saturationSlider = kit::make<kit::Slider>();
    brightnessSlider = kit::make<kit::Slider>();
    saturationLabel = makeCaption();
    brightnessLabel = makeCaption();
    for (auto& slider : {saturationSlider, brightnessSlider}) {
        slider->setMinimumValue(0);
        slider->setMaximumValue(1);
        slider->setValue(0);
        slider->setContinuous(true);
        slider->setTintColor(kit::Color::whiteColor());
        slider->setMinimumTrackTintColor(kit::Color::whiteColor());
        root->addSubview(slider);
    }
    saturationSlider->addTarget(this, "saturationSliderValueChanged", kit::ControlEvent::valueChanged,
                                act([](ColorMixingVC& s) { s.saturationSliderValueChanged(); }));
    brightnessSlider->addTarget(this, "brightnessSliderValueChanged", kit::ControlEvent::valueChanged,
                                act([](ColorMixingVC& s) { s.brightnessSliderValueChanged(); }));
    root->addSubview(saturationLabel);
    root->addSubview(brightnessLabel);
    const auto brightness = app::anchor(*brightnessSlider, std::nullopt, root->leftAnchor(), firstColorLbl->topAnchor(),
                                        root->rightAnchor(), 0, leading, -15, 20);
    brightnessSliderRight_ = brightness.back();
    // The captions keep clear of the strip and the button column by their sliders' inset on both
    // sides, so they stay centred.
    const auto brightnessCaption = app::anchor(*brightnessLabel, std::nullopt, root->leftAnchor(), brightnessSlider->topAnchor(),
                                               root->rightAnchor(), 0, leading, -10, leading);
    const auto saturation = app::anchor(*saturationSlider, std::nullopt, root->leftAnchor(), brightnessLabel->topAnchor(),
                                        root->rightAnchor(), 0, leading, -15, 20);
    saturationSliderRight_ = saturation.back();
    const auto saturationCaption = app::anchor(*saturationLabel, std::nullopt, root->leftAnchor(), saturationSlider->topAnchor(),
                                               root->rightAnchor(), 0, leading, -10, leading);
    for (const auto* list : {&brightness, &brightnessCaption, &saturation, &saturationCaption}) sliderLeads_.push_back(list->front());
    captionRights_ = {brightnessCaption.back(), saturationCaption.back()};

    std::vector<std::string> titles(modeMenuItems.begin(), modeMenuItems.end());
    dropMenu = kit::make<app::DropDownMenu>(root, app::DropDownMenuStickTo::top, nullptr, titles,
                                            static_cast<int>(app::delegate().savedData.lastColorMixingMode()),
                                            colour::translucentGrayColor(), kit::Color::whiteColor(), true, true, 4.0, 0.0,
                                            240.0, 50.0, 20.0, 3.0);
    dropMenu->delegate = std::static_pointer_cast<app::DropDownMenuDelegate>(self);
}

// The scene's part: share labels over their sliders from the bottom up, black last.
void ColorMixingVC::layOutComponentSliders(double leading) {
    auto root = view();
    auto safe = root->safeAreaLayoutGuide();
    struct Row {
        std::shared_ptr<kit::Label> label;
        std::shared_ptr<kit::Slider> slider;
    };
    const Row rows[] = {{blackLbl, blackSlider}, {thirdColorLbl, thirdSlider}, {secondColorLbl, secondSlider},
                        {firstColorLbl, firstSlider}};
    std::optional<kit::layout::Anchor> below = safe.bottomAnchor();
    double gap = -16;
    for (const auto& row : rows) {
        root->addSubview(row.slider);
        root->addSubview(row.label);
        row.slider->setTranslatesAutoresizingMaskIntoConstraints(false);
        auto lead = row.slider->leftAnchor().equalTo(root->leftAnchor(), leading);
        Constraint::activate({lead, row.slider->rightAnchor().equalTo(root->rightAnchor(), -20),
                              row.slider->bottomAnchor().equalTo(*below, gap)});
        if (row.slider == blackSlider) blackSliderLeadingOffset = lead;
        // One line high whether or not it has text yet (the black share is written in CMYK only),
        // so that the rows above sit where they did on every visit and after every mode.
        const auto label = app::anchor(*row.label, std::nullopt, root->leftAnchor(), row.slider->topAnchor(), root->rightAnchor(),
                                       0, leading, -2, 20, 0, std::ceil(row.label->font().lineHeight()));
        sliderLeads_.push_back(lead);
        sliderLeads_.push_back(label.front());
        below = row.label->topAnchor();
        gap = -8;
    }
}

void ColorMixingVC::setUpSliders() {
    const kit::Color tints[] = {kit::Color::redColor(), kit::Color::yellowColor(), kit::Color::blueColor(),
                                kit::Color::blackColor()};
    std::weak_ptr<ColorMixingVC> weak = std::static_pointer_cast<ColorMixingVC>(shared_from_this());
    int i = 0;
    for (auto& slider : {firstSlider, secondSlider, thirdSlider, blackSlider}) {
        slider->setMinimumValue(0);
        slider->setMaximumValue(1);
        slider->setValue(0);
        slider->setContinuous(true);
        slider->setMinimumTrackTintColor(tints[i++]);
        slider->addTarget(this, "changeColorByColor:", kit::ControlEvent::valueChanged, [weak](kit::Control&) {
            if (auto s = weak.lock()) s->mixColors(false);
        });
    }
    const auto last = kit::Defaults::standard().string(app::Keys::lastColorInColorMixing).value_or(app::defaultBufferColor);
    setSliders(colour::colorFromHex(last));
}

void ColorMixingVC::saveLastColor() {
    if (!color) return;
    const auto hex = colour::hexString(*color);
    if (colour::isExcludedHexColor(hex)) return;
    auto& defaults = kit::Defaults::standard();
    defaults.set(hex, app::Keys::lastColorInColorMixing);
    if (!colorWasCopiedToBuffer) defaults.set(hex, app::Keys::lastColorMixing);
}

void ColorMixingVC::viewDidLayoutSubviews() {
    ViewController::viewDidLayoutSubviews();
    arrangeForWindow();
    keepHsbSlidersClearOfButtonColumn();
}

// What the window's idiom and shape decide, decided again whenever it changes: the phone's or the
// pad's strip and insets; in a wide landscape window the sliders in its right half, beside the
// colour, rather than a whole width long.
void ColorMixingVC::arrangeForWindow() {
    const kit::Rect b = view()->bounds();
    if (b.size.width <= 0 || captionRights_.empty()) return;  // not built yet
    const bool sideBySide = b.size.width > b.size.height && b.size.width >= sideBySideWidth;
    sideBySide_ = sideBySide;
    if (stripMetrics() != strip_ || stripBeside_ != sideBySide) {
        buildDerivedColorStrip();
        view()->bringSubviewToFront(viewForBackSwipe_.get());
    }
    const double leading = sideBySide ? b.size.width / 2 + 10 : isPad() ? 80 : 60;
    // Centred over their sliders, and clear of the button column, which may reach down to them.
    const double captionRight = sideBySide ? buttonColumnWidth + sideColumnGap : leading;
    const auto set = [](const std::shared_ptr<Constraint>& c, double constant) {
        if (c->constant() != constant) c->setConstant(constant);
    };
    for (const auto& c : sliderLeads_) set(c, leading);
    for (const auto& c : captionRights_) set(c, -captionRight);
    codeInset_ = clearOfSideColumns(50);
    const double nameInset = clearOfSideColumns(36);
    set(codeLeft_, codeInset_);
    set(codeRight_, -codeInset_);
    set(nameLeft_, nameInset);
    set(nameRight_, -nameInset);
}

// On a short screen the button column at the right edge reaches down to the saturation slider;
// a slider beside it then ends short of the column, and keeps its 20-point inset elsewhere.
void ColorMixingVC::keepHsbSlidersClearOfButtonColumn() {
    if (!saturationSliderRight_) return;
    double columnBottom = 0;
    for (const auto& b : {saveBtn, openDcwBtn, ledBtn, mixBtn, colorMixesBtn, importColorBtn, importColorFromBufferBtn})
        if (!b->isHidden()) columnBottom = std::max(columnBottom, b->frame().maxY());
    for (const auto& [slider, right] : {std::pair{saturationSlider, saturationSliderRight_}, {brightnessSlider, brightnessSliderRight_}}) {
        const double inset =
            slider->frame().minY() < columnBottom + sideColumnGap ? buttonColumnWidth + sideColumnGap : 20;
        if (right->constant() != -inset) right->setConstant(-inset);
    }
}

// ---- calculator --------------------------------------------------------------------------------

void ColorMixingVC::mixColors(bool keepMix, const std::optional<kit::Color>& given) {
    firstColor = static_cast<double>(firstSlider->value());
    secondColor = static_cast<double>(secondSlider->value());
    thirdColor = static_cast<double>(thirdSlider->value());
    const double total = firstColor + secondColor + thirdColor;
    const auto names = componentNames(modeNow);
    firstColorLbl->setText(shareText(names[0], firstColor, total));
    secondColorLbl->setText(shareText(names[1], secondColor, total));
    thirdColorLbl->setText(shareText(names[2], thirdColor, total));
    const float black = blackSlider->value();
    if (modeNow == ColorMixingMode::cmyk) blackLbl->setText(blackShareText(black));
    color = given ? given->withAlpha(1) : colorFromSliders(modeNow, firstColor, secondColor, thirdColor, static_cast<double>(black));
    updateDerivedColorButtons();

    colorView->setBackgroundColor(color);
    colorLbl->setText(codeInRoom(colour::colorCodeString(color)));
    colorForLbls = labelColorOn(color);
    for (auto& label : {colorLbl, firstColorLbl, secondColorLbl, thirdColorLbl, blackLbl}) label->setTextColor(*colorForLbls);
    tintControls();

    const auto settings = app::loadSavedData();
    if (auto name = colour::colorName(settings.colorNameFormat, *color)) {
        colorNameLabel->setText(*name);
        colorNameLabel->setTextColor(*colorForLbls);
    } else {
        colorNameLabel->setText("");
    }
    if (!keepMix) endMix();
    updateSaturationBrightness();
}

// The buttons and sliders over the colour stay visible on it, as its labels do.
void ColorMixingVC::tintControls() {
    if (!color) return;
    const auto tint = wheels::controlTint(*color);
    for (auto& button : {backBtn, saveBtn, openDcwBtn, ledBtn, mixBtn, colorMixesBtn, importColorBtn})
        wheels::tintButton(*button, tint);
    for (auto& slider : {saturationSlider, brightnessSlider}) wheels::tintSlider(*slider, tint);
    // The component sliders keep the colour of their component on the filled track.
    const bool white = tint.red() > 0.5;
    for (auto& slider : {firstSlider, secondSlider, thirdSlider, blackSlider})
        slider->setThumbTintColor(white ? std::nullopt : std::optional(tint));
    // The mode button's translucent grey lightens the colour under its title.
    const auto& grey = colour::translucentGrayColor();
    dropMenu->setClosedTextColor(wheels::controlTint(colour::blendColors(*color, grey.withAlpha(1), grey.alpha())));
}

// The code on one line where it fits; otherwise broken at the space before its last component,
// so that no component is split across the lines.
std::string ColorMixingVC::codeInRoom(std::string code) {
    const double room = view()->bounds().width() - 2 * codeInset_;
    colorLbl->setText(code);
    if (room <= 0 || colorLbl->intrinsicContentSize().width <= room) return code;
    if (const auto space = code.rfind(' '); space != std::string::npos) code[space] = '\n';
    return code;
}

void ColorMixingVC::setSliders(const kit::Color& x) {
    const auto values = sliderValues(modeNow, x);
    firstSlider->setValue(values.first);
    secondSlider->setValue(values.second);
    thirdSlider->setValue(values.third);
    if (values.black) blackSlider->setValue(*values.black);

    const bool ryb = modeNow == ColorMixingMode::ryb;
    const bool cmyk = modeNow == ColorMixingMode::cmyk;
    const kit::Color tints[3][3] = {
        {kit::Color::redColor(), kit::Color::greenColor(), kit::Color::blueColor()},
        {kit::Color::cyanColor(), kit::Color::magentaColor(), kit::Color::yellowColor()},
        {kit::Color::redColor(), kit::Color::yellowColor(), kit::Color::blueColor()}};
    const auto& t = tints[static_cast<int>(modeNow)];
    firstSlider->setMinimumTrackTintColor(t[0]);
    secondSlider->setMinimumTrackTintColor(t[1]);
    thirdSlider->setMinimumTrackTintColor(t[2]);
    for (auto& button : {importColorBtn, mixBtn, colorMixesBtn}) button->setHidden(ryb);
    blackLbl->setHidden(!cmyk);
    blackSlider->setHidden(!cmyk);
    // The buffer button offers only a buffer colour that differs from the restored one and has
    // not been used yet; a button that would load an unset (clear, so black) colour is never shown.
    importColorFromBufferBtn->setHidden(ryb || !bufferOffered_);
    const bool hsb = modeNow == ColorMixingMode::rgb;
    for (auto& v : std::initializer_list<std::shared_ptr<kit::View>>{saturationSlider, brightnessSlider, saturationLabel,
                                                                     brightnessLabel})
        v->setHidden(!hsb);
    mixColors(true, x);
}

void ColorMixingVC::updateSaturationBrightness() {
    if (!color) return;
    const auto hsb = colour::hsbComponents(*color);
    saturationSlider->setValue(static_cast<float>(hsb.saturation));
    brightnessSlider->setValue(static_cast<float>(hsb.brightness));
    saturationLabel->setText(hsbCaption("Saturation", saturationSlider->value()));
    brightnessLabel->setText(hsbCaption("Brightness", brightnessSlider->value()));
    const auto labelColor = colorForLbls.value_or(kit::Color::whiteColor());
    saturationLabel->setTextColor(labelColor);
    brightnessLabel->setTextColor(labelColor);
}

void ColorMixingVC::saturationSliderValueChanged() {
    if (!color) return;
    color = kit::Color::hsb(colour::hue(*color), saturationSlider->value(), colour::brightness(*color), 1);
    updateDerivedColorButtons();
    setSliders(*color);
}

void ColorMixingVC::brightnessSliderValueChanged() {
    if (!color) return;
    color = kit::Color::hsb(colour::hue(*color), colour::saturation(*color), brightnessSlider->value(), 1);
    updateDerivedColorButtons();
    setSliders(*color);
}

void ColorMixingVC::didSelectElement(int index) {
    switch (index) {
    case 0: modeNow = ColorMixingMode::rgb; break;
    case 1: modeNow = ColorMixingMode::cmyk; break;
    case 2:
        modeNow = ColorMixingMode::ryb;
        endMix();
        break;
    default: return;
    }
    if (!color) return;
    setSliders(*color);
    app::delegate().savedData.setLastColorMixingMode(modeNow);
}

void ColorMixingVC::endMix() {
    if (mixedColorsView) mixedColorsView->removeFromSuperview();
    isMixed = false;
    colorsInMix.clear();
}

// ---- import and buffer ---------------------------------------------------------------------------

void ColorMixingVC::showImportSheet() {
    std::weak_ptr<ColorMixingVC> weak = std::static_pointer_cast<ColorMixingVC>(shared_from_this());
    tools::showImportSheet(shared_from_this(), [weak](const kit::Color& c) {
        if (auto s = weak.lock()) s->applyImportedColor(c);
    });
}

void ColorMixingVC::applyImportedColor(const kit::Color& c) {
    endMix();
    setSliders(c);
}

void ColorMixingVC::showBufferColorIfNew() {
    auto& defaults = kit::Defaults::standard();
    const auto buffer = defaults.string(app::Keys::lastColorMixing).value_or(app::defaultBufferColor);
    const auto last = defaults.string(app::Keys::lastColorInColorMixing).value_or(app::defaultBufferColor);
    if (buffer == last) return;
    colorInBuffer = colour::colorFromHex(buffer);
    importColorFromBufferBtn->setBackgroundColor(colorInBuffer);
    bufferOffered_ = true;
    importColorFromBufferBtn->setHidden(modeNow == ColorMixingMode::ryb);
}

void ColorMixingVC::applyBufferColor() {
    app::delegate().hapticGenerator.impactOccurred();
    bufferOffered_ = false;
    setSliders(colorInBuffer);
    importColorFromBufferBtn->setHidden(true);
}

// ---- derived colours -----------------------------------------------------------------------------

void ColorMixingVC::buildDerivedColorStrip() {
    if (!color) return;
    const auto m = stripMetrics();
    strip_ = m;
    additionalColors = derivedColors(*color);
    if (additionalSV) additionalSV->removeFromSuperview();
    additionalButtons.clear();
    std::weak_ptr<ColorMixingVC> weak = std::static_pointer_cast<ColorMixingVC>(shared_from_this());
    for (const auto& derived : additionalColors) {
        auto button = kit::make<kit::Button>();
        button->setBackgroundColor(derived);
        button->layer()->setBorderWidth(1);
        button->layer()->setBorderColor(kit::Color::whiteColor());
        button->addTarget(this, "additionalColorButtonTapped:", kit::ControlEvent::touchDown, [weak](kit::Control& sender) {
            if (auto s = weak.lock()) s->additionalColorButtonTapped(static_cast<kit::Button&>(sender));
        });
        button->setAccessibilityIdentifier(colour::hexString(derived));
        button->setUserInteractionEnabled(true);
        if (m.size != 0) {
            button->setTranslatesAutoresizingMaskIntoConstraints(false);
            Constraint::activate({button->widthAnchor().equalToConstant(m.size), button->heightAnchor().equalToConstant(m.size)});
        }
        additionalButtons.push_back(button);
    }
    additionalSV = kit::make<kit::StackView>();
    for (auto& b : additionalButtons) additionalSV->addArrangedSubview(b);
    additionalSV->setAxis(kit::layout::Axis::vertical);
    additionalSV->setAlignment(kit::StackAlignment::center);
    additionalSV->setDistribution(kit::StackDistribution::equalSpacing);
    auto root = view();
    root->addSubview(additionalSV);
    // Beside sliders in the right half the strip reaches down to the bottom; above sliders across
    // the width it ends over them.
    stripBeside_ = sideBySide_;
    app::anchor(*additionalSV, backBtn->bottomAnchor(), root->leftAnchor(),
                sideBySide_ ? root->safeAreaLayoutGuide().bottomAnchor() : firstSlider->topAnchor(), std::nullopt, m.top,
                m.left, -m.bottom);
}

void ColorMixingVC::updateDerivedColorButtons() {
    if (!color || additionalButtons.empty()) return;
    additionalColors = derivedColors(*color);
    for (std::size_t i = 0; i < additionalButtons.size() && i < additionalColors.size(); ++i)
        additionalButtons[i]->layer()->setBackgroundColor(additionalColors[i]);
}

void ColorMixingVC::additionalColorButtonTapped(kit::Button& button) {
    const auto background = button.backgroundColor();
    app::copyColorToClipboard(background ? std::optional(colour::hexString(*background)) : std::nullopt);
    colorWasCopiedToBuffer = true;
}

// ---- mixing with other colours -------------------------------------------------------------------

void ColorMixingVC::showMixWithEntry() {
    app::delegate().hapticGenerator.impactOccurred();
    if (colorsInMix.size() > 4) return;
    auto alert = kit::AlertController::make(app::Strings::text("Mix with"), "");
    alert->addTextField([](kit::TextField& field) { field.setPlaceholder("HEX"); });
    const auto fields = alert->textFields();  // the alert is gone when its action runs
    std::weak_ptr<ColorMixingVC> weak = std::static_pointer_cast<ColorMixingVC>(shared_from_this());
    alert->addAction(kit::AlertAction::make(app::Strings::text("Cancel"), kit::AlertActionStyle::cancel));
    alert->addAction(kit::AlertAction::make(app::Strings::text("Mix"), kit::AlertActionStyle::defaultStyle,
                                            [weak, fields](kit::AlertAction&) {
                                                auto s = weak.lock();
                                                if (!s || fields.empty()) return;
                                                // Pasted codes often come with spaces around them.
                                                const std::string text(
                                                    kit::text::trimmingWhitespaceAndNewlines(fields[0]->text()));
                                                if (isMixableHex(text)) s->mixWith(text);
                                            }));
    presentViewController(alert, true);
}

void ColorMixingVC::mixWith(const std::string& hex) {
    const auto other = colour::initWithHexString(hex);
    const kit::Color current = color ? colour::colorFromHex(colour::hexString(*color)) : kit::Color::whiteColor();
    setSliders(halfMix(color, other));
    if (!isMixed) {
        colorsInMix.push_back(current);
        isMixed = true;
    }
    colorsInMix.push_back(other);
    mixedColor = color.value_or(kit::Color::whiteColor());
    showMixStrip(false);
}

void ColorMixingVC::showMixStrip(bool fadeIn) {
    const double n = static_cast<double>(colorsInMix.size());
    if (mixedColorsView) mixedColorsView->removeFromSuperview();
    mixedColorsView = kit::make<kit::View>();
    mixedColorsView->setBackgroundColor(kit::Color::whiteColor());
    if (fadeIn) mixedColorsView->layer()->setOpacity(0);
    std::weak_ptr<ColorMixingVC> weak = std::static_pointer_cast<ColorMixingVC>(shared_from_this());
    auto stack = kit::make<kit::StackView>();
    for (const auto& c : colorsInMix) {
        auto swatch = kit::make<kit::Button>();
        swatch->setBackgroundColor(c);
        swatch->addTarget(this, "colorInMixTapped:", kit::ControlEvent::touchDown, [](kit::Control& sender) {
            const auto background = sender.backgroundColor();
            app::copyColorToClipboard(background ? std::optional(colour::hexString(*background)) : std::nullopt);
        });
        swatch->setTranslatesAutoresizingMaskIntoConstraints(false);
        Constraint::activate({swatch->widthAnchor().equalToConstant(35), swatch->heightAnchor().equalToConstant(35)});
        stack->addArrangedSubview(swatch);
    }
    auto save = makeImageButton("save_img", true);
    paintImageTint(*save, mixedColor);
    save->addTarget(this, "saveColorMix", kit::ControlEvent::touchDown, [weak](kit::Control&) {
        if (auto s = weak.lock()) s->saveColorMix();
    });
    save->setTranslatesAutoresizingMaskIntoConstraints(false);
    Constraint::activate({save->widthAnchor().equalToConstant(31), save->heightAnchor().equalToConstant(31)});
    stack->addArrangedSubview(save);
    stack->setAxis(kit::layout::Axis::horizontal);
    stack->setAlignment(kit::StackAlignment::center);
    stack->setDistribution(kit::StackDistribution::equalSpacing);
    mixedColorsView->addSubview(stack);
    // The swatches are (n + 1) × 35 wide in a strip 6 wider: centred, 3 points either side.
    app::anchorWithCenter(*stack, mixedColorsView->topAnchor(), std::nullopt, mixedColorsView->bottomAnchor(), std::nullopt,
                          mixedColorsView->centerXAnchor(), std::nullopt, 0, 0, 0, 0, (n + 1) * 35, 35);
    auto root = view();
    root->addSubview(mixedColorsView);
    app::anchorWithCenter(*mixedColorsView, colorNameLabel->bottomAnchor(), std::nullopt, std::nullopt, std::nullopt,
                          root->centerXAnchor(), std::nullopt, middleTextTopPadding, 0, 0, 0, (n + 1) * 35 + 6, 39);
    root->bringSubviewToFront(viewForBackSwipe_.get());
}

void ColorMixingVC::saveColorMix() {
    app::delegate().hapticGenerator.impactOccurred();
    std::vector<std::string> hexes;
    for (const auto& c : colorsInMix) hexes.push_back(colour::hexString(c));
    app::saveMix(colour::hexString(mixedColor), hexes);
    pulseSavedSetsButton(*colorMixesBtn);
}

void ColorMixingVC::openColorMixes() {
    app::delegate().hapticGenerator.impactOccurred();
    std::weak_ptr<ColorMixingVC> weak = std::static_pointer_cast<ColorMixingVC>(shared_from_this());
    openSavedSets({shared_from_this(), SavedSetKind::colorMixes, [weak](const app::LargeCombination& record) {
                       if (auto s = weak.lock()) s->restoreMix(record);
                   }});
}

void ColorMixingVC::restoreMix(const app::LargeCombination& record) {
    if (auto hex = record.color()) setSliders(colour::initWithHexString(*hex));
    isMixed = true;
    mixedColor = colour::initWithHexString(record.color().value_or("555555"));
    colorsInMix.clear();
    for (const auto& hex : record.colors()) colorsInMix.push_back(colour::initWithHexString(hex));
    showMixStrip(true);
    std::weak_ptr<kit::View> strip = mixedColorsView;
    kit::View::animate(0.2, 0, kit::AnimationOptions::curveEaseInOut, [strip] {
        if (auto v = strip.lock()) v->layer()->setOpacity(1);
    });
}

// ---- tool buttons --------------------------------------------------------------------------------

void ColorMixingVC::copyToBuffer() {
    if (color) app::copyColorToClipboard(colour::hexString(*color));
}

void ColorMixingVC::saveColorCombination() { app::saveSingleColor(color); }

void ColorMixingVC::openInColorWheel() {
    if (!color) return;
    const auto hex = colour::hexString(*color);
    if (!hex.empty() && colour::isValidHexColor(hex)) kit::Defaults::standard().set(hex, app::Keys::lastColorMixing);
    auto wheel = makeDigitalWheel(true);
    if (!wheel) return;
    if (auto nav = navigationController()) nav->pushViewController(wheel, true);
}

void ColorMixingVC::openLamp() {
    app::delegate().hapticGenerator.impactOccurred();
    auto lamp = std::dynamic_pointer_cast<LedVC>(kit::Storyboard::named("Main")->instantiateViewController("LedVC"));
    if (!lamp) return;
    lamp->setModalPresentationStyle(kit::ModalPresentationStyle::fullScreen);
    if (color) lamp->color = *color;
    if (auto nav = navigationController()) nav->pushViewController(lamp, false);
}

} // namespace tools
