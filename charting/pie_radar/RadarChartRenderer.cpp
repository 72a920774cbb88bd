#include "charting/pie_radar/RadarChartRenderer.h"

#include "charting/core/ChartUtils.h"
#include "charting/pie_radar/CircleGeometry.h"
#include "charting/pie_radar/RadarChartData.h"
#include "charting/pie_radar/RadarChartDataEntry.h"
#include "charting/pie_radar/RadarChartDataSet.h"
#include "charting/pie_radar/RadarChartView.h"
#include "kit/graphics/Context.h"
#include "kit/graphics/Image.h"
#include "kit/graphics/Path.h"
#include "kit/graphics/Text.h"
#include "kit/text/DoubleText.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace charting {

RadarChartRenderer::RadarChartRenderer(const std::shared_ptr<RadarChartView>& chart, std::shared_ptr<Animator> animator,
                                       std::shared_ptr<ViewPortHandler> viewPortHandler)
    : LineRadarRenderer(std::move(animator), std::move(viewPortHandler)), chart_(chart) {}

void RadarChartRenderer::refreshAccessibilityXLabels(const RadarChartView& chart) {
    accessibilityXLabels_.clear();
    const auto data = chart.data();
    if (!data) return;
    const DataSetPtr longest = data->maxEntryCountSet();
    const std::int64_t n = longest ? longest->entryCount() : 0;
    XAxis& xAxis = *chart.xAxis();
    const auto formatter = xAxis.valueFormatter();
    if (!formatter) return;
    for (std::int64_t i = 0; i < n; ++i) accessibilityXLabels_.push_back(formatter->stringForValue(static_cast<double>(i), &xAxis));
}

void RadarChartRenderer::drawData(kit::Context& context) {
    const auto chart = this->chart();
    if (!chart) return;
    const auto data = std::dynamic_pointer_cast<RadarChartData>(chart->data());
    if (!data) return;
    // The captions follow the data shown now, not the data shown first.
    refreshAccessibilityXLabels(*chart);
    const DataSetPtr longest = data->maxEntryCountSet();
    const std::int64_t mostEntries = longest ? longest->entryCount() : 0;
    accessibleChartElements().clear();
    accessibleChartElements().push_back(createAccessibleHeader(*chart, *data, "Radar Chart"));
    for (const DataSetPtr& set : data->dataSets()) {
        const auto* radar = dynamic_cast<const RadarChartDataSet*>(set.get());
        if (radar && radar->isVisible()) drawDataSet(context, *radar, mostEntries);
    }
}

void RadarChartRenderer::drawDataSet(kit::Context& context, const RadarChartDataSet& dataSet, std::int64_t mostEntries) {
    const auto chart = this->chart();
    if (!chart) return;
    kit::SavedState saved(context);
    const double phaseX = animator().phaseX(), phaseY = animator().phaseY();
    const double sliceAngle = chart->sliceAngle(), factor = chart->factor();
    const kit::Point center = chart->centerOffsets();
    const double yMin = chart->chartYMin(), rotation = chart->rotationAngle();
    const std::int64_t n = dataSet.entryCount();
    const auto data = chart->data();

    const std::string prefix = data->accessibilityEntryLabelPrefix().value_or("Item");
    const std::string setLabel = dataSet.label().value_or("");
    const std::string setDescription =
        setLabel + ". " + std::to_string(n) + " " + prefix + (n == 1 ? "" : "s") + ". ";
    struct Pair {
        std::int64_t index;
        double value;
        std::string caption;
    };
    std::vector<Pair> pairs;
    const std::size_t pairCount = std::min(static_cast<std::size_t>(std::max<std::int64_t>(n, 0)), accessibilityXLabels_.size());
    pairs.reserve(pairCount);
    for (std::size_t i = 0; i < pairCount; ++i) {
        const EntryPtr e = dataSet.entryForIndex(static_cast<std::int64_t>(i));
        pairs.push_back({static_cast<std::int64_t>(i), e ? e->y() : 0.0, accessibilityXLabels_[i]});
    }
    std::stable_sort(pairs.begin(), pairs.end(), [](const Pair& a, const Pair& b) { return a.value > b.value; });
    const std::string suffix = data->accessibilityEntryLabelSuffix().value_or("");

    kit::Path path;
    bool hasCorner = false;
    AccessibilityElements entryElements;
    for (std::int64_t j = 0; j < n; ++j) {
        const EntryPtr e = dataSet.entryForIndex(j);
        if (!e) continue;
        const kit::Point p = onCircle(center, (e->y() - yMin) * factor * phaseY, sliceAngle * static_cast<double>(j) * phaseX + rotation);
        if (std::isnan(p.x)) continue;
        if (!hasCorner) path.moveTo(p);
        else path.lineTo(p);
        hasCorner = true;
        // A corner without a caption gets no element.
        if (static_cast<std::size_t>(j) >= pairs.size()) continue;
        const Pair& pair = pairs[static_cast<std::size_t>(j)];
        auto element = std::make_shared<NSUIAccessibilityElement>(chart->shared_from_this());
        element->setAccessibilityLabel(setLabel + " - " + pair.caption + ": " + kit::text::shortestText(pair.value) + " " + suffix);
        const kit::Point q = onCircle(center, (pair.value - yMin) * factor * phaseY,
                                      sliceAngle * static_cast<double>(pair.index) * phaseX + rotation);
        element->setAccessibilityFrame(kit::Rect{q.x - 22.0, q.y - 22.0, 44.0, 44.0});
        entryElements.push_back(std::move(element));
    }
    if (n < mostEntries) path.lineTo(center);
    path.close();

    if (dataSet.isDrawFilledEnabled()) {
        if (const auto& fill = dataSet.fill()) drawFilledPath(context, path, *fill, dataSet.fillAlpha());
        else drawFilledPath(context, path, dataSet.fillColor(), dataSet.fillAlpha());
    }
    // An opaque fill needs no outline.
    if (!dataSet.isDrawFilledEnabled() || dataSet.fillAlpha() < 1.0) {
        context.setStrokeColor(dataSet.color(0));
        context.setLineWidth(dataSet.lineWidth());
        context.setAlpha(1.0);
        context.beginPath();
        context.addPath(path);
        context.strokePath();
        auto header = std::make_shared<NSUIAccessibilityElement>(chart->shared_from_this());
        header->setAccessibilityLabel(setDescription);
        header->setIsHeader(true);
        header->setAccessibilityFrame(path.boundingBox());
        accessibleChartElements().push_back(std::move(header));
        for (auto& element : entryElements) accessibleChartElements().push_back(std::move(element));
    }
}

void RadarChartRenderer::drawValues(kit::Context& context) {
    const auto chart = this->chart();
    if (!chart || !chart->data()) return;
    const auto data = chart->data();
    const double phaseX = animator().phaseX(), phaseY = animator().phaseY();
    const double sliceAngle = chart->sliceAngle(), factor = chart->factor();
    const kit::Point center = chart->centerOffsets();
    const double yMin = chart->chartYMin(), rotation = chart->rotationAngle();
    const auto& sets = data->dataSets();
    for (std::size_t i = 0; i < sets.size(); ++i) {
        const auto* set = dynamic_cast<const RadarChartDataSet*>(sets[i].get());
        if (!set || !shouldDrawValues(*set)) continue;
        const double angleRadians = set->valueLabelAngle() * std::numbers::pi / 180.0;
        const auto formatter = set->valueFormatter();
        for (std::int64_t j = 0; j < set->entryCount(); ++j) {
            const EntryPtr e = set->entryForIndex(j);
            if (!e) continue;
            const double angle = sliceAngle * static_cast<double>(j) * phaseX + rotation;
            const kit::Point p = onCircle(center, (e->y() - yMin) * factor * phaseY, angle);
            if (set->isDrawValuesEnabled()) {
                const std::string text = formatter->stringForValue(e->y(), *e, static_cast<int>(i), &viewPortHandler());
                const kit::TextAttributes attributes{set->valueFont(), set->valueTextColorAt(j), std::nullopt};
                const double w = kit::measureText(text, attributes).width;
                const kit::Point at{p.x - w / 2.0, p.y - 5.0 - set->valueFont().lineHeight()};
                if (angleRadians == 0.0) kit::drawText(context, text, at, attributes);
                else charting::drawText(context, text, at, kit::Point{0.5, 0.5}, angleRadians, attributes);
            }
            if (const auto icon = e->icon(); icon && set->isDrawIconsEnabled()) {
                const kit::Point offset = set->iconsOffset();
                kit::Point q = onCircle(center, e->y() * factor * phaseY + offset.y, angle);
                q.y += offset.x;
                drawImage(context, icon, q, icon->size());
            }
        }
    }
}

void RadarChartRenderer::drawWeb(kit::Context& context) {
    const auto chart = this->chart();
    if (!chart || !chart->data()) return;
    const auto data = chart->data();
    const double sliceAngle = chart->sliceAngle(), factor = chart->factor(), rotation = chart->rotationAngle();
    const kit::Point center = chart->centerOffsets();
    const double yMin = chart->chartYMin();
    kit::SavedState saved(context);

    context.setLineWidth(chart->webLineWidth());
    context.setStrokeColor(chart->webColor());
    context.setAlpha(chart->webAlpha());
    const std::int64_t step = 1 + chart->skipWebLineCount();
    const DataSetPtr longest = data->maxEntryCountSet();
    const std::int64_t spokes = longest ? longest->entryCount() : 0;
    for (std::int64_t i = 0; i < spokes; i += step) {
        webLineSegmentsBuffer_[0] = center;
        webLineSegmentsBuffer_[1] = onCircle(center, chart->yRange() * factor, sliceAngle * static_cast<double>(i) + rotation);
        context.strokeLineSegments(webLineSegmentsBuffer_);
    }

    context.setLineWidth(chart->innerWebLineWidth());
    context.setStrokeColor(chart->innerWebColor());
    context.setAlpha(chart->webAlpha());
    const std::vector<double>& rings = chart->yAxis()->entries();
    const std::int64_t total = data->entryCount();
    for (const double v : rings) {
        const double r = (v - yMin) * factor;
        for (std::int64_t i = 0; i < total; ++i) {
            webLineSegmentsBuffer_[0] = onCircle(center, r, sliceAngle * static_cast<double>(i) + rotation);
            webLineSegmentsBuffer_[1] = onCircle(center, r, sliceAngle * static_cast<double>(i + 1) + rotation);
            context.strokeLineSegments(webLineSegmentsBuffer_);
        }
    }
}

void RadarChartRenderer::drawHighlighted(kit::Context& context, std::span<Highlight> indices) {
    const auto chart = this->chart();
    if (!chart) return;
    const auto data = std::dynamic_pointer_cast<RadarChartData>(chart->data());
    if (!data) return;
    kit::SavedState saved(context);
    const double sliceAngle = chart->sliceAngle(), factor = chart->factor();
    const kit::Point center = chart->centerOffsets();
    const double phaseX = animator().phaseX(), phaseY = animator().phaseY();
    for (Highlight& highlight : indices) {
        // Highlights outlive data changes: one naming a set or entry that is gone is skipped.
        const int setIndex = highlight.dataSetIndex();
        if (setIndex < 0 || setIndex >= data->dataSetCount()) continue;
        const auto* set = dynamic_cast<const RadarChartDataSet*>(data->dataSets()[static_cast<std::size_t>(setIndex)].get());
        if (!set || !set->isHighlightEnabled()) continue;
        if (!std::isfinite(highlight.x())) continue;
        const EntryPtr e = set->entryForIndex(truncToInt(highlight.x()));
        if (!dynamic_cast<const RadarChartDataEntry*>(e.get()) || !isInBoundsX(*e, *set)) continue;

        context.setLineWidth(data->highlightLineWidth());
        if (data->highlightLineDashLengths()) context.setLineDash(data->highlightLineDashPhase(), *data->highlightLineDashLengths());
        else context.setLineDashSolid();
        context.setStrokeColor(set->highlightColor());

        highlightPointBuffer_ = onCircle(center, (e->y() - chart->chartYMin()) * factor * phaseY,
                                         sliceAngle * highlight.x() * phaseX + chart->rotationAngle());
        highlight.setDraw(highlightPointBuffer_);
        drawHighlightLines(context, highlightPointBuffer_, *set);

        if (set->isDrawHighlightCircleEnabled() && !std::isnan(highlightPointBuffer_.x) && !std::isnan(highlightPointBuffer_.y)) {
            kit::Color strokeColor = set->highlightCircleStrokeColor() ? *set->highlightCircleStrokeColor() : set->color(0);
            if (set->highlightCircleStrokeAlpha() < 1.0) strokeColor = strokeColor.withAlpha(set->highlightCircleStrokeAlpha());
            drawHighlightCircle(context, highlightPointBuffer_, set->highlightCircleInnerRadius(),
                                set->highlightCircleOuterRadius(), set->highlightCircleFillColor(), strokeColor,
                                set->highlightCircleStrokeWidth());
        }
    }
}

void RadarChartRenderer::drawHighlightCircle(kit::Context& context, kit::Point point, double innerRadius,
                                             double outerRadius, const std::optional<kit::Color>& fillColor,
                                             const std::optional<kit::Color>& strokeColor, double strokeWidth) {
    kit::SavedState saved(context);
    const auto circle = [&](double r) { return kit::Rect{point.x - r, point.y - r, r * 2.0, r * 2.0}; };
    if (fillColor) {
        context.beginPath();
        context.addEllipse(circle(outerRadius));
        if (innerRadius > 0.0) context.addEllipse(circle(innerRadius));
        context.setFillColor(*fillColor);
        context.fillPath(true);
    }
    if (strokeColor) {
        context.beginPath();
        context.addEllipse(circle(outerRadius));
        context.setStrokeColor(*strokeColor);
        context.setLineWidth(strokeWidth);
        context.strokePath();
    }
}

} // namespace charting
