#include "charting/core/LineScatterCandleRadarRenderer.h"

#include "charting/core/ContentLine.h"
#include "charting/core/Transformer.h"
#include "kit/graphics/Context.h"

#include <numbers>

namespace charting {

void LineScatterCandleRadarRenderer::drawHighlightLines(kit::Context& context, kit::Point point,
                                                        const LineScatterCandleRadarChartDataSet& set) {
    const ViewPortHandler& vp = viewPortHandler();
    if (set.isVerticalHighlightIndicatorEnabled()) {
        addContentLine(context, vp, ContentLine::vertical, point.x);
        context.strokePath();
    }
    if (set.isHorizontalHighlightIndicatorEnabled()) {
        addContentLine(context, vp, ContentLine::horizontal, point.y);
        context.strokePath();
    }
}

void LineScatterCandleRadarRenderer::setHighlightStroke(kit::Context& context, const BarLineScatterCandleBubbleChartDataSet& set) {
    context.setStrokeColor(set.highlightColor());
    context.setLineWidth(set.highlightLineWidth());
    setComponentDash(context, set.highlightLineDashPhase(), set.highlightLineDashLengths());
}

void LineScatterCandleRadarRenderer::drawPointValues(kit::Context& context, BarLineScatterCandleBubbleChartDataProvider& provider,
                                                     const ChartBaseDataSet& set, int setIndex, double lift) {
    const double angle = set.valueLabelAngle() * std::numbers::pi / 180.0;
    const kit::Font& font = set.valueFont();
    const auto formatter = set.valueFormatter();
    const kit::AffineTransform matrix = provider.getTransformer(set.axisDependency())->valueToPixelMatrix();
    const double lineHeight = font.lineHeight();
    forEachPointOnContent<ChartDataEntry>(
        provider, set, matrix, [](const ChartDataEntry& e) { return e.y(); },
        [&](const ChartDataEntry& e, std::int64_t j, kit::Point p) {
            if (set.isDrawValuesEnabled() && formatter) {
                const std::string text = formatter->stringForValue(e.y(), e, setIndex, &viewPortHandler());
                const kit::TextAttributes attributes{font, set.valueTextColorAt(j), std::nullopt};
                drawCentredLabel(context, text, p.x, p.y - lift - lineHeight, attributes, angle);
            }
            drawEntryIcon(context, e, set, p);
        });
}

void LineRadarRenderer::drawFilledPath(kit::Context& context, const kit::Path& path, const ChartFill& fill,
                                       double fillAlpha) {
    kit::SavedState saved(context);
    context.beginPath();
    context.addPath(path);
    context.setAlpha(fillAlpha);
    fill.fillPath(context, viewPortHandler().contentRect());
}

void LineRadarRenderer::drawFilledPath(kit::Context& context, const kit::Path& path, const kit::Color& fillColor,
                                       double fillAlpha) {
    kit::SavedState saved(context);
    context.beginPath();
    context.addPath(path);
    context.setAlpha(fillAlpha);
    context.setFillColor(fillColor);
    context.fillPath(false);
}

} // namespace charting
