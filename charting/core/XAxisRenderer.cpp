#include "charting/core/XAxisRenderer.h"

#include "charting/core/ChartUtils.h"

#include <cmath>
#include "kit/base/Console.h"
#include <vector>

namespace charting {

namespace {
constexpr double degreesToRadians = 3.141592653589793 / 180.0;
}

XAxisRenderer::XAxisRenderer(std::shared_ptr<ViewPortHandler> viewPortHandler, std::shared_ptr<XAxis> axis,
                             std::shared_ptr<Transformer> transformer)
    : viewPortHandler_(std::move(viewPortHandler)), axis_(std::move(axis)), transformer_(std::move(transformer)) {}

void XAxisRenderer::computeAxis(double min, double max, bool inverted) {
    const ViewPortHandler& vp = *viewPortHandler_;
    if (transformer_ && vp.contentWidth() > 10 && !vp.isFullyZoomedOutX()) visibleRange(vp, *transformer_, true, inverted, min, max);
    computeAxisValues(min, max);
}

void XAxisRenderer::computeAxisValues(double min, double max) {
    const AxisValueSteps steps = computeAxisValueEntries(*axis_, min, max);
    if (!steps.computed) return;
    if (axis_->isCenterAxisLabelsEnabled()) {
        const std::vector<double>& entries = axis_->entries();
        std::vector<double>& centered = axis_->centeredEntries();
        centered.clear();
        // Never more than there are entries (rounding with extreme magnitudes can give fewer).
        const std::size_t count = std::min(steps.n, entries.size());
        for (std::size_t i = 0; i < count; ++i) centered.push_back(entries[i] + steps.interval / 2);
    }
    computeSize();
}

void XAxisRenderer::computeSize() {
    const std::string longest = axis_->getLongestLabel();
    const kit::Size size = kit::measureText(longest, kit::TextAttributes{axis_->labelFont(), kit::Color::blackColor(), std::nullopt});
    const double w = size.width, h = size.height;
    const double a = axis_->labelRotationAngle() * degreesToRadians;
    axis_->setLabelWidth(w);
    axis_->setLabelHeight(h);
    axis_->setLabelRotatedWidth(std::fabs(w * std::cos(a)) + std::fabs(h * std::sin(a)));
    axis_->setLabelRotatedHeight(std::fabs(w * std::sin(a)) + std::fabs(h * std::cos(a)));
}

void XAxisRenderer::renderAxisLabels(kit::Context& context) {
    if (!axis_->isEnabled() || !axis_->isDrawLabelsEnabled()) return;
    const double yOffset = axis_->yOffset();
    const ViewPortHandler& vp = *viewPortHandler_;
    switch (axis_->labelPosition()) {
    case XAxis::LabelPosition::top:
        drawLabels(context, vp.contentTop() - yOffset, {0.5, 1.0});
        break;
    case XAxis::LabelPosition::bottom:
        drawLabels(context, vp.contentBottom() + yOffset, {0.5, 0.0});
        break;
    case XAxis::LabelPosition::bothSided:
        drawLabels(context, vp.contentTop() - yOffset, {0.5, 1.0});
        drawLabels(context, vp.contentBottom() + yOffset, {0.5, 0.0});
        break;
    case XAxis::LabelPosition::topInside:
        drawLabels(context, vp.contentTop() + yOffset + axis_->labelRotatedHeight(), {0.5, 1.0});
        break;
    case XAxis::LabelPosition::bottomInside:
        drawLabels(context, vp.contentBottom() - yOffset - axis_->labelRotatedHeight(), {0.5, 0.0});
        break;
    default:
        kit::fatal("XAxisRenderer: unexpected label position");
    }
}

void XAxisRenderer::renderAxisLine(kit::Context& context) {
    const ViewPortHandler& vp = *viewPortHandler_;
    strokeAxisLines(context, {kit::Point{vp.contentLeft(), vp.contentTop()}, kit::Point{vp.contentRight(), vp.contentTop()}},
                    {kit::Point{vp.contentLeft(), vp.contentBottom()}, kit::Point{vp.contentRight(), vp.contentBottom()}});
}

void XAxisRenderer::strokeAxisLines(kit::Context& context, const std::array<kit::Point, 2>& topSide,
                                    const std::array<kit::Point, 2>& bottomSide) {
    if (!axis_->isEnabled() || !axis_->isDrawAxisLineEnabled()) return;
    kit::SavedState saved(context);
    setLineStroke(context, axis_->axisLineColor(), axis_->axisLineWidth(), axis_->axisLineDashPhase(), axis_->axisLineDashLengths());
    const XAxis::LabelPosition position = axis_->labelPosition();
    using P = XAxis::LabelPosition;
    if (position == P::top || position == P::topInside || position == P::bothSided) {
        axisLineSegmentsBuffer_ = topSide;
        context.strokeLineSegments({axisLineSegmentsBuffer_.begin(), axisLineSegmentsBuffer_.end()});
    }
    if (position == P::bottom || position == P::bottomInside || position == P::bothSided) {
        axisLineSegmentsBuffer_ = bottomSide;
        context.strokeLineSegments({axisLineSegmentsBuffer_.begin(), axisLineSegmentsBuffer_.end()});
    }
}

void XAxisRenderer::drawLabels(kit::Context& context, double pos, kit::Point anchor) {
    if (!transformer_) return;
    XAxis& axis = *axis_;
    const ViewPortHandler& vp = *viewPortHandler_;

    kit::ParagraphStyle paragraph;
    paragraph.alignment = kit::TextAlignment::center;
    const kit::TextAttributes attributes{axis.labelFont(), axis.labelTextColor(), paragraph};

    const double angle = axis.labelRotationAngle() * degreesToRadians;
    const bool centering = axis.isCenterAxisLabelsEnabled();
    const kit::AffineTransform matrix = transformer_->valueToPixelMatrix();

    kit::Size labelMaxSize{0, 0};
    if (axis.isWordWrapEnabled()) labelMaxSize.width = axis.wordWrapWidthPercent() * matrix.a;
    const kit::TextLayoutOptions measureOptions{labelMaxSize.width, labelMaxSize.height, 0};

    const std::vector<double> entries = axis.entries();
    const std::vector<double>& centered = axis.centeredEntries();
    const std::size_t count = entries.size();
    for (std::size_t i = 0; i < count; ++i) {
        // Centred positions that are missing (centring switched on after the last computation)
        // fall back to the entry itself.
        const double x = centering && i < centered.size() ? centered[i] : entries[i];
        double px = matrix.apply(kit::Point{x, 0}).x;
        if (!vp.isInBoundsX(px)) continue;

        auto formatter = axis.valueFormatter();
        const std::string label = formatter ? formatter->stringForValue(entries[i], &axis) : std::string();

        if (axis.isAvoidFirstLastClippingEnabled()) {
            if (i + 1 == count && count > 1) {
                const double width = kit::measureText(label, attributes, measureOptions).width;
                if (width > vp.offsetRight() * 2 && px + width > vp.chartWidth()) px -= width / 2;
            } else if (i == 0) {
                const double width = kit::measureText(label, attributes, measureOptions).width;
                px += width / 2;
            }
        }
        drawLabel(context, label, px, pos, attributes, labelMaxSize, anchor, angle);
    }
}

void XAxisRenderer::drawLabel(kit::Context& context, const std::string& formattedLabel, double x, double y,
                              const kit::TextAttributes& attributes, kit::Size constrainedTo, kit::Point anchor,
                              double angleRadians) {
    const kit::Size size =
        kit::measureText(formattedLabel, attributes, kit::TextLayoutOptions{constrainedTo.width, constrainedTo.height, 0});
    drawMultilineText(context, formattedLabel, kit::Point{x, y}, anchor, size, angleRadians, attributes);
}

kit::Rect XAxisRenderer::gridClippingRect() const {
    return contentClip(*viewPortHandler_, ContentLine::vertical, axis_->gridLineWidth());
}

void XAxisRenderer::renderGridLines(kit::Context& context) {
    if (!transformer_ || !axis_->isEnabled() || !axis_->isDrawGridLinesEnabled()) return;
    const XAxis& axis = *axis_;
    kit::SavedState saved(context);
    context.clipToRect(gridClippingRect());
    context.setShouldAntialias(axis.gridAntialiasEnabled());
    context.setStrokeColor(axis.gridColor());
    context.setLineWidth(axis.gridLineWidth());
    context.setLineCap(axis.gridLineCap());
    setComponentDash(context, axis.gridLineDashPhase(), axis.gridLineDashLengths());
    const kit::AffineTransform matrix = transformer_->valueToPixelMatrix();
    const std::vector<double> entries = axis.entries();
    for (double v : entries) {
        const kit::Point p = matrix.apply(kit::Point{v, v});
        drawGridLine(context, p.x, p.y);
    }
}

void XAxisRenderer::drawGridLine(kit::Context& context, double x, double y) {
    (void)y;
    const ViewPortHandler& vp = *viewPortHandler_;
    if (x < vp.offsetLeft() || x > vp.chartWidth()) return;
    addContentLine(context, vp, ContentLine::vertical, x);
    context.strokePath();
}

void XAxisRenderer::renderLimitLines(kit::Context& context) {
    if (!transformer_ || axis_->limitLines().empty()) return;
    const kit::AffineTransform matrix = transformer_->valueToPixelMatrix();
    forEachLimitLine(context, *viewPortHandler_, *axis_, *transformer_, ContentLine::vertical,
                     [&](const ChartLimitLine& line, double) {
                         const kit::Point position = matrix.apply(kit::Point{line.limit(), 0});
                         renderLimitLineLine(context, line, position);
                         renderLimitLineLabel(context, line, position, 2.0 + line.yOffset());
                     });
}

void XAxisRenderer::renderLimitLineLine(kit::Context& context, const ChartLimitLine& limitLine, kit::Point position) {
    strokeLimitLine(context, *viewPortHandler_, limitLine, ContentLine::vertical, position.x);
}

void XAxisRenderer::renderLimitLineLabel(kit::Context& context, const ChartLimitLine& limitLine, kit::Point position,
                                         double yOffset) {
    if (!limitLine.drawLabelEnabled() || limitLine.label().empty()) return;
    const ViewPortHandler& vp = *viewPortHandler_;
    const double h = limitLine.valueFont().lineHeight();
    const double xOffset = limitLine.lineWidth() + limitLine.xOffset();
    const kit::TextAttributes attributes{limitLine.valueFont(), limitLine.valueTextColor(), std::nullopt};
    using P = ChartLimitLine::LabelPosition;
    kit::Point at;
    kit::TextAlignment align = kit::TextAlignment::left;
    switch (limitLine.labelPosition()) {
    case P::leftTop:
        at = {position.x - xOffset, vp.contentTop() + yOffset};
        align = kit::TextAlignment::right;
        break;
    case P::leftBottom:
        at = {position.x - xOffset, vp.contentBottom() - h - yOffset};
        align = kit::TextAlignment::right;
        break;
    case P::rightTop:
        at = {position.x + xOffset, vp.contentTop() + yOffset};
        break;
    case P::rightBottom:
        at = {position.x + xOffset, vp.contentBottom() - h - yOffset};
        break;
    default:
        kit::fatal("XAxisRenderer: unexpected limit line label position");
    }
    drawText(context, limitLine.label(), at, align, kit::Point{0, 0}, 0, attributes);
}

} // namespace charting
