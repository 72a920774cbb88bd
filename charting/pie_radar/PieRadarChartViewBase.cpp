#include "charting/pie_radar/PieRadarChartViewBase.h"

#include "charting/pie_radar/RadarChartView.h"
#include "kit/base/Console.h"
#include "kit/runtime/DisplayLink.h"
#include "kit/runtime/MediaTime.h"
#include "kit/ui/RotationGesture.h"
#include "kit/ui/TapGesture.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace charting {

namespace {
constexpr double kDegrees = 180.0 / std::numbers::pi;
}

PieRadarChartViewBase::~PieRadarChartViewBase() { stopDeceleration(); }

void PieRadarChartViewBase::initialize() {
    ChartViewBase::initialize();
    const std::weak_ptr<PieRadarChartViewBase> weak = std::shared_ptr<PieRadarChartViewBase>(shared_from_this(), this);
    tapGestureRecognizer_ = std::make_shared<kit::TapGesture>([weak](kit::GestureRecognizer& r) {
        if (auto self = weak.lock()) self->tapGestureRecognized(r);
    });
    addGestureRecognizer(tapGestureRecognizer_);
    rotationGestureRecognizer_ = std::make_shared<kit::RotationGesture>([weak](kit::GestureRecognizer& r) {
        if (auto self = weak.lock()) self->rotationGestureRecognized(r);
    });
    addGestureRecognizer(rotationGestureRecognizer_);
    rotationGestureRecognizer_->setEnabled(rotationWithTwoFingers_);
}

void PieRadarChartViewBase::setRotationWithTwoFingers(bool v) {
    rotationWithTwoFingers_ = v;
    if (rotationGestureRecognizer_) rotationGestureRecognizer_->setEnabled(v);
}

double PieRadarChartViewBase::normalizedAngle(double angle) {
    double r = std::fmod(angle, 360.0);
    if (std::signbit(angle)) r += 360.0;
    return r;
}

void PieRadarChartViewBase::setRotationAngle(double angle) {
    rawRotationAngle_ = angle;
    rotationAngle_ = normalizedAngle(angle);
    setNeedsDisplay();
}

// Geometry -----------------------------------------------------------------------------------------

double PieRadarChartViewBase::angleForPoint(double x, double y) const {
    const kit::Point c = centerOffsets();
    const double tx = x - c.x, ty = y - c.y;
    const double length = std::sqrt(tx * tx + ty * ty);
    double angle = std::acos(ty / length) * kDegrees;
    if (x > c.x) angle = 360.0 - angle;
    angle += 90.0;
    if (angle > 360.0) angle -= 360.0;
    return angle;
}

kit::Point PieRadarChartViewBase::getPosition(kit::Point center, double dist, double angle) const {
    const double a = angle / kDegrees;
    return {center.x + dist * std::cos(a), center.y + dist * std::sin(a)};
}

double PieRadarChartViewBase::distanceToCenter(double x, double y) const {
    const kit::Point c = centerOffsets();
    const double dx = std::fabs(x - c.x), dy = std::fabs(y - c.y);
    return std::sqrt(dx * dx + dy * dy);
}

int PieRadarChartViewBase::indexForAngle(double) const {
    kit::fatal("indexForAngle() cannot be called on PieRadarChartViewBase");
}

double PieRadarChartViewBase::radius() const { kit::fatal("radius cannot be called on PieRadarChartViewBase"); }

double PieRadarChartViewBase::requiredLegendOffset() const {
    kit::fatal("requiredLegendOffset cannot be called on PieRadarChartViewBase");
}

double PieRadarChartViewBase::requiredBaseOffset() const {
    kit::fatal("requiredBaseOffset cannot be called on PieRadarChartViewBase");
}

double PieRadarChartViewBase::diameter() const {
    const kit::Rect content = viewPortHandler()->contentRect();
    const double width = content.width() - extraLeftOffset() - extraRightOffset();
    const double height = content.height() - extraTopOffset() - extraBottomOffset();
    return height < width ? height : width;
}

std::int64_t PieRadarChartViewBase::maxVisibleCount() const { return data() ? data()->entryCount() : 0; }

void PieRadarChartViewBase::notifyDataSetChanged() {
    calcMinMax();
    if (auto d = data()) legendRenderer()->computeLegend(*d);
    calculateOffsets();
    setNeedsDisplay();
}

void PieRadarChartViewBase::calculateOffsets() {
    double legendLeft = 0, legendTop = 0, legendRight = 0, legendBottom = 0;
    const Legend& legend = *this->legend();
    const ViewPortHandler& vp = *viewPortHandler();
    using H = Legend::HorizontalAlignment;
    using V = Legend::VerticalAlignment;

    if (legend.isEnabled() && !legend.drawInside()) {
        if (legend.orientation() == Legend::Orientation::vertical) {
            const double fullLegendWidth = std::min(legend.neededWidth(), vp.chartWidth() * legend.maxSizePercent());
            double xOffset = 0;
            if (legend.horizontalAlignment() == H::left || legend.horizontalAlignment() == H::right) {
                if (legend.verticalAlignment() == V::center) {
                    xOffset = fullLegendWidth + 13.0;
                } else {
                    const double legendWidth = fullLegendWidth + 8.0;
                    const double legendHeight = legend.neededHeight() + legend.textHeightMax();
                    const kit::Point c = midPoint();
                    const kit::Rect b = bounds();
                    const double bottomX =
                        legend.horizontalAlignment() == H::right ? b.width() - legendWidth + 15.0 : legendWidth - 15.0;
                    const double bottomY = legendHeight + 15.0;
                    const double distLegend = distanceToCenter(bottomX, bottomY);
                    const kit::Point reference = getPosition(c, radius(), angleForPoint(bottomX, bottomY));
                    const double distReference = distanceToCenter(reference.x, reference.y);
                    if (bottomY >= c.y && b.height() - legendWidth > b.width()) {
                        xOffset = legendWidth;
                    } else if (distLegend < distReference) {
                        xOffset = distReference - distLegend + 5.0;
                    }
                }
            }
            switch (legend.horizontalAlignment()) {
            case H::left: legendLeft = xOffset; break;
            case H::right: legendRight = xOffset; break;
            case H::center:
                switch (legend.verticalAlignment()) {
                case V::top: legendTop = std::min(legend.neededHeight(), vp.chartHeight() * legend.maxSizePercent()); break;
                case V::bottom:
                    legendBottom = std::min(legend.neededHeight(), vp.chartHeight() * legend.maxSizePercent());
                    break;
                case V::center: break;
                }
                break;
            }
        } else {
            const double yOffset =
                std::min(legend.neededHeight() + requiredLegendOffset(), vp.chartHeight() * legend.maxSizePercent());
            if (legend.verticalAlignment() == V::top) legendTop = yOffset;
            else if (legend.verticalAlignment() == V::bottom) legendBottom = yOffset;
        }
        const double base = requiredBaseOffset();
        legendLeft += base;
        legendTop += base;
        legendRight += base;
        legendBottom += base;
    }

    double m = minOffset_;
    if (const auto* radar = dynamic_cast<const RadarChartView*>(this)) {
        const XAxis& x = *radar->xAxis();
        if (x.isEnabled() && x.isDrawLabelsEnabled()) m = std::max(m, x.labelRotatedWidth());
    }
    const double offsetLeft = std::max(m, legendLeft + extraLeftOffset());
    const double offsetTop = std::max(m, legendTop + extraTopOffset());
    const double offsetRight = std::max(m, legendRight + extraRightOffset());
    const double offsetBottom = std::max(m, std::max(requiredBaseOffset(), legendBottom + extraBottomOffset()));
    viewPortHandler()->restrainViewPort(offsetLeft, offsetTop, offsetRight, offsetBottom);
}

// Spin ---------------------------------------------------------------------------------------------

void PieRadarChartViewBase::spin(double duration, double fromAngle, double toAngle, EasingFunction easing) {
    if (spinAnimator_) spinAnimator_->stop();
    finishedSpinAnimator_.reset();
    spinAnimator_ = std::make_shared<Animator>();
    const std::weak_ptr<PieRadarChartViewBase> weak = std::shared_ptr<PieRadarChartViewBase>(shared_from_this(), this);
    const Animator* animator = spinAnimator_.get();
    spinAnimator_->setUpdateBlock([weak, animator, fromAngle, toAngle] {
        if (auto self = weak.lock()) self->setRotationAngle(fromAngle + (toAngle - fromAngle) * animator->phaseX());
    });
    spinAnimator_->setStopBlock([weak, animator] {
        auto self = weak.lock();
        if (self && self->spinAnimator_.get() == animator) self->finishedSpinAnimator_ = std::move(self->spinAnimator_);
    });
    spinAnimator_->animateX(duration, std::move(easing));
}

void PieRadarChartViewBase::spin(double duration, double fromAngle, double toAngle, ChartEasingOption easingOption) {
    spin(duration, fromAngle, toAngle, easingFunctionFromOption(easingOption));
}

void PieRadarChartViewBase::spin(double duration, double fromAngle, double toAngle) {
    spin(duration, fromAngle, toAngle, EasingFunction{});
}

void PieRadarChartViewBase::stopSpinAnimation() {
    if (spinAnimator_) spinAnimator_->stop();
}

// Touch rotation -----------------------------------------------------------------------------------

void PieRadarChartViewBase::sampleVelocity(kit::Point touchLocation) {
    const double now = kit::mediaTime();
    const double angle = angleForPoint(touchLocation.x, touchLocation.y);
    // A touch on the centre has no angle; it would turn every later velocity into NaN.
    if (std::isnan(angle)) return;
    while (velocitySamples_.size() > 2 && now - velocitySamples_.front().time > 1.0) {
        velocitySamples_.erase(velocitySamples_.begin());
    }
    velocitySamples_.push_back({now, angle});
}

double PieRadarChartViewBase::calcAngularVelocity() const {
    if (velocitySamples_.empty()) return 0.0;
    AngularVelocitySample first = velocitySamples_.front();
    AngularVelocitySample last = velocitySamples_.back();
    AngularVelocitySample beforeLast = first;
    for (auto it = velocitySamples_.rbegin(); it != velocitySamples_.rend(); ++it) {
        if (it->angle != last.angle) {
            beforeLast = *it;
            break;
        }
    }
    double timeDelta = last.time - first.time;
    if (timeDelta == 0.0) timeDelta = 0.1;
    bool clockwise = beforeLast.angle <= last.angle;
    if (std::fabs(last.angle - beforeLast.angle) > 270.0) clockwise = !clockwise;
    if (last.angle - first.angle > 180.0) first.angle += 360.0;
    else if (first.angle - last.angle > 180.0) last.angle += 360.0;
    const double velocity = std::fabs((last.angle - first.angle) / timeDelta);
    return clockwise ? velocity : -velocity;
}

void PieRadarChartViewBase::nsuiTouchesBegan(const kit::TouchSet& touches, const kit::Event& event) {
    if (rotationEnabled_) {
        stopDeceleration();
        if (!rotationWithTwoFingers_ && !touches.empty()) {
            const kit::Point p = touches.front()->locationIn(this);
            const double angle = angleForPoint(p.x, p.y);
            resetVelocity();
            if (!std::isnan(angle)) {
                sampleVelocity(p);
                startAngle_ = angle - rotationAngle();
                rotationGestureStartPoint_ = p;
            }
        }
    }
    if (!isRotating_) ChartViewBase::nsuiTouchesBegan(touches, event);
}

void PieRadarChartViewBase::nsuiTouchesMoved(const kit::TouchSet& touches, const kit::Event& event) {
    if (rotationEnabled_ && !rotationWithTwoFingers_ && !touches.empty()) {
        const kit::Point p = touches.front()->locationIn(this);
        const double angle = angleForPoint(p.x, p.y);
        if (!std::isnan(angle)) {
            if (isDragDecelerationEnabled()) sampleVelocity(p);
            // Rotation switched on in the middle of a touch: this point is where it starts.
            if (!rotationGestureStartPoint_) {
                rotationGestureStartPoint_ = p;
                startAngle_ = angle - rotationAngle();
            }
            const double dx = p.x - rotationGestureStartPoint_->x, dy = p.y - rotationGestureStartPoint_->y;
            if (!isRotating_ && std::sqrt(dx * dx + dy * dy) > 8.0) {
                isRotating_ = true;
            } else {
                setRotationAngle(angle - startAngle_);
                setNeedsDisplay();
            }
        }
    }
    if (!isRotating_) ChartViewBase::nsuiTouchesMoved(touches, event);
}

void PieRadarChartViewBase::nsuiTouchesEnded(const kit::TouchSet& touches, const kit::Event& event) {
    if (!isRotating_) ChartViewBase::nsuiTouchesEnded(touches, event);
    if (rotationEnabled_ && !rotationWithTwoFingers_ && !touches.empty() && isDragDecelerationEnabled()) {
        stopDeceleration();
        sampleVelocity(touches.front()->locationIn(this));
        decelerationAngularVelocity_ = calcAngularVelocity();
        if (decelerationAngularVelocity_ != 0.0) startDeceleration();
    }
    isRotating_ = false;
}

void PieRadarChartViewBase::nsuiTouchesCancelled(const kit::TouchSet& touches, const kit::Event& event) {
    ChartViewBase::nsuiTouchesCancelled(touches, event);
    isRotating_ = false;
}

void PieRadarChartViewBase::startDeceleration() {
    decelerationLastTime_ = kit::mediaTime();
    const std::weak_ptr<PieRadarChartViewBase> weak = std::shared_ptr<PieRadarChartViewBase>(shared_from_this(), this);
    decelerationDisplayLink_ = kit::DisplayLink::scheduled([weak](kit::DisplayLink&) {
        if (auto self = weak.lock()) self->decelerationLoop();
    });
}

void PieRadarChartViewBase::stopDeceleration() {
    if (!decelerationDisplayLink_) return;
    decelerationDisplayLink_->invalidate();
    decelerationDisplayLink_.reset();
}

void PieRadarChartViewBase::decelerationLoop() {
    const double now = kit::mediaTime();
    decelerationAngularVelocity_ *= dragDecelerationFrictionCoef();
    setRotationAngle(rotationAngle() + decelerationAngularVelocity_ * (now - decelerationLastTime_));
    decelerationLastTime_ = now;
    if (std::fabs(decelerationAngularVelocity_) < 0.001) stopDeceleration();
}

void PieRadarChartViewBase::tapGestureRecognized(kit::GestureRecognizer& recognizer) {
    if (recognizer.state() != kit::GestureRecognizer::State::ended || !isHighLightPerTapEnabled()) return;
    const kit::Point p = recognizer.locationIn(this);
    highlightValue(getHighlightByTouchPoint(p), true);
}

void PieRadarChartViewBase::rotationGestureRecognized(kit::GestureRecognizer& recognizer) {
    auto* rotation = dynamic_cast<kit::RotationGesture*>(&recognizer);
    if (!rotation) return;
    using State = kit::GestureRecognizer::State;
    const State state = recognizer.state();
    if (state == State::began) {
        stopDeceleration();
        startAngle_ = rawRotationAngle();
    }
    if (state == State::began || state == State::changed || state == State::ended) {
        setRotationAngle(startAngle_ + rotation->rotation() * kDegrees);
        setNeedsDisplay();
    }
    if (state == State::ended && isDragDecelerationEnabled()) {
        stopDeceleration();
        decelerationAngularVelocity_ = rotation->velocity() * kDegrees;
        if (decelerationAngularVelocity_ != 0.0) startDeceleration();
    }
}

} // namespace charting
