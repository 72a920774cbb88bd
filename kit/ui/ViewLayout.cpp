// Layout of a view tree: constraints solved over the whole tree, then layoutSubviews top-down.
// Also the run loop's layout and animation phases for the hosts' window roots.
#include "kit/runtime/RunLoop.h"
#include "kit/ui/View.h"

#include <algorithm>
#include <cstdio>

namespace kit {

namespace {

// True while the engine writes frames: those changes are its output, not new input.
bool applyingConstraints = false;

std::vector<std::weak_ptr<View>>& roots() {
    static std::vector<std::weak_ptr<View>> list;
    return list;
}

} // namespace

void View::ensurePhaseHandlers() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    RunLoop::main().addPhaseHandler(Phase::animations, [] {
        const double now = Clock::current().now();
        for (auto& layer : Layer::animatingLayers()) layer->stepAnimations(now);
    });
    RunLoop::main().addPhaseHandler(Phase::layout, [] {
        for (auto& root : View::windowRoots()) root->layoutIfNeeded();
    });
}

void View::setWindowRoot(bool root) {
    if (root == windowRoot_) return;
    windowRoot_ = root;
    auto& list = roots();
    std::erase_if(list, [&](auto& w) { return w.expired() || w.lock().get() == this; });
    if (root) {
        list.push_back(weak_from_this());
        ensurePhaseHandlers();
    }
}

std::vector<std::shared_ptr<View>> View::windowRoots() {
    std::vector<std::shared_ptr<View>> out;
    for (auto& w : roots())
        if (auto v = w.lock(); v && v->windowRoot_) out.push_back(v);
    return out;
}

View* View::topmost() {
    View* top = this;
    while (auto parent = top->superview_.lock()) top = parent.get();
    return top;
}

void View::setNeedsLayout() {
    if (needsLayout_) return;
    needsLayout_ = true;
    layer_->markChanged(true);
}

void View::frameMoved() {
    if (applyingConstraints) return;
    // Frames of frame-placed views are inputs of the constraints around them.
    View* top = topmost();
    if (top->constraintsDirty_ || !top->hasConstraintsInTree_) return;
    top->constraintsDirty_ = true;
}

void View::layoutNeedsUpdate() {
    View* top = topmost();
    top->constraintsDirty_ = true;
    top->hasConstraintsInTree_ = true;
    top->layer_->markChanged(true);
    setNeedsLayout();
}

void View::setLayoutFrame(const Rect& frame) {
    // The engine places this view; its own frame change must not count as new input.
    const bool outer = applyingConstraints;
    applyingConstraints = true;
    setFrame(frame);
    applyingConstraints = outer;
}

layout::LayoutItem* View::layoutSuperitem() const { return superview_.lock().get(); }

std::vector<layout::LayoutItem*> View::layoutSubitems() const {
    std::vector<layout::LayoutItem*> out;
    out.reserve(subviews_.size());
    for (auto& s : subviews_) out.push_back(s.get());
    return out;
}

std::string View::layoutDescription() const {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "<View %p>", static_cast<const void*>(this));
    std::string text = buffer;
    if (!accessibilityIdentifier_.empty()) text += " '" + accessibilityIdentifier_ + "'";
    return text;
}

void View::setSafeAreaInsets(const EdgeInsets& insets) {
    ownSafeArea_ = insets;
    layoutNeedsUpdate();
}

EdgeInsets View::safeAreaInsets() const {
    // The window root's safe rectangle, seen from this view, clipped to this view's bounds.
    const View* top = this;
    while (auto parent = top->superview_.lock()) top = parent.get();
    if (!top->ownSafeArea_) return {};
    const EdgeInsets in = *top->ownSafeArea_;
    if (top == this) return in;
    const Rect safe = top->bounds().inset(in);
    const Rect mine = convertRectFrom(safe, top);
    const Rect b = bounds();
    return {std::max(0.0, mine.minY() - b.minY()), std::max(0.0, mine.minX() - b.minX()),
            std::max(0.0, b.maxY() - mine.maxY()), std::max(0.0, b.maxX() - mine.maxX())};
}

void View::setLayoutCallbacks(std::function<void()> willLayout, std::function<void()> didLayout) {
    willLayout_ = std::move(willLayout);
    didLayout_ = std::move(didLayout);
}

void View::layoutPass() {
    auto self = weak_from_this().lock(); // a layoutSubviews may remove this view
    if (needsLayout_) {
        if (willLayout_) willLayout_();
        needsLayout_ = false;
        layoutSubviews();
        if (didLayout_) didLayout_();
    }
    const auto subs = subviews_;
    for (auto& sub : subs) sub->layoutPass();
}

void View::layoutIfNeeded() {
    // Layout code may ask for layout again (a screen laying itself out "now" from its own layout
    // callback); that nests, but only so deep.
    static int depth = 0;
    if (depth >= 8) return;
    struct Nesting {
        Nesting() { ++depth; }
        ~Nesting() { --depth; }
    } nesting;
    View* top = topmost();
    auto keep = top->weak_from_this().lock();
    // Layout code that moves frame-placed views can make the constraints ask again; a few rounds
    // settle every real layout, and a bound keeps a see-saw from hanging the frame.
    for (int round = 0; round < 4; ++round) {
        if (top->constraintsDirty_) {
            top->constraintsDirty_ = false;
            const bool outer = applyingConstraints;
            applyingConstraints = true;
            top->layoutConstraintTree();
            applyingConstraints = outer;
        }
        top->layoutPass();
        if (!top->constraintsDirty_) break;
    }
}

Size View::sizeThatFits(Size) const {
    const Size intrinsic = intrinsicContentSize();
    return {intrinsic.width >= 0 ? intrinsic.width : bounds().width(),
            intrinsic.height >= 0 ? intrinsic.height : bounds().height()};
}

void View::sizeToFit() {
    const Size s = sizeThatFits(bounds().size);
    const Rect f = frame();
    setFrame({f.origin, s});
}

} // namespace kit
