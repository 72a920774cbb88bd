#pragma once
// Lines up its arranged subviews along an axis with constraints: distribution along the axis,
// alignment across it, spacing between. Hidden arranged views take no room. Removing a view from
// the arranged list leaves it a subview; removing it as a subview also takes it off the list.
#include "kit/ui/View.h"

#include <memory>
#include <vector>

namespace kit {

enum class StackDistribution { fill, fillEqually, fillProportionally, equalSpacing, equalCentering };
enum class StackAlignment { fill, leading, top = leading, center, trailing, bottom = trailing };

class StackView : public View {
public:
    StackView();
    explicit StackView(const Rect& frame);
    explicit StackView(std::vector<std::shared_ptr<View>> arranged);
    ~StackView() override;
    void initialize();

    const std::vector<std::shared_ptr<View>>& arrangedSubviews() const { return arranged_; }
    void addArrangedSubview(const std::shared_ptr<View>& view);
    void insertArrangedSubview(const std::shared_ptr<View>& view, std::size_t index);
    void removeArrangedSubview(const View* view);

    layout::Axis axis() const { return axis_; }
    void setAxis(layout::Axis axis);
    StackDistribution distribution() const { return distribution_; }
    void setDistribution(StackDistribution distribution);
    StackAlignment alignment() const { return alignment_; }
    void setAlignment(StackAlignment alignment);
    double spacing() const { return spacing_; }
    void setSpacing(double spacing);

    void layoutSubviews() override;
    std::vector<layout::LayoutItem*> layoutSubitems() const override;
    void willRemoveSubview(View* subview) override;
    void subviewVisibilityChanged(View* subview) override;

private:
    class Spacer;
    struct Signature {
        std::vector<std::pair<const View*, bool>> views;
        bool placed = false;
        friend bool operator==(const Signature&, const Signature&) = default;
    };
    Signature signature() const;
    void rebuild();

    std::vector<std::shared_ptr<View>> arranged_;
    layout::Axis axis_ = layout::Axis::horizontal;
    StackDistribution distribution_ = StackDistribution::fill;
    StackAlignment alignment_ = StackAlignment::fill;
    double spacing_ = 0;
    layout::ConstraintList own_;
    std::vector<std::unique_ptr<Spacer>> spacers_;
    Signature built_;
};

} // namespace kit
