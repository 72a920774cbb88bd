// Touch behaviour of x/y charts: tap and drag highlighting, double-tap and pinch zoom (and Ctrl +
// wheel, which zooms as a pinch does), panning with an enclosing scroll view kept still, and the
// friction glide after a fling.
#include "charting/bar_line/BarLineChartViewBase.h"
#include "charting/core/NSUIShims.h"
#include "kit/runtime/DisplayLink.h"
#include "kit/runtime/MediaTime.h"
#include "kit/ui/PanGesture.h"
#include "kit/ui/PinchGesture.h"
#include "kit/ui/ScrollView.h"
#include "kit/ui/TapGesture.h"
#include "kit/ui/WheelEvent.h"

#include <algorithm>
#include <cmath>

namespace charting {

using State = kit::GestureRecognizer::State;

// One wheel step scales by this much; a burst of steps in one event is capped.
constexpr double wheelZoomPerStep = 1.1;
constexpr double maxWheelZoomSteps = 10;

bool BarLineChartViewBase::isTouchInverted() const {
    return isAnyAxisInverted() && closestDataSetToTouch_ && getAxis(closestDataSetToTouch_->axisDependency())->isInverted();
}

void BarLineChartViewBase::tapGestureRecognized(kit::TapGesture& recognizer) {
    if (!data() || recognizer.state() != State::ended || !isHighLightPerTapEnabled()) return;
    auto h = getHighlightByTouchPoint(recognizer.locationIn(this));
    if (!h || (lastHighlighted() && h->isEqual(*lastHighlighted()))) {
        setLastHighlighted(std::nullopt);
        highlightValue(std::nullopt, true);
    } else {
        setLastHighlighted(h);
        highlightValue(h, true);
    }
}

void BarLineChartViewBase::doubleTapGestureRecognized(kit::TapGesture& recognizer) {
    auto d = data();
    if (!d || recognizer.state() != State::ended || !doubleTapToZoomEnabled_ || d->entryCount() < 1) return;
    const ViewPortHandler& vp = *viewPortHandler();
    const kit::Point l = recognizer.locationIn(this);
    const double x = l.x - vp.offsetLeft();
    const double y = isTouchInverted() ? -(l.y - vp.offsetTop()) : -((bounds().height() - l.y) - vp.offsetBottom());
    zoom(scaleXEnabled_ ? 1.4 : 1.0, scaleYEnabled_ ? 1.4 : 1.0, x, y);
    if (auto delegate = this->delegate()) delegate->chartScaled(*this, scaleX(), scaleY());
}

void BarLineChartViewBase::pinchGestureRecognized(kit::PinchGesture& recognizer) {
    const State state = recognizer.state();
    if (state == State::began) {
        stopDeceleration();
        pinchRefused_ = !gestureRecognizerShouldBegin(recognizer);
        if (pinchRefused_ || !data()) return;
        if (pinchZoomEnabled_) {
            isScaling_ = true;
            gestureScaleAxis_ = GestureScaleAxis::both;
        } else if (scaleXEnabled_ || scaleYEnabled_) {
            isScaling_ = true;
            if (scaleXEnabled_ == scaleYEnabled_) {
                const kit::Point centroid = recognizer.locationIn(this);
                const kit::Point second = nsuiLocationOfTouch(recognizer, 1, this);
                const double dx = std::abs(centroid.x - second.x), dy = std::abs(centroid.y - second.y);
                gestureScaleAxis_ = dy < dx ? GestureScaleAxis::x : GestureScaleAxis::y;
            } else {
                gestureScaleAxis_ = scaleXEnabled_ ? GestureScaleAxis::x : GestureScaleAxis::y;
            }
        }
        return;
    }
    if (state == State::ended || state == State::cancelled) {
        pinchRefused_ = false;
        if (isScaling_) {
            isScaling_ = false;
            calculateOffsets();
            setNeedsDisplay();
        }
        return;
    }
    if (state != State::changed || !isScaling_) return;

    scaleAbout(recognizer.locationIn(this), recognizer.scale(), gestureScaleAxis_);
    recognizer.setScale(1.0);
}

void BarLineChartViewBase::scaleAbout(kit::Point location, double s, GestureScaleAxis axis) {
    ViewPortHandler& vp = *viewPortHandler();
    const bool out = s < 1;
    const bool axisX = axis == GestureScaleAxis::both || axis == GestureScaleAxis::x;
    const bool axisY = axis == GestureScaleAxis::both || axis == GestureScaleAxis::y;
    const bool canX = (out ? vp.canZoomOutMoreX() : vp.canZoomInMoreX()) && scaleXEnabled_ && axisX;
    const bool canY = (out ? vp.canZoomOutMoreY() : vp.canZoomInMoreY()) && scaleYEnabled_ && axisY;
    if (!canX && !canY) return;
    const double x = location.x - vp.offsetLeft();
    const double y = isTouchInverted() ? location.y - vp.offsetTop() : (vp.chartHeight() - location.y) - vp.offsetBottom();
    const double sx = canX ? s : 1.0;
    const double sy = canY ? s : 1.0;
    const kit::AffineTransform m =
        kit::AffineTransform::identity().translated(x, -y).scaled(sx, sy).translated(-x, y);
    vp.refresh(vp.touchMatrix().concat(m), *this, true);
    if (auto delegate = this->delegate()) delegate->chartScaled(*this, sx, sy);
}

bool BarLineChartViewBase::scrollWheel(const kit::WheelEvent& event) {
    // Ctrl + wheel is the desktop's pinch: the pinch settings decide, the pointer is the centre.
    if (!event.control || !data() || !(pinchZoomEnabled_ || scaleXEnabled_ || scaleYEnabled_)) return false;
    stopDeceleration();
    double steps = event.unit == kit::WheelEvent::Unit::lines ? event.delta.y : event.delta.y / kit::ScrollView::wheelLineHeight;
    steps = std::clamp(steps, -maxWheelZoomSteps, maxWheelZoomSteps);
    // Turning the wheel away from the user (content towards its start) zooms in.
    const double s = std::pow(wheelZoomPerStep, -steps);
    if (s == 1.0) return true;
    const GestureScaleAxis axis = pinchZoomEnabled_ || scaleXEnabled_ == scaleYEnabled_ ? GestureScaleAxis::both
                                  : scaleXEnabled_                                        ? GestureScaleAxis::x
                                                                                          : GestureScaleAxis::y;
    scaleAbout(convertPointFrom(event.location, nullptr), s, axis);
    calculateOffsets();
    setNeedsDisplay();
    return true;
}

void BarLineChartViewBase::panGestureRecognized(kit::PanGesture& recognizer) {
    const State state = recognizer.state();
    if (state == State::began && recognizer.numberOfTouches() > 0) {
        stopDeceleration();
        panRefused_ = !gestureRecognizerShouldBegin(recognizer);
        if (panRefused_ || !data() || !isDragEnabled()) return;
        auto scroll = outerScrollView_.lock();
        if (hasNoDragOffset() && isFullyZoomedOut()) {
            if (!highlightPerDragEnabled_) return;
            isDragging_ = false;
            if (scroll) nsuiSetScrollEnabled(*scroll, false);
        } else {
            isDragging_ = true;
            closestDataSetToTouch_ = getDataSetByTouchPoint(nsuiLocationOfTouch(recognizer, 0, this));
            kit::Point t = recognizer.translationIn(this);
            if (!dragXEnabled_) t.x = 0;
            else if (!dragYEnabled_) t.y = 0;
            const bool still = t.x == 0 && t.y == 0;
            if (!still && !performPanChange(t)) {
                if (scroll) {
                    outerScrollView_.reset();
                    isDragging_ = false;
                }
            } else if (scroll) {
                nsuiSetScrollEnabled(*scroll, false);
            }
        }
        lastPanPoint_ = recognizer.translationIn(this);
        return;
    }
    if (panRefused_) {
        if (state == State::ended || state == State::cancelled) panRefused_ = false;
        return;
    }
    if (state == State::changed) {
        if (isDragging_) {
            const kit::Point t = recognizer.translationIn(this);
            kit::Point d{t.x - lastPanPoint_.x, t.y - lastPanPoint_.y};
            if (!dragXEnabled_) d.x = 0;
            else if (!dragYEnabled_) d.y = 0;
            performPanChange(d);
            lastPanPoint_ = t;
        } else if (highlightPerDragEnabled_) {
            auto h = getHighlightByTouchPoint(recognizer.locationIn(this));
            const auto& last = lastHighlighted();
            if ((!h && !last) || (h && last && h->isEqual(*last))) return;
            setLastHighlighted(h);
            highlightValue(h, true);
        }
        return;
    }
    if (state == State::ended || state == State::cancelled) {
        if (isDragging_) {
            if (state == State::ended && isDragDecelerationEnabled()) startDeceleration(recognizer.velocityIn(this));
            isDragging_ = false;
        }
        if (auto scroll = outerScrollView_.lock()) {
            nsuiSetScrollEnabled(*scroll, true);
            outerScrollView_.reset();
        }
        if (auto delegate = this->delegate()) delegate->chartViewDidEndPanning(*this);
    }
}

bool BarLineChartViewBase::performPanChange(kit::Point translation) {
    double dx = translation.x, dy = translation.y;
    if (isTouchInverted()) {
        if (pansInvertedAlongX()) dx = -dx;
        else dy = -dy;
    }
    ViewPortHandler& vp = *viewPortHandler();
    const kit::AffineTransform before = vp.touchMatrix();
    const kit::AffineTransform proposed = kit::AffineTransform::translation(dx, dy).concat(before);
    const kit::AffineTransform matrix = vp.refresh(proposed, *this, true);
    if (!(matrix == before)) {
        if (auto delegate = this->delegate()) delegate->chartTranslated(*this, dx, dy);
    }
    return matrix.tx != before.tx || matrix.ty != before.ty;
}

void BarLineChartViewBase::startDeceleration(kit::Point velocity) {
    stopDeceleration();
    decelerationLastTime_ = kit::mediaTime();
    // A glide must not move the chart along an axis the finger may not drag it.
    if (!dragXEnabled_) velocity.x = 0;
    if (!dragYEnabled_) velocity.y = 0;
    decelerationVelocity_ = velocity;
    std::weak_ptr<kit::View> weak = weak_from_this();
    decelerationDisplayLink_ = kit::DisplayLink::scheduled([weak](kit::DisplayLink&) {
        if (auto view = std::static_pointer_cast<BarLineChartViewBase>(weak.lock())) view->decelerationLoop();
    });
}

void BarLineChartViewBase::stopDeceleration() {
    if (!decelerationDisplayLink_) return;
    decelerationDisplayLink_->invalidate();
    decelerationDisplayLink_.reset();
}

void BarLineChartViewBase::decelerationLoop() {
    const double now = kit::mediaTime();
    const double friction = dragDecelerationFrictionCoef();
    decelerationVelocity_.x *= friction;
    decelerationVelocity_.y *= friction;
    const double dt = now - decelerationLastTime_;
    if (!performPanChange({decelerationVelocity_.x * dt, decelerationVelocity_.y * dt})) decelerationVelocity_ = {0, 0};
    decelerationLastTime_ = now;
    if (std::abs(decelerationVelocity_.x) < 0.001 && std::abs(decelerationVelocity_.y) < 0.001) {
        stopDeceleration();
        calculateOffsets();
        setNeedsDisplay();
    }
}

bool BarLineChartViewBase::gestureRecognizerShouldBegin(kit::GestureRecognizer& recognizer) {
    if (&recognizer == panGestureRecognizer_.get()) {
        const kit::Point v = panGestureRecognizer_->velocityIn(this);
        if (!data() || !isDragEnabled()) return false;
        if (hasNoDragOffset() && isFullyZoomedOut() && !highlightPerDragEnabled_) return false;
        if (!dragYEnabled_ && std::abs(v.x) < std::abs(v.y)) return false;
        if (!dragXEnabled_ && std::abs(v.y) < std::abs(v.x)) return false;
        return true;
    }
    if (&recognizer == pinchGestureRecognizer_.get()) {
        if (!data()) return false;
        return pinchZoomEnabled_ || scaleXEnabled_ || scaleYEnabled_;
    }
    return true;
}

bool BarLineChartViewBase::gestureRecognizerShouldRecognizeSimultaneously(kit::GestureRecognizer& recognizer,
                                                                          kit::GestureRecognizer& other) {
    const bool gPinch = dynamic_cast<kit::PinchGesture*>(&recognizer) != nullptr;
    const bool gPan = dynamic_cast<kit::PanGesture*>(&recognizer) != nullptr;
    const bool oPinch = dynamic_cast<kit::PinchGesture*>(&other) != nullptr;
    const bool oPan = dynamic_cast<kit::PanGesture*>(&other) != nullptr;
    if (gPinch && oPan) return true;
    if (!gPan) return false;
    if (oPinch) return true;
    if (!oPan || &recognizer != panGestureRecognizer_.get()) return false;

    std::shared_ptr<kit::ScrollView> scroll;
    for (auto v = superview(); v; v = v->superview()) {
        if (auto s = std::dynamic_pointer_cast<kit::ScrollView>(v)) {
            scroll = s;
            break;
        }
    }
    if (!scroll) return false;
    if (auto outer = std::dynamic_pointer_cast<kit::ScrollView>(scroll->superview())) scroll = outer;
    if (!nsuiIsScrollEnabled(*scroll)) return false;
    for (const auto& r : nsuiGestureRecognizers(*scroll)) {
        if (!dynamic_cast<kit::PanGesture*>(r.get())) continue;
        if (r.get() != &other) return false;
        outerScrollView_ = scroll;
        return true;
    }
    return false;
}

} // namespace charting
