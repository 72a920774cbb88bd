#include "kit/ui/View.h"

#include "kit/ui/GestureRecognizer.h"

#include <algorithm>

namespace kit {

View::View() : View(std::make_shared<Layer>()) {}

View::View(const Rect& frame) : View() { layer_->setFrame(frame); }

View::View(std::shared_ptr<Layer> layer) : layer_(layer ? std::move(layer) : std::make_shared<Layer>()) {
    layer_->setDelegate(this);
}

View::~View() {
    if (layer_->delegate() == this) layer_->setDelegate(nullptr);
    for (auto& sub : subviews_) sub->superview_.reset();
}

void View::sizeChanged(Size before) {
    if (bounds().size == before) return;
    setNeedsLayout();
    setNeedsDisplay();
}

void View::setFrame(const Rect& frame) {
    if (frame == this->frame()) return;
    const LayerPresentation before = layer_->presentation();
    const Rect oldBounds = bounds();
    layer_->setFrame(frame);
    recordAnimated(AnimatedProperty::position, before.position, layer_->position());
    recordAnimated(AnimatedProperty::bounds, before.bounds, layer_->bounds());
    sizeChanged(oldBounds.size);
    frameMoved();
    if (bounds() != oldBounds) boundsDidChange(oldBounds, bounds());
}

void View::setBounds(const Rect& bounds) {
    if (bounds == this->bounds()) return;
    const LayerPresentation before = layer_->presentation();
    const Rect oldBounds = this->bounds();
    layer_->setBounds(bounds);
    recordAnimated(AnimatedProperty::bounds, before.bounds, layer_->bounds());
    if (bounds.size == oldBounds.size) setNeedsLayout(); // a scrolled origin moves the subviews
    sizeChanged(oldBounds.size);
    frameMoved();
    boundsDidChange(oldBounds, bounds);
}

void View::setCenter(Point center) {
    if (center == this->center()) return;
    const LayerPresentation before = layer_->presentation();
    layer_->setPosition(center);
    recordAnimated(AnimatedProperty::position, before.position, center);
    frameMoved();
}

void View::setTransform(const AffineTransform& transform) {
    if (transform == this->transform()) return;
    const LayerPresentation before = layer_->presentation();
    layer_->setTransform(transform);
    recordAnimated(AnimatedProperty::transform, before.transform, transform);
    frameMoved();
}

void View::setHidden(bool hidden) {
    if (hidden == isHidden()) return;
    layer_->setHidden(hidden);
    if (auto parent = superview_.lock()) parent->subviewVisibilityChanged(this);
}

void View::setAlpha(double alpha) {
    const LayerPresentation before = layer_->presentation();
    layer_->setOpacity(alpha);
    recordAnimated(AnimatedProperty::opacity, before.opacity, layer_->opacity());
}

void View::setBackgroundColor(std::optional<Color> color) {
    const LayerPresentation before = layer_->presentation();
    layer_->setBackgroundColor(std::move(color));
    recordAnimated(AnimatedProperty::backgroundColor, before.backgroundColor, layer_->backgroundColor());
}

Color View::tintColor() const {
    for (const View* v = this; v;) {
        if (v->tintColor_) return *v->tintColor_;
        auto parent = v->superview_.lock();
        v = parent.get();
    }
    return Color::rgba(0.0, 122.0 / 255.0, 1.0);
}

void View::setTintColor(std::optional<Color> color) {
    tintColor_ = std::move(color);
    tintChangedInSubtree();
}

void View::tintChangedInSubtree() {
    setNeedsDisplay();
    tintColorDidChange();
    const auto subs = subviews_;
    for (auto& s : subs)
        if (!s->tintColor_) s->tintChangedInSubtree();
}

void View::setContentMode(ContentMode mode) {
    contentMode_ = mode;
    setNeedsDisplay();
}

// ---- hierarchy -------------------------------------------------------------------------------

bool View::isDescendantOf(const View* view) const {
    if (!view) return false;
    for (const View* v = this; v;) {
        if (v == view) return true;
        auto parent = v->superview_.lock();
        v = parent.get();
    }
    return false;
}

void View::placeLayerOf(const View& view) {
    // The view's layer goes just below the layer of the subview that follows it, or on top.
    auto it = std::find_if(subviews_.begin(), subviews_.end(), [&](auto& s) { return s.get() == &view; });
    const auto next = it == subviews_.end() ? subviews_.end() : std::next(it);
    if (next == subviews_.end() || (*next)->layer_->superlayer() != layer_) {
        layer_->insertSublayer(view.layer_, layer_->sublayers().size());
    } else {
        layer_->insertSublayerBelow(view.layer_, (*next)->layer_.get());
    }
}

void View::attach(const std::shared_ptr<View>& view, std::size_t index) {
    if (!view || view.get() == this || isDescendantOf(view.get())) return; // a view cannot hold its ancestor
    std::shared_ptr<View> keep = view;
    // Empty for a view not held by a shared pointer: its subviews then see no superview.
    std::weak_ptr<View> self = weak_from_this();
    auto old = view->superview_.lock();
    if (old.get() == this) {
        // Reordering among siblings: no hierarchy hooks.
        auto it = std::find(subviews_.begin(), subviews_.end(), view);
        const auto oldIndex = static_cast<std::size_t>(it - subviews_.begin());
        subviews_.erase(it);
        if (oldIndex < index) --index;
        index = std::min(index, subviews_.size());
        subviews_.insert(subviews_.begin() + static_cast<std::ptrdiff_t>(index), keep);
        placeLayerOf(*keep);
        return;
    }
    keep->willMoveToSuperview(this);
    if (old) {
        keep->deactivateConstraintsLeavingSubtree();
        old->willRemoveSubview(keep.get());
        old->subviews_.erase(std::find(old->subviews_.begin(), old->subviews_.end(), keep));
        old->setNeedsLayout();
    }
    index = std::min(index, subviews_.size());
    subviews_.insert(subviews_.begin() + static_cast<std::ptrdiff_t>(index), keep);
    keep->superview_ = self;
    placeLayerOf(*keep);
    // Constraints of the joined trees are solved together from now on.
    View* top = topmost();
    if (keep->hasConstraintsInTree_) top->hasConstraintsInTree_ = true;
    if (top->hasConstraintsInTree_) top->constraintsDirty_ = true;
    keep->didMoveToSuperview();
    if (!keep->tintColor_) keep->tintChangedInSubtree();
    didAddSubview(keep.get());
    setNeedsLayout();
}

void View::addSubview(const std::shared_ptr<View>& view) { attach(view, subviews_.size()); }

void View::insertSubview(const std::shared_ptr<View>& view, std::size_t index) { attach(view, index); }

void View::insertSubviewBelow(const std::shared_ptr<View>& view, const View* sibling) {
    auto it = std::find_if(subviews_.begin(), subviews_.end(), [&](auto& s) { return s.get() == sibling; });
    attach(view, it == subviews_.end() ? 0 : static_cast<std::size_t>(it - subviews_.begin()));
}

void View::insertSubviewAbove(const std::shared_ptr<View>& view, const View* sibling) {
    auto it = std::find_if(subviews_.begin(), subviews_.end(), [&](auto& s) { return s.get() == sibling; });
    attach(view, it == subviews_.end() ? subviews_.size() : static_cast<std::size_t>(it - subviews_.begin()) + 1);
}

void View::bringSubviewToFront(const View* view) {
    auto it = std::find_if(subviews_.begin(), subviews_.end(), [&](auto& s) { return s.get() == view; });
    if (it != subviews_.end()) attach(*it, subviews_.size());
}

void View::sendSubviewToBack(const View* view) {
    auto it = std::find_if(subviews_.begin(), subviews_.end(), [&](auto& s) { return s.get() == view; });
    if (it != subviews_.end()) attach(*it, 0);
}

void View::removeFromSuperview() {
    auto parent = superview_.lock();
    if (!parent) return;
    // The caller may be this view's own handler: keep the view alive until we are done here;
    // whoever called into the handler holds its own reference for the rest of that call.
    auto self = shared_from_this();
    View* oldTop = parent->topmost();
    hasConstraintsInTree_ = hasConstraintsInTree_ || oldTop->hasConstraintsInTree_;
    constraintsDirty_ = hasConstraintsInTree_;
    if (oldTop->hasConstraintsInTree_) oldTop->constraintsDirty_ = true;
    parent->willRemoveSubview(this);
    willMoveToSuperview(nullptr);
    deactivateConstraintsLeavingSubtree();
    auto& siblings = parent->subviews_;
    auto it = std::find(siblings.begin(), siblings.end(), self);
    if (it != siblings.end()) siblings.erase(it);
    if (layer_->superlayer() == parent->layer_) layer_->removeFromSuperlayer();
    superview_.reset();
    parent->setNeedsLayout();
    didMoveToSuperview();
}

std::shared_ptr<View> View::viewWithTag(int tag) {
    if (tag_ == tag) return weak_from_this().lock();
    for (auto& sub : subviews_)
        if (auto found = sub->viewWithTag(tag)) return found;
    return nullptr;
}

std::shared_ptr<View> View::window() const {
    const View* top = this;
    while (auto parent = top->superview_.lock()) top = parent.get();
    return top->windowRoot_ ? std::const_pointer_cast<View>(top->weak_from_this().lock()) : nullptr;
}

// ---- coordinates ------------------------------------------------------------------------------

AffineTransform View::transformToWindow() const {
    AffineTransform t;
    for (const View* v = this;;) {
        auto parent = v->superview_.lock();
        if (!parent) break;
        t = t.concat(v->layer_->transformToSuperlayer());
        v = parent.get();
    }
    return t;
}

Point View::convertPointTo(Point p, const View* view) const {
    const Point w = transformToWindow().apply(p);
    return view ? view->transformToWindow().inverted().apply(w) : w;
}

Point View::convertPointFrom(Point p, const View* view) const {
    const Point w = view ? view->transformToWindow().apply(p) : p;
    return transformToWindow().inverted().apply(w);
}

Rect View::convertRectTo(const Rect& r, const View* view) const {
    AffineTransform t = transformToWindow();
    if (view) t = t.concat(view->transformToWindow().inverted());
    return t.apply(r);
}

Rect View::convertRectFrom(const Rect& r, const View* view) const {
    AffineTransform t = view ? view->transformToWindow() : AffineTransform{};
    return t.concat(transformToWindow().inverted()).apply(r);
}

// ---- hit testing and responders -----------------------------------------------------------

bool View::pointInside(Point p, const Event*) const { return bounds().contains(p); }

std::shared_ptr<View> View::hitTest(Point p, const Event* event) {
    if (isHidden() || alpha() < 0.01 || !userInteractionEnabled_) return nullptr;
    if (layer_->hasAnimations() && !layer_->acceptsTouchesWhileAnimating()) return nullptr;
    if (!pointInside(p, event)) return nullptr;
    // Copy: a subclass's hitTest must not be able to invalidate our iteration.
    const auto subs = subviews_;
    for (auto it = subs.rbegin(); it != subs.rend(); ++it) {
        const Point q = (*it)->layer_->convertFromSuperlayer(p);
        if (auto hit = (*it)->hitTest(q, event)) return hit;
    }
    return std::const_pointer_cast<View>(weak_from_this().lock());
}

std::shared_ptr<Responder> View::nextResponder() const {
    if (auto owner = nextOverride_.lock()) return owner;
    return superview_.lock();
}

void View::addGestureRecognizer(const std::shared_ptr<GestureRecognizer>& recognizer) {
    if (!recognizer) return;
    if (std::find(recognizers_.begin(), recognizers_.end(), recognizer) != recognizers_.end()) return;
    if (auto previous = recognizer->view()) previous->removeGestureRecognizer(recognizer.get());
    recognizers_.push_back(recognizer);
    recognizer->attachTo(weak_from_this());
}

void View::removeGestureRecognizer(const GestureRecognizer* recognizer) {
    auto it = std::find_if(recognizers_.begin(), recognizers_.end(), [&](auto& r) { return r.get() == recognizer; });
    if (it == recognizers_.end()) return;
    auto keep = *it;
    recognizers_.erase(it);
    keep->attachTo({});
}

} // namespace kit
