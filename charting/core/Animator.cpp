#include "charting/core/Animator.h"

#include "kit/runtime/DisplayLink.h"
#include "kit/runtime/MediaTime.h"

#include <algorithm>

namespace charting {
namespace {

double phaseAt(double time, double start, double duration, const EasingFunction& easing) {
    const double elapsed = std::min(time - start, duration);
    return easing ? easing(elapsed, duration) : elapsed / duration;
}

} // namespace

Animator::~Animator() { Animator::stop(); }

void Animator::notifyUpdated() {
    if (auto d = delegate()) d->animatorUpdated(*this);
    if (updateBlock_) updateBlock_();
}

void Animator::stop() {
    if (!displayLink_) return;
    // The link is owned here only; invalidating it first keeps it from firing again even if a
    // callback below starts a new animation.
    displayLink_->invalidate();
    displayLink_.reset();
    enabledX_ = false;
    enabledY_ = false;

    if (phaseX() != 1.0 || phaseY() != 1.0) {
        setPhaseX(1.0);
        setPhaseY(1.0);
        notifyUpdated();
    }
    if (auto d = delegate()) d->animatorStopped(*this);
    if (stopBlock_) stopBlock_();
}

void Animator::updateAnimationPhases(double currentTime) {
    if (enabledX_) setPhaseX(phaseAt(currentTime, startTimeX_, durationX_, easingX_));
    if (enabledY_) setPhaseY(phaseAt(currentTime, startTimeY_, durationY_, easingY_));
}

void Animator::animationLoop() {
    const double now = kit::mediaTime();
    updateAnimationPhases(now);
    notifyUpdated();
    if (now >= endTime_) stop();
}

void Animator::startDisplayLinkIfNeeded() {
    if (displayLink_ || !(enabledX_ || enabledY_)) return;
    // The animator owns the link and invalidates it in stop(), which its destructor runs, so the
    // callback never outlives it.
    displayLink_ = kit::DisplayLink::scheduled([this](kit::DisplayLink&) { animationLoop(); });
}

void Animator::animateXY(double xAxisDuration, double yAxisDuration, EasingFunction easingX,
                         EasingFunction easingY) {
    stop();
    const double start = kit::mediaTime();
    startTimeX_ = start;
    startTimeY_ = start;
    durationX_ = xAxisDuration;
    durationY_ = yAxisDuration;
    endTimeX_ = start + xAxisDuration;
    endTimeY_ = start + yAxisDuration;
    endTime_ = std::max(endTimeX_, endTimeY_);
    enabledX_ = xAxisDuration > 0.0;
    enabledY_ = yAxisDuration > 0.0;
    easingX_ = std::move(easingX);
    easingY_ = std::move(easingY);

    updateAnimationPhases(start);
    startDisplayLinkIfNeeded();
}

void Animator::animateXY(double xAxisDuration, double yAxisDuration, ChartEasingOption easingOptionX,
                         ChartEasingOption easingOptionY) {
    animateXY(xAxisDuration, yAxisDuration, easingFunctionFromOption(easingOptionX),
              easingFunctionFromOption(easingOptionY));
}

void Animator::animateXY(double xAxisDuration, double yAxisDuration, EasingFunction easing) {
    animateXY(xAxisDuration, yAxisDuration, easing, easing);
}

void Animator::animateXY(double xAxisDuration, double yAxisDuration, ChartEasingOption easingOption) {
    animateXY(xAxisDuration, yAxisDuration, easingFunctionFromOption(easingOption));
}

void Animator::animateX(double xAxisDuration, EasingFunction easing) {
    const double start = kit::mediaTime();
    startTimeX_ = start;
    durationX_ = xAxisDuration;
    endTimeX_ = start + xAxisDuration;
    endTime_ = std::max(endTimeX_, endTimeY_);
    enabledX_ = xAxisDuration > 0.0;
    easingX_ = std::move(easing);

    updateAnimationPhases(startTimeX_);
    startDisplayLinkIfNeeded();
}

void Animator::animateX(double xAxisDuration, ChartEasingOption easingOption) {
    animateX(xAxisDuration, easingFunctionFromOption(easingOption));
}

void Animator::animateY(double yAxisDuration, EasingFunction easing) {
    const double start = kit::mediaTime();
    startTimeY_ = start;
    durationY_ = yAxisDuration;
    endTimeY_ = start + yAxisDuration;
    endTime_ = std::max(endTimeX_, endTimeY_);
    enabledY_ = yAxisDuration > 0.0;
    easingY_ = std::move(easing);

    updateAnimationPhases(startTimeY_);
    startDisplayLinkIfNeeded();
}

void Animator::animateY(double yAxisDuration, ChartEasingOption easingOption) {
    animateY(yAxisDuration, easingFunctionFromOption(easingOption));
}

} // namespace charting
