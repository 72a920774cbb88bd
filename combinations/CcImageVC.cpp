#include "combinations/CcImageVC.h"

#include "app/settings/BackNavigation.h"
#include "app/ui/Alerts.h"
#include "app/ui/Ext.h"
#include "app/ui/Haptic.h"
#include "app/ui/SafeBottom.h"
#include "app/ui/Strings.h"
#include "colour/HexText.h"
#include "colour/ThemeColors.h"
#include "kit/base/Make.h"
#include "kit/layout/Constraint.h"
#include "kit/store/PhotoLibrary.h"
#include "kit/text/CaseMapping.h"
#include "kit/ui/AlertController.h"
#include "kit/ui/Assets.h"
#include "kit/ui/Button.h"
#include "kit/ui/Label.h"
#include "kit/ui/StackView.h"
#include "kit/ui/SwipeGesture.h"
#include "kit/ui/Switch.h"
#include "kit/ui/TextField.h"

namespace combinations {
namespace {

using Constraint = kit::layout::Constraint;

std::shared_ptr<kit::TextField> makeNameTextField() {
    auto field = kit::make<kit::TextField>();
    field->setPlaceholder("Name...");
    field->setBackgroundColor(kit::Color::grayColor());
    field->setTextColor(kit::Color::whiteColor());
    return field;
}

} // namespace

std::shared_ptr<kit::Label> makeLabelText() {
    auto label = kit::make<kit::Label>();
    label->setText(app::Strings::text("Labels"));
    label->setFont(kit::Font::system(18));
    label->setTextColor(kit::Color::blackColor());
    return label;
}

CcImageVC::CcImageVC() {
    textField = makeNameTextField();
    labelText = makeLabelText();
    viewForBackSwipe = kit::make<kit::View>();
}

void CcImageVC::viewDidLoad() {
    std::weak_ptr<CcImageVC> weak = std::static_pointer_cast<CcImageVC>(shared_from_this());
    backBtn = kit::make<kit::Button>();
    backBtn->setImage(kit::Assets::imageNamed("back-btn-dark"), kit::ControlState::normal);
    backBtn->addTarget(this, "backBtnTapped", kit::ControlEvent::touchUpInside, [weak](kit::Control&) {
        if (auto s = weak.lock()) app::backBtnTapped(*s);
    });
    saveButton = kit::make<kit::Button>();
    saveButton->setTitle(app::Strings::text("Save"), kit::ControlState::normal);
    saveButton->setTitleColor(kit::Color::whiteColor());
    saveButton->layer()->setBackgroundColor(colour::darkOverlayColor());
    saveButton->layer()->setCornerRadius(6);
    saveButton->addTarget(this, "saveImageToPhotos", kit::ControlEvent::touchUpInside, [weak](kit::Control&) {
        if (auto s = weak.lock()) s->saveImageToPhotos();
    });
    labelSwitch = kit::make<kit::Switch>();
    labelSwitch->setOn(true);
    labelSwitch->addTarget(this, "labelSwitchTapped", kit::ControlEvent::valueChanged, [weak](kit::Control&) {
        if (auto s = weak.lock()) s->labelSwitchTapped();
    });

    layoutControls();
    auto swipe = kit::make<kit::SwipeGesture>([weak](kit::GestureRecognizer&) {
        if (auto s = weak.lock()) app::backBySwipe(*s);
    });
    swipe->setDirection(kit::SwipeDirection::right);
    viewForBackSwipe->addGestureRecognizer(swipe);
}

void CcImageVC::layoutControls() {
    auto root = view();
    root->setBackgroundColor(kit::Color::whiteColor());
    for (auto v : std::initializer_list<std::shared_ptr<kit::View>>{backBtn, labelSwitch, labelText, saveButton}) {
        v->removeFromSuperview();
        root->addSubview(v);
    }
    app::anchor(*backBtn, root->safeAreaLayoutGuide().topAnchor(), root->leftAnchor(), std::nullopt, std::nullopt, 1, 0,
                0, 0, 45, 40);
    labelSwitch->setTranslatesAutoresizingMaskIntoConstraints(false);
    labelText->setTranslatesAutoresizingMaskIntoConstraints(false);
    Constraint::activate({labelSwitch->rightAnchor().equalTo(root->rightAnchor(), -10),
                          labelSwitch->centerYAnchor().equalTo(backBtn->centerYAnchor()),
                          labelText->rightAnchor().equalTo(labelSwitch->leftAnchor(), -8),
                          labelText->centerYAnchor().equalTo(backBtn->centerYAnchor())});
    app::anchor(*saveButton, std::nullopt, root->leftAnchor(), std::nullopt, root->rightAnchor(), 0, 24, 0, 24, 0, 40);
    app::pinBottomInsideSafeArea(*saveButton, *root, 24);
    composeImage();
    viewForBackSwipe->removeFromSuperview();
    root->addSubview(viewForBackSwipe);
    app::anchor(*viewForBackSwipe, root->topAnchor(), root->leftAnchor(), root->bottomAnchor(), std::nullopt, 0, 0, 0, 0,
                10);
}

void CcImageVC::composeImage() {
    auto root = view();
    if (imageView) imageView->removeFromSuperview();
    imageView = kit::make<kit::View>();
    root->addSubview(imageView);
    app::anchor(*imageView, backBtn->bottomAnchor(), root->leftAnchor(), saveButton->topAnchor(), root->rightAnchor(), 20,
                0, -20, 0);

    blocks_.clear();
    auto stack = kit::make<kit::StackView>();
    stack->setAxis(kit::layout::Axis::vertical);
    stack->setAlignment(kit::StackAlignment::fill);
    stack->setDistribution(kit::StackDistribution::fillEqually);
    stack->setSpacing(0);
    for (const auto& c : colors.value_or(std::vector<kit::Color>{})) {
        auto block = kit::make<kit::Button>();
        block->setBackgroundColor(c);
        if (withLabels) {
            block->setTitle(colour::hexString(c), kit::ControlState::normal);
            block->setTitleColor(kit::Color::whiteColor());
        }
        stack->addArrangedSubview(block);
        blocks_.push_back(block);
    }
    imageView->addSubview(stack);
    app::anchor(*stack, imageView->topAnchor(), imageView->leftAnchor(), imageView->bottomAnchor(), imageView->rightAnchor());

    nameBox_.reset();
    if (name && !name->empty() && withLabels) {
        nameBox_ = kit::make<kit::View>();
        nameBox_->setBackgroundColor(kit::Color::whiteColor());
        nameBox_->setClipsToBounds(true);
        imageView->addSubview(nameBox_);
        app::anchor(*nameBox_, imageView->topAnchor(), imageView->leftAnchor(), std::nullopt, std::nullopt, 10, 10, 0, 0,
                    110, 24);
        auto label = kit::make<kit::Label>();
        label->setText(kit::text::uppercased(*name));
        label->setTextColor(kit::Color::blackColor());
        label->setTextAlignment(kit::TextAlignment::center);
        label->setFont(kit::Font::system(18));
        nameBox_->addSubview(label);
        // Centred on the box at its own width; a name too long for the box ends in an ellipsis.
        app::anchorWithCenter(*label, nameBox_->topAnchor(), std::nullopt, nameBox_->bottomAnchor(), std::nullopt,
                              nameBox_->centerXAnchor(), std::nullopt);
        Constraint::activate({label->leftAnchor().greaterThanOrEqualTo(nameBox_->leftAnchor(), 4),
                              label->rightAnchor().lessThanOrEqualTo(nameBox_->rightAnchor(), -4)});
    }
}

void CcImageVC::labelSwitchTapped() {
    app::lightImpact();
    withLabels = labelSwitch->isOn();
    composeImage();
}

void CcImageVC::saveImageToPhotos() {
    if (!imageView) return;
    app::lightImpact();
    view()->layoutIfNeeded();
    const auto image = app::snapshotImage(*imageView);
    std::weak_ptr<CcImageVC> weak = std::static_pointer_cast<CcImageVC>(shared_from_this());
    kit::PhotoLibrary::saveImage(
        image,
        [weak](const std::optional<std::string>& error, const std::filesystem::path& file) {
            if (auto s = weak.lock()) s->didFinishSaving(error, file);
        },
        "combination");
}

void CcImageVC::didFinishSaving(const std::optional<std::string>& error, const std::filesystem::path& file) {
    if (error) {
        auto alert = kit::AlertController::make("Save error", *error, kit::AlertControllerStyle::alert);
        alert->addAction(kit::AlertAction::make(app::Strings::text("OK"), kit::AlertActionStyle::defaultStyle));
        presentViewController(alert, true);
        return;
    }
    app::Alerts::shared().showToast(app::Strings::combinationSavedIn(file), true);
}

} // namespace combinations
