#pragma once
// View-port jobs that move or zoom a chart over a duration: a display link computes a phase from
// the elapsed time (eased, or linear without an easing function) and applies the view port of
// that phase on every frame; the last frame always applies phase 1.
#include "charting/core/ChartEasing.h"
#include "charting/core/ViewPortJob.h"
#include "charting/model/YAxis.h"

#include <memory>

namespace kit {
class DisplayLink;
}

namespace charting {

class AnimatedViewPortJob : public ViewPortJob, public std::enable_shared_from_this<AnimatedViewPortJob> {
public:
    AnimatedViewPortJob(ViewPortHandler& viewPortHandler, double xValue, double yValue, Transformer& transformer,
                        const std::shared_ptr<ChartViewBase>& view, double xOrigin, double yOrigin, double duration,
                        EasingFunction easing);
    // A running animation stops where it is, without its last update.
    ~AnimatedViewPortJob() override;

    void doJob() override { start(); }
    // A running animation is stopped first. A duration of 0 (or less) finishes at once.
    virtual void start();
    // Nothing while idle. With finish: phase 1 applied (if it was not), then animationEnd().
    virtual void stop(bool finish);
    virtual void animationLoop();
    virtual void animationUpdate() {}
    virtual void animationEnd() {}

    double phase() const { return phase_; }
    double xOrigin() const { return xOrigin_; }
    double yOrigin() const { return yOrigin_; }
    bool isRunning() const { return displayLink_ != nullptr; }

protected:
    double phaseAt(double time) const;

    double phase_ = 1.0;
    double xOrigin_;
    double yOrigin_;

private:
    double startTime_ = 0;
    std::shared_ptr<kit::DisplayLink> displayLink_;
    double duration_;
    double endTime_ = 0;
    EasingFunction easing_;
};

// Moves the value at the content's top-left corner from the origin to the target.
class AnimatedMoveViewJob : public AnimatedViewPortJob {
public:
    using AnimatedViewPortJob::AnimatedViewPortJob;
    void animationUpdate() override;
};

// Zooms from the origin scales to the target scales while bringing the zoom centre to the middle
// of the content; at the end the chart recomputes its offsets.
class AnimatedZoomViewJob : public AnimatedViewPortJob {
public:
    AnimatedZoomViewJob(ViewPortHandler& viewPortHandler, Transformer& transformer,
                        const std::shared_ptr<ChartViewBase>& view, std::shared_ptr<YAxis> yAxis, double xAxisRange,
                        double scaleX, double scaleY, double xOrigin, double yOrigin, double zoomCenterX,
                        double zoomCenterY, double zoomOriginX, double zoomOriginY, double duration,
                        EasingFunction easing);

    void animationUpdate() override;
    void animationEnd() override;

private:
    std::shared_ptr<YAxis> yAxis_;
    double xAxisRange_;
    double scaleX_;
    double scaleY_;
    double zoomOriginX_;
    double zoomOriginY_;
    double zoomCenterX_;
    double zoomCenterY_;
};

} // namespace charting
