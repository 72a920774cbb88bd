#pragma once
// An edge, centre or dimension of a layout item (or of its safe-area guide), from which constraints
// are made. Horizontal anchors relate only to horizontal ones, vertical to vertical, dimensions to
// dimensions; mixing them is a programming error. Constants follow the platform convention: a
// constraint reads first = second x multiplier + constant, so "10 above the bottom" is
// bottom.equalTo(other.bottom, -10).
#include <memory>

namespace kit::layout {

class Constraint;
class LayoutItem;

enum class Attribute { left, right, top, bottom, leading, trailing, width, height, centerX, centerY };

class Anchor {
public:
    Anchor(LayoutItem& item, Attribute attribute, bool safeArea = false)
        : item_(&item), attribute_(attribute), safeArea_(safeArea) {}

    LayoutItem& item() const { return *item_; }
    Attribute attribute() const { return attribute_; }
    // True for an anchor of the item's safe-area guide: the item's frame minus its safe-area insets.
    bool isSafeArea() const { return safeArea_; }

    std::shared_ptr<Constraint> equalTo(const Anchor& other, double constant = 0) const;
    std::shared_ptr<Constraint> greaterThanOrEqualTo(const Anchor& other, double constant = 0) const;
    std::shared_ptr<Constraint> lessThanOrEqualTo(const Anchor& other, double constant = 0) const;

    // Dimension anchors only.
    std::shared_ptr<Constraint> equalToMultiplier(const Anchor& other, double multiplier, double constant = 0) const;
    std::shared_ptr<Constraint> greaterThanOrEqualToMultiplier(const Anchor& other, double multiplier,
                                                               double constant = 0) const;
    std::shared_ptr<Constraint> lessThanOrEqualToMultiplier(const Anchor& other, double multiplier,
                                                            double constant = 0) const;
    std::shared_ptr<Constraint> equalToConstant(double constant) const;
    std::shared_ptr<Constraint> greaterThanOrEqualToConstant(double constant) const;
    std::shared_ptr<Constraint> lessThanOrEqualToConstant(double constant) const;

private:
    LayoutItem* item_;
    Attribute attribute_;
    bool safeArea_;
};

} // namespace kit::layout
