#include "charting/bar_line/YAxisRendererHorizontalBarChart.h"

#include "charting/core/XAxisRenderer.h"
#include "kit/graphics/Context.h"

namespace charting {

void YAxisRendererHorizontalBarChart::computeAxis(double min, double max, bool inverted) {
    ViewPortHandler& vp = viewPortHandler();
    if (transformer() && vp.contentHeight() > 10 && !vp.isFullyZoomedOutX()) {
        const kit::Point p1 = transformer()->valueForTouchPoint(vp.contentLeft(), vp.contentTop());
        const kit::Point p2 = transformer()->valueForTouchPoint(vp.contentRight(), vp.contentTop());
        min = inverted ? p2.x : p1.x;
        max = inverted ? p1.x : p2.x;
    }
    computeAxisValues(min, max);
}

void YAxisRendererHorizontalBarChart::renderAxisLabels(kit::Context& context) {
    YAxis& axis = this->axis();
    if (!axis.isEnabled() || !axis.isDrawLabelsEnabled()) return;
    const double lineHeight = axis.labelFont().lineHeight();
    const double baseYOffset = 2.5;
    const ViewPortHandler& vp = viewPortHandler();
    const double yPos = axis.axisDependency() == AxisDependency::left ? vp.contentTop() - baseYOffset - lineHeight
                                                                      : vp.contentBottom() + baseYOffset;
    drawYLabels(context, yPos, transformedPositions(), axis.yOffset(), kit::TextAlignment::center);
}

void YAxisRendererHorizontalBarChart::drawYLabels(kit::Context& context, double fixedPosition,
                                                  const std::vector<kit::Point>& positions, double offset,
                                                  kit::TextAlignment textAlign) {
    (void)textAlign;
    YAxis& axis = this->axis();
    const int first = axis.isDrawBottomYLabelEntryEnabled() ? 0 : 1;
    const int end = axis.isDrawTopYLabelEntryEnabled() ? axis.entryCount() : axis.entryCount() - 1;
    if (end <= first || positions.size() < static_cast<std::size_t>(end)) return;
    const kit::TextAttributes attributes{axis.labelFont(), axis.labelTextColor(), std::nullopt};
    for (int i = first; i < end; ++i) {
        const std::string text = axis.getFormattedLabel(i);
        const double w = kit::measureText(text, attributes).width;
        kit::SavedState pushed(context);
        kit::drawText(context, text, kit::Point{positions[static_cast<std::size_t>(i)].x - w / 2.0,
                                                fixedPosition - offset + axis.labelXOffset()},
                      attributes);
    }
}

std::vector<kit::Point> YAxisRendererHorizontalBarChart::transformedPositions() const {
    if (!transformer()) return {};
    std::vector<kit::Point> positions;
    positions.reserve(axis().entries().size());
    for (const double v : axis().entries()) positions.push_back(kit::Point{v, 0});
    transformer()->convertPointsToPixels(positions);
    return positions;
}

kit::Rect YAxisRendererHorizontalBarChart::gridClippingRect() const {
    kit::Rect r = viewPortHandler().contentRect();
    r.origin.x -= axis().gridLineWidth() / 2.0;
    r.size.width += axis().gridLineWidth();
    return r;
}

void YAxisRendererHorizontalBarChart::drawGridLine(kit::Context& context, kit::Point position) {
    const ViewPortHandler& vp = viewPortHandler();
    context.beginPath();
    context.moveTo({position.x, vp.contentTop()});
    context.lineTo({position.x, vp.contentBottom()});
    context.strokePath();
}

void YAxisRendererHorizontalBarChart::renderAxisLine(kit::Context& context) {
    YAxis& axis = this->axis();
    if (!axis.isEnabled() || !axis.drawAxisLineEnabled()) return;
    const ViewPortHandler& vp = viewPortHandler();
    kit::SavedState saved(context);
    context.setStrokeColor(axis.axisLineColor());
    context.setLineWidth(axis.axisLineWidth());
    setComponentDash(context, axis.axisLineDashPhase(), axis.axisLineDashLengths());
    const double y = axis.axisDependency() == AxisDependency::left ? vp.contentTop() : vp.contentBottom();
    context.beginPath();
    context.moveTo({vp.contentLeft(), y});
    context.lineTo({vp.contentRight(), y});
    context.strokePath();
}

void YAxisRendererHorizontalBarChart::drawZeroLine(kit::Context& context) {
    YAxis& axis = this->axis();
    if (!transformer() || !axis.zeroLineColor()) return;
    const ViewPortHandler& vp = viewPortHandler();
    kit::SavedState saved(context);
    kit::Rect clip = vp.contentRect();
    clip.origin.x -= axis.zeroLineWidth() / 2.0;
    clip.size.width += axis.zeroLineWidth();
    context.clipToRect(clip);
    context.setStrokeColor(*axis.zeroLineColor());
    context.setLineWidth(axis.zeroLineWidth());
    setComponentDash(context, axis.zeroLineDashPhase(), axis.zeroLineDashLengths());
    const double x = transformer()->pixelForValues(0, 0).x - 1.0;
    context.beginPath();
    context.moveTo({x, vp.contentTop()});
    context.lineTo({x, vp.contentBottom()});
    context.strokePath();
}

void YAxisRendererHorizontalBarChart::renderLimitLines(kit::Context& context) {
    if (!transformer() || axis().limitLines().empty()) return;
    const ViewPortHandler& vp = viewPortHandler();
    const kit::AffineTransform matrix = transformer()->valueToPixelMatrix();
    kit::SavedState pass(context);
    const auto lines = axis().limitLines();
    for (const auto& line : lines) {
        if (!line || !line->isEnabled()) continue;
        kit::SavedState saved(context);
        kit::Rect clip = vp.contentRect();
        clip.origin.x -= line->lineWidth() / 2.0;
        clip.size.width += line->lineWidth();
        context.clipToRect(clip);
        const double x = matrix.apply(kit::Point{line->limit(), 0}).x;
        context.beginPath();
        context.moveTo({x, vp.contentTop()});
        context.lineTo({x, vp.contentBottom()});
        context.setStrokeColor(line->lineColor());
        context.setLineWidth(line->lineWidth());
        setComponentDash(context, line->lineDashPhase(), line->lineDashLengths());
        context.strokePath();

        if (!line->drawLabelEnabled() || line->label().empty()) continue;
        const double h = line->valueFont().lineHeight();
        const double xOffset = line->lineWidth() + line->xOffset();
        const double yOffset = line->yOffset() + 2.0;
        const kit::TextAttributes attributes{line->valueFont(), line->valueTextColor(), std::nullopt};
        const double w = kit::measureText(line->label(), attributes).width;
        using P = ChartLimitLine::LabelPosition;
        kit::Point at;
        switch (line->labelPosition()) {
        case P::leftTop: at = {x - xOffset - w, vp.contentTop() + yOffset}; break;
        case P::leftBottom: at = {x - xOffset - w, vp.contentBottom() - h - yOffset}; break;
        case P::rightTop: at = {x + xOffset, vp.contentTop() + yOffset}; break;
        case P::rightBottom: at = {x + xOffset, vp.contentBottom() - h - yOffset}; break;
        }
        kit::SavedState pushed(context);
        kit::drawText(context, line->label(), at, attributes);
    }
}

} // namespace charting
