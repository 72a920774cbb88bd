#pragma once
// The highlighter of bar charts: the closest bar by horizontal distance, narrowed to the stack
// segment under the touch when the bar is stacked.
#include "charting/model/ChartHighlighter.h"

#include <optional>
#include <vector>

namespace charting {

class BarChartDataSet;

class BarHighlighter : public ChartHighlighter {
public:
    using ChartHighlighter::ChartHighlighter;

    std::optional<Highlight> getHighlight(double x, double y) override;
    virtual std::optional<Highlight> getStackedHighlight(const Highlight& high, const BarChartDataSet& set, double xValue,
                                                         double yValue);
    // The segment containing the value; above all segments the last, below them the first.
    virtual int getClosestStackIndex(const std::optional<std::vector<Range>>& ranges, double value) const;

    double pointDistance(double x1, double y1, double x2, double y2) override;
    // The chart's bar data; null when the chart draws none.
    std::shared_ptr<ChartData> chartData() override;

protected:
    // The highlight of the closest bar to the x value at the touch (x, y), narrowed to the stack
    // segment holding the y value when its set is stacked.
    std::optional<Highlight> highlightNarrowedToStack(double xValue, double yValue, double x, double y);
};

// The bar highlighter turned on its side: x values run vertically.
class HorizontalBarHighlighter : public BarHighlighter {
public:
    using BarHighlighter::BarHighlighter;

    // x and y are the touch's y and x, as the horizontal-bar view passes them.
    std::optional<Highlight> getHighlight(double x, double y) override;
    double pointDistance(double x1, double y1, double x2, double y2) override;

protected:
    // x values run along the vertical axis: the entry's (y, x).
    kit::Point entryPixel(const Transformer& transformer, const ChartDataEntry& entry) const override;
};

} // namespace charting
