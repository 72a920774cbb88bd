#include "charting/core/Animator.h"
#include "kit/runtime/RunLoop.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace charting;

namespace {

struct Recorder : ChartAnimatorDelegate {
    std::vector<std::string> calls;
    void animatorUpdated(Animator& a) override {
        calls.push_back("updated " + std::to_string(a.phaseX()) + " " + std::to_string(a.phaseY()));
    }
    void animatorStopped(Animator&) override { calls.push_back("stopped"); }
};

struct AnimatorTimeline : ::testing::Test {
    kit::ManualRunLoopScope loop;
    std::shared_ptr<Recorder> recorder = std::make_shared<Recorder>();
    Animator animator;
    AnimatorTimeline() { animator.setDelegate(recorder); }
};

} // namespace

TEST_F(AnimatorTimeline, LinearXRunsToItsEndAndStops) {
    int updates = 0, stops = 0;
    animator.setUpdateBlock([&] { ++updates; });
    animator.setStopBlock([&] { ++stops; });
    animator.animateX(2.0, EasingFunction{});
    EXPECT_EQ(animator.phaseX(), 0.0);
    EXPECT_TRUE(animator.isAnimating());

    loop.advance(0.5);
    EXPECT_EQ(animator.phaseX(), 0.25);
    EXPECT_EQ(animator.phaseY(), 1.0);
    EXPECT_EQ(updates, 30);

    loop.advance(2.0);
    EXPECT_EQ(animator.phaseX(), 1.0);
    EXPECT_FALSE(animator.isAnimating());
    EXPECT_EQ(stops, 1);
    // The last tick reached phase 1, so the stop sends no second update.
    ASSERT_GE(recorder->calls.size(), 2u);
    EXPECT_EQ(recorder->calls[recorder->calls.size() - 2], "updated 1.000000 1.000000");
    EXPECT_EQ(recorder->calls.back(), "stopped");
    EXPECT_EQ(updates, 120);
}

TEST_F(AnimatorTimeline, EasedPhasesFollowTheirCurves) {
    animator.animateXY(1.0, 2.0, ChartEasingOption::easeInQuad, ChartEasingOption::easeOutQuad);
    loop.advance(0.5);
    EXPECT_DOUBLE_EQ(animator.phaseX(), 0.25);
    EXPECT_DOUBLE_EQ(animator.phaseY(), 0.4375);
    loop.advance(0.5);
    EXPECT_EQ(animator.phaseX(), 1.0);
    EXPECT_DOUBLE_EQ(animator.phaseY(), 0.75);
    EXPECT_TRUE(animator.isAnimating());
    loop.advance(1.0);
    EXPECT_FALSE(animator.isAnimating());
}

TEST_F(AnimatorTimeline, ADisabledAxisKeepsItsPhase) {
    animator.setPhaseY(0.4);
    animator.animateXY(1.0, 0.0, EasingFunction{});
    EXPECT_EQ(animator.phaseX(), 0.0);
    EXPECT_EQ(animator.phaseY(), 0.4);
    loop.advance(1.0);
    EXPECT_FALSE(animator.isAnimating());
    // The stop finds phaseY short of 1 and completes it.
    EXPECT_EQ(animator.phaseY(), 1.0);

    recorder->calls.clear();
    animator.animateXY(0.0, -1.0, EasingFunction{});
    EXPECT_FALSE(animator.isAnimating());
    EXPECT_TRUE(recorder->calls.empty());
}

TEST_F(AnimatorTimeline, StopWhileIdleOrRunning) {
    animator.stop();
    EXPECT_TRUE(recorder->calls.empty());

    animator.animateXY(2.0, 2.0, EasingFunction{});
    loop.advance(0.5);
    recorder->calls.clear();
    animator.stop();
    EXPECT_EQ(recorder->calls, (std::vector<std::string>{"updated 1.000000 1.000000", "stopped"}));
    EXPECT_EQ(animator.phaseX(), 1.0);
    EXPECT_EQ(animator.phaseY(), 1.0);
}

TEST_F(AnimatorTimeline, OneAxisJoinsARunningAnimation) {
    animator.animateY(1.0, EasingFunction{});
    loop.advance(0.5);
    animator.animateX(2.0, EasingFunction{}); // ends at 2.5
    EXPECT_EQ(animator.phaseX(), 0.0);
    EXPECT_EQ(animator.phaseY(), 0.5);
    loop.advance(1.0);
    EXPECT_EQ(animator.phaseY(), 1.0);
    EXPECT_EQ(animator.phaseX(), 0.5);
    EXPECT_TRUE(animator.isAnimating());
    loop.advance(1.0);
    EXPECT_FALSE(animator.isAnimating());
    EXPECT_EQ(std::count(recorder->calls.begin(), recorder->calls.end(), "stopped"), 1);
}

TEST_F(AnimatorTimeline, RestartCompletesTheRunningAnimationFirst) {
    animator.animateXY(2.0, 2.0, EasingFunction{});
    loop.advance(1.0);
    recorder->calls.clear();
    animator.animateXY(1.0, 1.0, EasingFunction{});
    EXPECT_EQ(recorder->calls, (std::vector<std::string>{"updated 1.000000 1.000000", "stopped"}));
    EXPECT_EQ(animator.phaseX(), 0.0);
    EXPECT_EQ(animator.phaseY(), 0.0);
}

TEST_F(AnimatorTimeline, DestructionStopsWithoutAGoneDelegate) {
    auto owned = std::make_unique<Animator>();
    int stops = 0;
    {
        auto gone = std::make_shared<Recorder>();
        owned->setDelegate(gone);
    }
    owned->setStopBlock([&] { ++stops; });
    owned->animateX(1.0, EasingFunction{});
    owned.reset();
    EXPECT_EQ(stops, 1);
    loop.advance(1.0); // no link left behind
}
