#include "charting/bar_line/BarHighlighter.h"

#include "charting/bar_line/BarChartData.h"
#include "charting/bar_line/BarChartDataEntry.h"
#include "charting/bar_line/BarChartDataProvider.h"
#include "charting/bar_line/BarChartDataSet.h"
#include "charting/core/Transformer.h"

#include <cmath>

namespace charting {

std::shared_ptr<ChartData> BarHighlighter::chartData() {
    const auto provider = std::dynamic_pointer_cast<BarChartDataProvider>(chart());
    return provider ? provider->barData() : nullptr;
}

double BarHighlighter::pointDistance(double x1, double y1, double x2, double y2) {
    (void)y1, (void)y2;
    return std::fabs(x1 - x2);
}

std::optional<Highlight> BarHighlighter::getHighlight(double x, double y) {
    if (!chartData()) return std::nullopt;
    const kit::Point pos = getValsForTouch(x, y);
    return highlightNarrowedToStack(pos.x, pos.y, x, y);
}

std::optional<Highlight> BarHighlighter::highlightNarrowedToStack(double xValue, double yValue, double x, double y) {
    const auto data = chartData();
    if (!data) return std::nullopt;
    const std::optional<Highlight> high = getHighlightForXValue(xValue, x, y);
    if (!high) return std::nullopt;
    const DataSetPtr set = data->dataSet(high->dataSetIndex());
    const auto* bars = dynamic_cast<const BarChartDataSet*>(set.get());
    if (bars && bars->isStacked()) return getStackedHighlight(*high, *bars, xValue, yValue);
    return high;
}

std::optional<Highlight> BarHighlighter::getStackedHighlight(const Highlight& high, const BarChartDataSet& set,
                                                             double xValue, double yValue) {
    const auto provider = std::dynamic_pointer_cast<BarLineScatterCandleBubbleChartDataProvider>(chart());
    if (!provider) return std::nullopt;
    const auto entry = std::dynamic_pointer_cast<BarChartDataEntry>(set.entryForXValue(xValue, yValue));
    if (!entry) return std::nullopt;
    if (!entry->yValues()) return high;
    const auto& ranges = entry->ranges();
    if (!ranges || ranges->empty()) return std::nullopt;
    const int stackIndex = getClosestStackIndex(ranges, yValue);
    const auto trans = provider->getTransformer(set.axisDependency());
    if (!trans) return std::nullopt;
    const kit::Point pixel = trans->pixelForValues(high.x(), (*ranges)[static_cast<std::size_t>(stackIndex)].to);
    return Highlight(entry->x(), entry->y(), pixel.x, pixel.y, 0, high.dataSetIndex(), stackIndex, high.axis());
}

int BarHighlighter::getClosestStackIndex(const std::optional<std::vector<Range>>& ranges, double value) const {
    if (!ranges || ranges->empty()) return 0;
    for (std::size_t i = 0; i < ranges->size(); ++i) {
        if ((*ranges)[i].contains(value)) return static_cast<int>(i);
    }
    const std::size_t last = ranges->size() - 1;
    return value > (*ranges)[last].to ? static_cast<int>(last) : 0;
}

std::optional<Highlight> HorizontalBarHighlighter::getHighlight(double x, double y) {
    if (!chartData()) return std::nullopt;
    const kit::Point pos = getValsForTouch(y, x);
    return highlightNarrowedToStack(pos.y, pos.x, y, x);
}

kit::Point HorizontalBarHighlighter::entryPixel(const Transformer& transformer, const ChartDataEntry& entry) const {
    return transformer.pixelForValues(entry.y(), entry.x());
}

double HorizontalBarHighlighter::pointDistance(double x1, double y1, double x2, double y2) {
    (void)x1, (void)x2;
    return std::fabs(y1 - y2);
}

} // namespace charting
