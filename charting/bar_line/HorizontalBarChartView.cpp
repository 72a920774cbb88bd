#include "charting/bar_line/HorizontalBarChartView.h"

#include "charting/bar_line/BarChartDataEntry.h"
#include "charting/bar_line/BarChartDataSet.h"
#include "charting/bar_line/BarHighlighter.h"
#include "charting/bar_line/HorizontalBarChartRenderer.h"
#include "charting/bar_line/XAxisRendererHorizontalBarChart.h"
#include "charting/bar_line/YAxisRendererHorizontalBarChart.h"
#include "charting/model/Legend.h"
#include "kit/base/Console.h"

#include <algorithm>

namespace charting {

void HorizontalBarChartView::initialize() {
    BarChartView::initialize();
    auto vph = viewPortHandler();
    setLeftAxisTransformer(std::make_shared<TransformerHorizontalBarChart>(vph));
    setRightAxisTransformer(std::make_shared<TransformerHorizontalBarChart>(vph));
    auto self = std::static_pointer_cast<HorizontalBarChartView>(shared_from_this());
    setRenderer(std::make_shared<HorizontalBarChartRenderer>(std::shared_ptr<BarChartDataProvider>(self, self.get()),
                                                             chartAnimator(), vph));
    setLeftYAxisRenderer(std::make_shared<YAxisRendererHorizontalBarChart>(vph, leftAxis(), leftAxisTransformer()));
    setRightYAxisRenderer(std::make_shared<YAxisRendererHorizontalBarChart>(vph, rightAxis(), rightAxisTransformer()));
    setXAxisRenderer(std::make_shared<XAxisRendererHorizontalBarChart>(vph, xAxis(), leftAxisTransformer(), selfProvider()));
    setHighlighter(std::make_shared<HorizontalBarHighlighter>(selfProvider()));
}

void HorizontalBarChartView::calculateLegendOffsets(double& offsetLeft, double& offsetTop, double& offsetRight,
                                                    double& offsetBottom) {
    const Legend& l = *legend();
    if (!l.isEnabled() || l.drawInside() || l.orientation() != Legend::Orientation::horizontal) {
        BarChartView::calculateLegendOffsets(offsetLeft, offsetTop, offsetRight, offsetBottom);
        return;
    }
    const ViewPortHandler& vp = *viewPortHandler();
    const double h = std::min(l.neededHeight(), vp.chartHeight() * l.maxSizePercent());
    switch (l.verticalAlignment()) {
    case Legend::VerticalAlignment::top:
        offsetTop += h + l.yOffset();
        if (leftAxis()->isEnabled() && leftAxis()->isDrawLabelsEnabled()) offsetTop += leftAxis()->getRequiredHeightSpace();
        break;
    case Legend::VerticalAlignment::bottom:
        offsetBottom += h + l.yOffset();
        if (rightAxis()->isEnabled() && rightAxis()->isDrawLabelsEnabled())
            offsetBottom += rightAxis()->getRequiredHeightSpace();
        break;
    default: break;
    }
}

void HorizontalBarChartView::calculateOffsets() {
    // Offsets the caller fixed with setViewPortOffsets stay as they are.
    if (customViewPortEnabled()) {
        prepareOffsetMatrix();
        prepareValuePxMatrix();
        return;
    }
    double offsetLeft = 0, offsetTop = 0, offsetRight = 0, offsetBottom = 0;
    calculateLegendOffsets(offsetLeft, offsetTop, offsetRight, offsetBottom);
    if (leftAxis()->needsOffset()) offsetTop += leftAxis()->getRequiredHeightSpace();
    if (rightAxis()->needsOffset()) offsetBottom += rightAxis()->getRequiredHeightSpace();
    // The x axis labels stand at the left and right, so their width is the room they take.
    const XAxis& x = *xAxis();
    if (x.isEnabled()) addXAxisLabelRoom(x.labelPosition(), x.labelRotatedWidth(), offsetLeft, offsetRight);
    restrainViewPortToOffsets(offsetLeft, offsetTop, offsetRight, offsetBottom);
    prepareOffsetMatrix();
    prepareValuePxMatrix();
}

void HorizontalBarChartView::prepareValuePxMatrix() {
    const XAxis& x = *xAxis();
    rightAxisTransformer()->prepareMatrixValuePx(rightAxis()->axisMinimum(), rightAxis()->axisRange(), x.axisRange(),
                                                 x.axisMinimum());
    leftAxisTransformer()->prepareMatrixValuePx(leftAxis()->axisMinimum(), leftAxis()->axisRange(), x.axisRange(),
                                                x.axisMinimum());
}

kit::Point HorizontalBarChartView::getMarkerPosition(const Highlight& highlight) {
    return {highlight.drawY(), highlight.drawX()};
}

std::optional<kit::Rect> HorizontalBarChartView::getBarBounds(const std::shared_ptr<BarChartDataEntry>& entry) const {
    return pixelBarBounds(entry, [](double x, double y, double half) {
        const double left = y >= 0 ? y : 0, right = y <= 0 ? y : 0;
        return kit::Rect{left, x - half, right - left, 2.0 * half};
    });
}

kit::Point HorizontalBarChartView::getPosition(const ChartDataEntry& entry, AxisDependency axis) const {
    return getTransformer(axis)->pixelForValues(entry.y(), entry.x());
}

std::optional<Highlight> HorizontalBarChartView::getHighlightByTouchPoint(kit::Point point) {
    if (!data()) {
        kit::print("Can't select by touch. No data set.");
        return std::nullopt;
    }
    if (!highlighter()) return std::nullopt;
    return highlighter()->getHighlight(point.y, point.x);
}

double HorizontalBarChartView::lowestVisibleX() const {
    const ViewPortHandler& vp = *viewPortHandler();
    const kit::Point p = leftAxisTransformer()->valueForTouchPoint(vp.contentLeft(), vp.contentBottom());
    return std::max(xAxis()->axisMinimum(), p.y);
}

double HorizontalBarChartView::highestVisibleX() const {
    const ViewPortHandler& vp = *viewPortHandler();
    const kit::Point p = leftAxisTransformer()->valueForTouchPoint(vp.contentLeft(), vp.contentTop());
    return std::min(xAxis()->axisMaximum(), p.y);
}

void HorizontalBarChartView::setVisibleXRangeMaximum(double maxXRange) {
    viewPortHandler()->setMinimumScaleY(xAxis()->axisRange() / maxXRange);
}

void HorizontalBarChartView::setVisibleXRangeMinimum(double minXRange) {
    viewPortHandler()->setMaximumScaleY(xAxis()->axisRange() / minXRange);
}

void HorizontalBarChartView::setVisibleXRange(double minXRange, double maxXRange) {
    const double range = xAxis()->axisRange();
    viewPortHandler()->setMinMaxScaleY(range / maxXRange, range / minXRange);
}

void HorizontalBarChartView::setVisibleYRangeMaximum(double maxYRange, AxisDependency axis) {
    viewPortHandler()->setMinimumScaleX(getAxisRange(axis) / maxYRange);
}

void HorizontalBarChartView::setVisibleYRangeMinimum(double minYRange, AxisDependency axis) {
    viewPortHandler()->setMaximumScaleX(getAxisRange(axis) / minYRange);
}

void HorizontalBarChartView::setVisibleYRange(double minYRange, double maxYRange, AxisDependency axis) {
    const double range = getAxisRange(axis);
    viewPortHandler()->setMinMaxScaleX(range / maxYRange, range / minYRange);
}

} // namespace charting
