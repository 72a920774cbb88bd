#include "kit/layout/LayoutItem.h"

#include <algorithm>
#include <cstdio>
#include <unordered_set>

#include "kit/layout/Engine.h"

namespace kit::layout {

LayoutItem::LayoutItem() = default;

LayoutItem::~LayoutItem() {
    // Constraints outlive items when someone holds them; they must not point at a dead item.
    auto naming = std::move(naming_);
    for (const auto& weak : naming)
        if (auto c = weak.lock()) c->itemDestroyed(this);
}

std::string LayoutItem::layoutDescription() const {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "<item %p>", static_cast<const void*>(this));
    return buffer;
}

void LayoutItem::setTranslatesAutoresizingMaskIntoConstraints(bool translates) {
    if (translates == translates_) return;
    translates_ = translates;
    layoutNeedsUpdate();
}

void LayoutItem::setContentHuggingPriority(Priority p, Axis axis) {
    hugging_[index(axis)] = std::clamp(p, Priority(1), priority::required);
    layoutNeedsUpdate();
}

void LayoutItem::setContentCompressionResistancePriority(Priority p, Axis axis) {
    compression_[index(axis)] = std::clamp(p, Priority(1), priority::required);
    layoutNeedsUpdate();
}

void LayoutItem::invalidateIntrinsicContentSize() { layoutNeedsUpdate(); }

void LayoutItem::addNaming(const std::shared_ptr<Constraint>& c) {
    // Long-lived items see many constraints made and dropped; forget the ones that are gone.
    if (naming_.size() >= 32 && naming_.size() >= 2 * active_.size())
        std::erase_if(naming_, [](const std::weak_ptr<Constraint>& w) { return w.expired(); });
    naming_.push_back(c);
}

void LayoutItem::addActive(const std::shared_ptr<Constraint>& c) { active_.push_back(c); }

void LayoutItem::removeActive(const Constraint* c) {
    std::erase_if(active_, [c](const std::shared_ptr<Constraint>& a) { return a.get() == c; });
}

void LayoutItem::deactivateConstraintsLeavingSubtree() {
    std::unordered_set<const LayoutItem*> subtree;
    std::vector<LayoutItem*> stack{this};
    while (!stack.empty()) {
        LayoutItem* item = stack.back();
        stack.pop_back();
        if (!subtree.insert(item).second) continue;
        for (LayoutItem* child : item->layoutSubitems())
            if (child) stack.push_back(child);
    }
    ConstraintList leaving;
    for (const LayoutItem* item : subtree)
        for (const auto& c : item->active_) {
            const LayoutItem* a = c->firstItem();
            const LayoutItem* b = c->secondItem();
            if (!subtree.count(a) || (b && !subtree.count(b))) leaving.push_back(c);
        }
    Constraint::deactivate(leaving);
}

void LayoutItem::layoutConstraintTree() {
    if (!engine_) engine_ = std::make_unique<Engine>(*this);
    engine_->layout();
}

void LayoutItem::layoutEnclosingTree() {
    LayoutItem* top = this;
    while (LayoutItem* up = top->layoutSuperitem()) top = up;
    top->layoutConstraintTree();
}

} // namespace kit::layout
