#include "charting/bar_line/XAxisRendererHorizontalBarChart.h"

#include "charting/core/ChartUtils.h"
#include "charting/model/ChartData.h"
#include "kit/graphics/Context.h"

#include <cmath>
#include <numbers>

namespace charting {

XAxisRendererHorizontalBarChart::XAxisRendererHorizontalBarChart(std::shared_ptr<ViewPortHandler> viewPortHandler,
                                                                 std::shared_ptr<XAxis> axis,
                                                                 std::shared_ptr<Transformer> transformer,
                                                                 const std::shared_ptr<ChartDataProvider>& chart)
    : XAxisRenderer(std::move(viewPortHandler), std::move(axis), std::move(transformer)), chart_(chart) {}

void XAxisRendererHorizontalBarChart::computeAxis(double min, double max, bool inverted) {
    ViewPortHandler& vp = viewPortHandler();
    if (transformer() && vp.contentWidth() > 10 && !vp.isFullyZoomedOutY()) visibleRange(vp, *transformer(), false, inverted, min, max);
    computeAxisValues(min, max);
}

void XAxisRendererHorizontalBarChart::computeSize() {
    XAxis& axis = this->axis();
    const kit::Size size =
        kit::measureText(axis.getLongestLabel(), kit::TextAttributes{axis.labelFont(), kit::Color::blackColor(), std::nullopt});
    const double width = std::floor(size.width + axis.xOffset() * 3.5);
    const double height = size.height;
    const double a = axis.labelRotationAngle() * std::numbers::pi / 180.0;
    axis.setLabelWidth(width);
    axis.setLabelHeight(height);
    axis.setLabelRotatedWidth(std::round(std::fabs(width * std::cos(a)) + std::fabs(height * std::sin(a)) + axis.xOffset() * 3.5));
    axis.setLabelRotatedHeight(std::round(std::fabs(width * std::sin(a)) + std::fabs(height * std::cos(a))));
}

void XAxisRendererHorizontalBarChart::renderAxisLabels(kit::Context& context) {
    XAxis& axis = this->axis();
    const auto chart = chart_.lock();
    if (!axis.isEnabled() || !axis.isDrawLabelsEnabled() || !chart || !chart->data()) return;
    const double xoffset = axis.xOffset();
    const ViewPortHandler& vp = viewPortHandler();
    using P = XAxis::LabelPosition;
    switch (axis.labelPosition()) {
    case P::top:
        drawLabels(context, vp.contentRight() + xoffset, {0.0, 0.5});
        break;
    case P::bottom:
        drawLabels(context, vp.contentLeft() - xoffset, {1.0, 0.5});
        break;
    case P::bothSided:
        drawLabels(context, vp.contentRight() + xoffset, {0.0, 0.5});
        drawLabels(context, vp.contentLeft() - xoffset, {1.0, 0.5});
        break;
    case P::topInside:
        drawLabels(context, vp.contentRight() - xoffset, {1.0, 0.5});
        break;
    case P::bottomInside:
        drawLabels(context, vp.contentLeft() + xoffset, {0.0, 0.5});
        break;
    }
}

void XAxisRendererHorizontalBarChart::drawLabels(kit::Context& context, double pos, kit::Point anchor) {
    if (!transformer()) return;
    XAxis& axis = this->axis();
    const kit::TextAttributes attributes{axis.labelFont(), axis.labelTextColor(), std::nullopt};
    const double angleRadians = axis.labelRotationAngle() * std::numbers::pi / 180.0;
    const bool centering = axis.isCenterAxisLabelsEnabled();
    const auto formatter = axis.valueFormatter();
    const std::vector<double> entries = axis.entries();
    const std::vector<double> centered = axis.centeredEntries();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const double value = centering && i < centered.size() ? centered[i] : entries[i];
        kit::Point p{0, value};
        transformer()->convertPointToPixel(p);
        if (!viewPortHandler().isInBoundsY(p.y) || !formatter) continue;
        drawLabel(context, formatter->stringForValue(entries[i], &axis), pos, p.y, attributes, kit::Size{}, anchor, angleRadians);
    }
}

void XAxisRendererHorizontalBarChart::drawLabel(kit::Context& context, const std::string& formattedLabel, double x,
                                                double y, const kit::TextAttributes& attributes, kit::Size constrainedTo,
                                                kit::Point anchor, double angleRadians) {
    (void)constrainedTo;
    drawText(context, formattedLabel, kit::Point{x, y}, anchor, angleRadians, attributes);
}

kit::Rect XAxisRendererHorizontalBarChart::gridClippingRect() const {
    return contentClip(viewPortHandler(), ContentLine::horizontal, axis().gridLineWidth());
}

void XAxisRendererHorizontalBarChart::drawGridLine(kit::Context& context, double x, double y) {
    (void)x;
    const ViewPortHandler& vp = viewPortHandler();
    if (!vp.isInBoundsY(y)) return;
    addContentLine(context, vp, ContentLine::horizontal, y);
    context.strokePath();
}

// The label sides are the right (top) and the left (bottom) of the content.
void XAxisRendererHorizontalBarChart::renderAxisLine(kit::Context& context) {
    const ViewPortHandler& vp = viewPortHandler();
    strokeAxisLines(context, {kit::Point{vp.contentRight(), vp.contentTop()}, kit::Point{vp.contentRight(), vp.contentBottom()}},
                    {kit::Point{vp.contentLeft(), vp.contentTop()}, kit::Point{vp.contentLeft(), vp.contentBottom()}});
}

void XAxisRendererHorizontalBarChart::renderLimitLines(kit::Context& context) {
    if (!transformer() || axis().limitLines().empty()) return;
    const ViewPortHandler& vp = viewPortHandler();
    forEachLimitLine(context, vp, axis(), *transformer(), ContentLine::horizontal, [&](const ChartLimitLine& line, double y) {
        strokeLimitLine(context, vp, line, ContentLine::horizontal, y);
        if (!line.drawLabelEnabled() || line.label().empty()) return;
        const double h = line.valueFont().lineHeight();
        const double xOffset = line.xOffset() + 4.0;
        const double yOffset = h + line.lineWidth() + line.yOffset();
        const kit::TextAttributes attributes{line.valueFont(), line.valueTextColor(), std::nullopt};
        const double w = kit::measureText(line.label(), attributes).width;
        using P = ChartLimitLine::LabelPosition;
        kit::Point at;
        switch (line.labelPosition()) {
        case P::leftTop: at = {vp.contentLeft() + xOffset, y - yOffset}; break;
        case P::leftBottom: at = {vp.contentLeft() + xOffset, y + yOffset - h}; break;
        case P::rightTop: at = {vp.contentRight() - xOffset - w, y - yOffset}; break;
        case P::rightBottom: at = {vp.contentRight() - xOffset - w, y + yOffset - h}; break;
        }
        kit::SavedState pushed(context);
        kit::drawText(context, line.label(), at, attributes);
    });
}

} // namespace charting
