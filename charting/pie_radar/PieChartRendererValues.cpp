// Value texts, entry labels, value lines and icons of the pie.
#include "charting/core/ChartUtils.h"
#include "charting/pie_radar/CircleGeometry.h"
#include "charting/pie_radar/PieChartData.h"
#include "charting/pie_radar/PieChartDataEntry.h"
#include "charting/pie_radar/PieChartDataSet.h"
#include "charting/pie_radar/PieChartRenderer.h"
#include "charting/pie_radar/PieChartView.h"
#include "kit/graphics/Context.h"
#include "kit/graphics/Image.h"
#include "kit/graphics/Text.h"

#include <cmath>

namespace charting {

namespace {

// Top-left placement unless the set turns its texts, which then turn about that point.
void drawValueText(kit::Context& context, const std::string& text, kit::Point at, double angleRadians,
                   const kit::TextAttributes& attributes) {
    if (angleRadians == 0.0) kit::drawText(context, text, at, attributes);
    else charting::drawText(context, text, at, kit::Point{0.5, 0.5}, angleRadians, attributes);
}

} // namespace

void PieChartRenderer::drawValues(kit::Context& context) {
    const auto chart = this->chart();
    if (!chart) return;
    const auto data = std::dynamic_pointer_cast<PieChartData>(chart->data());
    if (!data) return;
    const kit::Point center = chart->centerCircleBox();
    const double radius = chart->radius();
    const double rotationAngle = chart->rotationAngle();
    const std::vector<double>& drawAngles = chart->drawAngles();
    const std::vector<double>& absoluteAngles = chart->absoluteAngles();
    const double phaseX = animator_->phaseX();
    const double phaseY = animator_->phaseY();
    const double holeRadiusPercent = chart->holeRadiusPercent();
    const double labelRadiusOffset =
        chart->isDrawHoleEnabled() ? (radius - radius * holeRadiusPercent) / 2.0 : radius / 10.0 * 3.0;
    const double labelRadius = radius - labelRadiusOffset;
    const PieChartData::Shares shares = data->yValueShares();
    const bool drawEntryLabels = chart->isDrawEntryLabelsEnabled();
    const bool usePercentValues = chart->isUsePercentValuesEnabled();
    const double threshold = chart->sliceTextDrawingThreshold();

    kit::SavedState saved(context);
    std::size_t xIndex = 0;
    const auto& sets = data->dataSets();
    for (std::size_t i = 0; i < sets.size(); ++i) {
        const auto* set = dynamic_cast<const PieChartDataSet*>(sets[i].get());
        if (!set) continue;
        const bool drawValues = set->isDrawValuesEnabled();
        if (!drawValues && !drawEntryLabels && !set->isDrawIconsEnabled()) continue;
        using Position = PieChartDataSet::ValuePosition;
        const bool setXInside = drawEntryLabels && set->xValuePosition() == Position::withinSlice;
        const bool setXOutside = drawEntryLabels && set->xValuePosition() == Position::beyondSlice;
        const bool setYInside = drawValues && set->yValuePosition() == Position::withinSlice;
        const bool setYOutside = drawValues && set->yValuePosition() == Position::beyondSlice;
        const double angleRadians = radians(set->valueLabelAngle());
        const kit::Font& valueFont = set->valueFont();
        const double lineHeight = valueFont.lineHeight();
        const kit::Font& labelFont = set->entryLabelFont() ? *set->entryLabelFont() : valueFont;
        const double sliceSpace = getSliceSpace(*set);
        const double sliceSpaceMiddleAngle = arcAngle(sliceSpace, labelRadius);
        const auto formatter = set->valueFormatter();

        for (std::int64_t j = 0; j < set->entryCount(); ++j) {
            const EntryPtr e = set->entryForIndex(j);
            if (!e) continue;
            if (xIndex >= drawAngles.size()) return;
            const double angle = xIndex == 0 ? 0.0 : absoluteAngles[xIndex - 1] * phaseX;
            const double sliceAngle = drawAngles[xIndex];
            const double angleOffset = (sliceAngle - sliceSpaceMiddleAngle / 2.0) / 2.0;
            const double transformedAngle = rotationAngle + (angle + angleOffset) * phaseY;
            const double sliceXBase = std::cos(radians(transformedAngle));
            const double sliceYBase = std::sin(radians(transformedAngle));

            // A zero sum has no shares: its percentages read 0.
            const double value = usePercentValues ? shares.of(e->y()) * 100.0 : e->y();
            const std::string valueText = formatter->stringForValue(value, *e, static_cast<int>(i), viewPortHandler_.get());

            const bool wide = sliceAngle > threshold;
            const bool drawXInside = wide && setXInside, drawXOutside = wide && setXOutside;
            const bool drawYInside = wide && setYInside, drawYOutside = wide && setYOutside;

            std::optional<std::string> entryLabel;
            if (const auto* pieEntry = dynamic_cast<const PieChartDataEntry*>(e.get());
                pieEntry && j < data->entryCount()) {
                entryLabel = pieEntry->label();
            }
            const kit::TextAttributes valueAttributes{valueFont, set->valueTextColorAt(j), std::nullopt};
            const kit::TextAttributes labelAttributes{
                labelFont, set->entryLabelColor() ? *set->entryLabelColor() : set->valueTextColorAt(j), std::nullopt};
            const auto drawAligned = [&](const std::string& text, double x, double y, const kit::TextAttributes& a,
                                         double widthShare) {
                // Left-aligned texts need no measuring.
                const double w = widthShare == 0.0 ? 0.0 : kit::measureText(text, a).width;
                drawValueText(context, text, kit::Point{x - w * widthShare, y}, angleRadians, a);
            };

            if (drawXOutside || drawYOutside) {
                const double line1Radius = chart->isDrawHoleEnabled()
                                               ? (radius - radius * holeRadiusPercent) * set->valueLinePart1OffsetPercentage() +
                                                     radius * holeRadiusPercent
                                               : radius * set->valueLinePart1OffsetPercentage();
                const double polyline2Length = set->valueLineVariableLength()
                                                   ? labelRadius * set->valueLinePart2Length() * std::fabs(sliceYBase)
                                                   : labelRadius * set->valueLinePart2Length();
                const kit::Point pt0{center.x + line1Radius * sliceXBase, center.y + line1Radius * sliceYBase};
                const double r1 = labelRadius * (1.0 + set->valueLinePart1Length());
                const kit::Point pt1{center.x + r1 * sliceXBase, center.y + r1 * sliceYBase};
                const double sideAngle = std::fmod(transformedAngle, 360.0);
                const bool leftSide = sideAngle >= 90.0 && sideAngle <= 270.0;
                const kit::Point pt2 = leftSide ? kit::Point{pt1.x - polyline2Length, pt1.y}
                                                : kit::Point{pt1.x + polyline2Length, pt1.y};
                const double textX = leftSide ? pt2.x - 5.0 : pt2.x + 5.0;
                const double share = leftSide ? 1.0 : 0.0;

                // Without a line colour only the line is left out; the texts still go beside it.
                std::optional<kit::Color> lineColor =
                    set->useValueColorForLine() ? std::optional<kit::Color>(set->color(j)) : set->valueLineColor();
                if (lineColor) {
                    context.setStrokeColor(*lineColor);
                    context.setLineWidth(set->valueLineWidth());
                    context.beginPath();
                    context.moveTo(pt0);
                    context.lineTo(pt1);
                    context.lineTo(pt2);
                    context.strokePath();
                }
                const bool label = drawXOutside && entryLabel.has_value();
                if (drawYOutside && label) {
                    drawAligned(valueText, textX, pt2.y - lineHeight, valueAttributes, share);
                    drawAligned(*entryLabel, textX, pt2.y, labelAttributes, share);
                } else if (label) {
                    drawAligned(*entryLabel, textX, pt2.y - lineHeight / 2.0, labelAttributes, share);
                } else if (drawYOutside) {
                    drawAligned(valueText, textX, pt2.y - lineHeight / 2.0, valueAttributes, share);
                }
            }

            if (drawXInside || drawYInside) {
                const double x = center.x + labelRadius * sliceXBase;
                const double y = center.y + labelRadius * sliceYBase - lineHeight;
                const bool label = drawXInside && entryLabel.has_value();
                if (drawYInside && label) {
                    drawAligned(valueText, x, y, valueAttributes, 0.5);
                    drawAligned(*entryLabel, x, y + lineHeight, labelAttributes, 0.5);
                } else if (label) {
                    drawAligned(*entryLabel, x, y + lineHeight / 2.0, labelAttributes, 0.5);
                } else if (drawYInside) {
                    drawAligned(valueText, x, y + lineHeight / 2.0, valueAttributes, 0.5);
                }
            }

            if (const auto icon = e->icon(); icon && set->isDrawIconsEnabled()) {
                const kit::Point offset = set->iconsOffset();
                const double r = labelRadius + offset.y;
                drawImage(context, icon, kit::Point{center.x + r * sliceXBase, center.y + r * sliceYBase + offset.x},
                          icon->size());
            }
            ++xIndex;
        }
    }
}

} // namespace charting
