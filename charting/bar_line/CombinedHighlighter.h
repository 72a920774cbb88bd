#pragma once
// The highlighter of the combined chart: the bar highlighter for bar sub-data (so stack segments
// are found), the plain x search for every other sub-data; each highlight names its sub-data.
#include "charting/bar_line/BarHighlighter.h"
#include "charting/bar_line/CombinedChartDataProvider.h"

namespace charting {

class CombinedHighlighter : public ChartHighlighter {
public:
    // The bar highlighter is made only when the chart has bar data now.
    CombinedHighlighter(const std::shared_ptr<CombinedChartDataProvider>& chart,
                        const std::shared_ptr<BarChartDataProvider>& barDataProvider);

    std::vector<Highlight> getHighlightsForXValue(double xValue, double x, double y) override;
    const std::shared_ptr<BarHighlighter>& barHighlighter() const { return barHighlighter_; }

private:
    std::shared_ptr<BarHighlighter> barHighlighter_;
};

} // namespace charting
