#include "wheels/other/HueVC.h"

#include "app/AppDelegate.h"
#include "app/SavedData.h"
#include "app/storage/SaveHelpers.h"
#include "app/settings/BackNavigation.h"
#include "app/ui/Ext.h"
#include "app/ui/LayoutConstants.h"
#include "app/ui/SafeBottom.h"
#include "app/ui/Strings.h"
#include "colour/ColorCodeText.h"
#include "colour/HexText.h"
#include "colour/ThemeColors.h"
#include "colour/ContrastingTint.h"
#include "colour/library/DerivedColors.h"
#include "kit/base/Make.h"
#include "kit/graphics/filters/Filters.h"
#include "kit/store/Defaults.h"
#include "kit/ui/Device.h"
#include "kit/ui/NavigationController.h"
#include "wheels/ScreenLayout.h"
#include "wheels/ScreenParts.h"
#include "wheels/digital/DcwEditCcVC.h"
#include "wheels/digital/DcwVC.h"

#include <algorithm>
#include <cmath>

namespace wheels {

namespace {
std::shared_ptr<kit::Button> textButton(const std::string& title) {
    auto button = kit::make<kit::Button>();
    button->setTitle(title);
    button->setTitleColor(kit::Color::whiteColor());
    button->titleLabel()->setFont(app::Fonts::regularFont17());
    button->titleLabel()->setTextAlignment(kit::TextAlignment::center);
    button->titleLabel()->setNumberOfLines(2);
    return button;
}
} // namespace

HueVC::HueVC()
    : colors{colour::screenBackgroundColor(), kit::Color::blueColor(), kit::Color::yellowColor(), kit::Color::cyanColor()} {
    for (auto& v : colorViews_) v = kit::make<kit::View>();
    for (auto& b : clrBtns_) b = kit::make<kit::Button>();
    for (auto& c : circles_) c = kit::make<DrawCircle>();
    imageView_ = kit::make<kit::ImageView>();
    imageView_->setContentMode(kit::ContentMode::scaleAspectFit);
    imageView_->setClipsToBounds(true);
    imageView_->setAccessibilityIdentifier("hue_disc");
    colorsSV_ = kit::make<kit::StackView>();
    colorsSV_->setDistribution(kit::StackDistribution::fillEqually);
    colorsSV_->setAxis(kit::layout::Axis::vertical);
    colorsSV_->setSpacing(0);
    controlSV_ = kit::make<kit::StackView>();
    controlSV_->setAxis(kit::layout::Axis::horizontal);
    controlSV_->setDistribution(kit::StackDistribution::fillEqually);
    controlSV_->setSpacing(8);
    loadIndicator_ = kit::make<kit::ActivityIndicator>();
    loadIndicator_->setColor(kit::Color::whiteColor());
    viewForBackSwipe_ = kit::make<kit::View>();
    instructionText_ = kit::make<kit::TextView>();
    instructionText_->setTextAlignment(kit::TextAlignment::center);
    instructionText_->setTextColor(kit::Color::whiteColor().withAlpha(0.7020522));
    instructionText_->setFont(kit::Font::system(21, kit::FontWeight::medium));
    instructionText_->setBackgroundColor(kit::Color::clearColor());
}

const std::shared_ptr<kit::Button>& HueVC::addBtn() {
    if (!addBtn_) {
        addBtn_ = textButton(tr("Add"));
        addBtn_->addTarget(this, "addColor", kit::ControlEvent::touchUpInside, [this] { addColor(); });
    }
    return addBtn_;
}

const std::shared_ptr<kit::Button>& HueVC::deleteBtn() {
    if (!deleteBtn_) {
        deleteBtn_ = textButton(tr("Delete"));
        deleteBtn_->addTarget(this, "deleteColor", kit::ControlEvent::touchUpInside, [this] { deleteColor(); });
    }
    return deleteBtn_;
}

const std::shared_ptr<kit::Button>& HueVC::backBtn() {
    if (!backBtn_) {
        backBtn_ = makeBackButton(*this);
    }
    return backBtn_;
}

const std::shared_ptr<kit::Button>& HueVC::saveBtn() {
    if (!saveBtn_) {
        saveBtn_ = imageButton("save_img");
        saveBtn_->addTarget(this, "saveColorCombination", kit::ControlEvent::touchDown, [this] { saveColorCombination(); });
    }
    return saveBtn_;
}

const std::shared_ptr<kit::Button>& HueVC::editCCBtn() {
    if (!editCCBtn_) {
        editCCBtn_ = imageButton("edit_cc_btn_2px");
        editCCBtn_->addTarget(this, "editCCTapped", kit::ControlEvent::touchDown, [this] { editCCTapped(); });
    }
    return editCCBtn_;
}

const std::shared_ptr<kit::Button>& HueVC::openDcwBtn() {
    if (!openDcwBtn_) {
        openDcwBtn_ = kit::make<kit::Button>();
        openDcwBtn_->setAttributedTitle(kit::AttributedString("CW", {kit::Font::boldSystem(16), kit::Color::whiteColor(), std::nullopt}));
        openDcwBtn_->addTarget(this, "openDcwTapped", kit::ControlEvent::touchUpInside, [this] { openDcwTapped(); });
        openDcwBtn_->setHidden(true);
    }
    return openDcwBtn_;
}

const std::shared_ptr<kit::Button>& HueVC::valueButton(int n) {
    auto& slot = valueButtons_[static_cast<std::size_t>(n - 1)];
    if (!slot) {
        slot = makeValueButton(n);
        slot->addTarget(this, "valueButtonPressed", kit::ControlEvent::touchDown,
                        [this](kit::Control& sender) { valueButtonPressed(sender.tag()); });
    }
    return slot;
}

void HueVC::loadView() {
    kit::ViewController::loadView();
    view()->setBackgroundColor(colour::screenBackgroundColor());
}

void HueVC::viewDidLoad() {
    auto root = view();
    root->addSubview(imageView_);
    // Set by fitDisc from the window's size.
    const auto constraints = app::anchor(*imageView_, root->topAnchor(), root->leftAnchor(), std::nullopt, root->rightAnchor(),
                                         0, 20, 0, 20, 0, 1);
    discTop_ = constraints.at(0);
    discLeft_ = constraints.at(1);
    discRight_ = constraints.at(2);
    discHeight_ = constraints.at(3);
    controlSV_->addArrangedSubview(deleteBtn());
    controlSV_->addArrangedSubview(addBtn());
    root->addSubview(controlSV_);
    app::anchor(*controlSV_, imageView_->bottomAnchor(), root->leftAnchor(), std::nullopt, root->rightAnchor(), 8, 8, 0, 8,
                0, 40);
    app::placeBackSwipeStrip(*root, viewForBackSwipe_, root->topAnchor());
    app::placeBackButton(*root, backBtn());
    app::placeTopRight(*root, saveBtn(), *backBtn());
    app::stackButtons(*root, *backBtn(), *backBtn(), {editCCBtn()});
    app::stackButtons(*root, *saveBtn(), *saveBtn(), {openDcwBtn()});
    instructionText_->setText(tr("Tap on color"));
    root->addSubview(instructionText_);
    app::anchor(*instructionText_, std::nullopt, root->leftAnchor(), std::nullopt, root->rightAnchor(), 0, 0, 0, 0, 0, 40);
    app::pinBottomInsideSafeArea(*instructionText_, *root, 24);
    addBackSwipe(*viewForBackSwipe_, *this);
}

void HueVC::viewDidLayoutSubviews() {
    kit::ViewController::viewDidLayoutSubviews();
    fitDisc();
    // The disc's new frame is laid out first, so the markers go where it now stands.
    view()->layoutIfNeeded();
    placeMarkers();
}

// The disc's view stands 4 below the top of the safe area, 20 in from the sides and half the
// height less 20 high, and shows the disc as large as fits in it. Only where that disc would touch
// a button in the top corners is the disc moved or shrunk; the view then narrows to the disc and
// keeps as much of its height as it can centred on it, so what hangs from its bottom stays put.
void HueVC::fitDisc() {
    auto root = view();
    const kit::Rect b = root->bounds();
    if (b.size.width <= 0 || b.size.height <= 0) return;
    const kit::Rect frame{b.minX() + 20, kit::Device::current().safeAreaInsets().top + 4, std::max(1.0, b.size.width - 40),
                          std::max(1.0, b.size.height * 0.5 - 20)};
    const double fitted = std::min(frame.size.width, frame.size.height);
    std::vector<kit::Rect> controls;
    for (const auto& v : {backBtn(), saveBtn(), editCCBtn(), openDcwBtn()})
        if (v->superview()) controls.push_back(v->convertRectTo(v->bounds(), root.get()));
    DiscSpace space{{frame.midX() - fitted / 2, frame.midY() - fitted / 2, fitted, fitted}, 1, frame, std::move(controls)};
    if (space == lastDiscSpace_) return;
    const kit::Rect disc = fitDiscFrame(space);
    const bool asGiven = disc.size.width >= fitted && std::abs(disc.midY() - frame.midY()) < 1e-6;
    lastDiscSpace_ = std::move(space);
    const double side = std::floor(disc.size.width);
    if (!imageView_->image() || imageView_->image()->size().width != side)
        imageView_->setImage(kit::filters::hueSaturationValueGradient(side / 2, 1, kit::Screen::scale()));
    if (asGiven) {
        discTop_->setConstant(frame.minY());
        discLeft_->setConstant(20);
        discRight_->setConstant(-20);
        discHeight_->setConstant(frame.size.height);
        return;
    }
    const double reach = std::min(disc.midY() - frame.minY(), frame.maxY() - disc.midY());
    const double height = std::max(side, 2 * reach);
    discTop_->setConstant(disc.midY() - height / 2);
    discLeft_->setConstant(disc.midX() - side / 2 - b.minX());
    discRight_->setConstant(disc.midX() + side / 2 - b.maxX());
    discHeight_->setConstant(height);
}

void HueVC::touchesBegan(const kit::TouchSet& touches, const kit::Event&) { pickAtTouch(touches); }
void HueVC::touchesMoved(const kit::TouchSet& touches, const kit::Event&) { pickAtTouch(touches); }

void HueVC::pickAtTouch(const kit::TouchSet& touches) {
    if (touches.empty()) return;
    pickAt(touches.front()->locationIn(imageView_.get()));
}

void HueVC::pickAt(kit::Point p) {
    if (!imageView_->bounds().contains(p)) return;
    const auto bytes = imageView_->layer()->pixelAt(p);
    const auto c = kit::Color::rgba(bytes[0] / 255.0, bytes[1] / 255.0, bytes[2] / 255.0, bytes[3] / 255.0);
    applyPickedColor(c, p);
}

void HueVC::applyPickedColor(const kit::Color& c, kit::Point p) {
    if (numberOfColors >= 5) return;
    // The transparent corners of the square disc image and dark pixels are no colours to pick.
    if (c == kit::Color::whiteColor() || c == colour::screenBackgroundColor() || c == kit::Color::blackColor() ||
        colour::hexString(c) == "000000" || c.alpha() != 1.0 || !(c.hsba().brightness > 0.4))
        return;
    instructionText_->setHidden(true);
    placeMarker(numberOfColors, p, c);
    isAnyColorSelected = true;
    openDcwBtn()->setHidden(numberOfColors != 1);
    colors[static_cast<std::size_t>(numberOfColors - 1)] = c;
    if (numberOfColors < 4) colors[static_cast<std::size_t>(numberOfColors)] = c;
    refreshColors();
}

void HueVC::placeMarker(int n, kit::Point p, const kit::Color& c) {
    auto& slot = circles_[static_cast<std::size_t>(n - 1)];
    slot->removeFromSuperview();
    // Kept as a place on the disc, which grows, shrinks and moves with the window.
    const auto b = imageView_->bounds();
    const double side = std::min(b.width(), b.height());
    markerSpots_[static_cast<std::size_t>(n - 1)] = side > 0 ? kit::Point{(p.x - b.midX()) / side, (p.y - b.midY()) / side}
                                                             : kit::Point{0, 0};
    slot = kit::make<DrawCircle>(kit::Rect{0, 0, 30, 30});
    slot->setColor(c);
    slot->setUserInteractionEnabled(false);
    view()->addSubview(slot);
    for (int above = n + 1; above <= 4; ++above) circles_[static_cast<std::size_t>(above - 1)]->removeFromSuperview();
    placeMarkers();
}

void HueVC::placeMarkers() {
    const auto b = imageView_->bounds();
    const double side = std::min(b.width(), b.height());
    for (std::size_t i = 0; i < circles_.size(); ++i) {
        if (!circles_[i]->superview()) continue;
        const kit::Point onDisc{b.midX() + markerSpots_[i].x * side, b.midY() + markerSpots_[i].y * side};
        circles_[i]->setCenter(imageView_->convertPointTo(onDisc, view().get()));
    }
}

void HueVC::refreshColors() {
    auto root = view();
    for (auto sub : std::vector<std::shared_ptr<kit::View>>(colorsSV_->arrangedSubviews())) sub->removeFromSuperview();
    const int n = std::min(numberOfColors, 4);
    for (int i = 0; i < n; ++i) {
        colorViews_[static_cast<std::size_t>(i)]->setBackgroundColor(colors[static_cast<std::size_t>(i)]);
        colorsSV_->addArrangedSubview(colorViews_[static_cast<std::size_t>(i)]);
    }
    colorsSV_->removeFromSuperview();
    root->insertSubview(colorsSV_, 0);
    app::anchor(*colorsSV_, controlSV_->bottomAnchor(), root->leftAnchor(), root->bottomAnchor(), root->rightAnchor(), 8);
    root->layoutIfNeeded();
    if (numberOfColors >= 2 && numberOfColors <= 4)
        for (int i = 2; i <= numberOfColors; ++i) app::addShadowLayer(*colorViews_[static_cast<std::size_t>(i - 1)]);

    loadIndicator_->stopAnimating();
    for (auto& label : clrBtns_) label->removeFromSuperview();
    for (int k = 1; k <= numberOfColors - 1 && k <= 4; ++k) {
        auto label = makeColorLabelButton();
        const auto& c = colors[static_cast<std::size_t>(k - 1)];
        label->setTitle(colour::colorCodeString(c));
        label->setTitleColor(colour::contrastingTint(c));
        label->addTarget(this, "colorLblTapped", kit::ControlEvent::touchDown, [this, k] { colorLblTapped(k); });
        clrBtns_[static_cast<std::size_t>(k - 1)] = label;
        auto& band = colorViews_[static_cast<std::size_t>(k - 1)];
        root->addSubview(label);
        app::anchor(*label, band->topAnchor(), band->leftAnchor(), band->bottomAnchor(), std::nullopt, 0, 12);
    }
    const double size = app::valueButtonSize(), pad = app::valueButtonPadding();
    for (int k = 1; k <= 4; ++k) valueButton(k)->removeFromSuperview();
    for (int k = 1; k <= n; ++k) {
        auto& band = colorViews_[static_cast<std::size_t>(k - 1)];
        root->addSubview(valueButton(k));
        app::anchor(*valueButton(k), band->topAnchor(), std::nullopt, std::nullopt, band->rightAnchor(), pad, 0, 0, pad, size,
                    size);
    }
    if (numberOfColors >= 1 && numberOfColors <= 4) {
        const auto& button = valueButton(numberOfColors);
        if (button->superview())
            button->layer()->setBackgroundColor(colour::grayscaled(colors[static_cast<std::size_t>(numberOfColors - 1)],
                                                                   colour::GrayscalingMode::lightness));
    }
}

void HueVC::addPulse() { pulse(*addBtn(), 1.2, 0.2); }

void HueVC::addColor() {
    if (!isAnyColorSelected) return;
    haptic();
    if (numberOfColors < 5) {
        ++numberOfColors;
        openDcwBtn()->setHidden(numberOfColors != 1);
    }
    refreshColors();
}

void HueVC::deleteColor() {
    if (numberOfColors == 1) {
        addPulse();
        return;
    }
    haptic();
    --numberOfColors;
    openDcwBtn()->setHidden(numberOfColors != 1);
    for (int above = numberOfColors + 1; above <= 4; ++above)
        circles_[static_cast<std::size_t>(above - 1)]->removeFromSuperview();
    refreshColors();
}

void HueVC::saveColorCombination() {
    if (!isAnyColorSelected) return;
    if (numberOfColors >= 3) {
        bool allWhite = true;
        for (const auto& c : colors) allWhite = allWhite && colour::hexString(c) == "FFFFFF";
        if (allWhite) return;
        colour::ColorCombination combination;
        combination.numberOfColors = numberOfColors - 1;
        combination.tag = "custom";
        combination.isLiked = false;
        combination.color1 = colors[0];
        combination.color2 = colors[1];
        combination.color3 = colors[2];
        combination.color4 = colors[3];
        combination.id = -1;
        app::saveCustomCombination(combination);
    } else {
        app::saveSingleColor(colors[0]);
    }
}

void HueVC::editCCTapped() {
    haptic();
    if (numberOfColors < 3) {
        addPulse();
        return;
    }
    auto editor = kit::make<DcwEditCcVC>();
    editor->numberOfColors = numberOfColors - 1;
    for (int i = 1; i <= 4; ++i) editor->setColor(i, colors[static_cast<std::size_t>(i - 1)]);
    if (auto nav = navigationController()) nav->pushViewController(editor, true);
}

void HueVC::openDcwTapped() {
    const std::string hex = colour::hexString(colors[0]);
    if (!hex.empty() && colour::isValidHexColor(hex)) kit::Defaults::standard().set(hex, app::Keys::lastColorMixing);
    auto wheel = kit::make<DcwVC>();
    wheel->isClassic = false;
    wheel->instantLoadFromClipboard = true;
    if (auto nav = navigationController()) nav->pushViewController(wheel, true);
}

void HueVC::colorLblTapped(int n) { app::copyColorToClipboard(colour::hexString(colors[static_cast<std::size_t>(n - 1)])); }

void HueVC::valueButtonPressed(int tag) {
    if (tag < 1 || tag > 4) return;
    const auto& button = valueButtons_[static_cast<std::size_t>(tag - 1)];
    if (!button) return;
    if (const auto& grey = button->layer()->backgroundColor()) app::copyColorToClipboard(colour::hexString(*grey));
}

void HueVC::showInfo() {
    haptic();
    if (!infoView_) {
        infoView_ = kit::make<app::InfoView>(
            view(), backBtn(), std::nullopt,
            app::makeInfoAttributedText(tr("How to use"), app::Strings::saveButtonSavesColorInSaved(), false), false, 20);
        infoView_->infoViewDelegate = std::shared_ptr<app::InfoViewDelegate>(shared_from_this(), this);
    }
    infoView_->toggleInfo();
}

} // namespace wheels
