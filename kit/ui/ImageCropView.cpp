#include "kit/ui/ImageCropView.h"

#include "kit/base/Make.h"
#include "kit/graphics/Context.h"
#include "kit/graphics/Path.h"
#include "kit/ui/PanGesture.h"
#include "kit/ui/PinchGesture.h"

#include <algorithm>
#include <cmath>

namespace kit {
namespace {
constexpr double kMargin = 8;
constexpr double kMaxZoom = 8;
} // namespace

ImageCropView::ImageCropView(std::shared_ptr<const Image> image) : image_(std::move(image)) {
    setBackgroundColor(Color::blackColor());
    setUserInteractionEnabled(true);
    setMultipleTouchEnabled(true);
}

void ImageCropView::initialize() {
    std::weak_ptr<ImageCropView> weak = std::static_pointer_cast<ImageCropView>(shared_from_this());
    auto pan = make<PanGesture>([weak](GestureRecognizer& g) {
        auto self = weak.lock();
        if (!self) return;
        auto& p = static_cast<PanGesture&>(g);
        self->moveBy(p.translationIn(self.get()));
        p.setTranslation({0, 0}, self.get());
    });
    auto pinch = make<PinchGesture>([weak](GestureRecognizer& g) {
        auto self = weak.lock();
        if (!self) return;
        auto& p = static_cast<PinchGesture&>(g);
        self->setZoom(self->zoom_ * p.scale());
        p.setScale(1);
    });
    for (const std::shared_ptr<GestureRecognizer>& g : {std::shared_ptr<GestureRecognizer>(pan), std::shared_ptr<GestureRecognizer>(pinch)}) {
        g->setDelegate(std::static_pointer_cast<GestureRecognizerDelegate>(
            std::static_pointer_cast<ImageCropView>(shared_from_this())));
        addGestureRecognizer(g);
    }
}

Rect ImageCropView::cropSquare() const {
    const auto b = bounds();
    const double side = std::max(0.0, std::min(b.width(), b.height()) - 2 * kMargin);
    return {b.midX() - side / 2, b.midY() - side / 2, side, side};
}

double ImageCropView::displayScale() const {
    if (!image_ || image_->isEmpty()) return 1;
    const double shorter = std::min(image_->pixelWidth(), image_->pixelHeight());
    return cropSquare().width() / shorter * zoom_;
}

Rect ImageCropView::pictureFrame() const {
    const auto square = cropSquare();
    if (!image_ || image_->isEmpty()) return square;
    const double s = displayScale();
    const double w = image_->pixelWidth() * s, h = image_->pixelHeight() * s;
    return {square.midX() + center_.x - w / 2, square.midY() + center_.y - h / 2, w, h};
}

void ImageCropView::clampCenter() {
    const auto square = cropSquare();
    if (!image_ || image_->isEmpty()) return;
    const double s = displayScale();
    // The picture may move until one of its edges meets the square's edge.
    const double freeX = std::max(0.0, (image_->pixelWidth() * s - square.width()) / 2);
    const double freeY = std::max(0.0, (image_->pixelHeight() * s - square.height()) / 2);
    center_.x = std::clamp(center_.x, -freeX, freeX);
    center_.y = std::clamp(center_.y, -freeY, freeY);
}

void ImageCropView::setZoom(double zoom) {
    if (!std::isfinite(zoom)) return;
    const double before = zoom_;
    zoom_ = std::clamp(zoom, 1.0, kMaxZoom);
    // Zoom about the square's centre.
    center_.x *= zoom_ / before;
    center_.y *= zoom_ / before;
    clampCenter();
    setNeedsDisplay();
}

void ImageCropView::moveBy(Point delta) {
    if (!std::isfinite(delta.x) || !std::isfinite(delta.y)) return;
    center_.x += delta.x;
    center_.y += delta.y;
    clampCenter();
    setNeedsDisplay();
}

void ImageCropView::layoutSubviews() {
    View::layoutSubviews();
    clampCenter();
    setNeedsDisplay();
}

Rect ImageCropView::cropRectInPixels() const {
    if (!image_ || image_->isEmpty()) return {};
    const auto square = cropSquare();
    const auto picture = pictureFrame();
    const double s = displayScale();
    if (s <= 0) return {};
    // Whole pixels, inside the picture.
    const double side = std::min({std::round(square.width() / s), double(image_->pixelWidth()),
                                  double(image_->pixelHeight())});
    const double x = std::clamp(std::round((square.minX() - picture.minX()) / s), 0.0, image_->pixelWidth() - side);
    const double y = std::clamp(std::round((square.minY() - picture.minY()) / s), 0.0, image_->pixelHeight() - side);
    return {x, y, side, side};
}

void ImageCropView::drawRect(Context& context, const Rect&) {
    if (!image_ || image_->isEmpty()) return;
    context.drawImage(*image_, pictureFrame());
    // Dim what falls outside the square, and outline the square.
    const auto square = cropSquare();
    Path shade;
    shade.addRect(bounds());
    shade.addRect(square);
    context.setFillColor(Color::blackColor().withAlpha(0.6));
    context.fill(shade, true);
    context.setStrokeColor(Color::whiteColor().withAlpha(0.9));
    context.setLineWidth(1);
    context.strokeRect(square);
}

} // namespace kit
