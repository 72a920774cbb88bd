#include "kit/ui/Layer.h"

#include <algorithm>

namespace kit {

Layer::Layer() = default;

Layer::~Layer() {
    for (auto& sub : sublayers_) sub->superlayer_.reset();
}

void Layer::markChanged(bool placementOnly) {
    if (!placementOnly) ++contentVersion_;
    ++version_;
    auto up = superlayer_.lock();
    for (Layer* layer = up.get(); layer;) {
        ++layer->version_;
        ++layer->contentVersion_;
        auto parent = layer->superlayer_.lock();
        layer = parent.get();
    }
}

Rect Layer::frame() const {
    const Rect local{-bounds_.width() / 2, -bounds_.height() / 2, bounds_.width(), bounds_.height()};
    if (transform_.isIdentity()) return local.offsetBy(position_.x, position_.y);
    return transform_.apply(local).offsetBy(position_.x, position_.y);
}

void Layer::setFrame(const Rect& frame) {
    const Rect f = frame.standardized();
    if (f == this->frame()) return;
    position_ = f.center();
    if (transform_.isIdentity()) {
        bounds_.size = f.size;
    } else {
        // Keep the transformed extent: undo the transform's scale on the size.
        const double sx = std::hypot(transform_.a, transform_.b), sy = std::hypot(transform_.c, transform_.d);
        bounds_.size = {sx > 0 ? f.width() / sx : f.width(), sy > 0 ? f.height() / sy : f.height()};
    }
    markChanged();
}

void Layer::setBounds(const Rect& bounds) {
    if (bounds == bounds_) return;
    bounds_ = bounds;
    markChanged();
}

void Layer::setPosition(Point position) {
    if (position == position_) return;
    position_ = position;
    markChanged(true);
}

void Layer::setTransform(const AffineTransform& transform) {
    if (transform == transform_) return;
    transform_ = transform;
    markChanged(true);
}

void Layer::setBackgroundColor(std::optional<Color> color) {
    backgroundColor_ = std::move(color);
    markChanged();
}

void Layer::setCornerRadius(double radius) {
    cornerRadius_ = std::max(0.0, radius);
    markChanged();
}

void Layer::setBorderWidth(double width) {
    borderWidth_ = std::max(0.0, width);
    markChanged();
}

void Layer::setBorderColor(const Color& color) {
    borderColor_ = color;
    markChanged();
}

void Layer::setMasksToBounds(bool masks) {
    if (masks == masksToBounds_) return;
    masksToBounds_ = masks;
    markChanged();
}

void Layer::setHidden(bool hidden) {
    if (hidden == hidden_) return;
    hidden_ = hidden;
    markChanged(true);
}

void Layer::setOpacity(double opacity) {
    opacity = std::clamp(opacity, 0.0, 1.0);
    if (opacity == opacity_) return;
    opacity_ = opacity;
    markChanged(true);
}

void Layer::setShadowColor(const Color& color) {
    shadowColor_ = color;
    markChanged();
}

void Layer::setShadowOffset(Size offset) {
    shadowOffset_ = offset;
    markChanged();
}

void Layer::setShadowOpacity(double opacity) {
    shadowOpacity_ = std::clamp(opacity, 0.0, 1.0);
    markChanged();
}

void Layer::setShadowRadius(double radius) {
    shadowRadius_ = std::max(0.0, radius);
    markChanged();
}

void Layer::setShouldRasterize(bool rasterize) {
    shouldRasterize_ = rasterize;
    if (!rasterize) rasterCache_.reset();
    markChanged();
}

void Layer::setRasterizationScale(double scale) {
    rasterizationScale_ = std::max(0.0, scale);
    markChanged();
}

void Layer::setContents(std::shared_ptr<const Image> image) {
    contents_ = std::move(image);
    markChanged();
}

void Layer::setContentsGravity(ContentsGravity gravity) {
    contentsGravity_ = gravity;
    markChanged();
}

void Layer::detach(const Layer* layer) {
    auto it = std::find_if(sublayers_.begin(), sublayers_.end(), [&](auto& s) { return s.get() == layer; });
    if (it != sublayers_.end()) sublayers_.erase(it);
}

void Layer::insertSublayer(const std::shared_ptr<Layer>& layer, std::size_t index) {
    if (!layer || layer.get() == this) return;
    // Keep the layer alive while it moves between lists.
    std::shared_ptr<Layer> keep = layer;
    if (auto old = layer->superlayer_.lock()) {
        if (old.get() == this) {
            auto it = std::find(sublayers_.begin(), sublayers_.end(), layer);
            const auto oldIndex = static_cast<std::size_t>(it - sublayers_.begin());
            if (oldIndex < index) --index;
        }
        old->detach(layer.get());
        old->markChanged();
    }
    index = std::min(index, sublayers_.size());
    sublayers_.insert(sublayers_.begin() + static_cast<std::ptrdiff_t>(index), keep);
    keep->superlayer_ = weak_from_this();
    markChanged();
}

void Layer::addSublayer(const std::shared_ptr<Layer>& layer) {
    if (layer && layer->superlayer_.lock().get() == this) return;
    insertSublayer(layer, sublayers_.size());
}

void Layer::insertSublayerBelow(const std::shared_ptr<Layer>& layer, const Layer* sibling) {
    auto it = std::find_if(sublayers_.begin(), sublayers_.end(), [&](auto& s) { return s.get() == sibling; });
    insertSublayer(layer, it == sublayers_.end() ? 0 : static_cast<std::size_t>(it - sublayers_.begin()));
}

void Layer::insertSublayerAbove(const std::shared_ptr<Layer>& layer, const Layer* sibling) {
    auto it = std::find_if(sublayers_.begin(), sublayers_.end(), [&](auto& s) { return s.get() == sibling; });
    insertSublayer(layer, it == sublayers_.end() ? sublayers_.size() : static_cast<std::size_t>(it - sublayers_.begin()) + 1);
}

void Layer::removeFromSuperlayer() {
    auto parent = superlayer_.lock();
    if (!parent) return;
    std::shared_ptr<Layer> keep = shared_from_this();
    parent->detach(this);
    superlayer_.reset();
    parent->markChanged();
}

void Layer::removeAllSublayers() {
    auto removed = std::move(sublayers_);
    sublayers_.clear();
    for (auto& sub : removed) sub->superlayer_.reset();
    markChanged();
}

void Layer::setNeedsDisplay() {
    needsDisplay_ = true;
    markChanged();
}

AffineTransform Layer::transformToSuperlayer(const LayerPresentation& p) {
    // bounds space -> centred on the anchor -> transformed -> placed at position.
    const Point anchor{p.bounds.x() + p.bounds.width() / 2, p.bounds.y() + p.bounds.height() / 2};
    return AffineTransform::translation(-anchor.x, -anchor.y)
        .concat(p.transform)
        .concat(AffineTransform::translation(p.position.x, p.position.y));
}

AffineTransform Layer::transformToSuperlayer() const {
    return transformToSuperlayer({position_, bounds_, transform_, opacity_, {}});
}

Point Layer::convertToSuperlayer(Point p) const { return transformToSuperlayer().apply(p); }

Point Layer::convertFromSuperlayer(Point p) const { return transformToSuperlayer().inverted().apply(p); }

} // namespace kit
