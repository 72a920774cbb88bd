#pragma once
// The base highlighter of x/y charts: touch pixel to value through the left axis's transformer, all
// highlightable entries at the touched x (or the nearest x), then the one nearest to the touch in
// pixels, within the chart's maximum highlight distance. Every step is an override point.
#include "charting/core/ChartDataProvider.h"
#include "charting/core/Highlighter.h"
#include "charting/model/ChartBaseDataSet.h"
#include "charting/model/ChartDataSetRounding.h"
#include "charting/model/Highlight.h"

#include <memory>
#include <optional>
#include <vector>

namespace charting {

class Transformer;

class ChartData;

class ChartHighlighter : public Highlighter {
public:
    // The chart is seen weakly: the chart view owns its highlighter.
    explicit ChartHighlighter(const std::shared_ptr<ChartDataProvider>& chart) : chart_(chart) {}
    ChartHighlighter() = delete;

    std::shared_ptr<ChartDataProvider> chart() const { return chart_.lock(); }
    void setChart(const std::shared_ptr<ChartDataProvider>& chart) { chart_ = chart; }

    std::optional<Highlight> getHighlight(double x, double y) override;
    // The value at the touch, through the left axis's transformer; (0, 0) without an x/y chart.
    virtual kit::Point getValsForTouch(double x, double y);
    virtual std::optional<Highlight> getHighlightForXValue(double xValue, double x, double y);
    virtual std::vector<Highlight> getHighlightsForXValue(double xValue, double x, double y);
    virtual std::vector<Highlight> highlightsForDataSet(const ChartBaseDataSet& dataSet, int dataSetIndex,
                                                        double xValue, ChartDataSetRounding rounding);
    virtual double pointDistance(double x1, double y1, double x2, double y2);
    virtual std::shared_ptr<ChartData> chartData();

    // The smallest |yPx - y| of the highlights on that axis; the greatest double when there is none.
    double minimumYPixelDistance(const std::vector<Highlight>& highlights, double y, AxisDependency axis) const;
    std::vector<Highlight> highlightsForEntries(const std::vector<EntryPtr>& entries,
                                                BarLineScatterCandleBubbleChartDataProvider& chart,
                                                const ChartBaseDataSet& dataSet, int dataSetIndex) const;

protected:
    // Where an entry's highlight is in pixels: its (x, y) through the transformer.
    virtual kit::Point entryPixel(const Transformer& transformer, const ChartDataEntry& entry) const;

private:
    std::weak_ptr<ChartDataProvider> chart_;
};

} // namespace charting
