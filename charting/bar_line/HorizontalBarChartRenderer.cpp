#include "charting/bar_line/HorizontalBarChartRenderer.h"

#include "charting/bar_line/BarChartData.h"
#include "charting/bar_line/BarChartDataEntry.h"
#include "charting/bar_line/BarChartDataSet.h"
#include "charting/core/ChartUtils.h"
#include "charting/core/Transformer.h"
#include "charting/model/ChartData.h"
#include "kit/graphics/Context.h"
#include "kit/graphics/Image.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace charting {

void HorizontalBarChartRenderer::prepareBuffer(const BarChartDataSet& dataSet, int index) {
    const auto provider = dataProvider();
    const auto data = provider ? provider->barData() : nullptr;
    if (!data) return;
    const double barWidthHalf = data->barWidth() / 2.0;
    const bool containsStacks = dataSet.isStacked();
    const bool isInverted = provider->isInverted(dataSet.axisDependency());
    const double phaseY = animator().phaseY();
    const std::int64_t count = revealedCount(dataSet.entryCount());

    std::size_t needed = 0;
    for (std::int64_t i = 0; i < count; ++i) {
        const auto e = std::dynamic_pointer_cast<BarChartDataEntry>(dataSet.entryForIndex(i));
        if (e) needed += containsStacks && e->yValues() ? e->yValues()->size() : 1;
    }
    std::vector<kit::Rect>& buffer = bufferFor(index, needed);

    std::size_t position = 0;
    for (std::int64_t i = 0; i < count; ++i) {
        const auto e = std::dynamic_pointer_cast<BarChartDataEntry>(dataSet.entryForIndex(i));
        if (!e) continue;
        const double bottom = e->x() - barWidthHalf, top = e->x() + barWidthHalf;
        if (containsStacks && e->yValues()) {
            double posY = 0.0, negY = -e->negativeSum();
            for (const double v : *e->yValues()) {
                double yStart = 0.0;
                const double y = cursorSpan(v, posY, negY, yStart);
                double right = isInverted ? std::min(y, yStart) : std::max(y, yStart);
                double left = isInverted ? std::max(y, yStart) : std::min(y, yStart);
                right *= phaseY;
                left *= phaseY;
                buffer[position++] = kit::Rect{left, top, right - left, bottom - top};
            }
            continue;
        }
        const double y = e->y();
        double left, right;
        if (!isInverted) {
            right = y >= 0 ? y : 0;
            left = y <= 0 ? y : 0;
        } else {
            right = y <= 0 ? y : 0;
            left = y >= 0 ? y : 0;
        }
        if (right > 0) right *= phaseY;
        else left *= phaseY;
        buffer[position++] = kit::Rect{left, top, right - left, bottom - top};
    }
    setWritten(index, position);
}

void HorizontalBarChartRenderer::drawDataSet(kit::Context& context, const BarChartDataSet& dataSet, int index) {
    const auto provider = dataProvider();
    if (!provider) return;
    const auto trans = provider->getTransformer(dataSet.axisDependency());
    if (!trans) return;
    prepareBuffer(dataSet, index);
    std::vector<kit::Rect>& buffer = buffers_[static_cast<std::size_t>(index)];
    const std::size_t written = writtenCount(static_cast<std::size_t>(index));
    for (std::size_t j = 0; j < written; ++j) trans->convertRectToPixels(buffer[j]);

    const double borderWidth = dataSet.barBorderWidth();
    kit::SavedState saved(context);
    ViewPortHandler& vph = viewPortHandler();

    if (provider->isDrawBarShadowEnabled()) {
        const auto data = provider->barData();
        if (!data) return;
        const double barWidth = data->barWidth();
        const std::int64_t count = revealedCount(dataSet.entryCount());
        context.setFillColor(dataSet.barShadowColor());
        for (std::int64_t i = 0; i < count; ++i) {
            const auto e = std::dynamic_pointer_cast<BarChartDataEntry>(dataSet.entryForIndex(i));
            if (!e) continue;
            barShadowRectBuffer_ = kit::Rect{0.0, e->x() - barWidth / 2.0, 0.0, barWidth};
            trans->convertRectToPixels(barShadowRectBuffer_);
            if (!vph.isInBoundsTop(barShadowRectBuffer_.y() + barShadowRectBuffer_.height())) break;
            if (!vph.isInBoundsBottom(barShadowRectBuffer_.y())) continue;
            barShadowRectBuffer_.origin.x = vph.contentLeft();
            barShadowRectBuffer_.size.width = vph.contentWidth();
            context.fillRect(barShadowRectBuffer_);
        }
    }

    const bool isSingleColor = dataSet.colors().size() == 1;
    if (isSingleColor) context.setFillColor(dataSet.color(0));
    const int stackSize = dataSet.isStacked() ? dataSet.stackSize() : 1;
    const bool accessible = provider->barAccessibilityContainer() != nullptr;
    for (std::size_t j = 0; j < written; ++j) {
        const kit::Rect& r = buffer[j];
        if (!vph.isInBoundsTop(r.y() + r.height())) break;
        if (!vph.isInBoundsBottom(r.y())) continue;
        if (!isSingleColor) context.setFillColor(dataSet.color(static_cast<std::int64_t>(j)));
        context.fillRect(r);
        if (borderWidth > 0) {
            context.setStrokeColor(dataSet.barBorderColor());
            context.setLineWidth(borderWidth);
            context.strokeRect(r);
        }
        if (accessible) appendOrderedElement(j, stackSize, createAccessibleElement(j, dataSet, index, stackSize, r));
    }
}

kit::Rect HorizontalBarChartRenderer::prepareBarHighlight(double x, double y1, double y2, double barWidthHalf,
                                                          const Transformer& trans) {
    kit::Rect rect{y1, x - barWidthHalf, y2 - y1, 2.0 * barWidthHalf};
    trans.convertHorizontalRectToPixels(rect, animator().phaseY());
    return rect;
}

void HorizontalBarChartRenderer::setHighlightDrawPos(Highlight& highlight, const kit::Rect& barRect) {
    highlight.setDraw(barRect.midY(), barRect.x() + barRect.width());
}

bool HorizontalBarChartRenderer::isDrawingValuesAllowed(const ChartDataProvider* dataProvider) const {
    if (!dataProvider) return false;
    const auto data = dataProvider->data();
    if (!data) return false;
    return static_cast<double>(data->entryCount()) <
           static_cast<double>(dataProvider->maxVisibleCount()) * viewPortHandler().scaleY();
}

void HorizontalBarChartRenderer::drawValues(kit::Context& context) {
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
        if (static_cast<std::size_t>(i) >= buffers_.size()) continue;
        const bool isInverted = provider->isInverted(dataSet->axisDependency());
        const kit::Font& font = dataSet->valueFont();
        const double yOffset = -font.lineHeight() / 2.0;
        const std::vector<kit::Rect>& buffer = buffers_[static_cast<std::size_t>(i)];
        const std::size_t written = writtenCount(static_cast<std::size_t>(i));
        const double angleRadians = dataSet->valueLabelAngle() * std::numbers::pi / 180.0;
        const auto trans = provider->getTransformer(dataSet->axisDependency());
        const kit::Point iconsOffset = dataSet->iconsOffset();
        const auto formatter = dataSet->valueFormatter();
        const std::int64_t count = revealedCount(dataSet->entryCount());

        // The label's own width decides how far it moves off (or into) the bar end.
        auto offsets = [&](const std::string& text, double& posOffset, double& negOffset) {
            const double w = kit::measureText(text, kit::TextAttributes{font, kit::Color::blackColor(), std::nullopt}).width;
            posOffset = drawValueAboveBar ? horizontalValueOffsetPlus : -(w + horizontalValueOffsetPlus);
            negOffset = drawValueAboveBar ? -(w + horizontalValueOffsetPlus) : horizontalValueOffsetPlus;
            if (isInverted) {
                posOffset = -posOffset - w;
                negOffset = -negOffset - w;
            }
        };
        auto drawOne = [&](const std::string& text, const BarChartDataEntry& e, double x, double y, std::int64_t colorIndex) {
            if (dataSet->isDrawValuesEnabled()) {
                drawValue(context, text, x, y + yOffset, font, kit::TextAlignment::left, dataSet->valueTextColorAt(colorIndex),
                          kit::Point{0.0, 0.0}, angleRadians);
            }
            if (const auto icon = e.icon(); icon && dataSet->isDrawIconsEnabled()) {
                drawImage(context, icon, kit::Point{x + iconsOffset.x, y + iconsOffset.y}, icon->size());
            }
        };

        std::size_t position = 0;
        std::vector<kit::Point> points;
        for (std::int64_t j = 0; j < count && position < written; ++j) {
            const auto e = std::dynamic_pointer_cast<BarChartDataEntry>(dataSet->entryForIndex(j));
            if (!e) continue;
            const kit::Rect& rect = buffer[position];
            if (!dataSet->isStacked() || !e->yValues()) {
                ++position;
                const double y = dataSet->isStacked() ? rect.y() : rect.y() + rect.height() / 2.0;
                if (!vph.isInBoundsTop(rect.y())) break;
                if (!vph.isInBoundsX(rect.x()) || !vph.isInBoundsBottom(rect.y())) continue;
                const std::string text = formatter->stringForValue(e->y(), *e, i, &vph);
                double posOffset, negOffset;
                offsets(text, posOffset, negOffset);
                const double xPos = rect.x() + rect.width() + (e->y() >= 0 ? posOffset : negOffset);
                drawOne(text, *e, xPos, y, j);
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
                points.push_back(kit::Point{y * phaseY, 0.0});
            }
            if (trans) trans->convertPointsToPixels(points);
            const double y = rect.y() + rect.height() / 2.0;
            for (std::size_t k = 0; k < points.size(); ++k) {
                const double val = values[k];
                const std::string text = formatter->stringForValue(val, *e, i, &vph);
                double posOffset, negOffset;
                offsets(text, posOffset, negOffset);
                const bool drawBelow = (val == 0.0 && negY == 0.0 && posY > 0.0) || val < 0.0;
                const double x = points[k].x + (drawBelow ? negOffset : posOffset);
                if (!vph.isInBoundsTop(y)) break;
                if (!vph.isInBoundsX(x) || !vph.isInBoundsBottom(y)) continue;
                drawOne(text, *e, x, y, j);
            }
            position += values.size();
        }
    }
}

} // namespace charting
