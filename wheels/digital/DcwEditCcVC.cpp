#include "wheels/digital/DcwEditCcVC.h"
#include "wheels/DcwSlider.h"

#include "app/AppDelegate.h"
#include "app/SavedData.h"
#include "app/storage/SaveHelpers.h"
#include "app/settings/BackNavigation.h"
#include "app/ui/Ext.h"
#include "app/ui/LayoutConstants.h"
#include "colour/ColorCodeText.h"
#include "colour/HexText.h"
#include "colour/Ryb.h"
#include "colour/library/DerivedColors.h"
#include "kit/base/Console.h"
#include "kit/base/Make.h"
#include "kit/store/Defaults.h"
#include "kit/ui/AlertController.h"
#include "kit/ui/Application.h"
#include "kit/ui/NavigationController.h"
#include "kit/ui/Storyboard.h"
#include "wheels/ControlTint.h"
#include "wheels/ScreenLayout.h"
#include "wheels/ScreenParts.h"

#include <algorithm>

namespace wheels {

DcwEditCcVC::DcwEditCcVC() {
    for (auto& v : colorViews_) v = kit::make<kit::View>();
    viewForBackSwipe_ = kit::make<kit::View>();
    originalColors_.fill(kit::Color::whiteColor());
    // Decided at creation, from the device and orientation of that moment.
    (void)app::valueButtonSize();
    (void)app::valueButtonPadding();
}

void DcwEditCcVC::setColor(int n, std::optional<kit::Color> color) {
    colors_[static_cast<std::size_t>(n - 1)] = color;
    updateValueButtons();
}

const std::shared_ptr<kit::Button>& DcwEditCcVC::colorLbl(int n) {
    auto& slot = colorLbls_[static_cast<std::size_t>(n - 1)];
    if (!slot) {
        slot = makeColorLabelButton();
        slot->addTarget(this, "colorLblTapped", kit::ControlEvent::touchDown, [this, n] { colorLblTapped(n); });
    }
    return slot;
}

const std::shared_ptr<kit::Button>& DcwEditCcVC::valueButton(int n) {
    auto& slot = valueButtons_[static_cast<std::size_t>(n - 1)];
    if (!slot) {
        slot = makeValueButton(n);
        slot->addTarget(this, "valueButtonPressed", kit::ControlEvent::touchDown, [this](kit::Control& sender) {
            valueButtonPressed(sender.tag());
        });
    }
    return slot;
}

const std::shared_ptr<kit::Button>& DcwEditCcVC::moveUpBtn(int band) {
    auto& slot = moveUpBtns_[static_cast<std::size_t>(band - 2)];
    if (!slot) {
        slot = imageButton("arrow-up");
        slot->addTarget(this, "moveUp", kit::ControlEvent::touchUpInside, [this, band] { moveUp(band); });
    }
    return slot;
}

// Saturation and brightness alike recolour their band.
const std::shared_ptr<kit::Slider>& DcwEditCcVC::shadeSlider(std::array<std::shared_ptr<kit::Slider>, 4>& slots, int n) {
    auto& slot = slots[static_cast<std::size_t>(n - 1)];
    if (!slot) {
        slot = makeShadeSlider(0.01f, 1, 1);
        slot->addTarget(this, "updateColorBySliders", kit::ControlEvent::valueChanged, [this, n] { updateColorBySliders(n); });
    }
    return slot;
}

const std::shared_ptr<kit::Slider>& DcwEditCcVC::saturationSlider(int n) { return shadeSlider(saturationSliders_, n); }

const std::shared_ptr<kit::Slider>& DcwEditCcVC::brightnessSlider(int n) { return shadeSlider(brightnessSliders_, n); }

const std::shared_ptr<kit::Slider>& DcwEditCcVC::hueSlider() {
    if (!hueSlider_) {
        hueSlider_ = makeShadeSlider(-0.5f, 0.5f, 0);
        hueSlider_->addTarget(this, "updateColors", kit::ControlEvent::valueChanged, [this] { updateColors(); });
    }
    return hueSlider_;
}

const std::shared_ptr<kit::Button>& DcwEditCcVC::backBtn() {
    if (!backBtn_) {
        backBtn_ = makeBackButton(*this);
    }
    return backBtn_;
}

const std::shared_ptr<kit::Button>& DcwEditCcVC::saveBtn() {
    if (!saveBtn_) {
        saveBtn_ = imageButton("save_img");
        saveBtn_->addTarget(this, "saveColorCombination", kit::ControlEvent::touchDown, [this] { saveColorCombination(); });
    }
    return saveBtn_;
}

const std::shared_ptr<kit::Button>& DcwEditCcVC::moreBtn() {
    if (!moreBtn_) {
        moreBtn_ = imageButton("more_btn");
        moreBtn_->addTarget(this, "moreTapped", kit::ControlEvent::touchDown, [this] { moreTapped(); });
    }
    return moreBtn_;
}

void DcwEditCcVC::viewDidLoad() {
    view()->setBackgroundColor(kit::Color::blackColor());
    app::delegate().savedData.tryItWasShown = true;
    kit::Defaults::standard().set(true, app::Keys::showTryIt);
}

void DcwEditCcVC::viewWillAppear(bool animated) {
    kit::ViewController::viewWillAppear(animated);
    // The originals and slider positions are taken once: a screen pushed from here and left again
    // must find the edits as they were, not shifted twice or reset.
    const bool first = !originalsTaken_;
    if (first) loadOriginalColors();
    layoutColorViews();
    paintColorViews();
    updateColorLabels();
    layoutControls();
    layoutSliders();
    if (first) {
        setSliderStartValues();
        addBackSwipe(*viewForBackSwipe_, *this);
    }
    originalsTaken_ = true;
    kit::Application::shared().setIdleTimerDisabled(true);
}

void DcwEditCcVC::viewWillDisappear(bool animated) {
    kit::ViewController::viewWillDisappear(animated);
    kit::Application::shared().setIdleTimerDisabled(false);
}

void DcwEditCcVC::viewWillLayoutSubviews() {
    if (willLayout >= 2) return;
    addColorViewShadows();
    ++willLayout;
    kit::print("viewWillLayoutSubviews shadows have been added " + std::to_string(willLayout));
}

void DcwEditCcVC::loadOriginalColors() {
    for (std::size_t i = 0; i < 4; ++i) {
        if (isClassic) {
            const auto& c = classicColors[i];
            colors_[i] = shadeOf(colour::ryb(c.hue, c.brightness, c.saturation), c.shade);
        }
        classicOriginalHues_[i] = classicColors[i].hue;
        if (colors_[i]) originalColors_[i] = *colors_[i];
    }
    updateValueButtons();
}

void DcwEditCcVC::layoutColorViews() {
    auto root = view();
    clrsSV_ = remakeStripStack(clrsSV_);
    const int n = count();
    if (n >= 2 && n <= 4)
        for (int i = 0; i < n; ++i) clrsSV_->addArrangedSubview(colorViews_[static_cast<std::size_t>(i)]);
    root->insertSubview(clrsSV_, 0);
    app::anchor(*clrsSV_, root->topAnchor(), root->leftAnchor(), root->bottomAnchor(), root->rightAnchor());
}

void DcwEditCcVC::paintColorViews() {
    for (std::size_t i = 0; i < 4; ++i)
        if (colors_[i]) colorViews_[i]->setBackgroundColor(*colors_[i]);
}

void DcwEditCcVC::updateColorLabels() {
    const int n = count();
    std::optional<kit::Color> last = n >= 1 && n <= 4 ? colors_[static_cast<std::size_t>(n - 1)] : std::nullopt;
    const auto titleColor = last ? labelTextColor(*last) : kit::Color::hsb(0, 0, 1, 0.7);
    for (int k = 1; k <= 4; ++k) {
        const auto& c = colors_[static_cast<std::size_t>(k - 1)];
        colorLbl(k)->setTitle(k <= n && c ? colour::colorCodeStringMultiline(*c) : std::string());
        colorLbl(k)->setTitleColor(titleColor);
    }
}

void DcwEditCcVC::layoutControls() {
    auto root = view();
    const int n = count();
    if (clrBtnsSV_) clrBtnsSV_->removeFromSuperview();
    std::vector<std::shared_ptr<kit::Button>> labels;
    for (int k = 1; k <= std::min(n, 4); ++k) labels.push_back(colorLbl(k));
    clrBtnsSV_ = addColorLabelRow(*root, labels);
    app::placeBackSwipeStrip(*root, viewForBackSwipe_, root->topAnchor());
    app::placeBackButton(*root, backBtn());
    app::placeTopRight(*root, saveBtn(), *backBtn());
    app::stackButtons(*root, *saveBtn(), *saveBtn(), {moreBtn()});
    const double size = app::valueButtonSize(), pad = app::valueButtonPadding();
    for (int k = 1; k <= std::min(n, 4); ++k) {
        auto& band = colorViews_[static_cast<std::size_t>(k - 1)];
        readd(*root, valueButton(k));
        if (k == 1)
            app::anchor(*valueButton(k), std::nullopt, std::nullopt, band->bottomAnchor(), band->rightAnchor(), 0, 0, -pad,
                        pad, size, size);
        else
            app::anchor(*valueButton(k), band->topAnchor(), std::nullopt, std::nullopt, band->rightAnchor(), pad, 0, 0, pad,
                        size, size);
    }
    updateValueButtons();
    addColorViewShadows();
}

void DcwEditCcVC::layoutSliders() {
    auto root = view();
    const int n = count();
    placedSliders_.clear();
    auto place = [&](const std::shared_ptr<kit::Slider>& slider, int band, double dy) {
        readd(*root, slider);
        slider->setTranslatesAutoresizingMaskIntoConstraints(false);
        auto& strip = *colorViews_[static_cast<std::size_t>(band - 1)];
        PlacedSlider p{slider, band, dy, slider->leftAnchor().equalTo(root->leftAnchor(), 40),
                       root->rightAnchor().equalTo(slider->rightAnchor(), 40),
                       slider->centerYAnchor().equalTo(strip.centerYAnchor(), dy)};
        kit::layout::Constraint::activate({p.left, p.right, p.centreY, slider->heightAnchor().equalToConstant(30)});
        placedSliders_.push_back(std::move(p));
    };
    if (n < 1) return;
    if (withHue) {
        place(hueSlider(), 1, -30);
        place(saturationSlider(1), 1, 0);
        place(brightnessSlider(1), 1, 30);
    } else {
        place(saturationSlider(1), 1, -20);
        place(brightnessSlider(1), 1, 20);
    }
    for (int k = 2; k <= std::min(n, 4); ++k) {
        auto& band = *colorViews_[static_cast<std::size_t>(k - 1)];
        place(saturationSlider(k), k, -20);
        place(brightnessSlider(k), k, 20);
        readd(*root, moveUpBtn(k));
        app::anchor(*moveUpBtn(k), band.topAnchor(), band.leftAnchor(), std::nullopt, std::nullopt, 8, 8, 0, 0, 45, 40);
    }
}

void DcwEditCcVC::viewDidLayoutSubviews() {
    kit::ViewController::viewDidLayoutSubviews();
    // The bands' shadows are drawn at a band's size: a resized window draws them again.
    if (const double width = colorViews_[0]->bounds().width(); willLayout >= 2 && width != shadowedWidth_) {
        shadowedWidth_ = width;
        addColorViewShadows();
    }
    clearSlidersOfControls();
    tintControls();
}

void DcwEditCcVC::tintControls() {
    if (!view()->window()) return;
    const auto behind = [this](const kit::View& v) {
        return stripColorBehind(v, colorViews_).value_or(kit::Color::blackColor());
    };
    for (const auto& button : {backBtn(), saveBtn(), moreBtn()}) tintButton(*button, controlTint(behind(*button)));
    for (int k = 2; k <= std::min(count(), 4); ++k) tintButton(*moveUpBtn(k), controlTint(behind(*moveUpBtn(k))));
    for (const auto& p : placedSliders_)
        if (const auto& c = colors_[static_cast<std::size_t>(p.band - 1)]) tintSlider(*p.slider, controlTint(*c, shadeSliderWhiteAlpha));
}

// The slider offsets were set for taller screens and a one-line row of codes: where a slider runs
// into the row it rises, with the other sliders of its band, just above it; where it runs into a
// button beside it, it gives up that side up to the button's edge.
void DcwEditCcVC::clearSlidersOfControls() {
    if (placedSliders_.empty() || !clrBtnsSV_) return;
    auto root = view();
    auto frameOf = [&](const kit::View& v) { return v.convertRectTo(v.bounds(), root.get()); };
    const int n = std::min(count(), 4);
    std::vector<kit::Rect> buttons;
    for (const auto& b : {backBtn(), saveBtn(), moreBtn()}) buttons.push_back(frameOf(*b));
    for (int k = 1; k <= n; ++k) {
        buttons.push_back(frameOf(*valueButton(k)));
        if (k >= 2) buttons.push_back(frameOf(*moveUpBtn(k)));
    }
    const kit::Rect bounds = root->bounds();
    // Where each slider sits by the fixed offsets, whatever an earlier pass moved.
    std::vector<kit::Rect> natural;
    for (const auto& p : placedSliders_) {
        const kit::Rect f = frameOf(*p.slider);
        natural.push_back({bounds.minX() + 40, f.minY() + p.offsetY - p.centreY->constant(), bounds.size.width - 80, f.size.height});
    }
    const kit::Rect row = frameOf(*clrBtnsSV_);
    std::array<double, 4> lift{};
    for (std::size_t i = 0; i < placedSliders_.size(); ++i) {
        auto& l = lift[static_cast<std::size_t>(placedSliders_[i].band - 1)];
        if (natural[i].intersects(row)) l = std::max(l, natural[i].maxY() - row.minY());
    }
    for (std::size_t i = 0; i < placedSliders_.size(); ++i) {
        const auto& p = placedSliders_[i];
        const double dy = lift[static_cast<std::size_t>(p.band - 1)];
        const kit::Rect f = natural[i].offsetBy(0, -dy);
        double left = 40, right = 40;
        for (const auto& b : buttons) {
            if (b.maxY() <= f.minY() || b.minY() >= f.maxY()) continue;
            if (b.midX() < f.midX()) left = std::max(left, b.maxX() - bounds.minX());
            else right = std::max(right, bounds.maxX() - b.minX());
        }
        p.centreY->setConstant(p.offsetY - dy);
        p.left->setConstant(left);
        p.right->setConstant(right);
    }
}

void DcwEditCcVC::setSliderStartValues() {
    kit::View::performWithoutAnimation([&] {
        for (int k = 1; k <= 4; ++k) {
            const auto i = static_cast<std::size_t>(k - 1);
            if (isClassic) {
                saturationSlider(k)->setValue(static_cast<float>(classicColors[i].saturation));
                brightnessSlider(k)->setValue(static_cast<float>(classicColors[i].brightness));
            } else if (colors_[i]) {
                const auto hsb = colour::hsbComponents(*colors_[i]);
                saturationSlider(k)->setValue(static_cast<float>(hsb.saturation));
                brightnessSlider(k)->setValue(static_cast<float>(hsb.brightness));
            }
        }
    });
}

void DcwEditCcVC::addColorViewShadows() {
    const int n = count();
    for (int k = 2; k <= std::min(n, 4); ++k) app::addShadowLayer(*colorViews_[static_cast<std::size_t>(k - 1)]);
}

void DcwEditCcVC::updateColorBySliders(int n) {
    const auto i = static_cast<std::size_t>(n - 1);
    const double h0 = isClassic ? classicOriginalHues_[i] : colour::hsbComponents(originalColors_[i]).hue;
    double h = h0 + hueSlider()->value();
    if (h > 1) h -= 1;
    if (h < 0) h += 1;
    const double s = saturationSlider(n)->value(), b = brightnessSlider(n)->value();
    setColor(n, isClassic ? shadeOf(colour::ryb(h, b, s), classicColors[i].shade) : kit::Color::hsb(h, s, b, 1));
    paintColorViews();
    updateColorLabels();
    tintControls();
}

void DcwEditCcVC::updateColors() {
    for (int n = 1; n <= 4; ++n) updateColorBySliders(n);
}

void DcwEditCcVC::moveUp(int band) {
    haptic();
    const auto a = static_cast<std::size_t>(band - 2), b = static_cast<std::size_t>(band - 1);
    if (isClassic) std::swap(classicOriginalHues_[a], classicOriginalHues_[b]);
    else std::swap(originalColors_[a], originalColors_[b]);
    kit::View::performWithoutAnimation([&] {
        const float sa = saturationSlider(band - 1)->value(), sb = saturationSlider(band)->value();
        saturationSlider(band - 1)->setValue(sb);
        saturationSlider(band)->setValue(sa);
        const float ba = brightnessSlider(band - 1)->value(), bb = brightnessSlider(band)->value();
        brightnessSlider(band - 1)->setValue(bb);
        brightnessSlider(band)->setValue(ba);
    });
    updateColors();
}

void DcwEditCcVC::updateValueButtons() {
    const int n = count();
    for (int k = 1; k <= std::min(n, 4); ++k) {
        const auto& button = valueButtons_[static_cast<std::size_t>(k - 1)];
        const auto& c = colors_[static_cast<std::size_t>(k - 1)];
        if (!button || !button->superview() || !c) continue;
        button->layer()->setBackgroundColor(colour::grayscaled(*c, colour::GrayscalingMode::lightness));
    }
}

void DcwEditCcVC::valueButtonPressed(int tag) {
    if (tag < 1 || tag > 4) return;
    const auto& button = valueButtons_[static_cast<std::size_t>(tag - 1)];
    if (!button) return;
    if (const auto& grey = button->layer()->backgroundColor()) app::copyColorToClipboard(colour::hexString(*grey));
}

void DcwEditCcVC::colorLblTapped(int n) {
    const auto& c = colors_[static_cast<std::size_t>(n - 1)];
    if (c) app::copyColorToClipboard(colour::hexString(*c));
}

void DcwEditCcVC::saveColorCombination() {
    colour::ColorCombination combination;
    combination.numberOfColors = count();
    combination.tag = "custom";
    combination.isLiked = false;
    combination.color1 = colors_[0];
    combination.color2 = colors_[1];
    combination.color3 = colors_[2];
    combination.color4 = colors_[3];
    combination.id = -1;
    app::saveCustomCombination(combination);
}

std::vector<kit::Color> DcwEditCcVC::shownColors() const {
    const int n = count();
    if (n < 1 || n > 4) return {};
    std::vector<kit::Color> out;
    for (int k = 0; k < n; ++k) out.push_back(colors_[static_cast<std::size_t>(k)].value_or(kit::Color::whiteColor()));
    return out;
}

void DcwEditCcVC::moreTapped() {
    haptic();
    auto alert = kit::AlertController::make(tr("More") + ":", "");
    std::weak_ptr<kit::ViewController> weakSelf = weak_from_this();
    auto act = [this, weakSelf](void (DcwEditCcVC::*method)()) {
        return [this, weakSelf, method](kit::AlertAction&) {
            if (weakSelf.lock()) (this->*method)();
        };
    };
    alert->addAction(kit::AlertAction::make(tr("Preview as chart"), kit::AlertActionStyle::defaultStyle,
                                            act(&DcwEditCcVC::openChartPreview)));
    alert->addAction(kit::AlertAction::make(tr("Copy hex array"), kit::AlertActionStyle::defaultStyle,
                                            act(&DcwEditCcVC::copyHexArray)));
    alert->addAction(kit::AlertAction::make(tr("Save as image"), kit::AlertActionStyle::defaultStyle,
                                            act(&DcwEditCcVC::openCcImage)));
    alert->addAction(kit::AlertAction::make(tr("Cancel")));
    presentViewController(alert, true);
}

void DcwEditCcVC::openWithColors(const char* identifier) {
    auto screen = kit::Storyboard::named("Main")->instantiateViewController(identifier);
    auto receiver = std::dynamic_pointer_cast<ColorsReceiver>(screen);
    if (!receiver) return;
    auto colours = shownColors();
    if (colours.empty()) colours = {kit::Color::whiteColor()};
    receiver->setColors(colours);
    if (auto nav = navigationController()) nav->pushViewController(screen, true);
}

void DcwEditCcVC::openChartPreview() { openWithColors("PieChartVC"); }

void DcwEditCcVC::openCcImage() {
    if (count() < 2 || count() > 4) return;
    openWithColors("CcImageVC");
}

void DcwEditCcVC::copyHexArray() {
    const auto colours = shownColors();
    if (colours.empty()) return;
    std::string text = "[#" + colour::hexString(colours[0]);
    for (std::size_t i = 1; i < colours.size(); ++i) text += ",#" + colour::hexString(colours[i]);
    text += "]";
    app::copyTextToClipboard(text);
}

} // namespace wheels
