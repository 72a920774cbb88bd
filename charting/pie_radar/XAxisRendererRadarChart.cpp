#include "charting/pie_radar/XAxisRendererRadarChart.h"

#include "charting/core/ChartUtils.h"
#include "charting/pie_radar/CircleGeometry.h"
#include "charting/pie_radar/RadarChartView.h"

#include <cmath>
#include <numbers>

namespace charting {

XAxisRendererRadarChart::XAxisRendererRadarChart(std::shared_ptr<ViewPortHandler> viewPortHandler,
                                                 std::shared_ptr<XAxis> axis, const std::shared_ptr<RadarChartView>& chart)
    : XAxisRenderer(std::move(viewPortHandler), std::move(axis), nullptr), chart_(chart) {}

void XAxisRendererRadarChart::renderAxisLabels(kit::Context& context) {
    const auto chart = this->chart();
    XAxis& xAxis = axis();
    if (!chart || !xAxis.isEnabled() || !xAxis.isDrawLabelsEnabled()) return;
    const auto data = chart->data();
    const DataSetPtr longest = data ? data->maxEntryCountSet() : nullptr;
    if (!longest) return;
    const double angleRadians = xAxis.labelRotationAngle() * std::numbers::pi / 180.0;
    const double sliceAngle = chart->sliceAngle(), factor = chart->factor();
    const kit::Point center = chart->centerOffsets();
    const kit::TextAttributes attributes{xAxis.labelFont(), xAxis.labelTextColor(), std::nullopt};
    const auto formatter = xAxis.valueFormatter();
    for (std::int64_t i = 0; i < longest->entryCount(); ++i) {
        const std::string label = formatter ? formatter->stringForValue(static_cast<double>(i), &xAxis) : std::string();
        const double angle = std::fmod(sliceAngle * static_cast<double>(i) + chart->rotationAngle(), 360.0);
        const double distance = chart->yRange() * factor + xAxis.labelRotatedWidth() / 2.0;
        const kit::Point p = onCircle(center, distance, angle);
        drawLabel(context, label, p.x, p.y - xAxis.labelRotatedHeight() / 2.0, attributes, kit::Point{0.5, 0.25},
                  angleRadians);
    }
}

void XAxisRendererRadarChart::drawLabel(kit::Context& context, const std::string& formattedLabel, double x, double y,
                                        const kit::TextAttributes& attributes, kit::Point anchor, double angleRadians) {
    charting::drawText(context, formattedLabel, kit::Point{x, y}, anchor, angleRadians, attributes);
}

} // namespace charting
