#include "charting/model/ChartHighlighter.h"

#include "charting/core/Transformer.h"
#include "charting/model/ChartData.h"

#include <cmath>
#include <limits>

namespace charting {

std::optional<Highlight> ChartHighlighter::getHighlight(double x, double y) {
    const kit::Point value = getValsForTouch(x, y);
    return getHighlightForXValue(value.x, x, y);
}

kit::Point ChartHighlighter::getValsForTouch(double x, double y) {
    auto provider = std::dynamic_pointer_cast<BarLineScatterCandleBubbleChartDataProvider>(chart());
    if (!provider) return {0, 0};
    auto transformer = provider->getTransformer(AxisDependency::left);
    if (!transformer) return {0, 0};
    return transformer->valueForTouchPoint(x, y);
}

std::optional<Highlight> ChartHighlighter::getHighlightForXValue(double xValue, double x, double y) {
    auto provider = chart();
    if (!provider) return std::nullopt;
    const std::vector<Highlight> candidates = getHighlightsForXValue(xValue, x, y);
    if (candidates.empty()) return std::nullopt;

    const double leftDistance = minimumYPixelDistance(candidates, y, AxisDependency::left);
    const double rightDistance = minimumYPixelDistance(candidates, y, AxisDependency::right);
    const AxisDependency axis = leftDistance < rightDistance ? AxisDependency::left : AxisDependency::right;

    std::optional<Highlight> best;
    double limit = provider->maxHighlightDistance();
    for (const Highlight& candidate : candidates) {
        if (candidate.axis() != axis) continue;
        const double distance = pointDistance(x, y, candidate.xPx(), candidate.yPx());
        if (distance < limit) {
            best = candidate;
            limit = distance;
        }
    }
    return best;
}

double ChartHighlighter::minimumYPixelDistance(const std::vector<Highlight>& highlights, double y,
                                               AxisDependency axis) const {
    double distance = std::numeric_limits<double>::max();
    for (const Highlight& h : highlights) {
        if (h.axis() != axis) continue;
        const double d = std::fabs(h.yPx() - y);
        if (d < distance) distance = d;
    }
    return distance;
}

std::vector<Highlight> ChartHighlighter::getHighlightsForXValue(double xValue, double x, double y) {
    (void)x, (void)y;
    std::vector<Highlight> result;
    auto data = chartData();
    if (!data) return result;
    // The count is read on every pass, as a step may change the data.
    for (int i = 0; i < data->dataSetCount(); ++i) {
        DataSetPtr set = data->dataSet(i);
        if (!set || !set->isHighlightEnabled()) continue;
        std::vector<Highlight> found = highlightsForDataSet(*set, i, xValue, ChartDataSetRounding::closest);
        result.insert(result.end(), found.begin(), found.end());
    }
    return result;
}

std::vector<Highlight> ChartHighlighter::highlightsForDataSet(const ChartBaseDataSet& dataSet, int dataSetIndex,
                                                              double xValue, ChartDataSetRounding rounding) {
    auto provider = std::dynamic_pointer_cast<BarLineScatterCandleBubbleChartDataProvider>(chart());
    if (!provider) return {};
    std::vector<EntryPtr> entries = dataSet.entriesForXValue(xValue);
    if (entries.empty()) {
        if (EntryPtr closest = dataSet.entryForXValue(xValue, std::numeric_limits<double>::quiet_NaN(), rounding)) {
            entries = dataSet.entriesForXValue(closest->x());
        }
    }
    return highlightsForEntries(entries, *provider, dataSet, dataSetIndex);
}

std::vector<Highlight> ChartHighlighter::highlightsForEntries(const std::vector<EntryPtr>& entries,
                                                              BarLineScatterCandleBubbleChartDataProvider& chart,
                                                              const ChartBaseDataSet& dataSet, int dataSetIndex) const {
    std::vector<Highlight> result;
    result.reserve(entries.size());
    for (const EntryPtr& entry : entries) {
        auto transformer = chart.getTransformer(dataSet.axisDependency());
        if (!transformer) continue;
        const kit::Point px = entryPixel(*transformer, *entry);
        result.emplace_back(entry->x(), entry->y(), px.x, px.y, dataSetIndex, dataSet.axisDependency());
    }
    return result;
}

kit::Point ChartHighlighter::entryPixel(const Transformer& transformer, const ChartDataEntry& entry) const {
    return transformer.pixelForValues(entry.x(), entry.y());
}

double ChartHighlighter::pointDistance(double x1, double y1, double x2, double y2) { return std::hypot(x1 - x2, y1 - y2); }

std::shared_ptr<ChartData> ChartHighlighter::chartData() {
    auto provider = chart();
    return provider ? provider->data() : nullptr;
}

} // namespace charting
