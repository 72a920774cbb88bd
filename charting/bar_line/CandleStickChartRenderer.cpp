#include "charting/bar_line/CandleStickChartRenderer.h"

#include "charting/bar_line/CandleChartData.h"
#include "charting/bar_line/CandleChartDataEntry.h"
#include "charting/bar_line/CandleChartDataSet.h"
#include "charting/core/ChartUtils.h"
#include "charting/core/ChartViewBase.h"
#include "charting/core/Transformer.h"
#include "kit/graphics/Context.h"
#include "kit/graphics/Image.h"
#include "kit/text/DoubleText.h"

#include <cmath>
#include <numbers>

namespace charting {

CandleStickChartRenderer::CandleStickChartRenderer(const std::shared_ptr<CandleChartDataProvider>& dataProvider,
                                                   std::shared_ptr<Animator> animator,
                                                   std::shared_ptr<ViewPortHandler> viewPortHandler)
    : LineScatterCandleRadarRenderer(std::move(animator), std::move(viewPortHandler)), dataProvider_(dataProvider) {}

void CandleStickChartRenderer::drawData(kit::Context& context) {
    const auto provider = dataProvider();
    const auto data = provider ? provider->candleData() : nullptr;
    if (!data) return;
    accessibleChartElements().clear();
    if (const auto view = provider->candleChartView()) {
        accessibleChartElements().push_back(createAccessibleHeader(*view, *data, "CandleStick Chart"));
    }
    for (int i = 0; i < data->dataSetCount(); ++i) {
        const DataSetPtr set = data->dataSet(i);
        const auto* candles = dynamic_cast<const CandleChartDataSet*>(set.get());
        if (candles && candles->isVisible()) drawDataSet(context, *candles);
    }
}

void CandleStickChartRenderer::drawDataSet(kit::Context& context, const CandleChartDataSet& dataSet) {
    const auto provider = dataProvider();
    if (!provider) return;
    const auto trans = provider->getTransformer(dataSet.axisDependency());
    if (!trans) return;
    const double phaseY = animator().phaseY();
    const double barSpace = dataSet.barSpace();
    const bool showCandleBar = dataSet.showCandleBar();
    xBounds_.set(*provider, dataSet, &animator());
    const auto container = provider->accessibilityContainer();

    kit::SavedState saved(context);
    context.setLineWidth(dataSet.shadowWidth());
    for (const std::int64_t j : xBounds_) {
        const auto e = std::dynamic_pointer_cast<CandleChartDataEntry>(dataSet.entryForIndex(j));
        if (!e) continue;
        const double x = e->x();
        const auto data = provider->candleData();
        const int setCount = data ? data->dataSetCount() : 1;
        std::string movement = "neutral";
        const double open = e->open(), close = e->close(), high = e->high(), low = e->low();
        const bool decreasing = close < open, increasing = open < close;
        const kit::Color own = dataSet.color(j);

        kit::Rect frame{x + 0.5 - barSpace, low * phaseY, 2.0 * barSpace - 1.0, std::fabs(high - low) * phaseY};
        trans->convertRectToPixels(frame);

        if (showCandleBar) {
            const double bodyTop = decreasing ? open : increasing ? close : open;
            const double bodyBottom = decreasing ? close : increasing ? open : open;
            shadowPoints_[0] = {x, high * phaseY};
            shadowPoints_[1] = {x, bodyTop * phaseY};
            shadowPoints_[2] = {x, low * phaseY};
            shadowPoints_[3] = {x, bodyBottom * phaseY};
            trans->convertPointsToPixels(shadowPoints_);

            std::optional<kit::Color> shadow;
            if (!dataSet.shadowColorSameAsCandle()) shadow = dataSet.shadowColor();
            else shadow = decreasing ? dataSet.decreasingColor() : increasing ? dataSet.increasingColor() : dataSet.neutralColor();
            context.setStrokeColor(shadow.value_or(own));
            context.strokeLineSegments(shadowPoints_);

            const double left = x - 0.5 + barSpace, right = x + 0.5 - barSpace;
            bodyRect_ = kit::Rect{left, close * phaseY, right - left, open * phaseY - close * phaseY};
            trans->convertRectToPixels(bodyRect_);

            const auto drawBody = [&](const kit::Color& color, bool filled) {
                if (filled) {
                    context.setFillColor(color);
                    context.fillRect(bodyRect_);
                } else {
                    context.setStrokeColor(color);
                    context.strokeRect(bodyRect_);
                }
            };
            if (decreasing) {
                movement = "decreasing";
                drawBody(dataSet.decreasingColor().value_or(own), dataSet.isDecreasingFilled());
            } else if (increasing) {
                movement = "increasing";
                drawBody(dataSet.increasingColor().value_or(own), dataSet.isIncreasingFilled());
            } else {
                context.setStrokeColor(dataSet.neutralColor().value_or(own));
                context.strokeRect(bodyRect_);
            }
        } else {
            rangePoints_[0] = {x, high * phaseY};
            rangePoints_[1] = {x, low * phaseY};
            openPoints_[0] = {x - 0.5 + barSpace, open * phaseY};
            openPoints_[1] = {x, open * phaseY};
            closePoints_[0] = {x + 0.5 - barSpace, close * phaseY};
            closePoints_[1] = {x, close * phaseY};
            trans->convertPointsToPixels(rangePoints_);
            trans->convertPointsToPixels(openPoints_);
            trans->convertPointsToPixels(closePoints_);
            std::optional<kit::Color> c = dataSet.neutralColor();
            if (decreasing) {
                movement = "decreasing";
                c = dataSet.decreasingColor();
            } else if (increasing) {
                movement = "increasing";
                c = dataSet.increasingColor();
            }
            context.setStrokeColor(c.value_or(own));
            context.strokeLineSegments(rangePoints_);
            context.strokeLineSegments(openPoints_);
            context.strokeLineSegments(closePoints_);
        }

        if (!container) continue;
        auto element = std::make_shared<NSUIAccessibilityElement>(container);
        const std::string prefix = setCount > 1 ? dataSet.label().value_or("Dataset") : "";
        using kit::text::shortestText;
        element->setAccessibilityLabel(prefix + " " + shortestText(x) + " - " + movement + ". low: " + shortestText(low) +
                                       ", high: " + shortestText(high) + ", opening: " + shortestText(open) +
                                       ", closing: " + shortestText(close));
        element->setAccessibilityFrame(frame);
        accessibleChartElements().push_back(std::move(element));
    }
}

void CandleStickChartRenderer::drawValues(kit::Context& context) {
    const auto provider = dataProvider();
    const auto data = provider ? provider->candleData() : nullptr;
    if (!data || !isDrawingValuesAllowed(provider.get())) return;
    ViewPortHandler& vph = viewPortHandler();
    for (int i = 0; i < data->dataSetCount(); ++i) {
        const DataSetPtr set = data->dataSet(i);
        if (!set || !dynamic_cast<const BarLineScatterCandleBubbleChartDataSet*>(set.get()) || !shouldDrawValues(*set)) continue;
        const auto trans = provider->getTransformer(set->axisDependency());
        if (!trans) continue;
        const kit::Font& font = set->valueFont();
        const auto formatter = set->valueFormatter();
        const kit::AffineTransform matrix = trans->valueToPixelMatrix();
        const double angleRadians = set->valueLabelAngle() * std::numbers::pi / 180.0;
        const double yOffset = font.lineHeight() + 5.0;
        // The label stands over the candle's high.
        forEachPointOnContent<CandleChartDataEntry>(
            *provider, *set, matrix, [](const CandleChartDataEntry& e) { return e.high(); },
            [&](const CandleChartDataEntry& e, std::int64_t j, kit::Point pt) {
                if (set->isDrawValuesEnabled()) {
                    const std::string text = formatter->stringForValue(e.high(), e, i, &vph);
                    const kit::TextAttributes attributes{font, set->valueTextColorAt(j), std::nullopt};
                    drawCentredLabel(context, text, pt.x, pt.y - yOffset, attributes, angleRadians);
                }
                drawEntryIcon(context, e, *set, pt);
            });
    }
}

void CandleStickChartRenderer::drawHighlighted(kit::Context& context, std::span<Highlight> indices) {
    const auto provider = dataProvider();
    const auto data = provider ? provider->candleData() : nullptr;
    if (!data) return;
    kit::SavedState saved(context);
    const double phaseY = animator().phaseY();
    for (Highlight& h : indices) {
        const auto target = highlightTarget<CandleChartDataSet, CandleChartDataEntry>(*data, h);
        if (!target) continue;
        const auto& [candles, e] = *target;
        const auto trans = provider->getTransformer(candles->axisDependency());
        if (!trans) continue;
        setHighlightStroke(context, *candles);
        const double y = (e->low() * phaseY + e->high() * phaseY) * 0.5;
        const kit::Point pt = trans->pixelForValues(e->x(), y);
        h.setDraw(pt);
        drawHighlightLines(context, pt, *candles);
    }
}

} // namespace charting
