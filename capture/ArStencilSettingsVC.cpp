#include "capture/ArStencilSettingsVC.h"

#include "app/settings/BackNavigation.h"
#include "app/ui/Ext.h"
#include "app/ui/SafeBottom.h"
#include "app/ui/Strings.h"
#include "capture/ArStencilVC.h"
#include "capture/ImageOpacity.h"
#include "capture/PhotoConversionVC.h"
#include "capture/SelectImageLabel.h"
#include "colour/ThemeColors.h"
#include "kit/base/Make.h"
#include "kit/ui/ActivityIndicator.h"
#include "kit/ui/Button.h"
#include "kit/ui/ImageView.h"
#include "kit/ui/Label.h"
#include "kit/ui/NavigationController.h"
#include "kit/ui/SegmentedControl.h"
#include "kit/ui/Slider.h"
#include "kit/ui/TapGesture.h"

#include <vector>

namespace capture {
namespace {

constexpr double side = 24;
constexpr double controlHeight = 40;
constexpr double labelHeight = 14;

std::shared_ptr<kit::Label> makeCaption(const char* english) {
    auto label = kit::make<kit::Label>();
    label->setText(app::Strings::text(english));
    label->setFont(kit::Font::system(12));
    label->setTextColor(kit::Color::whiteColor());
    label->setTextAlignment(kit::TextAlignment::center);
    return label;
}

std::shared_ptr<kit::SegmentedControl> makeChoice(const std::vector<std::string>& titles) {
    auto control = kit::make<kit::SegmentedControl>(titles);
    control->setSelectedSegmentIndex(0);
    control->layer()->setBackgroundColor(colour::translucentGrayColor());
    control->layer()->setCornerRadius(6);
    control->setTintColor(kit::Color::whiteColor());
    return control;
}

// Scales the view through each factor in turn, each over its duration, then back to the identity.
void pulseThrough(const std::weak_ptr<kit::View>& view, std::vector<std::pair<double, double>> steps) {
    if (steps.empty()) return;
    auto [duration, factor] = steps.front();
    steps.erase(steps.begin());
    const bool last = steps.empty();
    kit::View::animate(
        duration,
        [view, factor, last] {
            if (auto v = view.lock()) last ? app::resetTransform(*v) : app::setScale(*v, factor);
        },
        [view, steps = std::move(steps)](bool) { pulseThrough(view, steps); });
}

} // namespace

ArStencilSettingsVC::ArStencilSettingsVC() {
    selectedImageView = kit::make<kit::ImageView>();
    selectedImageView->setContentMode(kit::ContentMode::scaleAspectFit);
    selectedImageView->setClipsToBounds(true);
    selectedImageView->setUserInteractionEnabled(true);
    surfaceLabel = makeCaption("Canvas position");
    sizeLabel = makeCaption("Canvas size");
    opacityLabel = makeCaption("Opacity");
    selectImageText = makeSelectImageLabel();
    loadingIndicator = kit::make<kit::ActivityIndicator>();
    loadingIndicator->setColor(kit::Color::whiteColor());
}

void ArStencilSettingsVC::initialize() {
    std::weak_ptr<ArStencilSettingsVC> weak = std::static_pointer_cast<ArStencilSettingsVC>(shared_from_this());
    selectImageButton = makeSelectImageButton([weak] {
        if (auto s = weak.lock()) s->selectImage();
    });
    surfaceSC = makeChoice({app::Strings::text("Horizontal"), app::Strings::text("Vertical")});
    surfaceSC->addTarget(this, "setSurface", kit::ControlEvent::valueChanged, [weak](kit::Control& sender) {
        if (auto s = weak.lock()) s->setSurface(static_cast<kit::SegmentedControl&>(sender));
    });
    formatSC = makeChoice({"A4", "A3", "A2", "A1", "A0"});
    formatSC->addTarget(this, "setFormat", kit::ControlEvent::valueChanged, [weak](kit::Control& sender) {
        if (auto s = weak.lock()) s->setFormat(static_cast<kit::SegmentedControl&>(sender));
    });
    opacitySlider = kit::make<kit::Slider>();
    opacitySlider->setMinimumValue(0);
    opacitySlider->setMaximumValue(1);
    opacitySlider->setValue(0.8f);
    opacitySlider->setContinuous(true);
    const auto tint = kit::Color::gray(1, 0.6858726);
    opacitySlider->setTintColor(tint);
    opacitySlider->setThumbTintColor(tint);
    opacitySlider->addTarget(this, "opacitySliderValueDidChange", kit::ControlEvent::valueChanged,
                             [weak](kit::Control& sender) {
                                 if (auto s = weak.lock())
                                     s->opacitySliderValueDidChange(static_cast<kit::Slider&>(sender));
                             });
    startButton = kit::make<kit::Button>();
    startButton->setTitle(app::Strings::text("Start"));
    startButton->setTitleColor(kit::Color::whiteColor().withAlpha(0.2));
    startButton->layer()->setBackgroundColor(colour::translucentGrayColor().withAlpha(0.2));
    startButton->layer()->setCornerRadius(6);
    startButton->addTarget(this, "startButtonPressed", kit::ControlEvent::touchDown, [weak] {
        if (auto s = weak.lock()) s->startButtonPressed();
    });
}

void ArStencilSettingsVC::viewDidLoad() {
    view()->setBackgroundColor(colour::screenBackgroundColor());
    buildViews();
    std::weak_ptr<ArStencilSettingsVC> weak = std::static_pointer_cast<ArStencilSettingsVC>(shared_from_this());
    viewForBackSwipe = app::addBackSwipeStrip(*view(), 0, [weak] {
        if (auto s = weak.lock()) app::backBySwipe(*s);
    });
    selectedImageView->addGestureRecognizer(kit::make<kit::TapGesture>([weak](kit::GestureRecognizer&) {
        if (auto s = weak.lock()) s->selectImage();
    }));
}

void ArStencilSettingsVC::buildViews() {
    auto root = view();
    for (const auto& v : std::vector<std::shared_ptr<kit::View>>{startButton, opacitySlider, opacityLabel, formatSC,
                                                                 sizeLabel, surfaceSC, surfaceLabel, selectImageButton,
                                                                 selectedImageView, selectImageText})
        root->addSubview(v);
    // A column built upward from the bottom edge.
    auto across = [&](kit::View& v, kit::layout::Anchor bottom, double gap, double height) {
        app::anchor(v, {}, root->leftAnchor(), bottom, root->rightAnchor(), 0, side, -gap, side, 0, height);
    };
    auto caption = [&](kit::View& v, kit::layout::Anchor bottom, double gap) {
        app::anchorWithCenter(v, {}, {}, bottom, {}, root->centerXAnchor(), {}, 0, 0, gap, 0, 0, labelHeight);
    };
    app::anchor(*startButton, {}, root->leftAnchor(), {}, root->rightAnchor(), 0, side, 0, side, 0, controlHeight);
    app::pinBottomInsideSafeArea(*startButton, *root, side);
    across(*opacitySlider, startButton->topAnchor(), 26, 30);
    caption(*opacityLabel, opacitySlider->topAnchor(), 0);
    across(*formatSC, opacityLabel->topAnchor(), 16, controlHeight);
    caption(*sizeLabel, formatSC->topAnchor(), 8);
    across(*surfaceSC, sizeLabel->topAnchor(), 16, controlHeight);
    caption(*surfaceLabel, surfaceSC->topAnchor(), 8);
    across(*selectImageButton, surfaceLabel->topAnchor(), 16, controlHeight);
    app::anchor(*selectedImageView, root->safeAreaLayoutGuide().topAnchor(), root->leftAnchor(),
                selectImageButton->topAnchor(), root->rightAnchor(), 4, 0, -40, 0);
    app::anchorWithCenter(*selectImageText, {}, {}, {}, {}, selectedImageView->centerXAnchor(),
                          selectedImageView->centerYAnchor());

    std::weak_ptr<ArStencilSettingsVC> weak = std::static_pointer_cast<ArStencilSettingsVC>(shared_from_this());
    backButton = app::addBackButton(*root);
    backButton->addTarget(this, "backButtonPressed", kit::ControlEvent::touchUpInside, [weak] {
        if (auto s = weak.lock()) app::backBtnTapped(*s);
    });
}

void ArStencilSettingsVC::viewWillAppear(bool animated) {
    ViewController::viewWillAppear(animated);
    loadingIndicator->stopAnimating();
    if (!loadedImage) selectImageText->setHidden(false);
}

std::optional<kit::Image> ArStencilSettingsVC::opacityImage() const {
    if (!loadedImage) return std::nullopt;
    return imageWithOpacity(*loadedImage, imageOpacity);
}

void ArStencilSettingsVC::refreshPreview() {
    selectedImageView->setImage(opacityImage());
    if (!loadedImage) return;
    isStartActive = true;
    startButton->layer()->setBackgroundColor(colour::translucentGrayColor());
    startButton->setTitleColor(kit::Color::whiteColor());
}

void ArStencilSettingsVC::selectImage() {
    app::tapHaptic();
    auto root = view();
    loadingIndicator->removeFromSuperview();
    root->addSubview(loadingIndicator);
    app::anchorWithCenter(*loadingIndicator, {}, {}, {}, {}, selectedImageView->centerXAnchor(),
                          selectedImageView->centerYAnchor());
    loadingIndicator->startAnimating();
    selectImageText->setHidden(true);
    auto picker = kit::make<kit::ImagePicker>();
    picker->setDelegate(std::static_pointer_cast<ArStencilSettingsVC>(shared_from_this()));
    picker->allowsEditing = true;
    picker->setModalPresentationStyle(kit::ModalPresentationStyle::fullScreen);
    presentViewController(picker, true);
}

void ArStencilSettingsVC::imagePickerDidFinishPicking(kit::ImagePicker& picker, kit::ImagePickerResult result) {
    loadedImage = std::move(result.editedImage);
    refreshPreview();
    selectImageText->setHidden(true);
    picker.dismissViewController(true);
}

void ArStencilSettingsVC::setSurface(const kit::SegmentedControl& sender) {
    app::tapHaptic();
    surface = sender.selectedSegmentIndex() == 1 ? kit::ar::PlaneDetection::vertical()
                                                 : kit::ar::PlaneDetection::horizontal();
}

void ArStencilSettingsVC::setFormat(const kit::SegmentedControl& sender) {
    app::tapHaptic();
    int index = sender.selectedSegmentIndex();
    if (index >= 0 && index < int(allCanvasFormats.size())) format = allCanvasFormats[std::size_t(index)];
}

void ArStencilSettingsVC::opacitySliderValueDidChange(const kit::Slider& sender) {
    imageOpacity = sender.value();
    selectedImageView->setImage(opacityImage());
}

void ArStencilSettingsVC::startButtonPressed() {
    if (!isStartActive) {
        pulseThrough(selectImageButton, {{0.2, 1.05}, {0.15, 0.95}, {0.15, 1.0}});
        return;
    }
    if (!loadedImage) return;
    app::tapHaptic();
    auto stencil = kit::make<ArStencilVC>(surface, opacityImage(), format);
    if (auto nav = navigationController()) nav->pushViewController(stencil, true);
}

} // namespace capture
