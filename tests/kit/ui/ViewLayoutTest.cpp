#include "kit/base/Make.h"
#include "kit/layout/Constraint.h"
#include "kit/runtime/RunLoop.h"
#include "kit/ui/View.h"

#include <gtest/gtest.h>

namespace kit {
namespace {

using layout::Constraint;

struct ReadsChildFrame : View {
    using View::View;
    Rect seen;
    std::shared_ptr<View> child;
    void layoutSubviews() override { seen = child->frame(); }
};

TEST(ViewLayout, FramePlacedAndConstraintPlacedViewsMixUnderOneParent) {
    ManualRunLoopScope loop;
    auto window = make<ReadsChildFrame>(Rect{0, 0, 400, 800});
    window->setWindowRoot(true);
    auto placed = make<View>(Rect{10, 10, 100, 100});
    auto pinned = make<View>();
    window->child = pinned;
    window->addSubview(placed);
    window->addSubview(pinned);
    pinned->setTranslatesAutoresizingMaskIntoConstraints(false);
    Constraint::activate({
        pinned->topAnchor().equalTo(placed->bottomAnchor(), 8),
        pinned->leftAnchor().equalTo(window->leftAnchor(), 16),
        pinned->widthAnchor().equalToConstant(50),
        pinned->heightAnchor().equalToConstant(20),
    });
    loop.advance(0); // the run loop's layout phase
    EXPECT_EQ(pinned->frame(), (Rect{16, 118, 50, 20}));
    EXPECT_EQ(window->seen, pinned->frame()) << "constraints are solved before layoutSubviews";

    placed->setFrame({10, 10, 100, 200}); // the frame-placed view moves: the pinned one follows
    window->layoutIfNeeded();
    EXPECT_EQ(pinned->frame().y(), 218);

    pinned->removeFromSuperview(); // its constraints to views outside it go with it
    EXPECT_TRUE(placed->constraints().empty());
    window->setWindowRoot(false);
}

TEST(ViewLayout, SafeAreaGuideOfTheWindow) {
    auto window = make<View>(Rect{0, 0, 390, 844});
    window->setWindowRoot(true);
    window->setSafeAreaInsets({47, 0, 34, 0});
    auto bar = make<View>();
    window->addSubview(bar);
    bar->setTranslatesAutoresizingMaskIntoConstraints(false);
    Constraint::activate({
        bar->topAnchor().equalTo(window->safeAreaLayoutGuide().topAnchor()),
        bar->leftAnchor().equalTo(window->leftAnchor()),
        bar->rightAnchor().equalTo(window->rightAnchor()),
        bar->bottomAnchor().equalTo(window->safeAreaLayoutGuide().bottomAnchor()),
    });
    window->layoutIfNeeded();
    EXPECT_EQ(bar->frame(), (Rect{0, 47, 390, 844 - 47 - 34}));
    EXPECT_EQ(bar->safeAreaInsets(), (EdgeInsets{}));
    auto full = make<View>(Rect{0, 0, 390, 100});
    window->addSubview(full);
    EXPECT_EQ(full->safeAreaInsets().top, 47);
    window->setWindowRoot(false);
}

} // namespace
} // namespace kit
