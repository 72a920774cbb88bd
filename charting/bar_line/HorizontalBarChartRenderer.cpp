#include "charting/bar_line/HorizontalBarChartRenderer.h"

#include "charting/bar_line/BarChartDataSet.h"
#include "charting/core/Transformer.h"
#include "charting/model/ChartData.h"
#include "kit/graphics/Context.h"

namespace charting {

kit::Rect HorizontalBarChartRenderer::barRect(double x, double barWidthHalf, double end, double base) const {
    const double bottom = x - barWidthHalf, top = x + barWidthHalf;
    return kit::Rect{base, top, end - base, bottom - top};
}

const YAxis* HorizontalBarChartRenderer::clippingAxis(AxisDependency axis) const {
    (void)axis;
    return nullptr;
}

// Bars run from the bottom of the content upwards.
BarChartRenderer::Reach HorizontalBarChartRenderer::reach(const kit::Rect& pixelRect) const {
    const ViewPortHandler& vph = viewPortHandler();
    if (!vph.isInBoundsTop(pixelRect.y() + pixelRect.height())) return Reach::beyond;
    if (!vph.isInBoundsBottom(pixelRect.y())) return Reach::before;
    return Reach::on;
}

kit::Rect HorizontalBarChartRenderer::shadowRect(double x, double barWidth) const {
    return kit::Rect{0.0, x - barWidth / 2.0, 0.0, barWidth};
}

void HorizontalBarChartRenderer::spanContent(kit::Rect& shadow) const {
    shadow.origin.x = viewPortHandler().contentLeft();
    shadow.size.width = viewPortHandler().contentWidth();
}

kit::Rect HorizontalBarChartRenderer::prepareBarHighlight(double x, double y1, double y2, double barWidthHalf,
                                                          const Transformer& trans) {
    kit::Rect rect{y1, x - barWidthHalf, y2 - y1, 2.0 * barWidthHalf};
    trans.convertHorizontalRectToPixels(rect, animator().phaseY());
    return rect;
}

void HorizontalBarChartRenderer::setHighlightDrawPos(Highlight& highlight, const kit::Rect& barRect) {
    highlight.setDraw(barRect.midY(), barRect.x() + barRect.width());
}

bool HorizontalBarChartRenderer::isDrawingValuesAllowed(const ChartDataProvider* dataProvider) const {
    if (!dataProvider) return false;
    const auto data = dataProvider->data();
    if (!data) return false;
    return static_cast<double>(data->entryCount()) <
           static_cast<double>(dataProvider->maxVisibleCount()) * viewPortHandler().scaleY();
}

BarChartRenderer::Reach HorizontalBarChartRenderer::drawValueLabel(kit::Context& context, const ValueLabels& labels,
                                                                   const ValueSite& site) {
    const ViewPortHandler& vph = viewPortHandler();
    const kit::Rect& rect = site.rect;
    const std::string text = valueText(labels, site);
    // The label's own width decides how far it moves off (or into) the bar end.
    const double width = kit::measureText(text, kit::TextAttributes{labels.font, kit::Color::blackColor(), std::nullopt}).width;
    const auto [posOffset, negOffset] = valueOffsets(labels.drawValueAboveBar, width, horizontalValueOffsetPlus, labels.inverted);
    const double y = site.inStackedSet && !site.stackEnd ? rect.y() : rect.y() + rect.height() / 2.0;
    // The rectangle is normalised, so its value end is its right edge only while the bar grows rightwards.
    const double barEnd = (site.value >= 0) != labels.inverted ? rect.x() + rect.width() : rect.x();
    const double x = site.stackEnd ? site.stackEnd->x + (site.drawBelow ? negOffset : posOffset)
                                   : barEnd + (site.value >= 0 ? posOffset : negOffset);
    // A plain bar's label is kept while the bar's start is on the content, a stack value's while the label is.
    const double boundsX = site.stackEnd ? x : rect.x(), boundsY = site.stackEnd ? y : rect.y();
    if (!vph.isInBoundsTop(boundsY)) return Reach::beyond;
    if (!vph.isInBoundsX(boundsX) || !vph.isInBoundsBottom(boundsY)) return Reach::before;
    const double yOffset = -labels.font.lineHeight() / 2.0;
    drawValueAndIcon(context, labels, site, text, kit::Point{x, y + yOffset}, kit::TextAlignment::left, kit::Point{0.0, 0.0},
                     kit::Point{x, y});
    return Reach::on;
}

} // namespace charting
