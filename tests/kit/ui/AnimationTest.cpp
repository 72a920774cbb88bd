#include "kit/base/Make.h"
#include "kit/layout/Constraint.h"
#include "kit/runtime/RunLoop.h"
#include "kit/ui/Animation.h"
#include "kit/ui/View.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kit {
namespace {

TEST(Animation, CurvesRunFromZeroToOne) {
    for (AnimationCurve c : {AnimationCurve::linear, AnimationCurve::easeIn, AnimationCurve::easeOut, AnimationCurve::easeInOut}) {
        EXPECT_DOUBLE_EQ(ease(c, 0), 0);
        EXPECT_NEAR(ease(c, 1), 1, 1e-9);
        double last = 0;
        for (double t = 0.05; t <= 1; t += 0.05) {
            EXPECT_GE(ease(c, t), last);
            last = ease(c, t);
        }
    }
    EXPECT_LT(ease(AnimationCurve::easeIn, 0.5), 0.5);
    EXPECT_GT(ease(AnimationCurve::easeOut, 0.5), 0.5);
    EXPECT_NEAR(ease(AnimationCurve::easeInOut, 0.5), 0.5, 1e-6);
    EXPECT_EQ(curveOf(AnimationOptions::allowUserInteraction | AnimationOptions::curveEaseOut), AnimationCurve::easeOut);
}

TEST(Animation, ModelAtOncePresentationOverTimeCompletionOnTheClock) {
    ManualRunLoopScope loop;
    auto root = make<View>(Rect{0, 0, 200, 200});
    auto v = make<View>(Rect{0, 0, 100, 100});
    root->addSubview(v);
    std::vector<std::string> log;
    View::animate(1.0, 0.5, AnimationOptions::curveLinear, [&] {
        v->setAlpha(0);
        v->setTransform(AffineTransform::scale(2, 2));
    }, [&](bool finished) { log.push_back(finished ? "done" : "stopped"); });
    EXPECT_EQ(v->alpha(), 0); // the model value, at once
    EXPECT_EQ(v->transform(), AffineTransform::scale(2, 2));
    EXPECT_EQ(v->presentation().opacity, 1); // still in the delay
    const auto before = root->layer()->version();
    loop.advance(1.0 / 60);
    EXPECT_GT(root->layer()->version(), before) << "frames keep coming while it animates";
    loop.advance(1.0 - 1.0 / 60);
    EXPECT_NEAR(v->presentation().opacity, 0.5, 1e-9);
    EXPECT_NEAR(v->presentation().transform.a, 1.5, 1e-9);
    EXPECT_EQ(root->hitTest({50, 50}, nullptr), root) << "an animating view takes no touches by default";
    EXPECT_TRUE(log.empty());
    loop.advance(0.5);
    EXPECT_EQ(log, (std::vector<std::string>{"done"}));
    EXPECT_EQ(v->presentation().opacity, 0);
    EXPECT_FALSE(v->layer()->hasAnimations());
}

TEST(Animation, WhatIsDrawnFollowsThePresentation) {
    ManualRunLoopScope loop;
    auto root = make<View>(Rect{0, 0, 100, 100});
    root->setBackgroundColor(Color::whiteColor());
    auto box = make<View>(Rect{0, 0, 50, 50});
    box->setBackgroundColor(Color::blackColor());
    root->addSubview(box);
    View::animate(1.0, 0, AnimationOptions::curveLinear, [&] {
        box->setAlpha(0);
        box->setCenter({75, 75});
    });
    loop.advance(0.5);
    const auto mid = root->layer()->pixelAt({50, 50}); // the box is halfway, half faded
    EXPECT_NEAR(mid[0], 128, 2);
    EXPECT_EQ(root->layer()->pixelAt({10, 10})[0], 255) << "no longer at its start";
    loop.advance(0.5);
    EXPECT_EQ(root->layer()->pixelAt({75, 75})[0], 255) << "faded out at its end";
}

TEST(Animation, ConstraintChangesLaidOutInsideTheBlockAnimate) {
    ManualRunLoopScope loop;
    auto root = make<View>(Rect{0, 0, 400, 800});
    auto panel = make<View>();
    root->addSubview(panel);
    panel->setTranslatesAutoresizingMaskIntoConstraints(false);
    auto top = panel->topAnchor().equalTo(root->bottomAnchor());
    layout::Constraint::activate({top, panel->leftAnchor().equalTo(root->leftAnchor()),
                                  panel->widthAnchor().equalToConstant(400), panel->heightAnchor().equalToConstant(200)});
    root->layoutIfNeeded();
    EXPECT_EQ(panel->frame().y(), 800);
    View::animate(0.2, 0, AnimationOptions::curveLinear, [&] {
        top->setConstant(-200); // slide up from below the screen
        root->layoutIfNeeded();
    });
    EXPECT_EQ(panel->frame().y(), 600);
    loop.advance(0.1);
    EXPECT_NEAR(panel->presentation().position.y, 800, 1e-6); // centre halfway between 900 and 700
    loop.advance(0.1);
    EXPECT_EQ(panel->presentation().position.y, 700);
}

TEST(Animation, PulseChainsAndInteractionOption) {
    ManualRunLoopScope loop;
    auto root = make<View>(Rect{0, 0, 200, 200});
    auto button = make<View>(Rect{0, 0, 100, 100});
    root->addSubview(button);
    double doneAt = -1;
    View::animate(0.2, 0, AnimationOptions::allowUserInteraction, [&] { button->setTransform(AffineTransform::scale(1.2, 1.2)); },
                  [&](bool) {
                      View::animate(0.1, 0.2, AnimationOptions::curveEaseOut, [&] { button->setTransform({}); },
                                    [&](bool) { doneAt = Clock::current().now(); });
                  });
    loop.advance(0.1);
    EXPECT_EQ(root->hitTest({50, 50}, nullptr), button) << "allowed during its own animation";
    loop.advance(1);
    EXPECT_NEAR(doneAt, 0.5, 1e-9);
    EXPECT_TRUE(button->transform().isIdentity());

    // No change to animate: the completion still comes, on the next turn; a set outside any
    // animation stops a running one where the model is.
    bool called = false;
    View::animate(0.3, [&] { button->setAlpha(1); }, [&](bool) { called = true; });
    loop.advance(0);
    EXPECT_TRUE(called);
    View::animate(1, [&] { button->setAlpha(0); });
    button->setAlpha(0.25);
    EXPECT_EQ(button->presentation().opacity, 0.25);

    View::setAnimationsEnabled(false);
    called = false;
    View::animate(1, [&] { button->setAlpha(1); }, [&](bool) { called = true; });
    View::setAnimationsEnabled(true);
    EXPECT_EQ(button->presentation().opacity, 1);
    loop.advance(0);
    EXPECT_TRUE(called);
}

} // namespace
} // namespace kit
