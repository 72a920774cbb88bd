#include "tools/ContrastRatioVC.h"

#include "app/AppDelegate.h"
#include "app/SavedData.h"
#include "app/storage/SaveHelpers.h"
#include "app/settings/BackNavigation.h"
#include "app/ui/Ext.h"
#include "app/ui/ScreenType.h"
#include "colour/ArgbHex.h"
#include "colour/ColorCodeText.h"
#include "colour/HexText.h"
#include "colour/ThemeColors.h"
#include "colour/library/ColorLibrary.h"
#include "kit/base/Make.h"
#include "kit/layout/Constraint.h"
#include "kit/store/Defaults.h"
#include "kit/ui/Button.h"
#include "kit/ui/Device.h"
#include "kit/ui/Label.h"
#include "kit/ui/Slider.h"
#include "kit/ui/StackView.h"
#include "tools/ColorImportSheet.h"
#include "tools/ContrastRatio.h"
#include "tools/ToolUi.h"
#include "wheels/ControlTint.h"
#include "wheels/ScreenParts.h"

#include <algorithm>

namespace tools {
namespace {

using Constraint = kit::layout::Constraint;

// The widest device screen held upright: a window wider than this is a desktop's.
double widestDeviceScreen() {
    double widest = 0;
    for (const auto& device : kit::DeviceProfile::all()) widest = std::max(widest, device.screenSize.width);
    return widest;
}

std::shared_ptr<kit::Button> makeSampleButton() {
    auto button = kit::make<kit::Button>();
    button->setTitleColor(kit::Color::whiteColor());
    button->titleLabel()->setFont(app::Fonts::lightFont18());
    button->titleLabel()->setNumberOfLines(0);
    button->titleLabel()->setLineBreakMode(kit::LineBreakMode::wordWrap);
    button->titleLabel()->setTextAlignment(kit::TextAlignment::center);
    button->setContentVerticalAlignment(kit::ContentVerticalAlignment::center);
    return button;
}

} // namespace

ContrastRatioVC::ContrastRatioVC()
    : color1(colour::initWithHexString("#FF0040")), color2(colour::initWithHexString("#00FFC0")) {}

void ContrastRatioVC::viewDidLoad() {
    ratioText = kit::make<kit::Label>();
    ratioText->setFont(kit::Font::system(28));
    ratioText->setTextColor(kit::Color::gray(1, 1));
    ratioText->setTextAlignment(kit::TextAlignment::center);
    ratioText->setText("1.7:1");
    ratioExplainText = kit::make<kit::Label>();
    ratioExplainText->setFont(kit::Font::system(19));
    ratioExplainText->setTextColor(kit::Color::gray(1, 0.5));
    ratioExplainText->setTextAlignment(kit::TextAlignment::center);
    ratioExplainText->setNumberOfLines(0);
    ratioExplainText->setLineBreakMode(kit::LineBreakMode::wordWrap);
    clrsSV_ = kit::make<kit::StackView>();
    colorView1 = kit::make<kit::View>();
    colorView2 = kit::make<kit::View>();

    restoreToolState();
    loadColorBuffer();
    buildUI();
    updateContrastRatio();
    updateSliders();
}

void ContrastRatioVC::viewWillDisappear(bool animated) {
    ViewController::viewWillDisappear(animated);
    saveToolState();
}

void ContrastRatioVC::restoreToolState() {
    auto& defaults = kit::Defaults::standard();
    if (auto stored = defaults.string(app::Keys::contrastRatioColor1)) color1 = colour::colorFromArgbHex(*stored);
    if (auto stored = defaults.string(app::Keys::contrastRatioColor2)) color2 = colour::colorFromArgbHex(*stored);
}

void ContrastRatioVC::saveToolState() {
    auto& defaults = kit::Defaults::standard();
    defaults.set(colour::hexCodeString(color1), app::Keys::contrastRatioColor1);
    defaults.set(colour::hexCodeString(color2), app::Keys::contrastRatioColor2);
}

void ContrastRatioVC::loadColorBuffer() {
    const auto buffer = kit::Defaults::standard().string(app::Keys::lastColorMixing).value_or(app::defaultBufferColor);
    colorInBuffer = colour::colorFromHex(buffer);
    importColorFromBuffer1Btn = makeBufferButton();
    importColorFromBuffer2Btn = makeBufferButton();
    for (auto& button : {importColorFromBuffer1Btn, importColorFromBuffer2Btn}) {
        button->setBackgroundColor(colorInBuffer);
        button->setHidden(false);
    }
}

void ContrastRatioVC::buildUI() {
    auto root = view();
    root->setBackgroundColor(colour::screenBackgroundColor());
    std::weak_ptr<ContrastRatioVC> weak = std::static_pointer_cast<ContrastRatioVC>(shared_from_this());
    const auto act = controlActions(weak);

    backButton = makeImageButton("back-btn");
    backButton->setContentMode(kit::ContentMode::scaleAspectFill);
    backButton->addTarget(this, "backButtonPressed:", kit::ControlEvent::touchUpInside,
                          act([](ContrastRatioVC& s) { app::backBtnTapped(s); }));

    auto safe = root->safeAreaLayoutGuide();
    root->addSubview(ratioText);
    // Inset past the back button on both sides, so the ratio stays centred and clear of it.
    constexpr double clearOfBackButton = 45 + 4;
    app::anchor(*ratioText, safe.topAnchor(), root->leftAnchor(), std::nullopt, root->rightAnchor(), 20, clearOfBackButton,
                0, clearOfBackButton);

    for (auto& old : std::vector<std::shared_ptr<kit::View>>(clrsSV_->arrangedSubviews()))
        clrsSV_->removeArrangedSubview(old.get());
    clrsSV_->setAxis(kit::layout::Axis::vertical);
    clrsSV_->setDistribution(kit::StackDistribution::fillEqually);
    clrsSV_->setSpacing(0);
    clrsSV_->addArrangedSubview(colorView1);
    clrsSV_->addArrangedSubview(colorView2);
    root->addSubview(clrsSV_);
    app::anchor(*clrsSV_, ratioText->bottomAnchor(), root->leftAnchor(), root->bottomAnchor(), root->rightAnchor(), 12);
    app::placeBackButton(*root, backButton);

    saturationSlider1 = makeToolSlider(0.01f, 1.0f, 1.0f);
    brightnessSlider1 = makeToolSlider(0.01f, 1.0f, 1.0f);
    saturationSlider2 = makeToolSlider(0.01f, 1.0f, 1.0f);
    brightnessSlider2 = makeToolSlider(0.01f, 1.0f, 1.0f);
    const auto update1 = act([](ContrastRatioVC& s) { s.applyColorSliders(s.color1, *s.saturationSlider1, *s.brightnessSlider1); });
    const auto update2 = act([](ContrastRatioVC& s) { s.applyColorSliders(s.color2, *s.saturationSlider2, *s.brightnessSlider2); });
    const auto placeSliders = [this](kit::View& panel, kit::Slider& saturation, kit::Slider& brightness) {
        for (auto* slider : {&saturation, &brightness}) {
            panel.addSubview(slider->shared_from_this());
            slider->setTranslatesAutoresizingMaskIntoConstraints(false);
            sliderLefts_.push_back(slider->leftAnchor().equalTo(panel.leftAnchor(), 40));
            sliderRights_.push_back(slider->rightAnchor().equalTo(panel.rightAnchor(), -40));
            Constraint::activate({sliderLefts_.back(), sliderRights_.back(), slider->heightAnchor().equalToConstant(30)});
        }
        Constraint::activate({saturation.centerYAnchor().equalTo(panel.centerYAnchor(), -20),
                              brightness.centerYAnchor().equalTo(panel.centerYAnchor(), 20)});
    };
    saturationSlider1->addTarget(this, "updateColor1BySliders", kit::ControlEvent::valueChanged, update1);
    brightnessSlider1->addTarget(this, "updateColor1BySliders", kit::ControlEvent::valueChanged, update1);
    saturationSlider2->addTarget(this, "updateColor2BySliders", kit::ControlEvent::valueChanged, update2);
    brightnessSlider2->addTarget(this, "updateColor2BySliders", kit::ControlEvent::valueChanged, update2);
    placeSliders(*colorView1, *saturationSlider1, *brightnessSlider1);
    placeSliders(*colorView2, *saturationSlider2, *brightnessSlider2);

    colorView2->setClipsToBounds(true);
    root->layoutIfNeeded();
    app::addShadowLayer(*colorView2);

    colorLbl1 = makeSampleButton();
    colorLbl2 = makeSampleButton();
    colorLbl1->addTarget(this, "colorLbl1Tapped", kit::ControlEvent::touchDown,
                         act([](ContrastRatioVC& s) { app::copyColorToClipboard(colour::hexString(s.color2)); }));
    colorLbl2->addTarget(this, "colorLbl2Tapped", kit::ControlEvent::touchDown,
                         act([](ContrastRatioVC& s) { app::copyColorToClipboard(colour::hexString(s.color1)); }));
    colorView2->addSubview(colorLbl1);
    // The lower panel reaches the bottom edge; its sample text stays above a home indicator.
    const double lowerInset = std::max(6.0, kit::Device::current().safeAreaInsets().bottom);
    app::anchor(*colorLbl1, std::nullopt, colorView2->leftAnchor(), colorView2->bottomAnchor(), std::nullopt, 0, 12,
                -lowerInset);
    colorView1->addSubview(colorLbl2);
    upperSampleBottom_ =
        app::anchor(*colorLbl2, std::nullopt, colorView1->leftAnchor(), colorView1->bottomAnchor(), std::nullopt, 0, 12, -6).back();

    importColor1Btn = makeImageButton("Inport_color");
    importColor2Btn = makeImageButton("Inport_color");
    importColor1Btn->setTag(1);
    importColor2Btn->setTag(2);
    importColorFromBuffer1Btn->setTag(1);
    importColorFromBuffer2Btn->setTag(2);
    for (auto& b : {importColor1Btn, importColor2Btn})
        b->addTarget(this, "importColorBtnTapped:", kit::ControlEvent::touchDown, [weak](kit::Control& sender) {
            if (auto s = weak.lock()) s->importColorBtnTapped(sender.tag());
        });
    for (auto& b : {importColorFromBuffer1Btn, importColorFromBuffer2Btn})
        b->addTarget(this, "getColorFromBufferButtonPressed:", kit::ControlEvent::touchDown, [weak](kit::Control& sender) {
            if (auto s = weak.lock()) s->getColorFromBufferButtonPressed(sender.tag());
        });
    importColorFrom1stColorBtn = makeBufferButton();
    importColorFrom1stColorBtn->setHidden(false);
    importColorFrom1stColorBtn->addTarget(this, "copy1stTo2nd", kit::ControlEvent::touchDown,
                                          act([](ContrastRatioVC& s) { s.copy1stTo2nd(); }));

    colorView1->addSubview(importColor1Btn);
    app::anchor(*importColor1Btn, colorView1->topAnchor(), std::nullopt, std::nullopt, colorView1->rightAnchor(), 0, 0, 0, 0, 45, 45);
    colorView1->addSubview(importColorFromBuffer1Btn);
    app::anchorWithCenter(*importColorFromBuffer1Btn, importColor1Btn->bottomAnchor(), std::nullopt, std::nullopt,
                          std::nullopt, importColor1Btn->centerXAnchor(), std::nullopt, 3, 0, 0, 0, 22, 22);
    colorView2->addSubview(importColor2Btn);
    app::anchor(*importColor2Btn, colorView2->topAnchor(), std::nullopt, std::nullopt, colorView2->rightAnchor(), 0, 0, 0, 0, 45, 45);
    colorView2->addSubview(importColorFrom1stColorBtn);
    app::anchorWithCenter(*importColorFrom1stColorBtn, importColor2Btn->bottomAnchor(), std::nullopt, std::nullopt,
                          std::nullopt, importColor2Btn->centerXAnchor(), std::nullopt, 3, 0, 0, 0, 22, 22);
    colorView2->addSubview(importColorFromBuffer2Btn);
    app::anchorWithCenter(*importColorFromBuffer2Btn, importColorFrom1stColorBtn->bottomAnchor(), std::nullopt,
                          std::nullopt, std::nullopt, importColor2Btn->centerXAnchor(), std::nullopt, 14, 0, 0, 0, 22, 22);

    colorView1->addSubview(ratioExplainText);
    app::anchor(*ratioExplainText, colorView1->topAnchor(), colorView1->leftAnchor(), std::nullopt,
                colorView1->rightAnchor(), 17, 50, 0, 50);

    viewForBackSwipe_ = installBackSwipeStrip(*this);
}

void ContrastRatioVC::viewDidLayoutSubviews() {
    ViewController::viewDidLayoutSubviews();
    arrangeForWindow();
}

// Decided again whenever the window changes: the panels side by side in a landscape window, one
// above the other otherwise; the sliders span the panel less 40 on each side, and only side by
// side or in a window wider than any device's screen are they held to what a hand sweeps, centred;
// the pad's larger verdict where the window is a whole pad screen.
void ContrastRatioVC::arrangeForWindow() {
    constexpr double longestSlider = 480;
    const kit::Rect b = view()->bounds();
    if (b.size.width <= 0 || !upperSampleBottom_) return;  // not built yet
    const bool sideBySide = b.size.width > b.size.height;
    const auto axis = sideBySide ? kit::layout::Axis::horizontal : kit::layout::Axis::vertical;
    const bool rearranged = clrsSV_->axis() != axis;
    if (rearranged) clrsSV_->setAxis(axis);
    const double panel = sideBySide ? b.size.width / 2 : b.size.width;
    const bool capped = sideBySide || b.size.width > widestDeviceScreen();
    const double inset = capped ? std::max(40.0, (panel - longestSlider) / 2) : 40.0;
    for (const auto& c : sliderLefts_)
        if (c->constant() != inset) c->setConstant(inset);
    for (const auto& c : sliderRights_)
        if (c->constant() != -inset) c->setConstant(-inset);
    // Side by side, the upper panel reaches the bottom edge too.
    const double upperBottom = sideBySide ? -std::max(6.0, kit::Device::current().safeAreaInsets().bottom) : -6;
    if (upperSampleBottom_->constant() != upperBottom) upperSampleBottom_->setConstant(upperBottom);
    const bool padFull = kit::Device::userInterfaceIdiom() == kit::UserInterfaceIdiom::pad && !app::isSplitScreen() &&
                         app::multitaskingLayout() != 2;
    const double verdictSize = padFull ? 26 : 19;
    if (ratioExplainText->font().pointSize() != verdictSize) ratioExplainText->setFont(kit::Font::system(verdictSize));
    if (rearranged) {
        view()->layoutIfNeeded();
        app::addShadowLayer(*colorView2);
    }
}

void ContrastRatioVC::updateContrastRatio() {
    if (!colorView1) return;
    colorView1->layer()->setBackgroundColor(color1);
    colorView2->layer()->setBackgroundColor(color2);
    if (importColorFrom1stColorBtn) importColorFrom1stColorBtn->setBackgroundColor(color1);
    if (colorLbl1) {
        colorLbl1->setTitle(colour::colorCodeStringMultiline(color2));
        colorLbl1->setTitleColor(color1);
        colorLbl2->setTitle(colour::colorCodeStringMultiline(color1));
        colorLbl2->setTitleColor(color2);
    }
    ratioExplainText->setTextColor(color2);
    // Each panel's own controls stay visible on its colour; the samples show the pair as it is.
    auto tintPanel = [](const kit::Color& colour, kit::Button* import, std::initializer_list<kit::Slider*> sliders) {
        if (import) wheels::tintButton(*import, wheels::controlTint(colour));
        for (auto* slider : sliders)
            if (slider) wheels::tintSlider(*slider, wheels::controlTint(colour, wheels::shadeSliderWhiteAlpha));
    };
    tintPanel(color1, importColor1Btn.get(), {saturationSlider1.get(), brightnessSlider1.get()});
    tintPanel(color2, importColor2Btn.get(), {saturationSlider2.get(), brightnessSlider2.get()});
    const float r = contrastRatioValue(color1, color2);
    ratioText->setText(tools::ratioText(r));
    ratioExplainText->setText(contrastVerdictText(r));
}

void ContrastRatioVC::updateSliders() {
    if (!saturationSlider1) return;
    const auto a = colour::hsbComponents(color1), b = colour::hsbComponents(color2);
    saturationSlider1->setValue(float(a.saturation));
    brightnessSlider1->setValue(float(a.brightness));
    saturationSlider2->setValue(float(b.saturation));
    brightnessSlider2->setValue(float(b.brightness));
}

void ContrastRatioVC::applyColorSliders(kit::Color& color, const kit::Slider& saturation, const kit::Slider& brightness) {
    const double hue = colour::hsbComponents(color).hue;
    color = kit::Color::hsb(hue, saturation.value(), brightness.value(), 1);
    updateContrastRatio();
}

void ContrastRatioVC::importColorBtnTapped(int tag) {
    if (tag == 1 || tag == 2) importToColor = tag;
    std::weak_ptr<ContrastRatioVC> weak = std::static_pointer_cast<ContrastRatioVC>(shared_from_this());
    showImportSheet(shared_from_this(), [weak](const kit::Color& c) {
        if (auto s = weak.lock()) s->applyImportedColor(c);
    });
}

void ContrastRatioVC::applyImportedColor(const kit::Color& color) {
    if (importToColor == 1 || importToColor == 2) {
        (importToColor == 1 ? color1 : color2) = color;
        updateContrastRatio();
    }
    updateSliders();
}

void ContrastRatioVC::getColorFromBufferButtonPressed(int tag) {
    if (tag == 1) {
        importToColor = 1;
        importColorFromBuffer1Btn->setHidden(true);
    } else if (tag == 2) {
        importToColor = 2;
        importColorFromBuffer2Btn->setHidden(true);
    }
    app::delegate().hapticGenerator.impactOccurred();
    if (importToColor == 1) color1 = colorInBuffer;
    else if (importToColor == 2) color2 = colorInBuffer;
    updateContrastRatio();
    updateSliders();
}

void ContrastRatioVC::copy1stTo2nd() {
    app::delegate().hapticGenerator.impactOccurred();
    color2 = color1;
    updateContrastRatio();
    updateSliders();
}

} // namespace tools
