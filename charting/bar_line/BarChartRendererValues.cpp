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

void BarChartRenderer::drawValues(kit::Context& context) {
    const auto provider = dataProvider();
    if (!provider || !isDrawingValuesAllowed(provider.get())) return;
    const auto data = provider->barData();
    if (!data || data->dataSetCount() == 0) return;
    const bool drawValueAboveBar = provider->isDrawValueAboveBarEnabled();
    ViewPortHandler& vph = viewPortHandler();
    const double phaseY = animator().phaseY();

    for (int i = 0; i < data->dataSetCount(); ++i) {
        const DataSetPtr set = data->dataSet(i);
        const auto* dataSet = dynamic_cast<const BarChartDataSet*>(set.get());
        if (!dataSet || !shouldDrawValues(*dataSet)) continue;
        const bool isInverted = provider->isInverted(dataSet->axisDependency());
        const kit::Font& font = dataSet->valueFont();
        const double valueTextHeight = font.lineHeight();
        double posOffset = drawValueAboveBar ? -(valueOffsetPlus + valueTextHeight) : valueOffsetPlus;
        double negOffset = drawValueAboveBar ? valueOffsetPlus : -(valueOffsetPlus + valueTextHeight);
        if (isInverted) {
            posOffset = -posOffset - valueTextHeight;
            negOffset = -negOffset - valueTextHeight;
        }
        if (static_cast<std::size_t>(i) >= buffers_.size()) continue;
        const std::vector<kit::Rect>& buffer = buffers_[static_cast<std::size_t>(i)];
        const std::size_t written = writtenCount(static_cast<std::size_t>(i));
        const double angleRadians = dataSet->valueLabelAngle() * std::numbers::pi / 180.0;
        const auto trans = provider->getTransformer(dataSet->axisDependency());
        const kit::Point iconsOffset = dataSet->iconsOffset();
        const auto formatter = dataSet->valueFormatter();
        const std::int64_t count = revealedCount(dataSet->entryCount());

        auto drawOne = [&](double value, const BarChartDataEntry& e, double x, double y, std::int64_t colorIndex) {
            if (dataSet->isDrawValuesEnabled()) {
                drawValue(context, formatter->stringForValue(value, e, i, &vph), x, y, font, kit::TextAlignment::center,
                          dataSet->valueTextColorAt(colorIndex), kit::Point{0.5, 0.5}, angleRadians);
            }
            if (const auto icon = e.icon(); icon && dataSet->isDrawIconsEnabled()) {
                drawImage(context, icon, kit::Point{x + iconsOffset.x, y + iconsOffset.y}, icon->size());
            }
        };

        if (!dataSet->isStacked()) {
            std::size_t position = 0;
            for (std::int64_t j = 0; j < count && position < written; ++j) {
                const auto e = std::dynamic_pointer_cast<BarChartDataEntry>(dataSet->entryForIndex(j));
                if (!e) continue;
                const kit::Rect& rect = buffer[position++];
                const double x = rect.x() + rect.width() / 2.0;
                if (!vph.isInBoundsRight(x)) break;
                if (!vph.isInBoundsY(rect.y()) || !vph.isInBoundsLeft(x)) continue;
                const double val = e->y();
                const double yPos = val >= 0 ? rect.y() + posOffset : rect.y() + rect.height() + negOffset;
                drawOne(val, *e, x, yPos, j);
            }
            continue;
        }

        std::size_t position = 0;
        std::vector<kit::Point> points;
        for (std::int64_t index = 0; index < count && position < written; ++index) {
            const auto e = std::dynamic_pointer_cast<BarChartDataEntry>(dataSet->entryForIndex(index));
            if (!e) continue;
            const kit::Rect& rect = buffer[position];
            const double x = rect.x() + rect.width() / 2.0;
            if (!e->yValues()) {
                ++position;
                if (!vph.isInBoundsRight(x)) break;
                if (!vph.isInBoundsY(rect.y()) || !vph.isInBoundsLeft(x)) continue;
                drawOne(e->y(), *e, x, rect.y() + (e->y() >= 0 ? posOffset : negOffset), index);
                continue;
            }
            const std::vector<double>& values = *e->yValues();
            points.clear();
            double posY = 0.0, negY = -e->negativeSum();
            for (const double v : values) {
                double y;
                if (v == 0.0 && (posY == 0.0 || negY == 0.0)) y = v;
                else if (v >= 0.0) {
                    posY += v;
                    y = posY;
                } else {
                    y = negY;
                    negY -= v;
                }
                points.push_back(kit::Point{0.0, y * phaseY});
            }
            if (trans) trans->convertPointsToPixels(points);
            for (std::size_t k = 0; k < points.size(); ++k) {
                const double val = values[k];
                const bool drawBelow = (val == 0.0 && negY == 0.0 && posY > 0.0) || val < 0.0;
                const double y = points[k].y + (drawBelow ? negOffset : posOffset);
                if (!vph.isInBoundsRight(x)) break;
                if (!vph.isInBoundsY(y) || !vph.isInBoundsLeft(x)) continue;
                drawOne(val, *e, x, y, index);
            }
            position += values.size();
        }
    }
}

} // namespace charting
