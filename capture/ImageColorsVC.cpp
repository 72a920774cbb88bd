#include "capture/ImageColorsVC.h"

#include "app/settings/BackNavigation.h"
#include "app/ui/Alerts.h"
#include "app/ui/Ext.h"
#include "app/ui/Haptic.h"
#include "app/ui/Strings.h"
#include "capture/PhotoPicking.h"
#include "capture/SelectImageLabel.h"
#include "colour/HexText.h"
#include "colour/PixelColor.h"
#include "colour/ThemeColors.h"
#include "kit/base/Make.h"
#include "kit/runtime/Timer.h"
#include "kit/ui/ActivityIndicator.h"
#include "kit/ui/Device.h"
#include "kit/ui/ImageView.h"
#include "kit/ui/Label.h"
#include "wheels/Widgets.h"

#include <algorithm>

namespace capture {
namespace {
constexpr double kMarkerSize = 30;
} // namespace

ImageColorsVC::ImageColorsVC() {
    imageView = kit::make<kit::ImageView>();
    imageView->setContentMode(kit::ContentMode::scaleAspectFit);
    imageView->setClipsToBounds(true);
    loadingIndicator = kit::make<kit::ActivityIndicator>();
    loadingIndicator->setColor(kit::Color::whiteColor());
    selectImageText = makeSelectImageLabel();
}

ImageColorsVC::~ImageColorsVC() {
    if (pressTimer) pressTimer->invalidate();
    if (refitTimer_) refitTimer_->invalidate();
}

std::shared_ptr<ImageColorsVC> ImageColorsVC::self() {
    return std::static_pointer_cast<ImageColorsVC>(shared_from_this());
}

void ImageColorsVC::initialize() { panel = std::make_unique<SlotPanel>(*this); }

void ImageColorsVC::viewDidLoad() { buildUI(); }

void ImageColorsVC::buildUI() {
    auto root = view();
    root->setBackgroundColor(colour::screenBackgroundColor());
    const double height = root->bounds().height();
    std::weak_ptr<ImageColorsVC> weak = self();
    auto act = [weak](void (ImageColorsVC::*action)()) {
        return [weak, action](kit::Control&) {
            if (auto s = weak.lock()) (s.get()->*action)();
        };
    };

    root->addSubview(imageView);
    app::anchor(*imageView, root->safeAreaLayoutGuide().topAnchor(), root->leftAnchor(), std::nullopt,
                root->rightAnchor(), 4, 0, 0, 0, 0, height / 2 - 20);
    root->addSubview(selectImageText);
    app::anchorWithCenter(*selectImageText, std::nullopt, std::nullopt, std::nullopt, std::nullopt,
                          imageView->centerXAnchor(), imageView->centerYAnchor());

    selectImageBtn = kit::make<kit::Button>();
    selectImageBtn->setTitle(app::Strings::text("Select image"));
    selectImageBtn->titleLabel()->setFont(app::Fonts::regularFont17());
    selectImageBtn->setTitleColor(kit::Color::whiteColor());
    selectImageBtn->titleLabel()->setTextAlignment(kit::TextAlignment::center);
    selectImageBtn->titleLabel()->setNumberOfLines(2);
    selectImageBtn->addTarget(this, "selectImage", kit::ControlEvent::touchUpInside, act(&ImageColorsVC::selectImage));
    auto& control = *panel->controlSV();
    control.insertArrangedSubview(selectImageBtn, 0);
    root->addSubview(panel->controlSV());
    app::anchor(control, imageView->bottomAnchor(), root->leftAnchor(), std::nullopt, root->rightAnchor(), 8, 8, 0, 8,
                0, 40);
    panel->deleteBtn()->addTarget(this, "deleteColor", kit::ControlEvent::touchUpInside, act(&ImageColorsVC::deleteSlot));
    panel->addBtn()->addTarget(this, "addColor", kit::ControlEvent::touchUpInside, act(&ImageColorsVC::addSlot));
    panel->saveBtn()->addTarget(this, "saveColorCombination", kit::ControlEvent::touchDown,
                                act(&ImageColorsVC::saveColors));
    panel->editCCBtn()->addTarget(this, "editCCTapped", kit::ControlEvent::touchDown, act(&ImageColorsVC::openInEditor));

    backBtn = app::addBackButton(*root);
    backBtn->addTarget(this, "backBtnTapped", kit::ControlEvent::touchUpInside, [weak](kit::Control&) {
        if (auto s = weak.lock()) app::backBtnTapped(*s);
    });
    panel->placeCornerButtons(*backBtn);
    panel->openDcwBtn()->addTarget(this, "openDcwTapped", kit::ControlEvent::touchUpInside, [weak](kit::Control&) {
        if (auto s = weak.lock()) s->panel->openInColorWheel();
    });
    viewForBackSwipe = app::addBackSwipeStrip(*root, 0, [weak] {
        if (auto s = weak.lock()) app::backBySwipe(*s);
    });
    panel->setBackSwipeStrip(viewForBackSwipe);
}

void ImageColorsVC::viewWillAppear(bool) {
    loadingIndicator->stopAnimating();
    if (!loadedImage) selectImageText->setHidden(false);
}

void ImageColorsVC::viewDidLayoutSubviews() {
    ViewController::viewDidLayoutSubviews();
    placeMarkers();
    if (!loadedImage || shownFor_ == std::pair{imageView->bounds().size, kit::Screen::scale()}) return;
    // A window being resized changes the size many times a second, and a copy of a large picture
    // takes a good part of one: the copy is made again once the size rests, the old one is scaled
    // meanwhile.
    if (refitTimer_) refitTimer_->invalidate();
    std::weak_ptr<ImageColorsVC> weak = self();
    refitTimer_ = kit::Timer::scheduled(0.2, false, [weak](kit::Timer& timer) {
        timer.invalidate();
        if (auto s = weak.lock()) s->showLoadedImage();
    });
}

void ImageColorsVC::showLoadedImage() {
    const kit::Size area = imageView->bounds().size;
    const double scale = kit::Screen::scale();
    shownFor_ = std::pair{area, scale};
    const double pixelWidth = loadedImage->pixelWidth(), pixelHeight = loadedImage->pixelHeight();
    // The factor that fits the picture's pixels into the area's pixels.
    const double fit = std::min(area.width * scale / pixelWidth, area.height * scale / pixelHeight);
    std::optional<kit::Image> copy;
    if (fit > 0 && fit < 1) copy = loadedImage->resized({pixelWidth * fit / scale, pixelHeight * fit / scale}, scale);
    imageView->setImage(copy ? std::move(copy) : loadedImage);
}

void ImageColorsVC::touchesBegan(const kit::TouchSet& touches, const kit::Event&) { handleTouches(touches); }
void ImageColorsVC::touchesMoved(const kit::TouchSet& touches, const kit::Event&) { handleTouches(touches); }

void ImageColorsVC::handleTouches(const kit::TouchSet& touches) {
    if (touches.empty() || !touches.front()) return;
    const auto point = touches.front()->locationIn(imageView);
    if (!imageView->bounds().contains(point)) return;
    handleImageTouch(colorAtPoint(point), point);
}

kit::Color ImageColorsVC::colorAtPoint(kit::Point point) const {
    return colour::pixelColor(*imageView->layer(), point).value_or(kit::Color::clearColor());
}

void ImageColorsVC::startPressTimer() {
    isImageViewCanBePressed = false;
    std::weak_ptr<ImageColorsVC> weak = self();
    pressTimer = kit::Timer::scheduled(1.0, false, [weak](kit::Timer& timer) {
        if (auto s = weak.lock()) s->isImageViewCanBePressed = true;
        timer.invalidate();
    });
}

void ImageColorsVC::handleImageTouch(const kit::Color& color, kit::Point point) {
    auto& n = panel->numberOfColors;
    if (!loadedImage || n == 5) {
        if (!isImageViewCanBePressed) return;
        if (!loadedImage) selectImage();
        else SlotPanel::pulse(*panel->deleteBtn());
        startPressTimer();
        return;
    }
    // Black and the transparent margins beside the picture are not colours of the picture.
    if (colour::hexString(color) == "000000" || color.alpha() != 1) return;
    placeMarker(color, point);
    isAnyColorSelected = true;
    panel->openDcwBtn()->setHidden(n != 1);
    // The next slot gets the colour too, so that "Add" opens it already holding it.
    panel->color(n) = color;
    if (n < 4) panel->color(n + 1) = color;
    panel->layoutColorSlots();
}

void ImageColorsVC::placeMarker(const kit::Color& color, kit::Point point) {
    auto root = view();
    const int slot = std::clamp(panel->numberOfColors, 1, 4);
    auto& marker = circles[static_cast<std::size_t>(slot - 1)];
    if (marker) marker->removeFromSuperview();
    // Kept as a place in the picture, which the window may show larger, smaller or elsewhere.
    const kit::Rect picture = shownPicture();
    markerSpots_[static_cast<std::size_t>(slot - 1)] = {(point.x - picture.minX()) / std::max(picture.width(), 1e-9),
                                                        (point.y - picture.minY()) / std::max(picture.height(), 1e-9)};
    marker = kit::make<wheels::DrawCircle>(kit::Rect{0, 0, kMarkerSize, kMarkerSize});
    marker->setColor(color);
    root->addSubview(marker);
    removeMarkersAbove(slot);
    placeMarkers();
}

kit::Rect ImageColorsVC::shownPicture() const {
    const auto b = imageView->bounds();
    const auto& image = imageView->image();
    if (!image || !(image->size().width > 0) || !(image->size().height > 0)) return b;
    const double scale = std::min(b.width() / image->size().width, b.height() / image->size().height);
    const double w = image->size().width * scale, h = image->size().height * scale;
    return {b.midX() - w / 2, b.midY() - h / 2, w, h};
}

void ImageColorsVC::placeMarkers() {
    const kit::Rect picture = shownPicture();
    for (std::size_t i = 0; i < circles.size(); ++i) {
        if (!circles[i] || !circles[i]->superview()) continue;
        const kit::Point inPicture{picture.minX() + markerSpots_[i].x * picture.width(),
                                   picture.minY() + markerSpots_[i].y * picture.height()};
        circles[i]->setCenter(imageView->convertPointTo(inPicture, view().get()));
    }
}

void ImageColorsVC::removeMarkersAbove(int n) {
    for (int k = std::max(n, 0); k < 4; ++k) {
        auto& marker = circles[static_cast<std::size_t>(k)];
        if (marker) marker->removeFromSuperview();
        marker.reset();
    }
}

void ImageColorsVC::selectImage() {
    openImagePicker(*this, self(), *imageView, *loadingIndicator, *selectImageText);
}

void ImageColorsVC::imagePickerDidFinishPicking(kit::ImagePicker& picker, kit::ImagePickerResult result) {
    if (result.editedImage) loadedImage = std::move(result.editedImage);
    else if (result.originalImage) loadedImage = std::move(result.originalImage);
    if (loadedImage) {
        resetForNewImage();
        showLoadedImage();
    }
    picker.dismissViewController(true);
}

void ImageColorsVC::resetForNewImage() {
    if (panel->numberOfColors < 1) return;
    removeMarkersAbove(0);
    panel->color(1) = colour::screenBackgroundColor();
    panel->numberOfColors = 1;
    // A colour sampled from an earlier picture still counts.
    panel->openDcwBtn()->setHidden(!isAnyColorSelected);
    panel->layoutColorSlots();
}

void ImageColorsVC::refuseWithoutSample() {
    app::Alerts::shared().showToast(app::Strings::text("Tap on a color first") + "...");
}

void ImageColorsVC::addSlot() {
    app::lightImpact();
    if (!loadedImage) return SlotPanel::pulse(*selectImageBtn);
    if (!isAnyColorSelected) return refuseWithoutSample();
    if (panel->numberOfColors >= 5) return;
    ++panel->numberOfColors;
    panel->openDcwBtn()->setHidden(true);
    panel->layoutColorSlots();
}

void ImageColorsVC::deleteSlot() {
    app::lightImpact();
    auto& n = panel->numberOfColors;
    if (!isAnyColorSelected) SlotPanel::pulse(*selectImageBtn);
    else if (n == 1) return SlotPanel::pulse(*panel->addBtn());
    if (n > 1) {
        --n;
        panel->openDcwBtn()->setHidden(!(n == 1 && isAnyColorSelected));
    }
    removeMarkersAbove(n);
    panel->layoutColorSlots();
}

void ImageColorsVC::saveColors() {
    if (!loadedImage) return SlotPanel::pulse(*selectImageBtn);
    if (!isAnyColorSelected) return refuseWithoutSample();
    panel->saveColors();
}

void ImageColorsVC::openInEditor() {
    app::lightImpact();
    if (!isAnyColorSelected) return SlotPanel::pulse(*selectImageBtn);
    if (panel->numberOfColors > 2) panel->openEditor();
    else SlotPanel::pulse(*panel->addBtn());
}

} // namespace capture
