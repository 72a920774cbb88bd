#include "kit/layout/Constraint.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "kit/layout/LayoutItem.h"

namespace kit::layout {
namespace {

unsigned long long nextSequence = 0;

const char* attributeName(Attribute a) {
    switch (a) {
    case Attribute::left: return "left";
    case Attribute::right: return "right";
    case Attribute::top: return "top";
    case Attribute::bottom: return "bottom";
    case Attribute::leading: return "leading";
    case Attribute::trailing: return "trailing";
    case Attribute::width: return "width";
    case Attribute::height: return "height";
    case Attribute::centerX: return "centerX";
    case Attribute::centerY: return "centerY";
    }
    return "?";
}

std::string number(double v) {
    char buffer[64];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, v);
    return ec == std::errc() ? std::string(buffer, end) : "?";
}

std::string side(const LayoutItem* item, Attribute a, bool safeArea) {
    std::string name = item ? item->layoutDescription() : std::string("<destroyed>");
    return name + (safeArea ? ".safeArea." : ".") + attributeName(a);
}

} // namespace

std::shared_ptr<Constraint> Constraint::make(const Anchor& first, Relation relation, std::optional<Anchor> second,
                                             double multiplier, double constant) {
    std::shared_ptr<Constraint> c(new Constraint());
    c->first_ = &first.item();
    c->firstAttribute_ = first.attribute();
    c->firstSafeArea_ = first.isSafeArea();
    if (second) {
        c->second_ = &second->item();
        c->secondAttribute_ = second->attribute();
        c->secondSafeArea_ = second->isSafeArea();
        c->multiplier_ = multiplier;
    } else {
        c->multiplier_ = 0;
    }
    c->relation_ = relation;
    c->constant_ = constant;
    c->first_->addNaming(c);
    if (c->second_ && c->second_ != c->first_) c->second_->addNaming(c);
    return c;
}

Constraint::~Constraint() = default;

void Constraint::notifyItems() {
    if (first_) first_->layoutNeedsUpdate();
    if (second_ && second_ != first_) second_->layoutNeedsUpdate();
}

void Constraint::setConstant(double constant) {
    if (constant == constant_) return;
    constant_ = constant;
    if (active_) notifyItems();
}

void Constraint::setPriority(Priority p) {
    p = std::clamp(p, Priority(1), priority::required);
    if (p == priority_) return;
    priority_ = p;
    if (active_) notifyItems();
}

std::shared_ptr<Constraint> Constraint::withPriority(Priority p) {
    setPriority(p);
    return shared_from_this();
}

void Constraint::setActive(bool active) {
    if (active == active_) return;
    if (active && dead_) return; // an item it names is gone
    active_ = active;
    if (active) {
        sequence_ = ++nextSequence;
        first_->addActive(shared_from_this());
        if (second_ && second_ != first_) second_->addActive(shared_from_this());
        notifyItems();
    } else {
        // Keep this alive while the items drop their references.
        auto self = shared_from_this();
        notifyItems();
        if (first_) first_->removeActive(this);
        if (second_ && second_ != first_) second_->removeActive(this);
    }
}

void Constraint::activate(const ConstraintList& constraints) {
    for (const auto& c : constraints)
        if (c) c->setActive(true);
}

void Constraint::deactivate(const ConstraintList& constraints) {
    for (const auto& c : constraints)
        if (c) c->setActive(false);
}

void Constraint::itemDestroyed(LayoutItem* item) {
    auto self = shared_from_this();
    LayoutItem* other = first_ == item ? second_ : first_;
    if (active_) {
        active_ = false;
        if (other && other != item) {
            other->removeActive(this);
            other->layoutNeedsUpdate();
        }
    }
    dead_ = true;
    if (first_ == item) first_ = nullptr;
    if (second_ == item) second_ = nullptr;
}

std::string Constraint::description() const {
    std::string text = identifier.empty() ? "" : identifier + ": ";
    text += side(first_, firstAttribute_, firstSafeArea_);
    text += relation_ == Relation::equal ? " == " : relation_ == Relation::lessThanOrEqual ? " <= " : " >= ";
    if (secondAttribute_) {
        text += side(second_, *secondAttribute_, secondSafeArea_);
        if (multiplier_ != 1) text += " * " + number(multiplier_);
        if (constant_ > 0) text += " + " + number(constant_);
        if (constant_ < 0) text += " - " + number(-constant_);
    } else {
        text += number(constant_);
    }
    text += " @" + number(priority_);
    return text;
}

} // namespace kit::layout
