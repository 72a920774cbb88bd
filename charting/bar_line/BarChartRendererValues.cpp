// The value labels and icons of the bar renderer, placed from the pixel rectangles that the last
// bar pass left in the buffers.
#include "charting/bar_line/BarChartData.h"
#include "charting/bar_line/BarChartDataEntry.h"
#include "charting/bar_line/BarChartDataSet.h"
#include "charting/bar_line/BarChartRenderer.h"
#include "charting/core/ChartUtils.h"
#include "charting/core/Transformer.h"
#include "kit/graphics/Image.h"

#include <cmath>
#include <numbers>

namespace charting {

void BarChartRenderer::drawValue(kit::Context& context, const std::string& value, double xPos, double yPos,
                                 const kit::Font& font, kit::TextAlignment align, kit::Color color, kit::Point anchor,
                                 double angleRadians) {
    const kit::TextAttributes attributes{font, color, std::nullopt};
    drawText(context, value, kit::Point{xPos, yPos}, align, anchor, angleRadians, attributes);
}

BarChartRenderer::ValueOffsets BarChartRenderer::valueOffsets(bool afterPositiveEnd, double extent, double gap, bool inverted) {
    ValueOffsets offsets{afterPositiveEnd ? gap : -(gap + extent), afterPositiveEnd ? -(gap + extent) : gap};
    if (inverted) {
        offsets.positive = -offsets.positive - extent;
        offsets.negative = -offsets.negative - extent;
    }
    return offsets;
}

std::string BarChartRenderer::valueText(const ValueLabels& labels, const ValueSite& site) {
    return labels.set.valueFormatter()->stringForValue(site.value, site.entry, labels.setIndex, &viewPortHandler());
}

void BarChartRenderer::drawValueAndIcon(kit::Context& context, const ValueLabels& labels, const ValueSite& site,
                                        const std::string& text, kit::Point textAt, kit::TextAlignment align,
                                        kit::Point anchor, kit::Point iconAt) {
    if (labels.set.isDrawValuesEnabled()) {
        drawValue(context, text, textAt.x, textAt.y, labels.font, align, labels.set.valueTextColorAt(site.entryIndex), anchor,
                  labels.angleRadians);
    }
    drawEntryIcon(context, site.entry, labels.set, iconAt);
}

BarChartRenderer::Reach BarChartRenderer::drawValueLabel(kit::Context& context, const ValueLabels& labels,
                                                         const ValueSite& site) {
    const ViewPortHandler& vph = viewPortHandler();
    const kit::Rect& rect = site.rect;
    const double x = rect.x() + rect.width() / 2.0;
    const auto [posOffset, negOffset] =
        valueOffsets(!labels.drawValueAboveBar, labels.font.lineHeight(), valueOffsetPlus, labels.inverted);
    double y;
    if (site.stackEnd) y = site.stackEnd->y + (site.drawBelow ? negOffset : posOffset);
    else if (site.inStackedSet) y = rect.y() + (site.value >= 0 ? posOffset : negOffset);
    else {
        // The rectangle is normalised, so its value end is its top only while the bar grows upwards.
        const bool endOnTop = (site.value >= 0) != labels.inverted;
        y = (endOnTop ? rect.y() : rect.y() + rect.height()) + (site.value >= 0 ? posOffset : negOffset);
    }
    if (!vph.isInBoundsRight(x)) return Reach::beyond;
    // A plain bar's label is kept while the bar's top is on the content, a stack value's while the label is.
    if (!vph.isInBoundsY(site.stackEnd ? y : rect.y()) || !vph.isInBoundsLeft(x)) return Reach::before;
    const kit::Point at{x, y};
    // Centred labels need no measuring, so the text is made only when it is drawn.
    const std::string text = labels.set.isDrawValuesEnabled() ? valueText(labels, site) : std::string();
    drawValueAndIcon(context, labels, site, text, at, kit::TextAlignment::center, kit::Point{0.5, 0.5}, at);
    return Reach::on;
}

void BarChartRenderer::drawValues(kit::Context& context) {
    const auto provider = dataProvider();
    if (!provider || !isDrawingValuesAllowed(provider.get())) return;
    const auto data = provider->barData();
    if (!data || data->dataSetCount() == 0) return;
    const double phaseY = animator().phaseY();

    for (int i = 0; i < data->dataSetCount(); ++i) {
        const DataSetPtr set = data->dataSet(i);
        const auto* dataSet = dynamic_cast<const BarChartDataSet*>(set.get());
        if (!dataSet || !shouldDrawValues(*dataSet)) continue;
        if (static_cast<std::size_t>(i) >= buffers_.size()) continue;
        const ValueLabels labels{*dataSet,
                                 i,
                                 dataSet->valueFont(),
                                 provider->isInverted(dataSet->axisDependency()),
                                 provider->isDrawValueAboveBarEnabled(),
                                 dataSet->valueLabelAngle() * std::numbers::pi / 180.0};
        const std::vector<kit::Rect>& buffer = buffers_[static_cast<std::size_t>(i)];
        const std::size_t written = writtenCount(static_cast<std::size_t>(i));
        const auto trans = provider->getTransformer(dataSet->axisDependency());
        const std::int64_t count = revealedCount(dataSet->entryCount());

        // The buffer holds one rectangle per plain bar and one per stack value.
        std::size_t position = 0;
        std::vector<kit::Point> points;
        for (std::int64_t j = 0; j < count && position < written; ++j) {
            const auto e = std::dynamic_pointer_cast<BarChartDataEntry>(dataSet->entryForIndex(j));
            if (!e) continue;
            const kit::Rect& rect = buffer[position];
            if (!dataSet->isStacked() || !e->yValues()) {
                ++position;
                const ValueSite site{*e, j, e->y(), rect, dataSet->isStacked(), std::nullopt, false};
                if (drawValueLabel(context, labels, site) == Reach::beyond) break;
                continue;
            }
            const std::vector<double>& values = *e->yValues();
            points.clear();
            double posY = 0.0, negY = -e->negativeSum();
            for (const double v : values) {
                double yStart = 0.0;
                const double y = cursorSpan(v, posY, negY, yStart);
                // A positive value's label goes at the far end of its span, a negative one's at the near end.
                points.push_back(valuePoint((v >= 0.0 ? yStart : y) * phaseY));
            }
            if (trans) trans->convertPointsToPixels(points);
            for (std::size_t k = 0; k < points.size(); ++k) {
                const double val = values[k];
                const bool drawBelow = (val == 0.0 && negY == 0.0 && posY > 0.0) || val < 0.0;
                const ValueSite site{*e, j, val, rect, true, points[k], drawBelow};
                if (drawValueLabel(context, labels, site) == Reach::beyond) break;
            }
            position += values.size();
        }
    }
}

} // namespace charting
