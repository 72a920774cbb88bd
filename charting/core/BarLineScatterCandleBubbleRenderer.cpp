#include "charting/core/BarLineScatterCandleBubbleRenderer.h"

#include "charting/core/ChartUtils.h"
#include "charting/core/ChartViewBase.h"
#include "charting/model/ChartData.h"

#include <cmath>
#include <limits>

namespace charting {

void XBounds::set(BarLineScatterCandleBubbleChartDataProvider& chart, const ChartBaseDataSet& dataSet,
                  const Animator* animator) {
    double phaseX = 1.0;
    if (animator) {
        const double p = animator->phaseX();
        phaseX = std::isnan(p) ? 1.0 : std::clamp(p, 0.0, 1.0);
    }
    const double low = chart.lowestVisibleX();
    const double high = chart.highestVisibleX();
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    EntryPtr from = dataSet.entryForXValue(low, nan, ChartDataSetRounding::down);
    EntryPtr to = dataSet.entryForXValue(high, nan, ChartDataSetRounding::up);
    min = from ? dataSet.entryIndexOf(*from) : 0;
    max = to ? dataSet.entryIndexOf(*to) : 0;
    range = truncToInt(static_cast<double>(max - min) * phaseX);
}

std::int64_t XBounds::upperBound() const {
    if (range < 0) return min;
    // min + range + 1, saturating at the top of the integer range.
    const std::int64_t top = std::numeric_limits<std::int64_t>::max();
    if (min > top - range - 1) return top;
    return min + range + 1;
}

XBounds::Iterator XBounds::begin() const {
    if (range < 0) return Iterator{};
    const std::int64_t top = std::numeric_limits<std::int64_t>::max();
    const std::int64_t last = min > top - range ? top : min + range;
    return Iterator{min, last, false};
}

std::string XBounds::description() const {
    return "min:" + std::to_string(min) + ", max:" + std::to_string(max) + ", range:" + std::to_string(range);
}

BarLineScatterCandleBubbleRenderer::BarLineScatterCandleBubbleRenderer(std::shared_ptr<Animator> animator,
                                                                       std::shared_ptr<ViewPortHandler> viewPortHandler)
    : viewPortHandler_(std::move(viewPortHandler)), animator_(std::move(animator)) {}

bool BarLineScatterCandleBubbleRenderer::isDrawingValuesAllowed(const ChartDataProvider* dataProvider) const {
    if (!dataProvider) return false;
    auto data = dataProvider->data();
    if (!data) return false;
    const std::int64_t count = data->entryCount();
    // An extreme zoom saturates, so the limit then allows every count.
    const std::int64_t limit =
        truncToInt(static_cast<double>(dataProvider->maxVisibleCount()) * viewPortHandler_->scaleX());
    return count < limit;
}

bool BarLineScatterCandleBubbleRenderer::isInBoundsX(const ChartDataEntry& entry, const ChartBaseDataSet& dataSet) const {
    const double index = static_cast<double>(dataSet.entryIndexOf(entry));
    return index < static_cast<double>(dataSet.entryCount()) * animator_->phaseX();
}

bool BarLineScatterCandleBubbleRenderer::shouldDrawValues(const ChartBaseDataSet& dataSet) const {
    return dataSet.isVisible() && (dataSet.isDrawValuesEnabled() || dataSet.isDrawIconsEnabled());
}

std::shared_ptr<NSUIAccessibilityElement> BarLineScatterCandleBubbleRenderer::createAccessibleHeader(
    ChartViewBase& chart, const ChartData& data, const std::string& defaultDescription) {
    return charting::createAccessibleHeader(chart, data, defaultDescription);
}

std::shared_ptr<NSUIAccessibilityElement> createAccessibleHeader(ChartViewBase& chart, const ChartData& data,
                                                                 const std::string& defaultDescription) {
    auto element = std::make_shared<NSUIAccessibilityElement>(chart.shared_from_this());
    const auto& text = chart.chartDescription()->text();
    std::string label = text ? *text : defaultDescription;
    const int count = data.dataSetCount();
    label += ". " + std::to_string(count) + " dataset" + (count == 1 ? "" : "s") + ". ";
    bool firstLabel = true;
    for (const DataSetPtr& set : data.dataSets()) {
        if (!firstLabel) label += ", ";
        firstLabel = false;
        if (set && set->label()) label += *set->label();
    }
    element->setAccessibilityLabel(std::move(label));
    element->setAccessibilityFrame(chart.bounds());
    element->setIsHeader(true);
    return element;
}

} // namespace charting
