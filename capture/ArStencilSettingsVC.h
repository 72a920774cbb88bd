#pragma once
// The screen before the stencil: a picture from the photo library, the kind of surface it is laid
// on, the canvas size and the picture's opacity; "Start" opens the stencil with those choices.
// Nothing here is kept: every visit starts from the defaults.
#include "capture/CanvasFormat.h"
#include "kit/ar/PlaneAnchor.h"
#include "kit/graphics/Image.h"
#include "kit/ui/ImagePicker.h"
#include "kit/ui/ViewController.h"

#include <memory>
#include <optional>

namespace kit {
class ActivityIndicator;
class Button;
class ImageView;
class Label;
class SegmentedControl;
class Slider;
class View;
} // namespace kit

namespace capture {

class ArStencilSettingsVC : public kit::ViewController, public kit::ImagePickerDelegate {
public:
    ArStencilSettingsVC();
    void initialize();

    CanvasFormat format = CanvasFormat::a4;
    kit::ar::PlaneDetection surface = kit::ar::PlaneDetection::horizontal();
    double imageOpacity = 0.8;
    // Armed by the first picture, never disarmed.
    bool isStartActive = false;

    std::shared_ptr<kit::Button> backButton;
    std::shared_ptr<kit::View> viewForBackSwipe;
    std::optional<kit::Image> loadedImage;
    std::shared_ptr<kit::ImageView> selectedImageView;
    std::shared_ptr<kit::Button> selectImageButton;
    std::shared_ptr<kit::Label> surfaceLabel;
    std::shared_ptr<kit::SegmentedControl> surfaceSC;
    std::shared_ptr<kit::Label> sizeLabel;
    std::shared_ptr<kit::SegmentedControl> formatSC;
    std::shared_ptr<kit::Label> opacityLabel;
    std::shared_ptr<kit::Label> selectImageText;
    std::shared_ptr<kit::Slider> opacitySlider;
    std::shared_ptr<kit::Button> startButton;
    std::shared_ptr<kit::ActivityIndicator> loadingIndicator;

    kit::StatusBarStyle preferredStatusBarStyle() const override { return kit::StatusBarStyle::lightContent; }
    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;

    void selectImage();
    void imagePickerDidFinishPicking(kit::ImagePicker& picker, kit::ImagePickerResult result) override;
    void setSurface(const kit::SegmentedControl& sender);
    void setFormat(const kit::SegmentedControl& sender);
    void opacitySliderValueDidChange(const kit::Slider& sender);
    void startButtonPressed();

private:
    void buildViews();
    void refreshPreview();
    std::optional<kit::Image> opacityImage() const;
};

} // namespace capture
