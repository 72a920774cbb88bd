// The pie's centre text, its highlighted slices and the accessibility elements of slices and sets.
#include "charting/core/ChartUtils.h"
#include "charting/model/Description.h"
#include "charting/pie_radar/CircleGeometry.h"
#include "charting/pie_radar/PieChartData.h"
#include "charting/pie_radar/PieChartDataEntry.h"
#include "charting/pie_radar/PieChartDataSet.h"
#include "charting/pie_radar/PieChartRenderer.h"
#include "charting/pie_radar/PieChartView.h"
#include "kit/graphics/Context.h"
#include "kit/graphics/Path.h"
#include "kit/graphics/Text.h"

#include <algorithm>
#include <cmath>

namespace charting {

void PieChartRenderer::drawCenterText(kit::Context& context) {
    const auto chart = this->chart();
    if (!chart || !chart->isDrawCenterTextEnabled()) return;
    const auto& text = chart->centerAttributedText();
    if (!text || text->length() == 0) return;
    const kit::Point center{chart->centerCircleBox().x + chart->centerTextOffset().x,
                            chart->centerCircleBox().y + chart->centerTextOffset().y};
    const double radius = chart->radius();
    const double innerRadius = chart->isDrawHoleEnabled() && !chart->isDrawSlicesUnderHoleEnabled()
                                   ? radius * chart->holeRadiusPercent()
                                   : radius;
    const kit::Rect holeRect{center.x - innerRadius, center.y - innerRadius, innerRadius * 2.0, innerRadius * 2.0};
    kit::Rect boundingRect = holeRect;
    if (const double p = chart->centerTextRadiusPercent(); p > 0.0) {
        const double dx = (boundingRect.width() - boundingRect.width() * p) / 2.0;
        const double dy = (boundingRect.height() - boundingRect.height() * p) / 2.0;
        boundingRect = kit::Rect{boundingRect.origin.x + dx, boundingRect.origin.y + dy, boundingRect.width() - 2 * dx,
                                 boundingRect.height() - 2 * dy};
    }
    const kit::Size textBounds =
        kit::measureText(*text, kit::TextLayoutOptions{boundingRect.width(), boundingRect.height(), 0});
    const kit::Rect drawingRect{boundingRect.origin.x + (boundingRect.width() - textBounds.width) / 2.0,
                                boundingRect.origin.y + (boundingRect.height() - textBounds.height) / 2.0,
                                textBounds.width, textBounds.height};
    kit::SavedState saved(context);
    context.clipToPath(kit::Path::ellipse(holeRect));
    kit::drawText(context, *text, drawingRect);
}

void PieChartRenderer::drawHighlighted(kit::Context& context, std::span<Highlight> indices) {
    const auto chart = this->chart();
    if (!chart || !chart->data()) return;
    const auto data = chart->data();
    kit::SavedState saved(context);
    const double phaseX = animator_->phaseX();
    const double phaseY = animator_->phaseY();
    const double rotationAngle = chart->rotationAngle();
    const std::vector<double>& drawAngles = chart->drawAngles();
    const std::vector<double>& absoluteAngles = chart->absoluteAngles();
    const kit::Point center = chart->centerCircleBox();
    const double radius = chart->radius();
    const bool drawInnerArc = chart->isDrawHoleEnabled() && !chart->isDrawSlicesUnderHoleEnabled();
    const double userInnerRadius = drawInnerArc ? radius * chart->holeRadiusPercent() : 0.0;
    AccessibilityElements highlightedElements;
    const auto pieData = std::dynamic_pointer_cast<PieChartData>(data);
    const PieChartData::Shares shares = pieData ? pieData->yValueShares() : PieChartData::Shares{};

    for (const Highlight& highlight : indices) {
        // Highlights outlive data changes and may come from callers: skip any that name no slice.
        const double x = highlight.x();
        if (!(x >= 0.0) || x >= static_cast<double>(drawAngles.size())) continue;
        const auto index = static_cast<std::size_t>(x);
        const int setIndex = highlight.dataSetIndex();
        if (setIndex < 0 || setIndex >= data->dataSetCount()) continue;
        const auto* set = dynamic_cast<const PieChartDataSet*>(data->dataSets()[static_cast<std::size_t>(setIndex)].get());
        if (!set || !set->isHighlightEnabled()) continue;

        const int visibleAngleCount = visibleSliceCount(*set);
        const double angle = index == 0 ? 0.0 : absoluteAngles[index - 1] * phaseX;
        const double sliceSpace = visibleAngleCount <= 1 ? 0.0 : set->sliceSpace();
        const SliceLayout layout{center, rotationAngle, phaseY, sliceSpace, visibleAngleCount == 1};
        const double sliceAngle = drawAngles[index];
        const double highlightedRadius = radius + set->selectionShift();
        const bool accountForSliceSpacing = sliceSpace > 0.0 && sliceAngle <= 180.0;
        context.setFillColor(set->highlightColor() ? *set->highlightColor() : set->color(static_cast<std::int64_t>(index)));

        const double sliceSpaceAngleOuter = layout.spaceAngle(radius);
        const double sliceSpaceAngleShifted = layout.spaceAngle(highlightedRadius);
        const double startAngleShifted = layout.startAngle(angle, sliceSpaceAngleShifted);
        const double sweepAngleShifted = layout.sweepAngle(sliceAngle, sliceSpaceAngleShifted);

        kit::Path path;
        path.moveTo(onCircle(center, highlightedRadius, startAngleShifted));
        path.relativeArc(center, highlightedRadius, radians(startAngleShifted), radians(sweepAngleShifted));

        double sliceSpaceRadius = 0.0;
        const double startAngleOuter = layout.startAngle(angle, sliceSpaceAngleOuter);
        const double sweepAngleOuter = layout.sweepAngle(sliceAngle, sliceSpaceAngleOuter);
        if (accountForSliceSpacing) {
            const kit::Point arcStart = onCircle(center, radius, startAngleOuter);
            sliceSpaceRadius = calculateMinimumRadiusForSpacedSlice(center, radius, sliceAngle * phaseY, arcStart.x,
                                                                    arcStart.y, startAngleOuter, sweepAngleOuter);
        }
        const bool useInnerArc = drawInnerArc && userInnerRadius > 0.0;
        if (useInnerArc) {
            const double innerRadius = accountForSliceSpacing
                                           ? std::min(radius, std::max(userInnerRadius, std::fabs(sliceSpaceRadius)))
                                           : userInnerRadius;
            layout.addInnerArc(path, innerRadius, angle, sliceAngle);
        } else if (accountForSliceSpacing) {
            path.lineTo(onCircle(center, sliceSpaceRadius, startAngleOuter + sweepAngleOuter / 2.0));
        } else {
            path.lineTo(center);
        }
        path.close();
        context.beginPath();
        context.addPath(path);
        context.fillPath(true);
        highlightedElements.push_back(
            createAccessibleElement(static_cast<std::int64_t>(index), *chart, *set, path, true, shares));
    }
    if (!accessibleChartElements_.empty()) {
        accessibleChartElements_.insert(accessibleChartElements_.begin() + 1, highlightedElements.begin(),
                                        highlightedElements.end());
    }
}

std::shared_ptr<NSUIAccessibilityElement> PieChartRenderer::createPieHeader(PieChartView& chart,
                                                                            const PieChartDataSet& dataSet) const {
    std::string description = "Pie Chart";
    if (const auto& text = chart.chartDescription()->text()) description = *text;
    else if (dataSet.label()) description = *dataSet.label();
    else if (const auto centre = chart.centerText()) description = *centre;
    std::string prefix = "Element";
    if (const auto data = chart.data(); data && data->accessibilityEntryLabelPrefix()) {
        prefix = *data->accessibilityEntryLabelPrefix();
    }
    const std::int64_t count = dataSet.entryCount();
    auto element = std::make_shared<NSUIAccessibilityElement>(chart.shared_from_this());
    element->setAccessibilityLabel(description + ". " + std::to_string(count) + " " + prefix + (count == 1 ? "" : "s"));
    element->setAccessibilityFrame(chart.bounds());
    element->setIsHeader(true);
    return element;
}

std::shared_ptr<NSUIAccessibilityElement> PieChartRenderer::createAccessibleElement(std::int64_t index,
                                                                                    PieChartView& chart,
                                                                                    const PieChartDataSet& dataSet,
                                                                                    const kit::Path& path,
                                                                                    bool selected) const {
    const auto data = std::dynamic_pointer_cast<PieChartData>(chart.data());
    return createAccessibleElement(index, chart, dataSet, path, selected,
                                   data ? data->yValueShares() : PieChartData::Shares{});
}

std::shared_ptr<NSUIAccessibilityElement> PieChartRenderer::createAccessibleElement(
    std::int64_t index, PieChartView& chart, const PieChartDataSet& dataSet, const kit::Path& path, bool selected,
    const PieChartData::Shares& shares) const {
    auto element = std::make_shared<NSUIAccessibilityElement>(chart.shared_from_this());
    const EntryPtr e = dataSet.entryForIndex(index);
    const auto data = std::dynamic_pointer_cast<PieChartData>(chart.data());
    if (!e || !data) return element;
    const double value = chart.isUsePercentValuesEnabled() ? shares.of(e->y()) * 100.0 : e->y();
    const std::string valueText =
        dataSet.valueFormatter()->stringForValue(value, *e, static_cast<int>(index), viewPortHandler_.get());
    std::string elementDescription;
    if (const auto& prefix = data->accessibilityEntryLabelPrefix()) {
        elementDescription = *prefix + std::to_string(index + 1);
    } else if (const auto* pieEntry = dynamic_cast<const PieChartDataEntry*>(e.get()); pieEntry && pieEntry->label()) {
        elementDescription = *pieEntry->label();
    }
    const std::string suffix = data->accessibilityEntryLabelSuffix().value_or("");
    const std::string plural = data->accessibilityEntryLabelSuffixIsCount() && e->y() != 1.0 ? "s" : "";
    element->setAccessibilityLabel(elementDescription + " : " + valueText + " " + suffix + plural);
    element->setAccessibilityFrame(path.boundingBox());
    if (selected) element->setIsSelected(true);
    return element;
}

} // namespace charting
