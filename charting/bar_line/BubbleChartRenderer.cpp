#include "charting/bar_line/BubbleChartRenderer.h"

#include "charting/bar_line/BubbleChartData.h"
#include "charting/bar_line/BubbleChartDataEntry.h"
#include "charting/bar_line/BubbleChartDataSet.h"
#include "charting/core/ChartUtils.h"
#include "charting/core/ChartViewBase.h"
#include "charting/core/Transformer.h"
#include "kit/graphics/Context.h"
#include "kit/graphics/Image.h"
#include "kit/text/DoubleText.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace charting {

BubbleChartRenderer::BubbleChartRenderer(const std::shared_ptr<BubbleChartDataProvider>& dataProvider,
                                         std::shared_ptr<Animator> animator, std::shared_ptr<ViewPortHandler> viewPortHandler)
    : BarLineScatterCandleBubbleRenderer(std::move(animator), std::move(viewPortHandler)), dataProvider_(dataProvider) {}

double BubbleChartRenderer::referenceSize(const Transformer& trans) {
    sizeBuffer_[0] = {0, 0};
    sizeBuffer_[1] = {1, 0};
    trans.convertPointsToPixels(sizeBuffer_);
    const double width = std::fabs(sizeBuffer_[1].x - sizeBuffer_[0].x);
    const double height = std::fabs(viewPortHandler().contentBottom() - viewPortHandler().contentTop());
    return width < height ? width : height;
}

double BubbleChartRenderer::shapeSize(const BubbleChartDataEntry& entry, const BubbleChartDataSet& dataSet,
                                      double referenceSize) {
    double factor = entry.size();
    if (dataSet.isNormalizeSizeEnabled()) factor = dataSet.maxSize() == 0.0 ? 1.0 : std::sqrt(entry.size() / dataSet.maxSize());
    return referenceSize * factor;
}

void BubbleChartRenderer::drawData(kit::Context& context) {
    const auto provider = dataProvider();
    const auto data = provider ? provider->bubbleData() : nullptr;
    if (!data) return;
    const auto view = provider->bubbleChartView();
    accessibleChartElements().clear();
    accessibilityOrderedElements_.assign(view ? static_cast<std::size_t>(data->dataSetCount()) : 0, {});
    if (view) accessibleChartElements().push_back(createAccessibleHeader(*view, *data, "Bubble Chart"));
    for (int i = 0; i < data->dataSetCount(); ++i) {
        const DataSetPtr set = data->dataSet(i);
        const auto* bubbles = dynamic_cast<const BubbleChartDataSet*>(set.get());
        if (bubbles && bubbles->isVisible()) drawDataSet(context, *bubbles, i);
    }
    for (auto& list : accessibilityOrderedElements_) {
        for (auto& element : list) accessibleChartElements().push_back(std::move(element));
    }
}

void BubbleChartRenderer::drawDataSet(kit::Context& context, const BubbleChartDataSet& dataSet, int dataSetIndex) {
    const auto provider = dataProvider();
    if (!provider) return;
    const auto trans = provider->getTransformer(dataSet.axisDependency());
    if (!trans) return;
    const double phaseY = animator().phaseY();
    xBounds_.set(*provider, dataSet, &animator());
    const kit::AffineTransform matrix = trans->valueToPixelMatrix();
    const double reference = referenceSize(*trans);
    const auto view = provider->bubbleChartView();
    const auto data = provider->bubbleData();
    const ViewPortHandler& vph = viewPortHandler();

    kit::SavedState saved(context);
    for (const std::int64_t j : xBounds_) {
        const auto e = std::dynamic_pointer_cast<BubbleChartDataEntry>(dataSet.entryForIndex(j));
        if (!e) continue;
        pointBuffer_ = matrix.apply(kit::Point{e->x(), e->y() * phaseY});
        const double size = shapeSize(*e, dataSet, reference), half = size / 2.0;
        if (!vph.isInBoundsTop(pointBuffer_.y + half) || !vph.isInBoundsBottom(pointBuffer_.y - half) ||
            !vph.isInBoundsLeft(pointBuffer_.x + half))
            continue;
        if (!vph.isInBoundsRight(pointBuffer_.x - half)) break;
        const kit::Rect square{pointBuffer_.x - half, pointBuffer_.y - half, size, size};
        context.setFillColor(dataSet.color(j));
        context.fillEllipse(square);

        if (!view || !data || static_cast<std::size_t>(dataSetIndex) >= accessibilityOrderedElements_.size()) continue;
        auto element = std::make_shared<NSUIAccessibilityElement>(view);
        XAxis& xAxis = *view->xAxis();
        const auto xFormatter = xAxis.valueFormatter();
        const std::string xText = xFormatter ? xFormatter->stringForValue(e->x(), &xAxis) : kit::text::shortestText(e->x());
        const std::string yText =
            dataSet.valueFormatter()->stringForValue(e->y(), *e, dataSetIndex, &viewPortHandler());
        const std::string prefix = data->dataSetCount() > 1 ? dataSet.label().value_or("") + ", " : "";
        char percent[64];
        std::snprintf(percent, sizeof percent, "%.2f", size / dataSet.maxSize() * 100.0);
        element->setAccessibilityLabel(prefix + " " + xText + ": " + yText + ", bubble size: " + percent + " %");
        element->setAccessibilityFrame(square);
        accessibilityOrderedElements_[static_cast<std::size_t>(dataSetIndex)].push_back(std::move(element));
    }
}

void BubbleChartRenderer::drawValues(kit::Context& context) {
    const auto provider = dataProvider();
    const auto data = provider ? provider->bubbleData() : nullptr;
    if (!data || !isDrawingValuesAllowed(provider.get())) return;
    const double phaseX = animator().phaseX(), phaseY = animator().phaseY();
    const double clampedX = std::isnan(phaseX) ? 1.0 : std::clamp(phaseX, 0.0, 1.0);
    const double alpha = clampedX == 1.0 ? phaseY : clampedX;
    ViewPortHandler& vph = viewPortHandler();
    for (int i = 0; i < data->dataSetCount(); ++i) {
        const DataSetPtr set = data->dataSet(i);
        const auto* dataSet = dynamic_cast<const BubbleChartDataSet*>(set.get());
        if (!dataSet || !shouldDrawValues(*dataSet)) continue;
        const auto trans = provider->getTransformer(dataSet->axisDependency());
        if (!trans) continue;
        const auto formatter = dataSet->valueFormatter();
        const kit::AffineTransform matrix = trans->valueToPixelMatrix();
        const double angleRadians = dataSet->valueLabelAngle() * std::numbers::pi / 180.0;
        const kit::Font& font = dataSet->valueFont();
        // The label, the bubble's size, is centred on the bubble.
        forEachPointOnContent<BubbleChartDataEntry>(
            *provider, *dataSet, matrix, [](const BubbleChartDataEntry& e) { return e.y(); },
            [&](const BubbleChartDataEntry& e, std::int64_t j, kit::Point pt) {
                if (dataSet->isDrawValuesEnabled()) {
                    const std::string text = formatter->stringForValue(e.size(), e, i, &vph);
                    const kit::TextAttributes attributes{font, dataSet->valueTextColorAt(j).withAlpha(alpha), std::nullopt};
                    drawCentredLabel(context, text, pt.x, pt.y - font.lineHeight() / 2.0, attributes, angleRadians);
                }
                drawEntryIcon(context, e, *dataSet, pt);
            });
    }
}

void BubbleChartRenderer::drawHighlighted(kit::Context& context, std::span<Highlight> indices) {
    const auto provider = dataProvider();
    const auto data = provider ? provider->bubbleData() : nullptr;
    if (!data) return;
    kit::SavedState saved(context);
    const double phaseY = animator().phaseY();
    const ViewPortHandler& vph = viewPortHandler();
    for (Highlight& h : indices) {
        const auto target = highlightTarget<BubbleChartDataSet, BubbleChartDataEntry>(*data, h);
        if (!target) continue;
        const auto& [dataSet, e] = *target;
        const auto trans = provider->getTransformer(dataSet->axisDependency());
        if (!trans) continue;
        const double reference = referenceSize(*trans);
        pointBuffer_ = trans->pixelForValues(e->x(), e->y() * phaseY);
        const double size = shapeSize(*e, *dataSet, reference), half = size / 2.0;
        if (!vph.isInBoundsTop(pointBuffer_.y + half) || !vph.isInBoundsBottom(pointBuffer_.y - half) ||
            !vph.isInBoundsLeft(pointBuffer_.x + half))
            continue;
        if (!vph.isInBoundsRight(pointBuffer_.x - half)) break;
        // The colour index is the entry's x, not its position; a non-finite x has none.
        if (!std::isfinite(e->x())) continue;
        const kit::HSBA hsba = dataSet->color(truncToInt(e->x())).hsba();
        context.setLineWidth(dataSet->highlightCircleWidth());
        context.setStrokeColor(kit::Color::hsb(hsba.hue, hsba.saturation, hsba.brightness * 0.5, hsba.alpha));
        context.strokeEllipse(kit::Rect{pointBuffer_.x - half, pointBuffer_.y - half, size, size});
        h.setDraw(pointBuffer_.x, pointBuffer_.y);
    }
}

} // namespace charting
