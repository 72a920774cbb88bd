#include "capture/SlotPanel.h"

#include "app/AppDelegate.h"
#include "app/SavedData.h"
#include "app/storage/SaveHelpers.h"
#include "app/ui/Ext.h"
#include "app/ui/LayoutConstants.h"
#include "app/ui/SoftShadow.h"
#include "app/ui/Strings.h"
#include "colour/ColorCodeText.h"
#include "colour/ColorNames.h"
#include "colour/HexText.h"
#include "colour/ThemeColors.h"
#include "colour/library/DerivedColors.h"
#include "kit/base/Make.h"
#include "kit/store/Defaults.h"
#include "kit/ui/Device.h"
#include "kit/ui/NavigationController.h"
#include "wheels/ScreenParts.h"
#include "wheels/digital/DcwEditCcVC.h"
#include "wheels/digital/DcwVC.h"

namespace capture {
namespace {

std::shared_ptr<kit::Button> makeTextButton(const char* english) {
    auto button = kit::make<kit::Button>();
    button->setTitle(app::Strings::text(english));
    button->setTitleColor(kit::Color::whiteColor());
    button->titleLabel()->setFont(app::Fonts::regularFont17());
    button->titleLabel()->setTextAlignment(kit::TextAlignment::center);
    button->titleLabel()->setNumberOfLines(2);
    return button;
}

bool shows(const std::shared_ptr<kit::View>& view, const kit::View& root) {
    return view && view->isDescendantOf(&root);
}

} // namespace

SlotPanel::SlotPanel(kit::ViewController& screen)
    : colors{colour::screenBackgroundColor(), kit::Color::rgba(0, 0, 1), kit::Color::rgba(1, 1, 0),
             kit::Color::rgba(0, 1, 1)},
      screen_(screen.weak_from_this()) {
    if (kit::Device::userInterfaceIdiom() == kit::UserInterfaceIdiom::pad && !kit::Device::current().isLandscape()) {
        valueButtonPadding_ = 18;
        valueButtonSize_ = 48;
    }
    for (auto& view : colorViews_) view = kit::make<kit::View>();
    colorsSV_ = kit::make<kit::StackView>();
    colorsSV_->setAxis(kit::layout::Axis::vertical);
    colorsSV_->setDistribution(kit::StackDistribution::fillEqually);
    colorsSV_->setSpacing(0);
    deleteBtn_ = makeTextButton("Delete");
    addBtn_ = makeTextButton("Add");
    controlSV_ = kit::make<kit::StackView>();
    controlSV_->setAxis(kit::layout::Axis::horizontal);
    controlSV_->setDistribution(kit::StackDistribution::fillEqually);
    controlSV_->setSpacing(8);
    controlSV_->addArrangedSubview(deleteBtn_);
    controlSV_->addArrangedSubview(addBtn_);
    openDcwBtn_ = kit::make<kit::Button>(kit::Rect{0, 0, 45, 40});
    openDcwBtn_->setAttributedTitle(
        kit::AttributedString("CW", {kit::Font::boldSystem(16), kit::Color::whiteColor(), std::nullopt}));
    openDcwBtn_->setHidden(true);
    editCCBtn_ = wheels::imageButton("edit_cc_btn_2px");
    saveBtn_ = wheels::imageButton("save_img");
}

std::shared_ptr<kit::View> SlotPanel::root() const {
    auto screen = screen_.lock();
    return screen ? screen->view() : nullptr;
}

void SlotPanel::placeCornerButtons(kit::View& backBtn) {
    auto view = root();
    if (!view) return;
    view->addSubview(saveBtn_);
    app::anchorWithCenter(*saveBtn_, std::nullopt, std::nullopt, std::nullopt, view->rightAnchor(), std::nullopt,
                          backBtn.centerYAnchor(), 0, 0, 0, 0, 45, 40);
    view->addSubview(editCCBtn_);
    app::anchorWithCenter(*editCCBtn_, backBtn.bottomAnchor(), std::nullopt, std::nullopt, std::nullopt,
                          backBtn.centerXAnchor(), std::nullopt, 4, 0, 0, 0, 45, 40);
    view->addSubview(openDcwBtn_);
    app::anchorWithCenter(*openDcwBtn_, saveBtn_->bottomAnchor(), std::nullopt, std::nullopt, std::nullopt,
                          saveBtn_->centerXAnchor(), std::nullopt, 4, 0, 0, 0, 45, 40);
    // They lie over the picture.
    for (auto* control : {&backBtn, static_cast<kit::View*>(saveBtn_.get()), static_cast<kit::View*>(editCCBtn_.get()),
                          static_cast<kit::View*>(openDcwBtn_.get())})
        app::addSoftShadow(*control);
}

const std::shared_ptr<kit::Button>& SlotPanel::valueButton(int k) {
    auto& button = valueButtons_[static_cast<std::size_t>(k - 1)];
    if (!button) {
        button = wheels::makeValueButton(k);
        button->layer()->setCornerRadius(0);
        button->addTarget(this, "valueButtonPressedWithSender:", kit::ControlEvent::touchDown,
                          [this](kit::Control& sender) { copyValueColor(sender.tag()); });
    }
    return button;
}

std::shared_ptr<kit::Button> SlotPanel::makeLabelButton(int k) {
    auto button = wheels::makeColorLabelButton();
    if (k >= 1 && k <= 4)
        button->addTarget(this, "colorLbl" + std::to_string(k) + "Tapped", kit::ControlEvent::touchDown,
                          [this, k] { colorLblTapped(k); });
    return button;
}

void SlotPanel::offerNothing() {
    offersNothing_ = true;
    for (const auto& view : std::initializer_list<std::shared_ptr<kit::View>>{controlSV_, saveBtn_, editCCBtn_, openDcwBtn_})
        view->setHidden(true);
    colorsSV_->removeFromSuperview();
    for (const auto& button : labelButtons_)
        if (button) button->removeFromSuperview();
    for (const auto& button : valueButtons_)
        if (button) button->removeFromSuperview();
}

void SlotPanel::layoutColorSlots() {
    auto rootView = root();
    if (!rootView || offersNothing_) return;
    const int n = numberOfColors;
    const int shown = n >= 1 && n <= 5 ? std::min(n, 4) : 0;

    for (const auto& view : colorViews_) view->removeFromSuperview();
    for (int k = 1; k <= shown; ++k) {
        colorView(k)->setBackgroundColor(color(k));
        colorsSV_->addArrangedSubview(colorView(k));
    }
    colorsSV_->removeFromSuperview();
    rootView->addSubview(colorsSV_);
    app::anchor(*colorsSV_, controlSV_->bottomAnchor(), rootView->leftAnchor(), rootView->bottomAnchor(),
                rootView->rightAnchor(), 8);

    // A dark line with a soft shadow along the top of every slot but the first.
    rootView->layoutIfNeeded();
    if (n >= 2 && n <= 4)
        for (int k = 2; k <= n; ++k) app::addShadowLayer(*colorView(k));

    for (auto& button : labelButtons_) {
        if (button) button->removeFromSuperview();
        button.reset();
    }
    for (int k = 1; k <= std::min(n - 1, 4); ++k) {
        auto button = makeLabelButton(k);
        button->setTitle(colorLabelText(k));
        rootView->addSubview(button);
        app::anchor(*button, colorView(k)->topAnchor(), colorView(k)->leftAnchor(), colorView(k)->bottomAnchor(),
                    std::nullopt, 0, 12);
        labelButtons_[static_cast<std::size_t>(k - 1)] = button;
    }
    for (int k = 1; k <= 4; ++k)
        if (const auto& button = labelButton(k)) button->setTitleColor(wheels::labelTextColor(color(k)));

    for (const auto& button : valueButtons_)
        if (button) button->removeFromSuperview();
    for (int k = 1; k <= shown; ++k) {
        rootView->addSubview(valueButton(k));
        app::anchor(*valueButton(k), colorView(k)->topAnchor(), std::nullopt, std::nullopt, rootView->rightAnchor(),
                    valueButtonPadding_, 0, 0, valueButtonPadding_, valueButtonSize_, valueButtonSize_);
    }
    refreshCurrentValueButton();

    if (backSwipeStrip_) {
        backSwipeStrip_->removeFromSuperview();
        rootView->addSubview(backSwipeStrip_);
        app::anchor(*backSwipeStrip_, rootView->topAnchor(), rootView->leftAnchor(), rootView->bottomAnchor(),
                    std::nullopt, 0, 0, 0, 0, app::backSwipeAreaWidth);
    }
}

void SlotPanel::updateCurrentSlot(const kit::Color& newColor) {
    const int n = numberOfColors;
    if (n < 1 || n > 4) return;
    color(n) = newColor;
    colorView(n)->setBackgroundColor(newColor);
    refreshCurrentValueButton();
}

void SlotPanel::refreshCurrentValueButton() {
    const int n = numberOfColors;
    auto rootView = root();
    if (n < 1 || n > 4 || !rootView) return;
    const auto& button = valueButtons_[static_cast<std::size_t>(n - 1)];
    if (shows(button, *rootView))
        button->layer()->setBackgroundColor(colour::grayscaled(color(n), colour::GrayscalingMode::lightness));
}

std::string SlotPanel::colorLabelText(int k) const {
    if (k < 1 || k > 4) return {};
    const kit::Color& c = colors[static_cast<std::size_t>(k - 1)];
    std::string text = colour::colorCodeString(c);
    if (auto name = colour::colorName(app::loadSavedData().colorNameFormat, c)) text += " | " + *name;
    return text;
}

void SlotPanel::colorLblTapped(int k) {
    if (k >= 1 && k <= 4) app::copyColorToClipboard(colour::hexString(color(k)));
}

void SlotPanel::copyValueColor(int tag) {
    if (tag < 1 || tag > 4) return;
    const auto& button = valueButtons_[static_cast<std::size_t>(tag - 1)];
    if (!button) return;
    if (const auto& grey = button->layer()->backgroundColor()) app::copyColorToClipboard(colour::hexString(*grey));
}

void SlotPanel::saveColors() {
    const int n = numberOfColors;
    if (n >= 3) {
        // Four white fields are taken as nothing picked.
        if (std::all_of(colors.begin(), colors.end(), [](const kit::Color& c) { return colour::hexString(c) == "FFFFFF"; }))
            return;
        app::saveCustomCombination(
            colour::ColorCombination{n - 1, "custom", false, colors[0], colors[1], colors[2], colors[3], -1});
    } else {
        app::saveSingleColor(colors[0]);
    }
}

void SlotPanel::openEditor() {
    auto screen = screen_.lock();
    auto nav = screen ? screen->navigationController() : nullptr;
    if (!nav) return;
    auto editor = kit::make<wheels::DcwEditCcVC>();
    editor->numberOfColors = numberOfColors - 1;
    for (int k = 1; k <= 4; ++k) editor->setColor(k, color(k));
    nav->pushViewController(editor, true);
}

void SlotPanel::openInColorWheel() {
    const std::string hex = colour::hexString(colors[0]);
    if (!hex.empty() && colour::isValidHexColor(hex)) kit::Defaults::standard().set(hex, app::Keys::lastColorMixing);
    auto screen = screen_.lock();
    auto nav = screen ? screen->navigationController() : nullptr;
    if (!nav) return;
    auto wheel = kit::make<wheels::DcwVC>();
    wheel->isClassic = false;
    wheel->instantLoadFromClipboard = true;
    nav->pushViewController(wheel, true);
}

void SlotPanel::pulse(kit::View& view) { wheels::pulse(view, 1.2, 0.2); }

} // namespace capture
