#include "charting/pie_radar/RadarChartView.h"

#include "charting/pie_radar/RadarChartRenderer.h"
#include "charting/pie_radar/RadarHighlighter.h"
#include "charting/pie_radar/XAxisRendererRadarChart.h"
#include "charting/pie_radar/YAxisRendererRadarChart.h"
#include "kit/graphics/Context.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace charting {

void RadarChartView::initialize() {
    PieRadarChartViewBase::initialize();
    yAxis_ = std::make_shared<YAxis>(AxisDependency::left);
    yAxis_->setLabelXOffset(10.0);
    const std::shared_ptr<RadarChartView> self(shared_from_this(), this);
    setRenderer(std::make_shared<RadarChartRenderer>(self, chartAnimator(), viewPortHandler()));
    yAxisRenderer_ = std::make_shared<YAxisRendererRadarChart>(viewPortHandler(), yAxis_, self);
    xAxisRenderer_ = std::make_shared<XAxisRendererRadarChart>(viewPortHandler(), xAxis(), self);
    setHighlighter(std::make_shared<RadarHighlighter>(self));
}

void RadarChartView::calcMinMax() {
    const auto d = data();
    if (!d) return;
    yAxis_->calculate(d->getYMin(AxisDependency::left), d->getYMax(AxisDependency::left));
    const DataSetPtr longest = d->maxEntryCountSet();
    xAxis()->calculate(0.0, longest ? static_cast<double>(longest->entryCount()) : 0.0);
}

void RadarChartView::notifyDataSetChanged() {
    calcMinMax();
    yAxisRenderer_->computeAxis(yAxis_->axisMinimum(), yAxis_->axisMaximum(), yAxis_->isInverted());
    xAxisRenderer_->computeAxis(xAxis()->axisMinimum(), xAxis()->axisMaximum(), false);
    if (auto d = data(); d && !legend()->isLegendCustom()) legendRenderer()->computeLegend(*d);
    calculateOffsets();
    setNeedsDisplay();
}

void RadarChartView::drawRect(kit::Context& context, const kit::Rect& rect) {
    ChartViewBase::drawRect(context, rect);
    if (!data() || !renderer()) return;
    ChartDataRenderer& r = *renderer();
    XAxis& x = *xAxis();
    if (x.isEnabled()) xAxisRenderer_->computeAxis(x.axisMinimum(), x.axisMaximum(), false);
    xAxisRenderer_->renderAxisLabels(context);
    if (drawWeb_) r.drawExtras(context);
    if (yAxis_->isEnabled() && yAxis_->isDrawLimitLinesBehindDataEnabled()) yAxisRenderer_->renderLimitLines(context);
    r.drawData(context);
    if (valuesToHighlight()) r.drawHighlighted(context, highlighted());
    if (yAxis_->isEnabled() && !yAxis_->isDrawLimitLinesBehindDataEnabled()) yAxisRenderer_->renderLimitLines(context);
    yAxisRenderer_->renderAxisLabels(context);
    r.drawValues(context);
    legendRenderer()->renderLegend(context);
    drawDescription(context);
    drawMarkers(context);
}

double RadarChartView::factor() const { return radius() / yAxis_->axisRange(); }

double RadarChartView::sliceAngle() const {
    const auto d = data();
    const DataSetPtr longest = d ? d->maxEntryCountSet() : nullptr;
    const double n = longest ? static_cast<double>(longest->entryCount()) : 0.0;
    return n == 0.0 ? std::numeric_limits<double>::infinity() : 360.0 / n;
}

double RadarChartView::radius() const {
    const kit::Rect content = viewPortHandler()->contentRect();
    return std::min(content.width() / 2.0, content.height() / 2.0);
}

int RadarChartView::indexForAngle(double angle) const {
    const double a = normalizedAngle(angle - rotationAngle());
    const auto d = data();
    const DataSetPtr longest = d ? d->maxEntryCountSet() : nullptr;
    if (!longest) return 0;
    const double s = sliceAngle();
    for (std::int64_t i = 0; i < longest->entryCount(); ++i) {
        if (a < s * static_cast<double>(i + 1) - s / 2.0) return static_cast<int>(i);
    }
    return 0;
}

double RadarChartView::requiredLegendOffset() const { return legend()->font().pointSize() * 4.0; }

double RadarChartView::requiredBaseOffset() const {
    const XAxis& x = *xAxis();
    return x.isEnabled() && x.isDrawLabelsEnabled() ? x.labelRotatedWidth() : 10.0;
}

} // namespace charting
