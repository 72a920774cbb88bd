#include "charting/core/LineScatterCandleRadarRenderer.h"

#include "kit/graphics/Context.h"

namespace charting {

void LineScatterCandleRadarRenderer::drawHighlightLines(kit::Context& context, kit::Point point,
                                                        const LineScatterCandleRadarChartDataSet& set) {
    const ViewPortHandler& vp = viewPortHandler();
    if (set.isVerticalHighlightIndicatorEnabled()) {
        context.beginPath();
        context.moveTo({point.x, vp.contentTop()});
        context.lineTo({point.x, vp.contentBottom()});
        context.strokePath();
    }
    if (set.isHorizontalHighlightIndicatorEnabled()) {
        context.beginPath();
        context.moveTo({vp.contentLeft(), point.y});
        context.lineTo({vp.contentRight(), point.y});
        context.strokePath();
    }
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
