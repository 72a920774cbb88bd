#include "charting/pie_radar/YAxisRendererRadarChart.h"

#include "charting/core/ChartUtils.h"
#include "charting/core/XAxisRenderer.h"
#include "charting/model/LimitLine.h"
#include "charting/pie_radar/CircleGeometry.h"
#include "charting/pie_radar/RadarChartView.h"
#include "kit/graphics/Context.h"
#include "kit/graphics/Text.h"

#include <cmath>
#include <limits>
#include <numbers>

namespace charting {

YAxisRendererRadarChart::YAxisRendererRadarChart(std::shared_ptr<ViewPortHandler> viewPortHandler,
                                                 std::shared_ptr<YAxis> axis, const std::shared_ptr<RadarChartView>& chart)
    : YAxisRenderer(std::move(viewPortHandler), std::move(axis), nullptr), chart_(chart) {}

void YAxisRendererRadarChart::computeAxisValues(double yMin, double yMax) {
    YAxis& axis = this->axis();
    std::vector<double>& entries = axis.entries();
    const int labelCount = axis.labelCount();
    const double range = std::fabs(yMax - yMin);
    const auto giveUp = [&] {
        entries.clear();
        axis.centeredEntries().clear();
    };
    if (labelCount <= 0 || range == 0.0 || !std::isfinite(range)) return giveUp();

    double interval = roundedToNextSignificant(range / labelCount);
    if (axis.isGranularityEnabled()) interval = std::max(interval, axis.granularity());
    // A step of 0 (a range below the number resolution) would count rings without end.
    if (!(interval > 0.0) || !std::isfinite(interval)) return giveUp();
    const double magnitude = roundedToNextSignificant(std::pow(10.0, std::floor(std::log10(interval))));
    const std::int64_t digit = truncToInt(interval / magnitude);
    if (digit > 5 && std::floor(10.0 * magnitude) != 0.0) interval = std::floor(10.0 * magnitude);

    // The stored flag: the reader also wants entries, so a fresh axis would never centre at first.
    const bool centered = axis.centerAxisLabelsFlag();
    entries.clear();
    entries.reserve(static_cast<std::size_t>(labelCount));
    if (axis.isForceLabelsEnabled()) {
        const double step = range / static_cast<double>(labelCount - 1);
        for (int k = 0; k < labelCount; ++k) {
            const double v = yMin + step * k;
            if (!(v < yMin + step * labelCount)) break;
            entries.push_back(v);
        }
    } else {
        double first = interval * std::ceil(yMin / interval);
        if (centered) first -= interval;
        double last = interval * std::floor(yMax / interval) + 0.0;
        if (std::isfinite(last)) last = std::nextafter(last, std::numeric_limits<double>::infinity());
        // Bounded: no sensible range needs more rings than this.
        const std::int64_t cap = 10 * static_cast<std::int64_t>(labelCount) + 2;
        std::int64_t n = centered ? 1 : 0;
        for (std::int64_t k = 0; k < cap && first + static_cast<double>(k) * interval <= last; ++k) ++n;
        // One value more than n: the outer ring lies an interval beyond the largest label.
        const double end = first + interval * static_cast<double>(n + 1);
        for (std::int64_t k = 0; k <= n + 1; ++k) {
            double v = first + static_cast<double>(k) * interval;
            if (!(v < end)) break;
            if (v == 0.0) v = 0.0;
            entries.push_back(v);
        }
    }
    if (entries.empty()) return giveUp();

    axis.setDecimals(interval < 1.0 ? static_cast<int>(std::ceil(-std::log10(interval))) : 0);
    if (centered && entries.size() >= 2) {
        const double offset = (entries[1] - entries[0]) / 2.0;
        std::vector<double> centeredEntries;
        centeredEntries.reserve(entries.size());
        for (const double v : entries) centeredEntries.push_back(v + offset);
        axis.setCenteredEntries(std::move(centeredEntries));
    } else {
        axis.centeredEntries().clear();
    }
    axis.setStoredAxisMinimum(entries.front());
    axis.setStoredAxisMaximum(entries.back());
    axis.setAxisRange(std::fabs(entries.back() - entries.front()));
}

void YAxisRendererRadarChart::renderAxisLabels(kit::Context& context) {
    const auto chart = this->chart();
    YAxis& axis = this->axis();
    if (!chart || !axis.isEnabled() || !axis.isDrawLabelsEnabled()) return;
    const kit::TextAttributes attributes{axis.labelFont(), axis.labelTextColor(), std::nullopt};
    const kit::Point center = chart->centerOffsets();
    const double factor = chart->factor();
    const double lineHeight = axis.labelFont().lineHeight();
    const int from = axis.isDrawBottomYLabelEntryEnabled() ? 0 : 1;
    const int to = axis.isDrawTopYLabelEntryEnabled() ? axis.entryCount() : axis.entryCount() - 1;
    for (int j = from; j < to; ++j) {
        const double r = (axis.entries()[static_cast<std::size_t>(j)] - axis.axisMinimum()) * factor;
        const kit::Point p = onCircle(center, r, chart->rotationAngle());
        const std::string label = axis.getFormattedLabel(j);
        double x = p.x + axis.labelXOffset();
        if (axis.labelAlignment() == kit::TextAlignment::right) x -= kit::measureText(label, attributes).width;
        else if (axis.labelAlignment() == kit::TextAlignment::center) x -= kit::measureText(label, attributes).width / 2.0;
        kit::drawText(context, label, kit::Point{x, p.y - lineHeight}, attributes);
    }
}

void YAxisRendererRadarChart::renderLimitLines(kit::Context& context) {
    const auto chart = this->chart();
    if (!chart || !chart->data() || axis().limitLines().empty()) return;
    kit::SavedState saved(context);
    const double sliceAngle = chart->sliceAngle(), factor = chart->factor();
    const kit::Point center = chart->centerOffsets();
    const DataSetPtr longest = chart->data()->maxEntryCountSet();
    const std::int64_t n = longest ? longest->entryCount() : 0;
    for (const auto& line : axis().limitLines()) {
        if (!line || !line->isEnabled()) continue;
        setLineStroke(context, line->lineColor(), line->lineWidth(), line->lineDashPhase(), line->lineDashLengths());
        const double r = (line->limit() - chart->chartYMin()) * factor;
        context.beginPath();
        for (std::int64_t j = 0; j < n; ++j) {
            const kit::Point p = onCircle(center, r, sliceAngle * static_cast<double>(j) + chart->rotationAngle());
            if (j == 0) context.moveTo(p);
            else context.lineTo(p);
        }
        context.closePath();
        context.strokePath();
    }
}

} // namespace charting
