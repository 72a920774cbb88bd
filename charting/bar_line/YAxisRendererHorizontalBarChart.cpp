#include "charting/bar_line/YAxisRendererHorizontalBarChart.h"

#include "charting/core/XAxisRenderer.h"
#include "kit/graphics/Context.h"

namespace charting {

void YAxisRendererHorizontalBarChart::computeAxis(double min, double max, bool inverted) {
    ViewPortHandler& vp = viewPortHandler();
    if (transformer() && vp.contentHeight() > 10 && !vp.isFullyZoomedOutX()) visibleRange(vp, *transformer(), true, inverted, min, max);
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
    return contentClip(viewPortHandler(), ContentLine::vertical, axis().gridLineWidth());
}

void YAxisRendererHorizontalBarChart::drawGridLine(kit::Context& context, kit::Point position) {
    addContentLine(context, viewPortHandler(), ContentLine::vertical, position.x);
    context.strokePath();
}

void YAxisRendererHorizontalBarChart::renderAxisLine(kit::Context& context) {
    YAxis& axis = this->axis();
    if (!axis.isEnabled() || !axis.drawAxisLineEnabled()) return;
    const ViewPortHandler& vp = viewPortHandler();
    kit::SavedState saved(context);
    setLineStroke(context, axis.axisLineColor(), axis.axisLineWidth(), axis.axisLineDashPhase(), axis.axisLineDashLengths());
    const double y = axis.axisDependency() == AxisDependency::left ? vp.contentTop() : vp.contentBottom();
    addContentLine(context, vp, ContentLine::horizontal, y);
    context.strokePath();
}

void YAxisRendererHorizontalBarChart::drawZeroLine(kit::Context& context) {
    if (!transformer() || !axis().zeroLineColor()) return;
    strokeZeroLine(context, ContentLine::vertical, transformer()->pixelForValues(0, 0).x - 1.0);
}

void YAxisRendererHorizontalBarChart::renderLimitLines(kit::Context& context) {
    if (!transformer() || axis().limitLines().empty()) return;
    const ViewPortHandler& vp = viewPortHandler();
    kit::SavedState pass(context);
    forEachLimitLine(context, vp, axis(), *transformer(), ContentLine::vertical, [&](const ChartLimitLine& line, double x) {
        strokeLimitLine(context, vp, line, ContentLine::vertical, x);
        if (!line.drawLabelEnabled() || line.label().empty()) return;
        const double h = line.valueFont().lineHeight();
        const double xOffset = line.lineWidth() + line.xOffset();
        const double yOffset = line.yOffset() + 2.0;
        const kit::TextAttributes attributes{line.valueFont(), line.valueTextColor(), std::nullopt};
        const double w = kit::measureText(line.label(), attributes).width;
        using P = ChartLimitLine::LabelPosition;
        kit::Point at;
        switch (line.labelPosition()) {
        case P::leftTop: at = {x - xOffset - w, vp.contentTop() + yOffset}; break;
        case P::leftBottom: at = {x - xOffset - w, vp.contentBottom() - h - yOffset}; break;
        case P::rightTop: at = {x + xOffset, vp.contentTop() + yOffset}; break;
        case P::rightBottom: at = {x + xOffset, vp.contentBottom() - h - yOffset}; break;
        }
        kit::SavedState pushed(context);
        kit::drawText(context, line.label(), at, attributes);
    });
}

} // namespace charting
