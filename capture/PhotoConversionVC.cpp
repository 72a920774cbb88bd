#include "capture/PhotoConversionVC.h"

#include "app/settings/BackNavigation.h"
#include "app/ui/Alerts.h"
#include "app/ui/Ext.h"
#include "app/ui/Haptic.h"
#include "app/ui/Strings.h"
#include "capture/PhotoPicking.h"
#include "capture/SelectImageLabel.h"
#include "colour/ThemeColors.h"
#include "kit/base/Make.h"
#include "kit/store/PhotoLibrary.h"
#include "kit/ui/ActivityIndicator.h"
#include "kit/ui/AlertController.h"
#include "kit/ui/Button.h"
#include "kit/ui/ImageView.h"
#include "kit/ui/Label.h"
#include "kit/ui/TapGesture.h"

namespace capture {
namespace {

constexpr double kSide = 16;
constexpr double kGap = 10;
constexpr double kRowHeight = 40;

std::shared_ptr<kit::Button> makeRoundedButton(const std::string& title, const kit::Color& background,
                                               const kit::Color& titleColor, std::function<void()> action) {
    auto button = kit::make<kit::Button>();
    button->setTitle(title);
    button->setTitleColor(titleColor);
    button->layer()->setBackgroundColor(background);
    button->layer()->setCornerRadius(6);
    button->addTarget(button.get(), "action", kit::ControlEvent::touchDown,
                      [action = std::move(action)](kit::Control&) { action(); });
    return button;
}

} // namespace

std::shared_ptr<kit::Button> makeSelectImageButton(std::function<void()> action) {
    return makeRoundedButton(app::Strings::text("Select image"), colour::translucentGrayColor(),
                             kit::Color::whiteColor(), std::move(action));
}

std::shared_ptr<kit::Button> makeSaveToPhotosButton(std::function<void()> action) {
    return makeRoundedButton("Save to Photos", colour::translucentGrayColor().withAlpha(0.2),
                             kit::Color::whiteColor().withAlpha(0.2), std::move(action));
}

void showSaveEnabled(kit::Button& button) {
    button.setTitleColor(kit::Color::whiteColor());
    // The same translucent grey as the other buttons: an opaque light grey hides the white title.
    button.layer()->setBackgroundColor(colour::translucentGrayColor());
}

PhotoConversionVC::PhotoConversionVC() {
    viewForBackSwipe = kit::make<kit::View>();
    selectedImageView = kit::make<kit::ImageView>();
    selectedImageView->setContentMode(kit::ContentMode::scaleAspectFit);
    selectedImageView->setClipsToBounds(true);
    selectedImageView->setUserInteractionEnabled(true);
    selectImageText = makeSelectImageLabel();
    loadingIndicator = kit::make<kit::ActivityIndicator>();
    loadingIndicator->setColor(kit::Color::whiteColor());
}

std::shared_ptr<PhotoConversionVC> PhotoConversionVC::self() {
    return std::static_pointer_cast<PhotoConversionVC>(shared_from_this());
}

void PhotoConversionVC::viewDidLoad() {
    auto root = view();
    root->setBackgroundColor(colour::screenBackgroundColor());
    std::weak_ptr<PhotoConversionVC> weak = self();
    selectImageButton = makeSelectImageButton([weak] {
        if (auto s = weak.lock()) s->selectImage();
    });
    saveToPhotosButton = makeSaveToPhotosButton([weak] {
        if (auto s = weak.lock()) s->saveImageToPhotos();
    });

    // Bottom up: the save button, the screen's rows, the select button, then the picture.
    root->addSubview(saveToPhotosButton);
    const auto safe = root->safeAreaLayoutGuide();
    app::anchorWithCenter(*saveToPhotosButton, std::nullopt, root->leftAnchor(), safe.bottomAnchor(),
                          root->rightAnchor(), root->centerXAnchor(), std::nullopt, 0, kSide, kSide, kSide, 0,
                          kRowHeight);
    const auto rowsTop = buildRowsAboveSave(*root, saveToPhotosButton->topAnchor());
    root->addSubview(selectImageButton);
    app::anchorWithCenter(*selectImageButton, std::nullopt, root->leftAnchor(), rowsTop, root->rightAnchor(),
                          root->centerXAnchor(), std::nullopt, 0, kSide, kGap, kSide, 0, kRowHeight);
    root->addSubview(selectedImageView);
    app::anchor(*selectedImageView, safe.topAnchor(), root->leftAnchor(), selectImageButton->topAnchor(),
                root->rightAnchor(), 4, 0, -40, 0);
    root->addSubview(selectImageText);
    app::anchorWithCenter(*selectImageText, std::nullopt, std::nullopt, std::nullopt, std::nullopt,
                          selectedImageView->centerXAnchor(), selectedImageView->centerYAnchor());

    backButton = app::addBackButton(*root);
    backButton->addTarget(this, "backButtonPressed", kit::ControlEvent::touchUpInside, [weak](kit::Control&) {
        if (auto s = weak.lock()) app::backBtnTapped(*s);
    });
    viewForBackSwipe = app::addBackSwipeStrip(*root, 0, [weak] {
        if (auto s = weak.lock()) app::backBySwipe(*s);
    });
    selectedImageView->addGestureRecognizer(kit::make<kit::TapGesture>([weak](kit::GestureRecognizer&) {
        if (auto s = weak.lock()) s->selectImage();
    }));
}

void PhotoConversionVC::viewWillAppear(bool) {
    loadingIndicator->stopAnimating();
    if (!loadedImage) selectImageText->setHidden(false);
}

void PhotoConversionVC::selectImage() {
    openImagePicker(*this, self(), *selectedImageView, *loadingIndicator, *selectImageText);
}

void PhotoConversionVC::imagePickerDidFinishPicking(kit::ImagePicker& picker, kit::ImagePickerResult result) {
    loadedImage = std::move(result.editedImage);
    refreshConversion();
    selectImageText->setHidden(true);
    picker.dismissViewController(true);
}

void PhotoConversionVC::saveImageToPhotos() {
    if (!convertedImage) {
        pulseSelectImageButton();
        return;
    }
    app::lightImpact();
    std::weak_ptr<PhotoConversionVC> weak = self();
    kit::PhotoLibrary::saveImage(
        *convertedImage,
        [weak](const std::optional<std::string>& error, const std::filesystem::path& file) {
            if (auto s = weak.lock()) s->handleSaveResult(error, file);
        },
        savedFileName());
}

void PhotoConversionVC::handleSaveResult(const std::optional<std::string>& error, const std::filesystem::path& file) {
    if (error) {
        auto alert = kit::AlertController::make("Save error", *error, kit::AlertControllerStyle::alert);
        alert->addAction(kit::AlertAction::make("OK", kit::AlertActionStyle::defaultStyle));
        presentViewController(alert, true);
        return;
    }
    app::Alerts::shared().showToast(app::Strings::imageSavedTo(file), true);
}

void PhotoConversionVC::pulseSelectImageButton() {
    std::weak_ptr<kit::View> weak = selectImageButton;
    auto scaleTo = [weak](double factor) {
        return [weak, factor] {
            if (auto v = weak.lock()) app::setScale(*v, factor);
        };
    };
    kit::View::animate(0.2, scaleTo(1.05), [weak, scaleTo](bool) {
        kit::View::animate(0.15, scaleTo(0.95), [weak](bool) {
            kit::View::animate(0.15, [weak] {
                if (auto v = weak.lock()) app::resetTransform(*v);
            });
        });
    });
}

} // namespace capture
