#include "charting/model/BarLineScatterCandleBubbleChartDataSet.h"

#include "kit/base/Make.h"

namespace charting {

std::shared_ptr<ChartBaseDataSet> BarLineScatterCandleBubbleChartDataSet::makeEmpty() const {
    return kit::make<BarLineScatterCandleBubbleChartDataSet>();
}

void BarLineScatterCandleBubbleChartDataSet::copyInto(ChartBaseDataSet& copy) const {
    ChartDataSet::copyInto(copy);
    auto& set = static_cast<BarLineScatterCandleBubbleChartDataSet&>(copy);
    set.setHighlightColor(highlightColor());
    set.setHighlightLineWidth(highlightLineWidth());
    set.setHighlightLineDashPhase(highlightLineDashPhase());
    set.setHighlightLineDashLengths(highlightLineDashLengths());
}

void LineScatterCandleRadarChartDataSet::setDrawHighlightIndicators(bool enabled) {
    setDrawHorizontalHighlightIndicatorEnabled(enabled);
    setDrawVerticalHighlightIndicatorEnabled(enabled);
}

std::shared_ptr<ChartBaseDataSet> LineScatterCandleRadarChartDataSet::makeEmpty() const {
    return kit::make<LineScatterCandleRadarChartDataSet>();
}

void LineScatterCandleRadarChartDataSet::copyInto(ChartBaseDataSet& copy) const {
    BarLineScatterCandleBubbleChartDataSet::copyInto(copy);
    auto& set = static_cast<LineScatterCandleRadarChartDataSet&>(copy);
    set.setDrawHorizontalHighlightIndicatorEnabled(drawHorizontalHighlightIndicatorEnabled());
    set.setDrawVerticalHighlightIndicatorEnabled(drawVerticalHighlightIndicatorEnabled());
}

void LineRadarChartDataSet::setFillColor(kit::Color color) {
    fillColor_ = color;
    setFill(nullptr);
}

void LineRadarChartDataSet::setLineWidth(double width) {
    if (width > 10.0) width = 10.0;
    if (width < 0.0) width = 0.0;
    lineWidth_ = width;
}

std::shared_ptr<ChartBaseDataSet> LineRadarChartDataSet::makeEmpty() const {
    return kit::make<LineRadarChartDataSet>();
}

void LineRadarChartDataSet::copyInto(ChartBaseDataSet& copy) const {
    LineScatterCandleRadarChartDataSet::copyInto(copy);
    auto& set = static_cast<LineRadarChartDataSet&>(copy);
    set.setFill(fill());
    set.setFillAlpha(fillAlpha());
    // Stored directly: the fill just copied stays, and the width is not clamped again.
    set.fillColor_ = fillColor_;
    set.lineWidth_ = lineWidth_;
    set.setDrawFilledEnabled(drawFilledEnabled());
}

} // namespace charting
