#include "kit/base/Make.h"
#include "kit/ui/View.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace kit {
namespace {

std::shared_ptr<View> box(double x, double y, double w, double h) { return make<View>(Rect{x, y, w, h}); }

TEST(View, SubviewsAndTheirLayersShareOneOrder) {
    auto root = box(0, 0, 100, 100);
    auto line = make<Layer>();
    root->layer()->addSublayer(line); // a plain layer added before the subviews stays below them
    auto a = box(0, 0, 10, 10), b = box(0, 0, 10, 10), c = box(0, 0, 10, 10);
    root->addSubview(a);
    root->addSubview(b);
    root->insertSubview(c, 0);
    ASSERT_EQ(root->subviews(), (std::vector<std::shared_ptr<View>>{c, a, b}));
    EXPECT_EQ(root->layer()->sublayers(), (std::vector<std::shared_ptr<Layer>>{line, c->layer(), a->layer(), b->layer()}));

    root->bringSubviewToFront(c.get());
    EXPECT_EQ(root->subviews().back(), c);
    EXPECT_EQ(root->layer()->sublayers().back(), c->layer());

    // Re-adding an existing sublayer changes nothing.
    root->layer()->addSublayer(line);
    EXPECT_EQ(root->layer()->sublayers().size(), 4u);
    EXPECT_EQ(root->layer()->sublayers().front(), line);
}

TEST(View, RemovedViewStaysAliveWhileHeldAndCanBeReadded) {
    auto root = box(0, 0, 100, 100);
    std::weak_ptr<View> watch;
    auto kept = box(1, 2, 3, 4);
    watch = kept;
    root->addSubview(kept);
    kept->removeFromSuperview();
    EXPECT_FALSE(kept->superview());
    EXPECT_TRUE(root->subviews().empty());
    EXPECT_TRUE(root->layer()->sublayers().empty());
    root->addSubview(kept);
    EXPECT_EQ(kept->superview(), root);
    kept.reset();
    EXPECT_FALSE(watch.expired()); // held by the superview
    root->subviews().front()->removeFromSuperview();
    EXPECT_TRUE(watch.expired());
    root->removeFromSuperview(); // no superview: nothing happens
}

struct HookView : View {
    using View::View;
    std::vector<std::string>* log = nullptr;
    void willMoveToSuperview(View* s) override { log->push_back(s ? "will:parent" : "will:null"); }
    void didMoveToSuperview() override { log->push_back(superview() ? "did:parent" : "did:null"); }
};

TEST(View, MoveHooksSeeNewSuperviewOrNull) {
    std::vector<std::string> log;
    auto root = box(0, 0, 10, 10), other = box(0, 0, 10, 10);
    auto v = make<HookView>();
    v->log = &log;
    root->addSubview(v);
    other->addSubview(v); // a move: one pair of hooks, no removal in between
    v->removeFromSuperview();
    EXPECT_EQ(log, (std::vector<std::string>{"will:parent", "did:parent", "will:parent", "did:parent", "will:null", "did:null"}));
    EXPECT_TRUE(root->subviews().empty());
}

TEST(View, CannotBecomeItsOwnAncestor) {
    auto root = box(0, 0, 10, 10), child = box(0, 0, 10, 10);
    root->addSubview(child);
    child->addSubview(root);
    child->addSubview(child);
    EXPECT_TRUE(child->subviews().empty());
    EXPECT_FALSE(root->superview());
}

TEST(View, FrameBoundsCenterAndTransform) {
    auto v = box(10, 20, 100, 50);
    EXPECT_EQ(v->center(), (Point{60, 45}));
    EXPECT_EQ(v->bounds(), (Rect{0, 0, 100, 50}));
    v->setTransform(AffineTransform::scale(2, 2));
    EXPECT_EQ(v->frame(), (Rect{-40, -5, 200, 100})); // scaled about the centre
    EXPECT_EQ(v->bounds().size, (Size{100, 50}));
    v->setTransform({});
    v->setCenter({0, 0});
    EXPECT_EQ(v->frame(), (Rect{-50, -25, 100, 50}));
}

TEST(View, ConvertsPointsThroughOffsetsScrollAndTransforms) {
    auto root = box(0, 0, 400, 400);
    auto a = box(100, 50, 200, 200);
    auto b = box(10, 10, 50, 50);
    root->addSubview(a);
    a->addSubview(b);
    EXPECT_EQ(b->convertPointTo({0, 0}, nullptr), (Point{110, 60}));
    EXPECT_EQ(b->convertPointFrom({110, 60}, root.get()), (Point{0, 0}));
    EXPECT_EQ(a->convertPointTo({5, 5}, b.get()), (Point{-5, -5}));
    a->setBounds({0, 30, 200, 200}); // scrolled down by 30
    EXPECT_EQ(b->convertPointTo({0, 0}, nullptr), (Point{110, 30}));
    a->setBounds({0, 0, 200, 200});
    a->setTransform(AffineTransform::scale(2, 2)); // about a's centre (200, 150)
    const Point p = b->convertPointTo({0, 0}, nullptr);
    EXPECT_DOUBLE_EQ(p.x, 200 + 2 * (10 - 100));
    EXPECT_DOUBLE_EQ(p.y, 150 + 2 * (10 - 100));
    const Point back = b->convertPointFrom(p, nullptr);
    EXPECT_NEAR(back.x, 0, 1e-9);
    EXPECT_NEAR(back.y, 0, 1e-9);
}

TEST(View, HitTestingRules) {
    auto root = box(0, 0, 300, 300);
    auto under = box(0, 0, 100, 100), over = box(0, 0, 100, 100);
    root->addSubview(under);
    root->addSubview(over);
    EXPECT_EQ(root->hitTest({50, 50}, nullptr), over); // the later sibling is on top

    struct Case {
        const char* what;
        std::function<void()> change, undo;
    } cases[] = {
        {"hidden", [&] { over->setHidden(true); }, [&] { over->setHidden(false); }},
        {"alpha below 0.01", [&] { over->setAlpha(0.009); }, [&] { over->setAlpha(1); }},
        {"not interactive", [&] { over->setUserInteractionEnabled(false); }, [&] { over->setUserInteractionEnabled(true); }},
    };
    for (auto& c : cases) {
        c.change();
        EXPECT_EQ(root->hitTest({50, 50}, nullptr), under) << c.what;
        c.undo();
    }
    over->setAlpha(0.01);
    EXPECT_EQ(root->hitTest({50, 50}, nullptr), over) << "alpha 0.01 still takes touches";

    // A subview sticking out of its parent is not found outside the parent's bounds.
    auto child = box(90, 90, 50, 50);
    over->addSubview(child);
    EXPECT_EQ(root->hitTest({95, 95}, nullptr), child);
    EXPECT_EQ(root->hitTest({120, 120}, nullptr), root);
    // A non-interactive parent hides its whole subtree.
    over->setUserInteractionEnabled(false);
    EXPECT_EQ(root->hitTest({95, 95}, nullptr), under);
    EXPECT_EQ(root->hitTest({300, 10}, nullptr), nullptr); // far edge is outside
}

TEST(View, HitTestFollowsTransforms) {
    auto root = box(0, 0, 300, 300);
    auto v = box(100, 100, 20, 20);
    root->addSubview(v);
    v->setTransform(AffineTransform::scale(3, 3)); // now covers 80..140
    EXPECT_EQ(root->hitTest({85, 85}, nullptr), v);
    EXPECT_EQ(root->hitTest({75, 85}, nullptr), root);
}

TEST(View, TintInheritsAndTagsAreFound) {
    auto root = box(0, 0, 10, 10), child = box(0, 0, 1, 1);
    root->addSubview(child);
    root->setTintColor(Color::redColor());
    EXPECT_EQ(child->tintColor(), Color::redColor());
    child->setTag(7);
    EXPECT_EQ(root->viewWithTag(7), child);
    EXPECT_EQ(root->viewWithTag(8), nullptr);
}

struct CountingLayout : View {
    using View::View;
    int passes = 0;
    void layoutSubviews() override { ++passes; }
};

TEST(View, BoundsChangesAreReportedAtOnce) {
    struct Sized : View {
        using View::View;
        std::vector<Rect> seen;
        void boundsDidChange(const Rect&, const Rect& now) override { seen.push_back(now); }
    };
    auto v = make<Sized>(Rect{0, 0, 10, 10});
    v->setFrame({5, 5, 10, 10}); // moved only
    v->setFrame({5, 5, 20, 10});
    v->setBounds({0, 30, 20, 10}); // scrolled
    EXPECT_EQ(v->seen, (std::vector<Rect>{{0, 0, 20, 10}, {0, 30, 20, 10}}));
}

TEST(View, LayoutRunsOncePerRequest) {
    auto root = make<CountingLayout>(Rect{0, 0, 10, 10});
    root->layoutIfNeeded();
    root->layoutIfNeeded();
    EXPECT_EQ(root->passes, 1);
    root->setFrame({0, 0, 20, 20}); // a size change asks for layout
    root->setFrame({0, 0, 20, 20});
    root->layoutIfNeeded();
    EXPECT_EQ(root->passes, 2);
    root->setCenter({50, 50}); // moving does not
    root->layoutIfNeeded();
    EXPECT_EQ(root->passes, 2);
}

} // namespace
} // namespace kit
