#include "kit/base/Make.h"
#include "kit/layout/Constraint.h"
#include "kit/ui/StackView.h"

#include <gtest/gtest.h>

namespace kit {
namespace {

using layout::Constraint;

std::shared_ptr<View> sized(double w, double h) {
    auto v = make<View>();
    v->setTranslatesAutoresizingMaskIntoConstraints(false);
    Constraint::activate({v->widthAnchor().equalToConstant(w), v->heightAnchor().equalToConstant(h)});
    return v;
}

TEST(StackView, FillEquallyWithSpacingAndHiddenViews) {
    auto root = make<View>(Rect{0, 0, 320, 480});
    auto stack = make<StackView>(Rect{10, 10, 300, 50});
    root->addSubview(stack);
    std::vector<std::shared_ptr<View>> views{make<View>(), make<View>(), make<View>()};
    for (auto& v : views) stack->addArrangedSubview(v);
    stack->setDistribution(StackDistribution::fillEqually);
    stack->setSpacing(15);
    root->layoutIfNeeded();
    EXPECT_EQ(views[0]->frame(), (Rect{0, 0, 90, 50}));
    EXPECT_EQ(views[1]->frame(), (Rect{105, 0, 90, 50}));
    EXPECT_EQ(views[2]->frame(), (Rect{210, 0, 90, 50}));

    views[1]->setHidden(true); // the gap closes
    root->layoutIfNeeded();
    EXPECT_EQ(views[2]->frame(), (Rect{157.5, 0, 142.5, 50}));

    stack->removeArrangedSubview(views[2].get());
    EXPECT_EQ(views[2]->superview(), stack) << "still a subview";
    EXPECT_EQ(stack->arrangedSubviews().size(), 2u);
    views[0]->removeFromSuperview(); // leaving the stack also leaves the list
    EXPECT_EQ(stack->arrangedSubviews().size(), 1u);
}

TEST(StackView, EqualSpacingKeepsSizesAndSharesTheRest) {
    auto root = make<View>(Rect{0, 0, 320, 480});
    auto stack = make<StackView>(Rect{0, 0, 200, 300});
    root->addSubview(stack);
    stack->setAxis(layout::Axis::vertical);
    stack->setDistribution(StackDistribution::equalSpacing);
    stack->setAlignment(StackAlignment::center);
    auto a = sized(50, 50), b = sized(30, 50), c = sized(50, 50);
    for (auto& v : {a, b, c}) stack->addArrangedSubview(v);
    root->layoutIfNeeded();
    EXPECT_EQ(a->frame(), (Rect{75, 0, 50, 50}));
    EXPECT_EQ(b->frame(), (Rect{85, 125, 30, 50}));
    EXPECT_EQ(c->frame(), (Rect{75, 250, 50, 50}));
}

TEST(StackView, PinnedStackTakesItsLengthFromItsContent) {
    auto root = make<View>(Rect{0, 0, 400, 400});
    auto stack = make<StackView>();
    root->addSubview(stack);
    stack->setTranslatesAutoresizingMaskIntoConstraints(false);
    stack->setSpacing(6);
    Constraint::activate({stack->leftAnchor().equalTo(root->leftAnchor(), 3), stack->topAnchor().equalTo(root->topAnchor(), 20),
                          stack->heightAnchor().equalToConstant(35)});
    for (int i = 0; i < 4; ++i) stack->addArrangedSubview(sized(35, 35));
    root->layoutIfNeeded();
    EXPECT_EQ(stack->frame(), (Rect{3, 20, 4 * 35 + 3 * 6, 35}));
}

} // namespace
} // namespace kit
