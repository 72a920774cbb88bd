#include "charting/core/YAxisRenderer.h"

#include "charting/core/ChartUtils.h"
#include "charting/core/XAxisRenderer.h"
#include "kit/base/Console.h"

namespace charting {

YAxisRenderer::YAxisRenderer(std::shared_ptr<ViewPortHandler> viewPortHandler, std::shared_ptr<YAxis> axis,
                             std::shared_ptr<Transformer> transformer)
    : viewPortHandler_(std::move(viewPortHandler)), axis_(std::move(axis)), transformer_(std::move(transformer)) {}

std::vector<kit::Point> YAxisRenderer::transformedPositions() const {
    if (!transformer_) return {};
    std::vector<kit::Point> positions;
    positions.reserve(axis_->entries().size());
    for (double v : axis_->entries()) positions.push_back({0, v});
    transformer_->convertPointsToPixels(positions);
    return positions;
}

void YAxisRenderer::renderAxisLabels(kit::Context& context) {
    if (!axis_->isEnabled() || !axis_->isDrawLabelsEnabled()) return;
    const ViewPortHandler& vp = *viewPortHandler_;
    const double lineHeight = axis_->labelFont().lineHeight();
    const double xOffset = axis_->xOffset();
    const double yOffset = lineHeight / 2.5 + axis_->yOffset();
    const bool outside = axis_->labelPosition() == YAxis::LabelPosition::outsideChart;
    double x;
    kit::TextAlignment align;
    if (axis_->axisDependency() == AxisDependency::left) {
        x = outside ? vp.offsetLeft() - xOffset : vp.offsetLeft() + xOffset;
        align = outside ? kit::TextAlignment::right : kit::TextAlignment::left;
    } else {
        x = outside ? vp.contentRight() + xOffset : vp.contentRight() - xOffset;
        align = outside ? kit::TextAlignment::left : kit::TextAlignment::right;
    }
    drawYLabels(context, x, transformedPositions(), yOffset - lineHeight, align);
}

void YAxisRenderer::drawYLabels(kit::Context& context, double fixedPosition, const std::vector<kit::Point>& positions,
                                double offset, kit::TextAlignment textAlign) {
    YAxis& axis = *axis_;
    const int from = axis.isDrawBottomYLabelEntryEnabled() ? 0 : 1;
    int to = axis.isDrawTopYLabelEntryEnabled() ? axis.entryCount() : axis.entryCount() - 1;
    // Never past the positions given (an axis with too few entries draws nothing).
    if (to > static_cast<int>(positions.size())) to = static_cast<int>(positions.size());
    const kit::TextAttributes attributes{axis.labelFont(), axis.labelTextColor(), std::nullopt};
    for (int i = from; i < to; ++i) {
        const std::string text = axis.getFormattedLabel(i);
        const kit::Point at{fixedPosition + axis.labelXOffset(), positions[static_cast<std::size_t>(i)].y + offset};
        drawText(context, text, at, textAlign, kit::Point{0, 0}, 0, attributes);
    }
}

void YAxisRenderer::renderAxisLine(kit::Context& context) {
    if (!axis_->isEnabled() || !axis_->drawAxisLineEnabled()) return;
    const ViewPortHandler& vp = *viewPortHandler_;
    kit::SavedState saved(context);
    setLineStroke(context, axis_->axisLineColor(), axis_->axisLineWidth(), axis_->axisLineDashPhase(), axis_->axisLineDashLengths());
    const double x = axis_->axisDependency() == AxisDependency::left ? vp.contentLeft() : vp.contentRight();
    addContentLine(context, vp, ContentLine::vertical, x);
    context.strokePath();
}

kit::Rect YAxisRenderer::gridClippingRect() const {
    return contentClip(*viewPortHandler_, ContentLine::horizontal, axis_->gridLineWidth());
}

void YAxisRenderer::renderGridLines(kit::Context& context) {
    if (!axis_->isEnabled()) return;
    const YAxis& axis = *axis_;
    if (axis.drawGridLinesEnabled()) {
        const std::vector<kit::Point> positions = transformedPositions();
        kit::SavedState saved(context);
        context.clipToRect(gridClippingRect());
        context.setShouldAntialias(axis.gridAntialiasEnabled());
        context.setStrokeColor(axis.gridColor());
        context.setLineWidth(axis.gridLineWidth());
        context.setLineCap(axis.gridLineCap());
        setComponentDash(context, axis.gridLineDashPhase(), axis.gridLineDashLengths());
        for (const kit::Point& p : positions) drawGridLine(context, p);
    }
    if (axis.drawZeroLineEnabled()) drawZeroLine(context);
}

void YAxisRenderer::drawGridLine(kit::Context& context, kit::Point position) {
    addContentLine(context, *viewPortHandler_, ContentLine::horizontal, position.y);
    context.strokePath();
}

void YAxisRenderer::drawZeroLine(kit::Context& context) {
    if (!transformer_ || !axis_->zeroLineColor()) return;
    strokeZeroLine(context, ContentLine::horizontal, transformer_->pixelForValues(0, 0).y);
}

void YAxisRenderer::strokeZeroLine(kit::Context& context, ContentLine direction, double at) {
    const YAxis& axis = *axis_;
    kit::SavedState saved(context);
    context.clipToRect(contentClip(*viewPortHandler_, direction, axis.zeroLineWidth()));
    setLineStroke(context, *axis.zeroLineColor(), axis.zeroLineWidth(), axis.zeroLineDashPhase(), axis.zeroLineDashLengths());
    addContentLine(context, *viewPortHandler_, direction, at);
    context.strokePath();
}

void YAxisRenderer::renderLimitLines(kit::Context& context) {
    if (!transformer_ || axis_->limitLines().empty()) return;
    const ViewPortHandler& vp = *viewPortHandler_;
    kit::SavedState outer(context);
    forEachLimitLine(context, vp, *axis_, *transformer_, ContentLine::horizontal, [&](const ChartLimitLine& line, double y) {
        strokeLimitLine(context, vp, line, ContentLine::horizontal, y);
        if (!line.drawLabelEnabled() || line.label().empty()) return;
        const double h = line.valueFont().lineHeight();
        const double xOffset = 4.0 + line.xOffset();
        const double yOffset = line.lineWidth() + h + line.yOffset();
        const kit::TextAttributes attributes{line.valueFont(), line.valueTextColor(), std::nullopt};
        using P = ChartLimitLine::LabelPosition;
        kit::Point at;
        kit::TextAlignment align = kit::TextAlignment::left;
        switch (line.labelPosition()) {
        case P::leftTop:
            at = {vp.contentLeft() + xOffset, y - yOffset};
            break;
        case P::leftBottom:
            at = {vp.contentLeft() + xOffset, y + yOffset - h};
            break;
        case P::rightTop:
            at = {vp.contentRight() - xOffset, y - yOffset};
            align = kit::TextAlignment::right;
            break;
        case P::rightBottom:
            at = {vp.contentRight() - xOffset, y + yOffset - h};
            align = kit::TextAlignment::right;
            break;
        default:
            kit::fatal("YAxisRenderer: unexpected limit line label position");
        }
        drawText(context, line.label(), at, align, kit::Point{0, 0}, 0, attributes);
    });
}

void YAxisRenderer::computeAxis(double min, double max, bool inverted) {
    const ViewPortHandler& vp = *viewPortHandler_;
    if (transformer_ && vp.contentWidth() > 10 && !vp.isFullyZoomedOutY()) visibleRange(vp, *transformer_, false, inverted, min, max);
    computeAxisValues(min, max);
}

void YAxisRenderer::computeAxisValues(double min, double max) {
    const AxisValueSteps steps = computeAxisValueEntries(*axis_, min, max);
    if (!steps.computed || !axis_->isCenterAxisLabelsEnabled()) return;
    std::vector<double>& centered = axis_->centeredEntries();
    centered.clear();
    for (double v : axis_->entries()) centered.push_back(v + steps.interval / 2);
}

} // namespace charting
