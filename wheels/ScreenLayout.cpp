#include "wheels/ScreenLayout.h"

#include "kit/ui/Device.h"

#include <algorithm>

#include "app/ui/Ext.h"
#include "app/ui/LayoutConstants.h"
#include "kit/base/Make.h"

namespace wheels {

void readd(kit::View& parent, const std::shared_ptr<kit::View>& child) {
    child->removeFromSuperview();
    parent.addSubview(child);
}

std::shared_ptr<kit::StackView> remakeStripStack(const std::shared_ptr<kit::StackView>& previous) {
    if (previous) {
        for (auto sub : std::vector<std::shared_ptr<kit::View>>(previous->subviews())) sub->removeFromSuperview();
        previous->removeFromSuperview();
    }
    auto stack = kit::make<kit::StackView>();
    stack->setDistribution(kit::StackDistribution::fillEqually);
    stack->setAxis(kit::layout::Axis::vertical);
    stack->setSpacing(0);
    return stack;
}

double colorLabelRowBottomInset() {
    return std::max(app::colorCodeRowBottomPadding(), kit::Device::current().safeAreaInsets().bottom);
}

std::shared_ptr<kit::StackView> addColorLabelRow(kit::View& root, const std::vector<std::shared_ptr<kit::Button>>& labels) {
    auto row = kit::make<kit::StackView>();
    row->setAxis(kit::layout::Axis::horizontal);
    row->setAlignment(kit::StackAlignment::fill);
    row->setDistribution(kit::StackDistribution::fillEqually);
    for (const auto& label : labels) {
        label->removeFromSuperview();
        row->addArrangedSubview(label);
    }
    root.addSubview(row);
    app::anchor(*row, std::nullopt, root.leftAnchor(), root.bottomAnchor(), root.rightAnchor(), 0, 0,
                -colorLabelRowBottomInset(), 0, 0, app::colorCodeRowHeight());
    return row;
}


} // namespace wheels
