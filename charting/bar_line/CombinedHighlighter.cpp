#include "charting/bar_line/CombinedHighlighter.h"

#include "charting/bar_line/CombinedChartData.h"

#include <limits>

namespace charting {

namespace {
std::shared_ptr<ChartDataProvider> asProvider(const std::shared_ptr<CombinedChartDataProvider>& chart) {
    return std::shared_ptr<ChartDataProvider>(chart, static_cast<LineDataProvider*>(chart.get()));
}
} // namespace

CombinedHighlighter::CombinedHighlighter(const std::shared_ptr<CombinedChartDataProvider>& chart,
                                         const std::shared_ptr<BarChartDataProvider>& barDataProvider)
    : ChartHighlighter(asProvider(chart)) {
    if (barDataProvider && barDataProvider->barData()) {
        barHighlighter_ = std::make_shared<BarHighlighter>(
            std::shared_ptr<ChartDataProvider>(barDataProvider, static_cast<ChartDataProvider*>(barDataProvider.get())));
    }
}

std::vector<Highlight> CombinedHighlighter::getHighlightsForXValue(double xValue, double x, double y) {
    std::vector<Highlight> result;
    const auto provider = std::dynamic_pointer_cast<CombinedChartDataProvider>(chart());
    const auto combined = provider ? provider->combinedData() : nullptr;
    if (!combined) return result;
    const auto xy = std::dynamic_pointer_cast<BarLineScatterCandleBubbleChartDataProvider>(chart());
    const std::vector<std::shared_ptr<ChartData>> all = combined->allData();
    for (std::size_t i = 0; i < all.size(); ++i) {
        const auto& sub = all[i];
        if (barHighlighter_ && std::dynamic_pointer_cast<BarChartData>(sub)) {
            if (std::optional<Highlight> high = barHighlighter_->getHighlight(x, y)) {
                high->setDataIndex(static_cast<int>(i));
                result.push_back(*high);
                continue;
            }
        }
        for (int j = 0; j < sub->dataSetCount(); ++j) {
            const DataSetPtr set = sub->dataSet(j);
            if (!set || !set->isHighlightEnabled()) continue;
            std::vector<EntryPtr> entries = set->entriesForXValue(xValue);
            if (entries.empty()) {
                if (EntryPtr closest = set->entryForXValue(xValue, std::numeric_limits<double>::quiet_NaN(),
                                                           ChartDataSetRounding::closest)) {
                    entries = set->entriesForXValue(closest->x());
                }
            }
            if (!xy) continue;
            for (Highlight h : highlightsForEntries(entries, *xy, *set, j)) {
                h.setDataIndex(static_cast<int>(i));
                result.push_back(h);
            }
        }
    }
    return result;
}

} // namespace charting
