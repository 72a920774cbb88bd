#include "kit/ui/ImageView.h"

#include "kit/graphics/Context.h"

#include <cairo.h>

namespace kit {

ImageView::ImageView() {
    setUserInteractionEnabled(false);
    layer()->setContentsGravity(gravityFor(contentMode()));
}

ImageView::ImageView(const Rect& frame) : ImageView() { setFrame(frame); }

ImageView::ImageView(std::optional<Image> image) : ImageView() {
    setImage(std::move(image));
    if (image_) setFrame({0, 0, image_->size().width, image_->size().height});
}

ContentsGravity ImageView::gravityFor(ContentMode mode) {
    switch (mode) {
    case ContentMode::scaleToFill:
    case ContentMode::redraw: return ContentsGravity::resize;
    case ContentMode::scaleAspectFit: return ContentsGravity::resizeAspect;
    case ContentMode::scaleAspectFill: return ContentsGravity::resizeAspectFill;
    case ContentMode::center: return ContentsGravity::center;
    case ContentMode::top: return ContentsGravity::top;
    case ContentMode::bottom: return ContentsGravity::bottom;
    case ContentMode::left: return ContentsGravity::left;
    case ContentMode::right: return ContentsGravity::right;
    case ContentMode::topLeft: return ContentsGravity::topLeft;
    case ContentMode::topRight: return ContentsGravity::topRight;
    case ContentMode::bottomLeft: return ContentsGravity::bottomLeft;
    case ContentMode::bottomRight: return ContentsGravity::bottomRight;
    }
    return ContentsGravity::resize;
}

std::optional<Image> tintedImage(const Image& image, const Color& color) {
    if (image.isEmpty()) return std::nullopt;
    auto out = Image::make(image.size().width, image.size().height, image.scale());
    if (!out) return std::nullopt;
    cairo_t* cr = cairo_create(out->surface());
    cairo_set_source_rgba(cr, color.red(), color.green(), color.blue(), color.alpha());
    cairo_mask_surface(cr, image.surface(), 0, 0);
    cairo_destroy(cr);
    out->markDirty();
    return out;
}

void ImageView::update() {
    if (image_ && template_) {
        auto tinted = tintedImage(*image_, tintColor());
        layer()->setContents(tinted ? std::make_shared<const Image>(std::move(*tinted)) : nullptr);
    } else {
        layer()->setContents(image_);
    }
}

void ImageView::setImage(std::shared_ptr<const Image> image) {
    image_ = std::move(image);
    if (image_ && image_->isEmpty()) image_.reset();
    update();
    invalidateIntrinsicContentSize();
}

void ImageView::setImage(std::optional<Image> image) {
    setImage(image ? std::make_shared<const Image>(std::move(*image)) : nullptr);
}

void ImageView::setTemplate(bool tinted) {
    template_ = tinted;
    update();
}

void ImageView::tintColorDidChange() {
    if (template_) update();
}

void ImageView::setContentMode(ContentMode mode) {
    View::setContentMode(mode);
    layer()->setContentsGravity(gravityFor(mode));
}

Size ImageView::intrinsicContentSize() const {
    if (!image_) return {layout::noIntrinsicMetric, layout::noIntrinsicMetric};
    return image_->size();
}

Size ImageView::sizeThatFits(Size) const { return image_ ? image_->size() : Size{}; }

} // namespace kit
