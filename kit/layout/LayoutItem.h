#pragma once
// What the layout engine needs from a view. The view toolkit implements the frame, the tree and the
// content-size queries; the item itself keeps its layout state (constraints, priorities, the
// frame-placement flag) and hands out anchors.
//
// Items with translatesAutoresizingMaskIntoConstraints = true (the default) are frame-placed: the
// engine never moves them and treats their frames as fixed. Items with false are placed by their
// active constraints when the tree is laid out.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "kit/base/Geometry.h"
#include "kit/layout/Anchor.h"
#include "kit/layout/Constraint.h"
#include "kit/layout/Priority.h"

namespace kit::layout {

class Engine;
class LayoutItem;

// The item's frame inset by its safe-area insets.
class LayoutGuide {
public:
    explicit LayoutGuide(LayoutItem& item) : item_(&item) {}
    LayoutItem& owningItem() const { return *item_; }
    Anchor leadingAnchor() const { return {*item_, Attribute::leading, true}; }
    Anchor trailingAnchor() const { return {*item_, Attribute::trailing, true}; }
    Anchor leftAnchor() const { return {*item_, Attribute::left, true}; }
    Anchor rightAnchor() const { return {*item_, Attribute::right, true}; }
    Anchor topAnchor() const { return {*item_, Attribute::top, true}; }
    Anchor bottomAnchor() const { return {*item_, Attribute::bottom, true}; }
    Anchor centerXAnchor() const { return {*item_, Attribute::centerX, true}; }
    Anchor centerYAnchor() const { return {*item_, Attribute::centerY, true}; }
    Anchor widthAnchor() const { return {*item_, Attribute::width, true}; }
    Anchor heightAnchor() const { return {*item_, Attribute::height, true}; }

private:
    LayoutItem* item_;
};

class LayoutItem {
public:
    LayoutItem();
    virtual ~LayoutItem();
    LayoutItem(const LayoutItem&) = delete;
    LayoutItem& operator=(const LayoutItem&) = delete;

    // ---- Implemented by the view toolkit ----
    // The frame in the superitem's coordinates.
    virtual Rect layoutFrame() const = 0;
    virtual void setLayoutFrame(const Rect& frame) = 0;
    virtual LayoutItem* layoutSuperitem() const = 0;
    // Where the item's own coordinates start (a scrolled view's content offset): subitems' frames
    // are relative to it.
    virtual Point layoutBoundsOrigin() const { return {}; }
    virtual std::vector<LayoutItem*> layoutSubitems() const = 0;
    // Natural size of the content; noIntrinsicMetric (-1) for a dimension without one.
    virtual Size intrinsicContentSize() const { return {noIntrinsicMetric, noIntrinsicMetric}; }
    // For content that wraps (multi-line labels): the height it needs at a given width, if it wraps.
    virtual std::optional<double> heightForWidth(double /*width*/) const { return std::nullopt; }
    virtual EdgeInsets safeAreaInsets() const { return {}; }
    // Called when something that affects the layout of this item's tree changed (a constraint was
    // activated, deactivated or edited, the intrinsic size was invalidated): schedule a layout.
    virtual void layoutNeedsUpdate() {}
    // A short name for diagnostics.
    virtual std::string layoutDescription() const;

    // ---- Layout state ----
    bool translatesAutoresizingMaskIntoConstraints() const { return translates_; }
    void setTranslatesAutoresizingMaskIntoConstraints(bool translates);
    // Resistance to growing beyond the intrinsic size (default 250).
    Priority contentHuggingPriority(Axis axis) const { return hugging_[index(axis)]; }
    void setContentHuggingPriority(Priority priority, Axis axis);
    // Resistance to shrinking below the intrinsic size (default 750).
    Priority contentCompressionResistancePriority(Axis axis) const { return compression_[index(axis)]; }
    void setContentCompressionResistancePriority(Priority priority, Axis axis);
    // Call when intrinsicContentSize() or heightForWidth() would now answer differently.
    void invalidateIntrinsicContentSize();

    // ---- Anchors ----
    Anchor leadingAnchor() { return {*this, Attribute::leading}; }
    Anchor trailingAnchor() { return {*this, Attribute::trailing}; }
    Anchor leftAnchor() { return {*this, Attribute::left}; }
    Anchor rightAnchor() { return {*this, Attribute::right}; }
    Anchor topAnchor() { return {*this, Attribute::top}; }
    Anchor bottomAnchor() { return {*this, Attribute::bottom}; }
    Anchor centerXAnchor() { return {*this, Attribute::centerX}; }
    Anchor centerYAnchor() { return {*this, Attribute::centerY}; }
    Anchor widthAnchor() { return {*this, Attribute::width}; }
    Anchor heightAnchor() { return {*this, Attribute::height}; }
    LayoutGuide safeAreaLayoutGuide() { return LayoutGuide(*this); }

    // The active constraints that name this item, in activation order.
    const ConstraintList& constraints() const { return active_; }
    // Deactivates every active constraint between an item of this subtree and an item outside it.
    // The view toolkit calls it when the item leaves its superitem.
    void deactivateConstraintsLeavingSubtree();

    // Solves the active constraints of the tree rooted at this item and writes the frames of its
    // constraint-placed items. This item's own frame is kept. Incremental between calls, so call it
    // on the same (topmost) item each time.
    void layoutConstraintTree();
    // The same, from the topmost superitem: for an item that wants its own frame settled now.
    void layoutEnclosingTree();

private:
    friend class Constraint;
    static int index(Axis axis) { return axis == Axis::horizontal ? 0 : 1; }
    void addNaming(const std::shared_ptr<Constraint>& constraint);
    void addActive(const std::shared_ptr<Constraint>& constraint);
    void removeActive(const Constraint* constraint);

    bool translates_ = true;
    Priority hugging_[2] = {priority::low, priority::low};
    Priority compression_[2] = {priority::high, priority::high};
    ConstraintList active_;
    std::vector<std::weak_ptr<Constraint>> naming_;
    std::unique_ptr<Engine> engine_;
};

} // namespace kit::layout
