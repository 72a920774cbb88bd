// What the value breaker and the photo value checker share: the layout of picture, select and
// save buttons, the picker round trip with its indicator and hint, saving with its pulse, toast
// and error alert.
#include "PhotoScreensFixture.h"

#include "app/ui/Strings.h"
#include "capture/ValueBreakerVC.h"
#include "capture/ValueCheckerImageVC.h"
#include "colour/ThemeColors.h"
#include "kit/store/Paths.h"
#include "kit/ui/ActivityIndicator.h"
#include "kit/ui/Button.h"
#include "kit/ui/ImageView.h"
#include "kit/ui/Label.h"

namespace {

using capture::PhotoConversionVC;
using Outcome = kit::ImagePickerScript::Outcome;

struct PhotoConversion : PhotoScreensFixture, ::testing::WithParamInterface<const char*> {
    std::shared_ptr<PhotoConversionVC> open() { return push<PhotoConversionVC>(GetParam()); }
    void pick(PhotoConversionVC& screen, Outcome outcome, kit::Image image = photo()) {
        script(outcome, std::move(image));
        host->tap(screen.selectImageButton);
        host->advance(1);
    }
};

TEST_P(PhotoConversion, StartsEmptyWithTheHintAndADimmedSaveButton) {
    auto screen = open();
    const auto root = screen->view()->bounds();
    const auto save = screen->saveToPhotosButton->frame();
    const auto select = screen->selectImageButton->frame();
    const auto picture = screen->selectedImageView->frame();
    EXPECT_EQ(save, (kit::Rect{16, root.height() - screen->view()->safeAreaInsets().bottom - 16 - 40, root.width() - 32, 40}));
    EXPECT_EQ(select.width(), root.width() - 32);
    EXPECT_EQ(picture.maxY(), select.minY() - 40);
    EXPECT_EQ(picture.minY(), screen->view()->safeAreaInsets().top + 4);
    EXPECT_EQ(screen->selectImageText->center(), picture.center());
    EXPECT_FALSE(screen->selectImageText->isHidden());
    EXPECT_EQ(screen->selectImageText->text(), "To get started, select an image...");
    EXPECT_EQ(screen->saveToPhotosButton->titleColorForState(kit::ControlState::normal),
              kit::Color::whiteColor().withAlpha(0.2));
    EXPECT_EQ(screen->preferredStatusBarStyle(), kit::StatusBarStyle::lightContent);
}

TEST_P(PhotoConversion, APickedPictureIsConvertedShownAndCanBeSaved) {
    auto screen = open();
    kit::ImagePicker::setScript(std::nullopt);
    host->tap(screen->selectImageButton);
    host->advance(1);
    // The picker is up: hint hidden, indicator turning, one haptic.
    EXPECT_TRUE(std::dynamic_pointer_cast<kit::ImagePicker>(screen->presentedViewController()));
    EXPECT_TRUE(screen->selectImageText->isHidden());
    EXPECT_TRUE(screen->loadingIndicator->isAnimating());
    EXPECT_EQ(haptics(), 1u);
    auto picker = std::static_pointer_cast<kit::ImagePicker>(screen->presentedViewController());
    EXPECT_TRUE(picker->allowsEditing);
    picker->cancel();
    host->advance(1);
    EXPECT_FALSE(screen->loadingIndicator->isAnimating());
    EXPECT_FALSE(screen->selectImageText->isHidden());

    pick(*screen, Outcome::image);
    ASSERT_TRUE(screen->convertedImage);
    EXPECT_EQ(screen->selectedImageView->image()->pixelWidth(), 120);
    EXPECT_TRUE(screen->selectImageText->isHidden());
    EXPECT_FALSE(screen->loadingIndicator->isAnimating());
    EXPECT_EQ(screen->saveToPhotosButton->titleColorForState(kit::ControlState::normal), kit::Color::whiteColor());
    screenshot(std::string(GetParam()) + "-picked");

    const auto before = haptics();
    host->tap(screen->saveToPhotosButton);
    host->advance(1);
    EXPECT_EQ(haptics(), before + 1);
    const auto file = kit::PhotoLibrary::lastSavedFile();
    ASSERT_TRUE(file);
    EXPECT_EQ(file->parent_path(), kit::Paths::picturesDir());
    EXPECT_EQ(toast(), "Image has been saved to " + file->string());
    EXPECT_TRUE(app::Alerts::shared().lastToastAtTop());
    auto saved = kit::Image::loadFile(file->string());
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->pixelRGBA(60, 45), screen->convertedImage->pixelRGBA(60, 45));
}

TEST_P(PhotoConversion, CancelOrAResultWithoutAnEditedPictureKeepsTheShownConversion) {
    auto screen = open();
    pick(*screen, Outcome::image);
    const auto shown = screen->selectedImageView->image();
    pick(*screen, Outcome::cancel);
    EXPECT_TRUE(screen->loadedImage);
    EXPECT_TRUE(screen->selectImageText->isHidden());
    EXPECT_EQ(screen->selectedImageView->image(), shown);

    pick(*screen, Outcome::originalOnly);
    EXPECT_FALSE(screen->loadedImage);
    EXPECT_TRUE(screen->convertedImage);
    EXPECT_EQ(screen->selectedImageView->image()->pixelWidth(), shown->pixelWidth());
    EXPECT_FALSE(screen->selectImageText->isHidden());  // no picture loaded: the hint is back

    pick(*screen, Outcome::image, photo(60, 40));  // a second picture replaces the first
    EXPECT_EQ(screen->selectedImageView->image()->pixelWidth(), 60);
}

TEST_P(PhotoConversion, SavingBeforeAConversionPulsesTheSelectButtonAndSavesNothing) {
    auto screen = open();
    screen->saveToPhotosButton->sendActions(kit::ControlEvent::touchDown);
    EXPECT_EQ(screen->selectImageButton->transform(), kit::AffineTransform::scale(1.05, 1.05));
    host->advance(0.25);
    EXPECT_EQ(screen->selectImageButton->transform(), kit::AffineTransform::scale(0.95, 0.95));
    host->advance(0.2);
    EXPECT_TRUE(screen->selectImageButton->transform().isIdentity());
    EXPECT_EQ(haptics(), 0u);
    EXPECT_FALSE(kit::PhotoLibrary::lastSavedFile() &&
                 kit::PhotoLibrary::lastSavedFile()->parent_path() == kit::Paths::picturesDir());
    EXPECT_FALSE(toast());
}

TEST_P(PhotoConversion, AFailedSaveIsShownInAnAlert) {
    auto screen = open();
    pick(*screen, Outcome::image);
    kit::PhotoLibrary::setSaveFailure("The pictures folder is read-only.");
    host->tap(screen->saveToPhotosButton);
    host->advance(1);
    auto alert = host->presentedAlert();
    ASSERT_TRUE(alert);
    EXPECT_EQ(alert->title(), "Save error");
    EXPECT_EQ(alert->message(), "The pictures folder is read-only.");
    EXPECT_EQ(alertActions(), (std::vector<std::string>{"OK"}));
    EXPECT_FALSE(toast());
}

TEST_P(PhotoConversion, ATapOnThePictureOpensThePickerAndBackLeaves) {
    auto screen = open();
    host->tap(screen->selectedImageView);
    host->advance(1);
    EXPECT_TRUE(std::dynamic_pointer_cast<kit::ImagePicker>(screen->presentedViewController()));
    screen->dismissViewController(false);
    host->advance(1);
    host->swipeRight({2, 300});
    host->advance(1);
    EXPECT_NE(nav->topViewController(), screen);
}

INSTANTIATE_TEST_SUITE_P(Screens, PhotoConversion, ::testing::Values("ValueBreakerVC", "ValueCheckerImageVC"));

} // namespace
