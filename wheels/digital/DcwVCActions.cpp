// The wheel screen's lifecycle, colour labels, import, editor hand-off, info, save and pulses.
#include "app/AppDelegate.h"
#include "app/SavedData.h"
#include "app/settings/BackNavigation.h"
#include "app/storage/SaveHelpers.h"
#include "app/ui/Ext.h"
#include "app/ui/LayoutConstants.h"
#include "app/ui/Strings.h"
#include "colour/HexText.h"
#include "colour/library/ColorLibrary.h"
#include "kit/base/Console.h"
#include "kit/base/Make.h"
#include "kit/runtime/NotificationCenter.h"
#include "kit/store/Defaults.h"
#include "kit/ui/AlertController.h"
#include "kit/ui/Application.h"
#include "kit/ui/NavigationController.h"
#include "app/ui/InfoView.h"
#include "tools/ColorImportSheet.h"
#include "wheels/digital/DcwEditCcVC.h"
#include "wheels/digital/DcwVC.h"

namespace wheels {

void DcwVC::loadView() {
    kit::ViewController::loadView();
    view()->setBackgroundColor(kit::Color::blackColor());
}

void DcwVC::viewDidLoad() {
    kit::Defaults::standard().set(false, app::Keys::constraintLogUnsatisfiable);
    addBackSwipe(*viewForBackSwipe_, *this);
}

void DcwVC::viewWillAppear(bool animated) {
    kit::ViewController::viewWillAppear(animated);
    kit::Application::shared().setIdleTimerDisabled(true);
    rebuildScreen();
    if (fromEditCC) {
        color1 = color1Save;
    } else {
        const std::string stored =
            kit::Defaults::standard().string(app::Keys::lastColorInDcw).value_or(app::defaultBufferColor);
        color1 = colour::colorFromHex(colour::isExcludedHexColor(stored) ? std::string(app::defaultBufferColor) : stored);
    }
    loadStoredMode();
    applyMode(nullptr);
    if (fromEditCC) {
        addToAngle = angleToAddEditCCSave;
        kit::print("addToAngle has been set to " + std::to_string(addToAngle));
        angleSlider()->setValue(addToAngle);
        moveAll();
    }
    if (instantLoadFromClipboard) {
        haptic();
        moveByColor(colorInBuffer);
        importColorFromBufferBtn()->setHidden(true);
    }
}

void DcwVC::viewWillDisappear(bool animated) {
    kit::ViewController::viewWillDisappear(animated);
    if (!isCopiedToClipboard && !fromEditCC) {
        const std::string hex = colour::hexString(color1);
        if (!isClassic) kit::Defaults::standard().set(hex, app::Keys::lastColorInDcw);
        kit::Defaults::standard().set(hex, app::Keys::lastColorMixing);
    }
    if (addToAngle == 0) angleToAddEditCCSave = 0;
    if (dcw1) lastAngle = dcw1->currentAngle();
    kit::NotificationCenter::defaultCenter().removeObserver(static_cast<const void*>(this));
    // Timers would otherwise keep running, and keep this screen alive, after it has gone.
    invalidateTimers();
    kit::Application::shared().setIdleTimerDisabled(false);
}

void DcwVC::invalidateTimers() {
    for (auto* timer : {&editCCBtnAnimationTimer_, &sliderEndTouchTimer_, &tryItShowTimer_, &tryItHideTimer_})
        if (*timer) {
            (*timer)->invalidate();
            timer->reset();
        }
}

void DcwVC::viewWillLayoutSubviews() {
    if (willLayout >= 2) return;
    const int n = numberOfColors(modeNow);
    for (int i = 1; i < n; ++i) app::addShadowLayer(*colorViews[static_cast<std::size_t>(i - 1)]);
    ++willLayout;
}

void DcwVC::colorLblTapped(int n) {
    app::copyColorToClipboard(colour::hexString(colorRef(n)));
    isCopiedToClipboard = true;
}

void DcwVC::getColorFromBufferButtonPressed() {
    haptic();
    moveByColor(colorInBuffer);
    importColorFromBufferBtn()->setHidden(true);
}

void DcwVC::closeMenuState() {
    modeMenu_.close(*view(), *modeNowBtn());
    closeInfo();
}

void DcwVC::closeInfo() {
    // The overlay tells its delegate, which lets go of it: hold it for the call.
    if (infoView_) infoView_->closeInfo();
}

void DcwVC::importColorBtnTapped() {
    haptic();
    closeMenuState();
    showImportMenu();
}

void DcwVC::showImportMenu() {
    auto alert = kit::AlertController::make(tr("Get color from") + ":", "");
    std::weak_ptr<kit::ViewController> weakSelf = weak_from_this();
    auto later = [this, weakSelf](std::function<void()> f) {
        return [this, weakSelf, f](kit::AlertAction&) {
            if (weakSelf.lock()) f();
        };
    };
    alert->addAction(kit::AlertAction::make(tr("Enter HEX color"), kit::AlertActionStyle::defaultStyle,
                                            later([this] { showHexEntry(); })));
    alert->addAction(kit::AlertAction::make(tr("Enter RGB color"), kit::AlertActionStyle::defaultStyle,
                                            later([this] { showRgbEntry(); })));
    alert->addAction(kit::AlertAction::make(tr("Swatches"), kit::AlertActionStyle::defaultStyle,
                                            later([this] { showSwatchMenu(); })));
    alert->addAction(kit::AlertAction::make(tr("Color Combinations") + " > " + tr("Single"),
                                            kit::AlertActionStyle::defaultStyle,
                                            later([this] { openSingleView(true, std::nullopt); })));
    alert->addAction(kit::AlertAction::make(tr("Cancel")));
    presentViewController(alert, true);
}

// The typed colour moves the wheels, while the screen lives.
tools::ApplyColor DcwVC::moveToTypedColor() {
    std::weak_ptr<kit::ViewController> weakSelf = weak_from_this();
    return [this, weakSelf](const kit::Color& color) {
        if (weakSelf.lock()) moveByColor(color);
    };
}

void DcwVC::showHexEntry() { tools::showHexEntry(shared_from_this(), moveToTypedColor()); }

void DcwVC::showRgbEntry() { tools::showRgbEntry(shared_from_this(), moveToTypedColor()); }

void DcwVC::showSwatchMenu() {
    auto alert = kit::AlertController::make(tr("Swatches"), "");
    std::weak_ptr<kit::ViewController> weakSelf = weak_from_this();
    const std::pair<const char*, ImportSwatchesEnum> entries[] = {
        {"Summer", ImportSwatchesEnum::summer},         {"Winter", ImportSwatchesEnum::winter},
        {"Spring", ImportSwatchesEnum::spring},         {"Autumn", ImportSwatchesEnum::autumn},
        {"Material Design", ImportSwatchesEnum::material}, {"HTML/CSS by name", ImportSwatchesEnum::html},
        {"Oil Paint", ImportSwatchesEnum::oilPaint},    {"Wikipedia", ImportSwatchesEnum::wikipedia}};
    for (const auto& [title, swatch] : entries) {
        const auto kind = swatch;
        alert->addAction(kit::AlertAction::make(tr(title), kit::AlertActionStyle::defaultStyle,
                                                [this, weakSelf, kind](kit::AlertAction&) {
                                                    if (weakSelf.lock()) openSingleView(false, kind);
                                                }));
    }
    alert->addAction(kit::AlertAction::make(tr("Cancel")));
    presentViewController(alert, true);
}

void DcwVC::openSingleView(bool isSingleCC, std::optional<ImportSwatchesEnum> swatch) {
    const auto& opener = singleViewOpener();
    if (!opener) {
        kit::warn("The colour list is not available");
        return;
    }
    std::weak_ptr<kit::ViewController> weakSelf = weak_from_this();
    opener(*view(), isSingleCC, swatch, [this, weakSelf](const kit::Color& c) {
        if (weakSelf.lock()) singleViewDidPick(c);
    });
}

void DcwVC::singleViewDidPick(const kit::Color& c) {
    moveByColor(c);
    pulse(*editCCBtn(), 1.5, 0.2);
}

void DcwVC::editCCTapped() {
    haptic();
    auto editor = kit::make<DcwEditCcVC>();
    editor->numberOfColors = numberOfColors(modeNow);
    if (modeNow == Mode::mono) {
        for (int i = 1; i <= 4; ++i) editor->setColor(i, color1);
    } else {
        for (int i = 1; i <= 4; ++i) editor->setColor(i, colorRef(i));
    }
    editor->withHue = true;
    if (isClassic) {
        editor->isClassic = true;
        const double S = saturationSlider()->value(), B = brightnessSlider()->value();
        const double shade = dcw1 ? dcw1->shadeSlider()->currentValue() : 0;
        std::shared_ptr<DCW>* ws[4] = {&dcw1, &dcw2, &dcw3, &dcw4};
        for (std::size_t i = 0; i < 4; ++i)
            if (*ws[i]) editor->classicColors[i] = {(*ws[i])->hueAngle(), S, B, shade};
    }
    color1Save = color1;
    fromEditCC = true;
    if (auto nav = navigationController()) nav->pushViewController(editor, true);
}

std::pair<std::string, std::string> DcwVC::modeInfoText() const {
    const char* body = "";
    switch (modeNow) {
    case Mode::complementary: body = "Create high contrast. When mixed with each other, they give gray tones."; break;
    case Mode::analogous: body = "Very harmonious, calm and comfortable, with no bright contrast between colors."; break;
    case Mode::triad: body = "The first is dominant, the second and third are accents."; break;
    case Mode::splitComplementary: body = "The first color dominates, the second and third contrast with the first."; break;
    case Mode::tetradic: body = "No dominant color, bright, aggressive combination."; break;
    case Mode::square: body = "There is no dominant color, all colors must be evenly balanced."; break;
    case Mode::abstract:
        body = "Combination for abstract art, the main color should be about 72%, the main accent - about 14%, the "
               "minor colors - about 7% each. Plus you can use unlimited white and black paint.";
        break;
    case Mode::mono:
        body = "The harmonious color scheme is built on a single hue, does not attract much attention, allowing you "
               "to create an emphasis on the content.";
        break;
    }
    return {tr(modeTitle(modeNow)), tr(body)};
}

void DcwVC::showInfo() {
    haptic();
    modeNowBtn()->setHidden(false);
    modeMenu_.frame()->setHidden(true);
    const auto [title, body] = modeInfoText();
    // The overlay takes its text when it is made: a closed one is made anew for the current mode.
    if (!infoView_ || !infoView_->isInfoShown()) {
        infoView_ = kit::make<app::InfoView>(view(), modeNowBtn(), std::nullopt,
                                             app::makeInfoAttributedText(title, body, false), false, 20);
        infoView_->infoViewDelegate = std::shared_ptr<app::InfoViewDelegate>(shared_from_this(), this);
    }
    infoView_->toggleInfo();
}

void DcwVC::openModeNowMenu() {
    tryItImageView_->removeFromSuperview();
    closeMenuState();
    modeMenu_.open(*this, *modeNowBtn(), [this] { handleTap(); });
}

void DcwVC::handleTap() { closeMenuState(); }

void DcwVC::saveColorCombination() {
    closeMenuState();
    if (modeNow == Mode::mono) {
        color2 = color3 = color4 = color1;
        app::saveSingleColor(color1);
        return;
    }
    colour::ColorCombination combination;
    combination.numberOfColors = numberOfColors(modeNow);
    combination.tag = "custom";
    combination.isLiked = false;
    combination.color1 = color1;
    combination.color2 = color2;
    combination.color3 = color3;
    combination.color4 = color4;
    combination.id = -1;
    app::saveCustomCombination(combination);
}

void DcwVC::backBtnTapped() { app::backBtnTapped(*this); }

void DcwVC::editCCBtnPulseOnSliderEndTouch() {
    if (modeNow == Mode::mono) return;
    if (sliderEndTouchTimer_) sliderEndTouchTimer_->invalidate();
    std::weak_ptr<kit::ViewController> weakSelf = weak_from_this();
    sliderEndTouchTimer_ = kit::Timer::scheduled(1.8, false, [this, weakSelf] {
        if (weakSelf.lock()) pulse(*editCCBtn(), 1.5, 0.2);
    });
}

void DcwVC::startMonoPulse() {
    if (editCCBtnAnimationTimer_) editCCBtnAnimationTimer_->invalidate();
    std::weak_ptr<kit::ViewController> weakSelf = weak_from_this();
    editCCBtnAnimationTimer_ = kit::Timer::scheduled(0.7, true, [this, weakSelf](kit::Timer& timer) {
        if (!weakSelf.lock() || modeNow != Mode::mono) {
            timer.invalidate();
            return;
        }
        pulse(*editCCBtn(), 1.5, 0.3);
    });
}

} // namespace wheels
