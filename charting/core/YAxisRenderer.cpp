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
    context.setStrokeColor(axis_->axisLineColor());
    context.setLineWidth(axis_->axisLineWidth());
    setComponentDash(context, axis_->axisLineDashPhase(), axis_->axisLineDashLengths());
    const double x = axis_->axisDependency() == AxisDependency::left ? vp.contentLeft() : vp.contentRight();
    context.beginPath();
    context.moveTo({x, vp.contentTop()});
    context.lineTo({x, vp.contentBottom()});
    context.strokePath();
}

kit::Rect YAxisRenderer::gridClippingRect() const {
    kit::Rect r = viewPortHandler_->contentRect();
    const double width = axis_->gridLineWidth();
    r.origin.y -= width / 2;
    r.size.height += width;
    return r;
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
    const ViewPortHandler& vp = *viewPortHandler_;
    context.beginPath();
    context.moveTo({vp.contentLeft(), position.y});
    context.lineTo({vp.contentRight(), position.y});
    context.strokePath();
}

void YAxisRenderer::drawZeroLine(kit::Context& context) {
    if (!transformer_ || !axis_->zeroLineColor()) return;
    const ViewPortHandler& vp = *viewPortHandler_;
    kit::SavedState saved(context);
    kit::Rect clip = vp.contentRect();
    clip.origin.y -= axis_->zeroLineWidth() / 2;
    clip.size.height += axis_->zeroLineWidth();
    context.clipToRect(clip);
    context.setStrokeColor(*axis_->zeroLineColor());
    context.setLineWidth(axis_->zeroLineWidth());
    const double y0 = transformer_->pixelForValues(0, 0).y;
    setComponentDash(context, axis_->zeroLineDashPhase(), axis_->zeroLineDashLengths());
    context.beginPath();
    context.moveTo({vp.contentLeft(), y0});
    context.lineTo({vp.contentRight(), y0});
    context.strokePath();
}

void YAxisRenderer::renderLimitLines(kit::Context& context) {
    if (!transformer_ || axis_->limitLines().empty()) return;
    const ViewPortHandler& vp = *viewPortHandler_;
    kit::SavedState outer(context);
    const kit::AffineTransform matrix = transformer_->valueToPixelMatrix();
    const auto lines = axis_->limitLines();
    for (const auto& line : lines) {
        if (!line || !line->isEnabled()) continue;
        kit::SavedState saved(context);
        kit::Rect clip = vp.contentRect();
        clip.origin.y -= line->lineWidth() / 2;
        clip.size.height += line->lineWidth();
        context.clipToRect(clip);

        const double y = matrix.apply(kit::Point{0, line->limit()}).y;
        context.beginPath();
        context.moveTo({vp.contentLeft(), y});
        context.lineTo({vp.contentRight(), y});
        context.setStrokeColor(line->lineColor());
        context.setLineWidth(line->lineWidth());
        setComponentDash(context, line->lineDashPhase(), line->lineDashLengths());
        context.strokePath();

        if (!line->drawLabelEnabled() || line->label().empty()) continue;
        const double h = line->valueFont().lineHeight();
        const double xOffset = 4.0 + line->xOffset();
        const double yOffset = line->lineWidth() + h + line->yOffset();
        const kit::TextAttributes attributes{line->valueFont(), line->valueTextColor(), std::nullopt};
        using P = ChartLimitLine::LabelPosition;
        kit::Point at;
        kit::TextAlignment align = kit::TextAlignment::left;
        switch (line->labelPosition()) {
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
        drawText(context, line->label(), at, align, kit::Point{0, 0}, 0, attributes);
    }
}

void YAxisRenderer::computeAxis(double min, double max, bool inverted) {
    const ViewPortHandler& vp = *viewPortHandler_;
    if (transformer_ && vp.contentWidth() > 10 && !vp.isFullyZoomedOutY()) {
        const kit::Point p1 = transformer_->valueForTouchPoint(vp.contentLeft(), vp.contentTop());
        const kit::Point p2 = transformer_->valueForTouchPoint(vp.contentLeft(), vp.contentBottom());
        min = inverted ? p1.y : p2.y;
        max = inverted ? p2.y : p1.y;
    }
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
