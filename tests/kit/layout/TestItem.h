#pragma once
// A minimal view for layout tests: a frame, a parent, children, and an optional intrinsic size.
#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "kit/layout/LayoutItem.h"

namespace layouttest {

class Item : public kit::layout::LayoutItem {
public:
    explicit Item(std::string name = "item", kit::Rect frame = {}) : name_(std::move(name)), frame_(frame) {}

    Item& add(std::unique_ptr<Item> child) {
        child->parent_ = this;
        children_.push_back(std::move(child));
        return *children_.back();
    }
    Item& add(std::string name, kit::Rect frame = {}) { return add(std::make_unique<Item>(std::move(name), frame)); }
    // A constraint-placed child.
    Item& addPlaced(std::string name) {
        Item& c = add(std::move(name));
        c.setTranslatesAutoresizingMaskIntoConstraints(false);
        return c;
    }
    void removeChild(Item& child) {
        child.deactivateConstraintsLeavingSubtree();
        std::erase_if(children_, [&](const std::unique_ptr<Item>& c) { return c.get() == &child; });
    }

    kit::Rect layoutFrame() const override { return frame_; }
    void setLayoutFrame(const kit::Rect& f) override {
        frame_ = f;
        ++frameWrites;
    }
    kit::layout::LayoutItem* layoutSuperitem() const override { return parent_; }
    std::vector<kit::layout::LayoutItem*> layoutSubitems() const override {
        std::vector<kit::layout::LayoutItem*> out;
        for (const auto& c : children_) out.push_back(c.get());
        return out;
    }
    kit::Size intrinsicContentSize() const override { return intrinsic; }
    std::optional<double> heightForWidth(double width) const override {
        if (wrap) return wrap(width);
        return std::nullopt;
    }
    kit::EdgeInsets safeAreaInsets() const override { return insets; }
    void layoutNeedsUpdate() override { ++updates; }
    std::string layoutDescription() const override { return name_; }

    kit::Rect frame() const { return frame_; }
    void setFrame(kit::Rect f) { frame_ = f; }

    kit::Size intrinsic{kit::layout::noIntrinsicMetric, kit::layout::noIntrinsicMetric};
    std::function<double(double)> wrap;
    kit::EdgeInsets insets;
    int updates = 0;
    int frameWrites = 0;

private:
    std::string name_;
    kit::Rect frame_;
    Item* parent_ = nullptr;
    std::vector<std::unique_ptr<Item>> children_;
};

} // namespace layouttest
