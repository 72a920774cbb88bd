#pragma once
// Choosing a picture from the photo library (the pictures folder): a full-screen grid of
// thumbnails, newest first; with editing allowed a square crop step follows. The delegate gets
// the cropped ("edited") picture and the whole ("original") one; it dismisses the picker. Cancel
// dismisses the picker unless the delegate takes it over.
#include "kit/graphics/Image.h"
#include "kit/ui/CollectionView.h"
#include "kit/ui/ViewController.h"

#include <atomic>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace kit {

class ActivityIndicator;
class Button;
class DispatchQueue;
class ImageCropView;
class ImagePicker;
class Label;

struct ImagePickerResult {
    std::optional<Image> editedImage;  // only with editing allowed
    std::optional<Image> originalImage;
};

class ImagePickerDelegate {
public:
    virtual ~ImagePickerDelegate() = default;
    virtual void imagePickerDidFinishPicking(ImagePicker& picker, ImagePickerResult result) = 0;
    // By default the picker is dismissed.
    virtual void imagePickerDidCancel(ImagePicker& picker);
};

// Test hook: while a script is set, every picker answers as soon as it has appeared, with the
// image (as edited and original), the image as original only, or a cancel.
struct ImagePickerScript {
    enum class Outcome { image, originalOnly, cancel };
    Outcome outcome = Outcome::cancel;
    Image image;
};

class ImagePicker : public ViewController, public CollectionViewDataSource, public CollectionViewDelegate {
public:
    ImagePicker();
    ~ImagePicker() override;

    bool allowsEditing = false;
    void setDelegate(std::weak_ptr<ImagePickerDelegate> delegate) { delegate_ = std::move(delegate); }
    std::shared_ptr<ImagePickerDelegate> delegate() const { return delegate_.lock(); }

    static void setScript(std::optional<ImagePickerScript> script);

    // What the grid lists (read when the view loads).
    const std::vector<std::filesystem::path>& pictures() const { return pictures_; }
    const std::shared_ptr<CollectionView>& grid() const { return grid_; }
    // As a tap on a thumbnail would: reads the picture on a worker while the grid shows that it
    // is busy, then the crop step or the answer (or an alert when it cannot be read).
    void choosePicture(std::size_t index);
    bool isLoadingPicture() const;
    // The name shown under a picture: its path below the library folder.
    std::string displayName(std::size_t index) const;
    // The crop step on screen, if any, and its buttons' actions.
    const std::shared_ptr<ImageCropView>& cropView() const { return cropView_; }
    void confirmCrop();
    void leaveCrop();
    void cancel();
    // Waits for the thumbnails asked for so far and puts them into their cells (tests, screenshots).
    void waitForThumbnails();
    // Waits for a chosen picture to be read and put on screen (tests, screenshots).
    void waitForPicture();

    void loadView() override;
    void viewDidLoad() override;
    void viewDidAppear(bool animated) override;
    StatusBarStyle preferredStatusBarStyle() const override { return StatusBarStyle::lightContent; }

    int numberOfItemsInSection(CollectionView& view, int section) override;
    std::shared_ptr<CollectionViewCell> cellForItemAt(CollectionView& view, const IndexPath& indexPath) override;
    void didSelectItemAt(CollectionView& view, const IndexPath& indexPath) override;
    std::optional<Size> sizeForItemAt(CollectionView& view, const IndexPath& indexPath) override;

private:
    void finish(ImagePickerResult result);
    void requestThumbnail(std::size_t index);
    void showCropStep(std::shared_ptr<Image> picture, std::shared_ptr<const Image> preview);
    void setLoading(std::optional<std::string> name);
    void didLoadPicture(const std::filesystem::path& file, const std::shared_ptr<Image>& picture,
                        const std::shared_ptr<const Image>& preview, const std::string& error);
    std::shared_ptr<ImagePicker> self();

    std::weak_ptr<ImagePickerDelegate> delegate_;
    std::vector<std::filesystem::path> pictures_;
    std::shared_ptr<CollectionView> grid_;
    std::shared_ptr<Label> emptyLabel_;
    std::shared_ptr<Button> cancelButton_;
    std::shared_ptr<View> busyOverlay_;
    std::shared_ptr<ActivityIndicator> busyIndicator_;
    std::shared_ptr<Label> busyLabel_;
    std::shared_ptr<View> cropStep_;
    std::shared_ptr<ImageCropView> cropView_;
    std::shared_ptr<Image> cropOriginal_;  // the whole picture; the crop view may show a preview
    std::map<std::size_t, std::shared_ptr<const Image>> thumbnails_;
    std::set<std::size_t> requested_;
    std::shared_ptr<DispatchQueue> thumbnailQueue_;
    std::shared_ptr<DispatchQueue> pictureQueue_;
    // Cleared when the picker goes, so queued thumbnails are skipped instead of decoded.
    std::shared_ptr<std::atomic<bool>> alive_ = std::make_shared<std::atomic<bool>>(true);
    bool answered_ = false;
};

} // namespace kit
