#include "kit/ui/ImagePicker.h"

#include "kit/base/Console.h"
#include "kit/base/Make.h"
#include "kit/layout/Constraint.h"
#include "kit/runtime/DispatchQueue.h"
#include "kit/store/PhotoLibrary.h"
#include "kit/ui/ActivityIndicator.h"
#include "kit/ui/AlertController.h"
#include "kit/ui/Button.h"
#include "kit/ui/Device.h"
#include "kit/ui/ImageCropView.h"
#include "kit/ui/ImageView.h"
#include "kit/ui/Label.h"

#include <algorithm>
#include <cmath>
#include <mutex>

namespace kit {
namespace {

using layout::Constraint;

constexpr double kBarHeight = 44;
constexpr double kSpacing = 2;
// Tiles of at least this many points share out a line's width; never fewer than four a line,
// as on a phone.
constexpr double kLeastTile = 150;
constexpr int kLeastColumns = 4;
constexpr double kThumbnailPixels = 240;
constexpr double kCaptionHeight = 18;
const char* const kCellId = "thumbnail";

int columnsFor(double width) {
    const double fitting = std::floor((width + kSpacing) / (kLeastTile + kSpacing));
    return fitting > kLeastColumns ? static_cast<int>(std::min(fitting, 1000.0)) : kLeastColumns;
}

std::mutex scriptMutex;
std::optional<ImagePickerScript> currentScript;

std::optional<ImagePickerScript> script() {
    std::lock_guard lock(scriptMutex);
    return currentScript;
}

Color barColor() { return Color::rgba(0.11, 0.11, 0.12); }

// A square thumbnail with the file's name under it. Past the last picture a cell stays empty: the
// last line is filled with empty cells, so that its pictures keep the spacing of the lines above.
class ThumbnailCell : public CollectionViewCell {
public:
    void initialize() {
        image->setContentMode(ContentMode::scaleAspectFill);
        image->setClipsToBounds(true);
        image->setBackgroundColor(Color::rgba(0.2, 0.2, 0.2));
        name->setFont(Font::system(11));
        name->setTextColor(Color::whiteColor().withAlpha(0.75));
        name->setTextAlignment(TextAlignment::center);
        name->setLineBreakMode(LineBreakMode::truncateMiddle);
        contentView()->addSubview(image);
        contentView()->addSubview(name);
    }
    void layoutSubviews() override {
        CollectionViewCell::layoutSubviews();
        const Rect b = contentView()->bounds();
        const double side = std::max(0.0, b.height() - kCaptionHeight);
        image->setFrame({0, 0, b.width(), side});
        name->setFrame({2, side, std::max(0.0, b.width() - 4), kCaptionHeight});
    }
    void prepareForReuse() override { show(std::nullopt); }
    // The picture's name, or nothing for an empty cell.
    void show(const std::optional<std::string>& fileName) {
        image->setImage(std::shared_ptr<const Image>());
        image->setHidden(!fileName);
        name->setText(fileName.value_or(""));
    }
    std::shared_ptr<ImageView> image = make<ImageView>();
    std::shared_ptr<Label> name = make<Label>();
};

std::shared_ptr<Button> makeBarButton(const std::string& title) {
    auto button = make<Button>();
    button->setTitle(title);
    button->setTitleColor(Color::whiteColor());
    button->setTranslatesAutoresizingMaskIntoConstraints(false);
    return button;
}

// A picture the crop step can draw at every frame: one much larger than any screen is shown from a
// copy of about a screen's size (its shorter side 2048 pixels), made while it is read.
constexpr double kCropPreviewPixels = 2048;

std::shared_ptr<const Image> previewOf(const Image& picture) {
    const double shorter = std::min(picture.pixelWidth(), picture.pixelHeight());
    if (shorter <= 2 * kCropPreviewPixels) return nullptr;
    const double f = kCropPreviewPixels / shorter;
    auto preview = picture.resized({std::round(picture.pixelWidth() * f), std::round(picture.pixelHeight() * f)}, 1.0);
    return preview ? std::make_shared<const Image>(std::move(*preview)) : nullptr;
}

// The picture scaled so that its shorter side is the thumbnail size (never enlarged).
std::optional<Image> thumbnailOf(const Image& picture) {
    const double shorter = std::min(picture.pixelWidth(), picture.pixelHeight());
    if (shorter <= kThumbnailPixels) return picture;
    const double f = kThumbnailPixels / shorter;
    return picture.resized({std::round(picture.pixelWidth() * f), std::round(picture.pixelHeight() * f)}, 1.0);
}

} // namespace

void ImagePickerDelegate::imagePickerDidCancel(ImagePicker& picker) { picker.dismissViewController(true); }

void ImagePicker::setScript(std::optional<ImagePickerScript> s) {
    std::lock_guard lock(scriptMutex);
    currentScript = std::move(s);
}

ImagePicker::ImagePicker()
    : thumbnailQueue_(DispatchQueue::serial("image picker thumbnails")),
      pictureQueue_(DispatchQueue::serial("image picker picture")) {
    setModalPresentationStyle(ModalPresentationStyle::fullScreen);
}

ImagePicker::~ImagePicker() { alive_->store(false); }

std::shared_ptr<ImagePicker> ImagePicker::self() { return std::static_pointer_cast<ImagePicker>(shared_from_this()); }

void ImagePicker::loadView() {
    auto root = make<View>();
    root->setBackgroundColor(Color::blackColor());
    setView(root);
}

void ImagePicker::viewDidLoad() {
    auto root = view();
    pictures_ = PhotoLibrary::pictures();

    auto bar = make<View>();
    bar->setBackgroundColor(barColor());
    bar->setTranslatesAutoresizingMaskIntoConstraints(false);
    root->addSubview(bar);
    auto title = make<Label>();
    title->setText("Photos");
    title->setFont(Font::system(17, FontWeight::semibold));
    title->setTextColor(Color::whiteColor());
    title->setTranslatesAutoresizingMaskIntoConstraints(false);
    bar->addSubview(title);
    cancelButton_ = makeBarButton("Cancel");
    std::weak_ptr<ImagePicker> weak = self();
    cancelButton_->addTarget(this, "cancel", ControlEvent::touchUpInside, [weak](Control&) {
        if (auto s = weak.lock()) s->cancel();
    });
    bar->addSubview(cancelButton_);

    FlowLayout flow;
    flow.minimumLineSpacing = kSpacing;
    flow.minimumInteritemSpacing = kSpacing;
    grid_ = make<CollectionView>(Rect{}, flow);
    grid_->setBackgroundColor(Color::blackColor());
    grid_->registerCellClass<ThumbnailCell>(kCellId);
    grid_->setDataSource(std::static_pointer_cast<CollectionViewDataSource>(self()));
    grid_->setDelegate(std::static_pointer_cast<CollectionViewDelegate>(self()));
    grid_->setTranslatesAutoresizingMaskIntoConstraints(false);
    root->addSubview(grid_);

    emptyLabel_ = make<Label>();
    emptyLabel_->setText("No pictures in " + PhotoLibrary::folder().string());
    emptyLabel_->setNumberOfLines(0);
    emptyLabel_->setTextAlignment(TextAlignment::center);
    emptyLabel_->setTextColor(Color::whiteColor().withAlpha(0.6));
    emptyLabel_->setTranslatesAutoresizingMaskIntoConstraints(false);
    emptyLabel_->setHidden(!pictures_.empty());
    root->addSubview(emptyLabel_);

    // While a chosen picture is read: the grid dimmed and still, Cancel still answering.
    busyOverlay_ = make<View>();
    busyOverlay_->setBackgroundColor(Color::blackColor().withAlpha(0.6));
    busyOverlay_->setTranslatesAutoresizingMaskIntoConstraints(false);
    busyOverlay_->setHidden(true);
    root->addSubview(busyOverlay_);
    busyIndicator_ = make<ActivityIndicator>(ActivityIndicatorStyle::whiteLarge);
    busyIndicator_->setTranslatesAutoresizingMaskIntoConstraints(false);
    busyOverlay_->addSubview(busyIndicator_);
    busyLabel_ = make<Label>();
    busyLabel_->setTextColor(Color::whiteColor());
    busyLabel_->setTextAlignment(TextAlignment::center);
    busyLabel_->setLineBreakMode(LineBreakMode::truncateMiddle);
    busyLabel_->setTranslatesAutoresizingMaskIntoConstraints(false);
    busyOverlay_->addSubview(busyLabel_);

    const auto safe = root->safeAreaLayoutGuide();
    Constraint::activate({
        bar->topAnchor().equalTo(root->topAnchor()),
        bar->leftAnchor().equalTo(root->leftAnchor()),
        bar->rightAnchor().equalTo(root->rightAnchor()),
        bar->bottomAnchor().equalTo(safe.topAnchor(), kBarHeight),
        title->centerXAnchor().equalTo(bar->centerXAnchor()),
        title->bottomAnchor().equalTo(bar->bottomAnchor(), -12),
        cancelButton_->rightAnchor().equalTo(bar->rightAnchor(), -16),
        cancelButton_->centerYAnchor().equalTo(title->centerYAnchor()),
        grid_->topAnchor().equalTo(bar->bottomAnchor()),
        grid_->leftAnchor().equalTo(root->leftAnchor()),
        grid_->rightAnchor().equalTo(root->rightAnchor()),
        grid_->bottomAnchor().equalTo(root->bottomAnchor()),
        emptyLabel_->centerYAnchor().equalTo(grid_->centerYAnchor()),
        emptyLabel_->leftAnchor().equalTo(root->leftAnchor(), 24),
        emptyLabel_->rightAnchor().equalTo(root->rightAnchor(), -24),
        busyOverlay_->topAnchor().equalTo(grid_->topAnchor()),
        busyOverlay_->leftAnchor().equalTo(grid_->leftAnchor()),
        busyOverlay_->rightAnchor().equalTo(grid_->rightAnchor()),
        busyOverlay_->bottomAnchor().equalTo(grid_->bottomAnchor()),
        busyIndicator_->centerXAnchor().equalTo(busyOverlay_->centerXAnchor()),
        busyIndicator_->centerYAnchor().equalTo(busyOverlay_->centerYAnchor()),
        busyLabel_->topAnchor().equalTo(busyIndicator_->bottomAnchor(), 16),
        busyLabel_->leftAnchor().equalTo(busyOverlay_->leftAnchor(), 24),
        busyLabel_->rightAnchor().equalTo(busyOverlay_->rightAnchor(), -24),
    });
}

void ImagePicker::viewDidAppear(bool) {
    auto s = script();
    if (!s) return;
    std::weak_ptr<ImagePicker> weak = self();
    // After the presentation has finished, as a user's choice would come.
    DispatchQueue::main().async([weak, s = std::move(*s)] {
        auto picker = weak.lock();
        if (!picker) return;
        switch (s.outcome) {
        case ImagePickerScript::Outcome::image: picker->finish({s.image, s.image}); break;
        case ImagePickerScript::Outcome::originalOnly: picker->finish({std::nullopt, s.image}); break;
        case ImagePickerScript::Outcome::cancel: picker->cancel(); break;
        }
    });
}

int ImagePicker::numberOfItemsInSection(CollectionView& view, int) {
    // Whole lines: the flow shares a line's spare room out between its gaps.
    const auto columns = static_cast<std::size_t>(columnsFor(view.bounds().width()));
    return static_cast<int>((pictures_.size() + columns - 1) / columns * columns);
}

std::optional<Size> ImagePicker::sizeForItemAt(CollectionView& view, const IndexPath&) {
    const int columns = columnsFor(view.bounds().width());
    const double side = std::max(1.0, std::floor((view.bounds().width() - kSpacing * (columns - 1)) / columns));
    return Size{side, side + kCaptionHeight};
}

std::string ImagePicker::displayName(std::size_t index) const {
    // Below the folder, so that alike names in different folders differ.
    auto relative = pictures_[index].lexically_relative(PhotoLibrary::folder());
    return (relative.empty() || *relative.begin() == ".." ? pictures_[index].filename() : relative).string();
}

std::shared_ptr<CollectionViewCell> ImagePicker::cellForItemAt(CollectionView& view, const IndexPath& indexPath) {
    auto cell = std::static_pointer_cast<ThumbnailCell>(view.dequeueReusableCell(kCellId, indexPath));
    const auto index = static_cast<std::size_t>(indexPath.item);
    if (index >= pictures_.size()) {
        cell->show(std::nullopt);
        return cell;
    }
    cell->show(displayName(index));
    if (auto it = thumbnails_.find(index); it != thumbnails_.end()) cell->image->setImage(it->second);
    else requestThumbnail(index);
    return cell;
}

void ImagePicker::requestThumbnail(std::size_t index) {
    if (index >= pictures_.size() || !requested_.insert(index).second) return;
    std::weak_ptr<ImagePicker> weak = self();
    thumbnailQueue_->async([weak, alive = alive_, index, file = pictures_[index]] {
        if (!alive->load()) return;
        auto picture = PhotoLibrary::loadPreview(file, static_cast<int>(kThumbnailPixels));
        auto thumbnail = picture ? thumbnailOf(*picture) : std::nullopt;
        if (!thumbnail) return;
        auto shared = std::make_shared<const Image>(std::move(*thumbnail));
        DispatchQueue::main().async([weak, index, shared] {
            auto picker = weak.lock();
            if (!picker) return;
            picker->thumbnails_[index] = shared;
            auto cell = std::static_pointer_cast<ThumbnailCell>(
                picker->grid_->cellForItemAt(IndexPath::forItem(static_cast<int>(index), 0)));
            if (cell) cell->image->setImage(shared);
        });
    });
}

void ImagePicker::waitForThumbnails() {
    thumbnailQueue_->waitUntilIdle();
    DispatchQueue::main().waitUntilIdle();
}

void ImagePicker::waitForPicture() {
    pictureQueue_->waitUntilIdle();
    DispatchQueue::main().waitUntilIdle();
}

void ImagePicker::didSelectItemAt(CollectionView&, const IndexPath& indexPath) {
    choosePicture(static_cast<std::size_t>(indexPath.item));
}

void ImagePicker::choosePicture(std::size_t index) {
    if (index >= pictures_.size() || cropView_ || isLoadingPicture() || answered_) return;
    // Read off the main thread: a large photo takes seconds, and the window keeps answering.
    setLoading(displayName(index));
    std::weak_ptr<ImagePicker> weak = self();
    pictureQueue_->async([weak, alive = alive_, file = pictures_[index], crops = allowsEditing] {
        if (!alive->load()) return;
        auto error = std::make_shared<std::string>();
        auto picture = PhotoLibrary::load(file, error.get());
        auto shared = picture ? std::make_shared<Image>(std::move(*picture)) : nullptr;
        auto preview = shared && crops ? previewOf(*shared) : nullptr;
        DispatchQueue::main().async([weak, file, shared, preview, error] {
            if (auto picker = weak.lock()) picker->didLoadPicture(file, shared, preview, *error);
        });
    });
}

void ImagePicker::setLoading(std::optional<std::string> name) {
    busyOverlay_->setHidden(!name);
    busyLabel_->setText(name ? "Opening " + *name + "…" : "");
    if (name) busyIndicator_->startAnimating();
    else busyIndicator_->stopAnimating();
    grid_->setUserInteractionEnabled(!name);
}

bool ImagePicker::isLoadingPicture() const { return busyOverlay_ && !busyOverlay_->isHidden(); }

void ImagePicker::didLoadPicture(const std::filesystem::path& file, const std::shared_ptr<Image>& picture,
                                 const std::shared_ptr<const Image>& preview, const std::string& error) {
    setLoading(std::nullopt);
    if (answered_) return;  // cancelled while it was read
    if (!picture) {
        warn("The picture " + file.string() + " cannot be opened: " + error);
        auto alert = AlertController::make("The picture cannot be opened", file.filename().string() + ": " + error,
                                           AlertControllerStyle::alert);
        alert->addAction(AlertAction::make("OK", AlertActionStyle::defaultStyle));
        presentViewController(alert, true);
        return;
    }
    if (allowsEditing) showCropStep(picture, preview);
    else finish({std::nullopt, std::move(*picture)});
}

void ImagePicker::showCropStep(std::shared_ptr<Image> picture, std::shared_ptr<const Image> preview) {
    auto root = view();
    cropOriginal_ = std::move(picture);
    cropStep_ = make<View>();
    cropStep_->setBackgroundColor(Color::blackColor());
    cropStep_->setTranslatesAutoresizingMaskIntoConstraints(false);
    root->addSubview(cropStep_);
    cropView_ = make<ImageCropView>(preview ? std::move(preview) : std::shared_ptr<const Image>(cropOriginal_));
    cropView_->setTranslatesAutoresizingMaskIntoConstraints(false);
    cropStep_->addSubview(cropView_);
    std::weak_ptr<ImagePicker> weak = self();
    auto back = makeBarButton("Cancel");
    back->addTarget(this, "leaveCrop", ControlEvent::touchUpInside, [weak](Control&) {
        if (auto s = weak.lock()) s->leaveCrop();
    });
    auto choose = makeBarButton("Choose");
    choose->titleLabel()->setFont(Font::system(17, FontWeight::semibold));
    choose->addTarget(this, "confirmCrop", ControlEvent::touchUpInside, [weak](Control&) {
        if (auto s = weak.lock()) s->confirmCrop();
    });
    cropStep_->addSubview(back);
    cropStep_->addSubview(choose);
    const auto safe = root->safeAreaLayoutGuide();
    Constraint::activate({
        cropStep_->topAnchor().equalTo(root->topAnchor()),
        cropStep_->leftAnchor().equalTo(root->leftAnchor()),
        cropStep_->rightAnchor().equalTo(root->rightAnchor()),
        cropStep_->bottomAnchor().equalTo(root->bottomAnchor()),
        cropView_->topAnchor().equalTo(safe.topAnchor()),
        cropView_->leftAnchor().equalTo(root->leftAnchor()),
        cropView_->rightAnchor().equalTo(root->rightAnchor()),
        cropView_->bottomAnchor().equalTo(back->topAnchor(), -8),
        back->leftAnchor().equalTo(root->leftAnchor(), 16),
        back->bottomAnchor().equalTo(safe.bottomAnchor(), -12),
        back->heightAnchor().equalToConstant(kBarHeight),
        choose->rightAnchor().equalTo(root->rightAnchor(), -16),
        choose->centerYAnchor().equalTo(back->centerYAnchor()),
    });
}

void ImagePicker::leaveCrop() {
    if (cropStep_) cropStep_->removeFromSuperview();
    cropStep_.reset();
    cropView_.reset();
    cropOriginal_.reset();
}

void ImagePicker::confirmCrop() {
    if (!cropView_ || !cropOriginal_) return;
    // The square chosen on the preview, cut from the whole picture.
    const Rect crop = cropView_->cropRectInPixels();
    const double f = double(cropOriginal_->pixelWidth()) / cropView_->image()->pixelWidth();
    const double side = std::min({std::round(crop.width() * f), double(cropOriginal_->pixelWidth()),
                                  double(cropOriginal_->pixelHeight())});
    const double x = std::clamp(std::round(crop.minX() * f), 0.0, cropOriginal_->pixelWidth() - side);
    const double y = std::clamp(std::round(crop.minY() * f), 0.0, cropOriginal_->pixelHeight() - side);
    auto edited = cropOriginal_->cropped({x, y, side, side});
    auto original = std::move(cropOriginal_);
    leaveCrop();
    // The crop view has let go of the picture: the whole one is handed on without a copy.
    finish({std::move(edited), original.use_count() == 1 ? std::move(*original) : *original});
}

void ImagePicker::cancel() {
    if (answered_) return;
    answered_ = true;
    if (auto d = delegate()) d->imagePickerDidCancel(*this);
    else dismissViewController(true);
}

void ImagePicker::finish(ImagePickerResult result) {
    // One answer per picker: a scripted answer and a late tap cannot both reach the delegate.
    if (answered_) return;
    answered_ = true;
    if (auto d = delegate()) d->imagePickerDidFinishPicking(*this, std::move(result));
    else dismissViewController(true);
}

} // namespace kit
