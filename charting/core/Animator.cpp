#include "charting/core/Animator.h"

#include "kit/runtime/DisplayLink.h"
#include "kit/runtime/MediaTime.h"

#include <algorithm>

namespace charting {

void Animator::AxisAnimation::start(double now, double length, EasingFunction easingFunction) {
    startTime = now;
    duration = length;
    endTime = now + length;
    enabled = length > 0.0;
    easing = std::move(easingFunction);
}

double Animator::AxisAnimation::phaseAt(double time) const {
    const double elapsed = std::min(time - startTime, duration);
    return easing ? easing(elapsed, duration) : elapsed / duration;
}

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
    x_.enabled = false;
    y_.enabled = false;

    if (phaseX() != 1.0 || phaseY() != 1.0) {
        setPhaseX(1.0);
        setPhaseY(1.0);
        notifyUpdated();
    }
    if (auto d = delegate()) d->animatorStopped(*this);
    if (stopBlock_) stopBlock_();
}

void Animator::updateAnimationPhases(double currentTime) {
    if (x_.enabled) setPhaseX(x_.phaseAt(currentTime));
    if (y_.enabled) setPhaseY(y_.phaseAt(currentTime));
}

void Animator::animationLoop() {
    const double now = kit::mediaTime();
    updateAnimationPhases(now);
    notifyUpdated();
    if (now >= endTime_) stop();
}

void Animator::startDisplayLinkIfNeeded() {
    if (displayLink_ || !(x_.enabled || y_.enabled)) return;
    // The animator owns the link and invalidates it in stop(), which its destructor runs, so the
    // callback never outlives it.
    displayLink_ = kit::DisplayLink::scheduled([this](kit::DisplayLink&) { animationLoop(); });
}

void Animator::animateXY(double xAxisDuration, double yAxisDuration, EasingFunction easingX,
                         EasingFunction easingY) {
    stop();
    const double start = kit::mediaTime();
    x_.start(start, xAxisDuration, std::move(easingX));
    y_.start(start, yAxisDuration, std::move(easingY));
    endTime_ = std::max(x_.endTime, y_.endTime);

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
    x_.start(kit::mediaTime(), xAxisDuration, std::move(easing));
    endTime_ = std::max(x_.endTime, y_.endTime);
    updateAnimationPhases(x_.startTime);
    startDisplayLinkIfNeeded();
}

void Animator::animateX(double xAxisDuration, ChartEasingOption easingOption) {
    animateX(xAxisDuration, easingFunctionFromOption(easingOption));
}

void Animator::animateY(double yAxisDuration, EasingFunction easing) {
    y_.start(kit::mediaTime(), yAxisDuration, std::move(easing));
    endTime_ = std::max(x_.endTime, y_.endTime);
    updateAnimationPhases(y_.startTime);
    startDisplayLinkIfNeeded();
}

void Animator::animateY(double yAxisDuration, ChartEasingOption easingOption) {
    animateY(yAxisDuration, easingFunctionFromOption(easingOption));
}

} // namespace charting
