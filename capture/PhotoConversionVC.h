#pragma once
// A screen that turns a picture from the photo library into a converted picture and saves that:
// the select button (or a tap on the picture) opens the picker, the picked picture is converted
// by the screen's own conversion, "Save to Photos" writes the conversion. The value breaker and
// the photo value checker are such screens; they differ in the conversion and in the rows of
// controls between the select and the save button.
#include "kit/graphics/Image.h"
#include "kit/layout/Anchor.h"
#include "kit/ui/ImagePicker.h"
#include "kit/ui/ViewController.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace kit {
class ActivityIndicator;
class Button;
class ImageView;
class Label;
class View;
} // namespace kit

namespace capture {

// "Select image" on a translucent grey, corner radius 6; the action runs on touch down.
std::shared_ptr<kit::Button> makeSelectImageButton(std::function<void()> action);
// "Save to Photos", dimmed until there is something to save; the action runs on touch down.
std::shared_ptr<kit::Button> makeSaveToPhotosButton(std::function<void()> action);
// The look of the save button once a conversion exists.
void showSaveEnabled(kit::Button& button);

class PhotoConversionVC : public kit::ViewController, public kit::ImagePickerDelegate {
public:
    PhotoConversionVC();

    std::shared_ptr<kit::Button> backButton;
    std::shared_ptr<kit::View> viewForBackSwipe;
    std::optional<kit::Image> loadedImage;
    std::shared_ptr<kit::ImageView> selectedImageView;
    std::shared_ptr<kit::Button> selectImageButton;
    std::shared_ptr<kit::Button> saveToPhotosButton;
    std::shared_ptr<kit::Label> selectImageText;
    std::shared_ptr<kit::ActivityIndicator> loadingIndicator;
    std::optional<kit::Image> convertedImage;

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    kit::StatusBarStyle preferredStatusBarStyle() const override { return kit::StatusBarStyle::lightContent; }

    void selectImage();
    void imagePickerDidFinishPicking(kit::ImagePicker& picker, kit::ImagePickerResult result) override;
    void saveImageToPhotos();
    void handleSaveResult(const std::optional<std::string>& error, const std::filesystem::path& file);
    void pulseSelectImageButton();

    // Converts loadedImage into convertedImage and shows it; run after every pick.
    virtual void refreshConversion() = 0;

protected:
    // Lays out the rows between the select button and the save button, each 10 above the one
    // below, starting above `saveTop`; returns the top of the highest row (the select button sits
    // 10 above it). By default there are none.
    virtual kit::layout::Anchor buildRowsAboveSave(kit::View& root, kit::layout::Anchor saveTop) {
        (void)root;
        return saveTop;
    }
    // Base name of the files saved.
    virtual const char* savedFileName() const = 0;

private:
    std::shared_ptr<PhotoConversionVC> self();
};

} // namespace capture
