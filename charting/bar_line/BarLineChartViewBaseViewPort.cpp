// Programmatic zoom, move and visible-range control of x/y charts, and value/pixel conversions.
#include "charting/bar_line/AnimatedViewPortJob.h"
#include "charting/bar_line/BarLineChartViewBase.h"
#include "charting/bar_line/MoveViewJob.h"
#include "charting/bar_line/ZoomViewJob.h"
#include "kit/runtime/DispatchQueue.h"
#include "kit/runtime/RunLoop.h"

#include <cmath>

namespace charting {

namespace {
constexpr ChartEasingOption defaultEasing = static_cast<ChartEasingOption>(15); // sine, in and out
}

// Immediate zooms --------------------------------------------------------------------------------

void BarLineChartViewBase::applyZoom(const kit::AffineTransform& matrix) {
    viewPortHandler()->refresh(matrix, *this, false);
    calculateOffsets();
    setNeedsDisplay();
}

void BarLineChartViewBase::zoomIn() {
    ViewPortHandler& vp = *viewPortHandler();
    const kit::Point c = vp.contentCenter();
    applyZoom(vp.zoomIn(c.x, -c.y));
}

void BarLineChartViewBase::zoomOut() {
    ViewPortHandler& vp = *viewPortHandler();
    const kit::Point c = vp.contentCenter();
    applyZoom(vp.zoomOut(c.x, -c.y));
}

void BarLineChartViewBase::resetZoom() { applyZoom(viewPortHandler()->resetZoom()); }

void BarLineChartViewBase::zoom(double scaleX, double scaleY, double x, double y) {
    applyZoom(viewPortHandler()->zoom(scaleX, scaleY, x, -y));
}

void BarLineChartViewBase::zoomToCenter(double scaleX, double scaleY) {
    ViewPortHandler& vp = *viewPortHandler();
    const kit::Point p = centerOffsets();
    vp.refresh(vp.zoom(scaleX, scaleY, p.x, -p.y), *this, false);
}

void BarLineChartViewBase::fitScreen() { applyZoom(viewPortHandler()->fitScreen()); }

// Jobs -------------------------------------------------------------------------------------------

void BarLineChartViewBase::zoom(double scaleX, double scaleY, double xValue, double yValue, AxisDependency axis) {
    auto self = std::static_pointer_cast<BarLineChartViewBase>(shared_from_this());
    addViewportJob(std::make_shared<ZoomViewJob>(*viewPortHandler(), scaleX, scaleY, xValue, yValue,
                                                 *getTransformer(axis), axis, self));
}

void BarLineChartViewBase::zoomAndCenterViewAnimated(double scaleX, double scaleY, double xValue, double yValue,
                                                     AxisDependency axis, double duration, EasingFunction easing) {
    ViewPortHandler& vp = *viewPortHandler();
    const kit::Point origin = valueForTouchPoint({vp.contentLeft(), vp.contentTop()}, axis);
    auto self = std::static_pointer_cast<ChartViewBase>(shared_from_this());
    addViewportJob(std::make_shared<AnimatedZoomViewJob>(vp, *getTransformer(axis), self, getAxis(axis),
                                                         xAxis()->axisRange(), scaleX, scaleY, vp.scaleX(), vp.scaleY(),
                                                         xValue, yValue, origin.x, origin.y, duration,
                                                         std::move(easing)));
}

void BarLineChartViewBase::zoomAndCenterViewAnimated(double scaleX, double scaleY, double xValue, double yValue,
                                                     AxisDependency axis, double duration,
                                                     ChartEasingOption easingOption) {
    zoomAndCenterViewAnimated(scaleX, scaleY, xValue, yValue, axis, duration, easingFunctionFromOption(easingOption));
}

void BarLineChartViewBase::zoomAndCenterViewAnimated(double scaleX, double scaleY, double xValue, double yValue,
                                                     AxisDependency axis, double duration) {
    zoomAndCenterViewAnimated(scaleX, scaleY, xValue, yValue, axis, duration, defaultEasing);
}

// Scale limits and visible ranges ----------------------------------------------------------------

void BarLineChartViewBase::setScaleMinima(double scaleX, double scaleY) {
    viewPortHandler()->setMinimumScaleX(scaleX);
    viewPortHandler()->setMinimumScaleY(scaleY);
}

double BarLineChartViewBase::visibleXRange() const { return std::abs(highestVisibleX() - lowestVisibleX()); }

void BarLineChartViewBase::setVisibleXRangeMaximum(double maxXRange) {
    viewPortHandler()->setMinimumScaleX(xAxis()->axisRange() / maxXRange);
}

void BarLineChartViewBase::setVisibleXRangeMinimum(double minXRange) {
    viewPortHandler()->setMaximumScaleX(xAxis()->axisRange() / minXRange);
}

void BarLineChartViewBase::setVisibleXRange(double minXRange, double maxXRange) {
    const double range = xAxis()->axisRange();
    viewPortHandler()->setMinMaxScaleX(range / maxXRange, range / minXRange);
}

void BarLineChartViewBase::setVisibleYRangeMaximum(double maxYRange, AxisDependency axis) {
    viewPortHandler()->setMinimumScaleY(getAxisRange(axis) / maxYRange);
}

void BarLineChartViewBase::setVisibleYRangeMinimum(double minYRange, AxisDependency axis) {
    viewPortHandler()->setMaximumScaleY(getAxisRange(axis) / minYRange);
}

void BarLineChartViewBase::setVisibleYRange(double minYRange, double maxYRange, AxisDependency axis) {
    const double range = getAxisRange(axis);
    viewPortHandler()->setMinMaxScaleY(range / maxYRange, range / minYRange);
}

double BarLineChartViewBase::getAxisRange(AxisDependency axis) const { return getAxis(axis)->axisRange(); }

// Moves ------------------------------------------------------------------------------------------

void BarLineChartViewBase::moveViewToX(double xValue) {
    auto self = std::static_pointer_cast<ChartViewBase>(shared_from_this());
    addViewportJob(std::make_shared<MoveViewJob>(*viewPortHandler(), xValue, 0.0,
                                                 *getTransformer(AxisDependency::left), self));
}

void BarLineChartViewBase::moveViewToY(double yValue, AxisDependency axis) {
    const double yInView = getAxisRange(axis) / viewPortHandler()->scaleY();
    auto self = std::static_pointer_cast<ChartViewBase>(shared_from_this());
    addViewportJob(std::make_shared<MoveViewJob>(*viewPortHandler(), 0.0, yValue + yInView / 2.0, *getTransformer(axis),
                                                 self));
}

void BarLineChartViewBase::moveViewTo(double xValue, double yValue, AxisDependency axis) {
    const double yInView = getAxisRange(axis) / viewPortHandler()->scaleY();
    auto self = std::static_pointer_cast<ChartViewBase>(shared_from_this());
    addViewportJob(std::make_shared<MoveViewJob>(*viewPortHandler(), xValue, yValue + yInView / 2.0,
                                                 *getTransformer(axis), self));
}

void BarLineChartViewBase::centerViewTo(double xValue, double yValue, AxisDependency axis) {
    const double yInView = getAxisRange(axis) / viewPortHandler()->scaleY();
    const double xInView = xAxis()->axisRange() / viewPortHandler()->scaleX();
    auto self = std::static_pointer_cast<ChartViewBase>(shared_from_this());
    addViewportJob(std::make_shared<MoveViewJob>(*viewPortHandler(), xValue - xInView / 2.0, yValue + yInView / 2.0,
                                                 *getTransformer(axis), self));
}

void BarLineChartViewBase::moveViewToAnimated(double xValue, double yValue, AxisDependency axis, double duration,
                                              EasingFunction easing) {
    ViewPortHandler& vp = *viewPortHandler();
    const kit::Point origin = valueForTouchPoint({vp.contentLeft(), vp.contentTop()}, axis);
    const double yInView = getAxisRange(axis) / vp.scaleY();
    auto self = std::static_pointer_cast<ChartViewBase>(shared_from_this());
    addViewportJob(std::make_shared<AnimatedMoveViewJob>(vp, xValue, yValue + yInView / 2.0, *getTransformer(axis), self,
                                                         origin.x, origin.y, duration, std::move(easing)));
}

void BarLineChartViewBase::moveViewToAnimated(double xValue, double yValue, AxisDependency axis, double duration,
                                              ChartEasingOption easingOption) {
    moveViewToAnimated(xValue, yValue, axis, duration, easingFunctionFromOption(easingOption));
}

void BarLineChartViewBase::moveViewToAnimated(double xValue, double yValue, AxisDependency axis, double duration) {
    moveViewToAnimated(xValue, yValue, axis, duration, defaultEasing);
}

void BarLineChartViewBase::centerViewToAnimated(double xValue, double yValue, AxisDependency axis, double duration,
                                                EasingFunction easing) {
    ViewPortHandler& vp = *viewPortHandler();
    const kit::Point origin = valueForTouchPoint({vp.contentLeft(), vp.contentTop()}, axis);
    const double yInView = getAxisRange(axis) / vp.scaleY();
    const double xInView = xAxis()->axisRange() / vp.scaleX();
    auto self = std::static_pointer_cast<ChartViewBase>(shared_from_this());
    addViewportJob(std::make_shared<AnimatedMoveViewJob>(vp, xValue - xInView / 2.0, yValue + yInView / 2.0,
                                                         *getTransformer(axis), self, origin.x, origin.y, duration,
                                                         std::move(easing)));
}

void BarLineChartViewBase::centerViewToAnimated(double xValue, double yValue, AxisDependency axis, double duration,
                                                ChartEasingOption easingOption) {
    centerViewToAnimated(xValue, yValue, axis, duration, easingFunctionFromOption(easingOption));
}

void BarLineChartViewBase::centerViewToAnimated(double xValue, double yValue, AxisDependency axis, double duration) {
    centerViewToAnimated(xValue, yValue, axis, duration, defaultEasing);
}

// View-port offsets ------------------------------------------------------------------------------

void BarLineChartViewBase::setViewPortOffsets(double left, double top, double right, double bottom) {
    customViewPortEnabled_ = true;
    if (kit::RunLoop::main().isMainThread()) {
        viewPortHandler()->restrainViewPort(left, top, right, bottom);
        prepareOffsetMatrix();
        prepareValuePxMatrix();
        return;
    }
    std::weak_ptr<kit::View> weak = weak_from_this();
    kit::DispatchQueue::main().async([weak, left, top, right, bottom] {
        if (auto view = std::static_pointer_cast<BarLineChartViewBase>(weak.lock()))
            view->setViewPortOffsets(left, top, right, bottom);
    });
}

void BarLineChartViewBase::resetViewPortOffsets() {
    customViewPortEnabled_ = false;
    calculateOffsets();
}

// Conversions ------------------------------------------------------------------------------------

kit::Point BarLineChartViewBase::valueForTouchPoint(kit::Point point, AxisDependency axis) const {
    return getTransformer(axis)->valueForTouchPoint(point);
}

kit::Point BarLineChartViewBase::pixelForValues(double x, double y, AxisDependency axis) const {
    return getTransformer(axis)->pixelForValues(x, y);
}

kit::Point BarLineChartViewBase::getPosition(const ChartDataEntry& entry, AxisDependency axis) const {
    kit::Point p{entry.x(), entry.y()};
    getTransformer(axis)->convertPointToPixel(p);
    return p;
}

EntryPtr BarLineChartViewBase::getEntryByTouchPoint(kit::Point point) {
    auto h = getHighlightByTouchPoint(point);
    auto d = data();
    if (!h || !d) return nullptr;
    return d->entryForHighlight(*h);
}

std::shared_ptr<BarLineScatterCandleBubbleChartDataSet> BarLineChartViewBase::getDataSetByTouchPoint(kit::Point point) {
    auto h = getHighlightByTouchPoint(point);
    auto d = data();
    if (!h || !d) return nullptr;
    return std::dynamic_pointer_cast<BarLineScatterCandleBubbleChartDataSet>(d->dataSet(h->dataSetIndex()));
}

} // namespace charting
