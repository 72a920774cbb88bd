#pragma once
// Drives the two animation phases of a chart: phaseX and phaseY run from 0 to 1 over their
// durations, shaped by an easing curve, one step per display frame.
#include "charting/core/ChartEasing.h"

#include <functional>
#include <memory>

namespace kit {
class DisplayLink;
}

namespace charting {

class Animator;

class ChartAnimatorDelegate {
public:
    virtual ~ChartAnimatorDelegate() = default;
    virtual void animatorUpdated(Animator& animator) = 0;
    virtual void animatorStopped(Animator& animator) = 0;
};

class Animator {
public:
    Animator() = default;
    // A running animation is stopped first, with its callbacks.
    virtual ~Animator();
    Animator(const Animator&) = delete;
    Animator& operator=(const Animator&) = delete;

    std::shared_ptr<ChartAnimatorDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::shared_ptr<ChartAnimatorDelegate>& delegate) { delegate_ = delegate; }
    const std::function<void()>& updateBlock() const { return updateBlock_; }
    void setUpdateBlock(std::function<void()> block) { updateBlock_ = std::move(block); }
    const std::function<void()>& stopBlock() const { return stopBlock_; }
    void setStopBlock(std::function<void()> block) { stopBlock_ = std::move(block); }

    // Plain values: renderers read them, callers may set them.
    double phaseX() const { return phaseX_; }
    virtual void setPhaseX(double phase) { phaseX_ = phase; }
    double phaseY() const { return phaseY_; }
    virtual void setPhaseY(double phase) { phaseY_ = phase; }

    bool isAnimating() const { return displayLink_ != nullptr; }

    // Ends a running animation: phases to 1 (with an update when they were not there), then the
    // stop callbacks. Nothing happens while idle.
    virtual void stop();
    virtual void updateAnimationPhases(double currentTime);
    // One display frame.
    virtual void animationLoop();

    // Both axes: a running animation is stopped first. A duration of 0 or less leaves its axis
    // alone; with neither axis enabled nothing is scheduled. An empty easing function is linear.
    virtual void animateXY(double xAxisDuration, double yAxisDuration, EasingFunction easingX, EasingFunction easingY);
    virtual void animateXY(double xAxisDuration, double yAxisDuration, ChartEasingOption easingOptionX,
                           ChartEasingOption easingOptionY);
    virtual void animateXY(double xAxisDuration, double yAxisDuration, EasingFunction easing);
    virtual void animateXY(double xAxisDuration, double yAxisDuration, ChartEasingOption easingOption);
    // One axis: an animation of the other axis keeps running and shares the display link.
    virtual void animateX(double xAxisDuration, EasingFunction easing);
    virtual void animateX(double xAxisDuration, ChartEasingOption easingOption);
    virtual void animateY(double yAxisDuration, EasingFunction easing);
    virtual void animateY(double yAxisDuration, ChartEasingOption easingOption);

private:
    void startDisplayLinkIfNeeded();
    void notifyUpdated();

    std::weak_ptr<ChartAnimatorDelegate> delegate_;
    std::function<void()> updateBlock_;
    std::function<void()> stopBlock_;
    double phaseX_ = 1.0;
    double phaseY_ = 1.0;
    std::shared_ptr<kit::DisplayLink> displayLink_;
    // The animation of one axis: its phase follows the easing from start to end.
    struct AxisAnimation {
        double startTime = 0;
        double duration = 0;
        double endTime = 0;
        bool enabled = false;
        EasingFunction easing;

        void start(double now, double length, EasingFunction easingFunction);
        double phaseAt(double time) const;
    };
    AxisAnimation x_;
    AxisAnimation y_;
    double endTime_ = 0;
};

} // namespace charting
