#pragma once
// Colours from a photo: the picked picture fills the upper half; touching or dragging over it puts
// the colour under the finger into the current slot of the slot panel, marked by a small ring.
// "Add", "Delete", save, editor and wheel work as on the camera picker, with the refusals of a
// screen that may have no picture or no sample yet.
#include "capture/SlotPanel.h"
#include "kit/graphics/Image.h"
#include "kit/ui/ImagePicker.h"
#include "kit/ui/ViewController.h"

#include <array>
#include <memory>
#include <optional>
#include <utility>

namespace kit {
class ActivityIndicator;
class ImageView;
class Label;
class Timer;
} // namespace kit

namespace wheels {
class DrawCircle;
} // namespace wheels

namespace capture {

class ImageColorsVC : public kit::ViewController, public kit::ImagePickerDelegate {
public:
    ImageColorsVC();
    ~ImageColorsVC() override;
    void initialize();

    std::unique_ptr<SlotPanel> panel;
    bool isAnyColorSelected = false;
    std::shared_ptr<kit::ImageView> imageView;
    std::shared_ptr<kit::Button> selectImageBtn;
    std::shared_ptr<kit::Button> backBtn;
    std::shared_ptr<kit::ActivityIndicator> loadingIndicator;
    std::shared_ptr<kit::View> viewForBackSwipe;
    std::array<std::shared_ptr<wheels::DrawCircle>, 4> circles;
    std::shared_ptr<kit::Label> selectImageText;
    std::optional<kit::Image> loadedImage;
    std::shared_ptr<kit::Timer> pressTimer;
    bool isImageViewCanBePressed = true;

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewDidLayoutSubviews() override;
    kit::StatusBarStyle preferredStatusBarStyle() const override { return kit::StatusBarStyle::lightContent; }
    void touchesBegan(const kit::TouchSet& touches, const kit::Event& event) override;
    void touchesMoved(const kit::TouchSet& touches, const kit::Event& event) override;

    void handleTouches(const kit::TouchSet& touches);
    // The colour of the picture as shown, one pixel at a point of imageView (clear in the margins).
    kit::Color colorAtPoint(kit::Point point) const;
    void handleImageTouch(const kit::Color& color, kit::Point point);
    void selectImage();
    void imagePickerDidFinishPicking(kit::ImagePicker& picker, kit::ImagePickerResult result) override;
    void addSlot();
    void deleteSlot();
    void saveColors();
    void openInEditor();

private:
    void buildUI();
    void placeMarker(const kit::Color& color, kit::Point point);
    void removeMarkersAbove(int n);
    // The picture as the image view shows it, fitted in; and each marker on its place of it.
    kit::Rect shownPicture() const;
    void placeMarkers();
    std::array<kit::Point, 4> markerSpots_{};  // fractions of the shown picture
    void resetForNewImage();
    // Puts the loaded picture in the image view, as a copy at the pixels the view shows it at
    // when it is larger: drawing a large photo scaled down on every frame made dragging slow.
    void showLoadedImage();
    // Refuses touches for a second (the picker opening, or a full panel pulsing "Delete").
    void startPressTimer();
    void refuseWithoutSample();
    std::shared_ptr<ImageColorsVC> self();

    // The picture area and screen scale the shown copy was made for.
    std::optional<std::pair<kit::Size, double>> shownFor_;
    std::shared_ptr<kit::Timer> refitTimer_;
};

} // namespace capture
