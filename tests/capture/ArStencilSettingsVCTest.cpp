#include "ArStencilFixture.h"

#include "app/menus/MainStoryboard.h"
#include "capture/ArStencilSettingsVC.h"
#include "capture/CaptureScreens.h"
#include "kit/ui/ActivityIndicator.h"
#include "kit/ui/Button.h"
#include "kit/ui/ImageView.h"
#include "kit/ui/Label.h"
#include "kit/ui/SegmentedControl.h"
#include "kit/ui/Slider.h"
#include "kit/ui/Storyboard.h"

namespace capture {
namespace {

using Outcome = kit::ImagePickerScript::Outcome;

struct ArStencilSettingsVCTest : ArStencilFixture {
    std::shared_ptr<ArStencilSettingsVC> screen;

    void SetUp() override {
        ArStencilFixture::SetUp();
        auto board = kit::Storyboard::named("Main");
        registerCaptureScreens(*board);
        screen = std::dynamic_pointer_cast<ArStencilSettingsVC>(board->instantiateViewController(app::scene::arStencil));
        ASSERT_TRUE(screen);
        nav->pushViewController(screen, false);
        host->advance(0.5);
    }
    void TearDown() override {
        kit::ImagePicker::setScript(std::nullopt);
        screen.reset();
        ArStencilFixture::TearDown();
    }
    void pick(Outcome outcome, kit::Image image = picture(300, 200)) {
        kit::ImagePicker::setScript(kit::ImagePickerScript{outcome, std::move(image)});
        host->tap(screen->selectImageButton);
        host->advance(1);
    }
    void choose(kit::SegmentedControl& control, int segment) {
        kit::Rect b = control.bounds();
        double width = b.width() / double(control.numberOfSegments());
        host->tap(control.convertPointTo({width * (segment + 0.5), b.height() / 2}, nullptr));
        host->advance(0.5);
    }
    // The alpha of the preview's middle pixel.
    double previewAlpha() const {
        auto image = screen->selectedImageView->image();
        return image ? image->colorAt(image->pixelWidth() / 2, image->pixelHeight() / 2).alpha() : -1;
    }
};

TEST_F(ArStencilSettingsVCTest, StartBeforeAnyPicturePulsesTheSelectButtonAndOpensNothing) {
    EXPECT_FALSE(screen->selectImageText->isHidden());
    screen->startButtonPressed();
    host->advance(0.1);
    EXPECT_GT(screen->selectImageButton->presentation().transform.a, 1.0);
    host->advance(0.2);
    EXPECT_LT(screen->selectImageButton->presentation().transform.a, 1.0);
    host->advance(1);
    EXPECT_EQ(screen->selectImageButton->transform(), kit::AffineTransform());
    EXPECT_EQ(nav->topViewController(), screen);
    EXPECT_EQ(haptics(), 0u);
}

TEST_F(ArStencilSettingsVCTest, ThePreviewShowsThePictureAtTheChosenOpacity) {
    // Moved before any picture: remembered, nothing shown.
    screen->opacitySlider->setValue(0.5f);
    screen->opacitySlider->sendActions(kit::ControlEvent::valueChanged);
    EXPECT_EQ(screen->imageOpacity, 0.5);
    EXPECT_FALSE(screen->selectedImageView->image());

    pick(Outcome::image);
    EXPECT_TRUE(screen->isStartActive);
    EXPECT_EQ(screen->startButton->titleColorForState(kit::ControlState::normal), kit::Color::whiteColor());
    EXPECT_NEAR(previewAlpha(), 0.5, 0.01);
    for (double opacity : {0.0, 1.0}) {
        screen->opacitySlider->setValue(float(opacity));
        screen->opacitySlider->sendActions(kit::ControlEvent::valueChanged);
        EXPECT_NEAR(previewAlpha(), opacity, 0.01);
    }
    screenshot("ar_stencil_settings");
}

TEST_F(ArStencilSettingsVCTest, CancellingThePickerStopsTheIndicatorAndShowsTheHintAgain) {
    pick(Outcome::cancel);
    EXPECT_FALSE(screen->loadingIndicator->isAnimating());
    EXPECT_FALSE(screen->selectImageText->isHidden());
    EXPECT_FALSE(screen->isStartActive);
}

TEST_F(ArStencilSettingsVCTest, APickWithoutAnEditedPictureEmptiesThePreviewAndStartDoesNothing) {
    pick(Outcome::image);
    pick(Outcome::originalOnly);
    EXPECT_FALSE(screen->loadedImage);
    EXPECT_FALSE(screen->selectedImageView->image());
    EXPECT_TRUE(screen->isStartActive);
    auto haptic = haptics();
    host->tap(screen->startButton);
    host->advance(1);
    EXPECT_EQ(nav->topViewController(), screen);
    EXPECT_EQ(haptics(), haptic);
}

TEST_F(ArStencilSettingsVCTest, StartHandsTheChoicesToTheStencil) {
    pick(Outcome::image, picture(300, 200, kit::Color::rgba(0, 0.5, 1)));
    choose(*screen->surfaceSC, 1);
    choose(*screen->formatSC, 4);
    EXPECT_EQ(screen->format, CanvasFormat::a0);
    auto haptic = haptics();
    host->tap(screen->startButton);
    answerAccess();
    EXPECT_EQ(haptics(), haptic + 1);
    auto stencil = std::dynamic_pointer_cast<ArStencilVC>(nav->topViewController());
    ASSERT_TRUE(stencil);
    EXPECT_EQ(stencil->planeType, kit::ar::PlaneDetection::vertical());
    EXPECT_EQ(stencil->planeTypeAlignment, kit::ar::PlaneAlignment::vertical);
    EXPECT_EQ(stencil->format, CanvasFormat::a0);
    ASSERT_TRUE(stencil->image);
    // The picture arrives with its opacity (0.8 by default) already applied.
    EXPECT_NEAR(stencil->image->colorAt(150, 100).alpha(), 0.8, 0.01);
    EXPECT_NEAR(stencil->image->colorAt(150, 100).blue(), 1, 0.01);
}

} // namespace
} // namespace capture
