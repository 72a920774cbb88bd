#include "charting/bar_line/AnimatedViewPortJob.h"

#include "charting/bar_line/BarLineChartViewBase.h"
#include "kit/runtime/DisplayLink.h"
#include "kit/runtime/MediaTime.h"

#include <algorithm>

namespace charting {

AnimatedViewPortJob::AnimatedViewPortJob(ViewPortHandler& viewPortHandler, double xValue, double yValue,
                                         Transformer& transformer, const std::shared_ptr<ChartViewBase>& view,
                                         double xOrigin, double yOrigin, double duration, EasingFunction easing)
    : ViewPortJob(viewPortHandler, xValue, yValue, transformer, view), xOrigin_(xOrigin), yOrigin_(yOrigin),
      duration_(duration), easing_(std::move(easing)) {}

AnimatedViewPortJob::~AnimatedViewPortJob() { stop(false); }

double AnimatedViewPortJob::phaseAt(double time) const {
    const double elapsed = std::min(time - startTime_, duration_);
    if (easing_) return easing_(elapsed, duration_);
    return elapsed / duration_;
}

void AnimatedViewPortJob::start() {
    stop(false);
    startTime_ = kit::mediaTime();
    endTime_ = startTime_ + duration_;
    if (!(duration_ > 0)) {
        // 0 / 0 would be the phase: finish at once instead.
        phase_ = 1.0;
        if (view_.expired()) return;
        animationUpdate();
        animationEnd();
        return;
    }
    phase_ = phaseAt(startTime_);
    // The link keeps the job alive while it runs (the job then drops the link when it stops).
    std::shared_ptr<AnimatedViewPortJob> self = weak_from_this().lock();
    displayLink_ = kit::DisplayLink::scheduled([this, self](kit::DisplayLink&) { animationLoop(); });
}

void AnimatedViewPortJob::stop(bool finish) {
    if (!displayLink_) return;
    // Keeps the job alive until this call returns, even when the link held the last reference.
    auto link = std::move(displayLink_);
    displayLink_.reset();
    link->invalidate();
    if (finish && !view_.expired()) {
        if (phase_ != 1.0) {
            phase_ = 1.0;
            animationUpdate();
        }
        animationEnd();
    }
}

void AnimatedViewPortJob::animationLoop() {
    auto keepAlive = weak_from_this().lock();
    if (view_.expired()) {
        // The chart is gone: nothing left to move.
        stop(false);
        return;
    }
    const double now = kit::mediaTime();
    phase_ = phaseAt(now);
    animationUpdate();
    if (now >= endTime_) stop(true);
}

void AnimatedMoveViewJob::animationUpdate() {
    auto view = view_.lock();
    if (!view) return;
    point_ = {xOrigin_ + (xValue_ - xOrigin_) * phase_, yOrigin_ + (yValue_ - yOrigin_) * phase_};
    transformer_->convertPointToPixel(point_);
    viewPortHandler_->centerViewPort(point_, *view);
}

AnimatedZoomViewJob::AnimatedZoomViewJob(ViewPortHandler& viewPortHandler, Transformer& transformer,
                                         const std::shared_ptr<ChartViewBase>& view, std::shared_ptr<YAxis> yAxis,
                                         double xAxisRange, double scaleX, double scaleY, double xOrigin,
                                         double yOrigin, double zoomCenterX, double zoomCenterY, double zoomOriginX,
                                         double zoomOriginY, double duration, EasingFunction easing)
    : AnimatedViewPortJob(viewPortHandler, 0, 0, transformer, view, xOrigin, yOrigin, duration, std::move(easing)),
      yAxis_(std::move(yAxis)), xAxisRange_(xAxisRange), scaleX_(scaleX), scaleY_(scaleY), zoomOriginX_(zoomOriginX),
      zoomOriginY_(zoomOriginY), zoomCenterX_(zoomCenterX), zoomCenterY_(zoomCenterY) {}

void AnimatedZoomViewJob::animationUpdate() {
    auto view = view_.lock();
    if (!view) return;
    ViewPortHandler& vp = *viewPortHandler_;
    const double sx = xOrigin_ + (scaleX_ - xOrigin_) * phase_;
    const double sy = yOrigin_ + (scaleY_ - yOrigin_) * phase_;
    vp.refresh(vp.setZoom(sx, sy), *view, false);

    const double valsInView = (yAxis_ ? yAxis_->axisRange() : 0.0) / vp.scaleY();
    const double xsInView = xAxisRange_ / vp.scaleX();
    point_ = {zoomOriginX_ + ((zoomCenterX_ - xsInView / 2.0) - zoomOriginX_) * phase_,
              zoomOriginY_ + ((zoomCenterY_ + valsInView / 2.0) - zoomOriginY_) * phase_};
    transformer_->convertPointToPixel(point_);
    vp.refresh(vp.translate(point_), *view, true);
}

void AnimatedZoomViewJob::animationEnd() {
    auto view = view_.lock();
    if (!view) return;
    if (auto barLine = std::dynamic_pointer_cast<BarLineChartViewBase>(view)) barLine->calculateOffsets();
    view->setNeedsDisplay();
}

} // namespace charting
