#include "charting/core/BarLineScatterCandleBubbleRenderer.h"

#include "charting/core/ChartUtils.h"
#include "charting/core/ChartViewBase.h"
#include "charting/model/ChartData.h"

#include <cmath>
#include <limits>

namespace charting {

namespace {

// The index of the first entry equal to the one the search found, as a scan of the whole set would
// give it, but in time of the run of equal x only: in data sorted by x, equal entries share their x
// and so sit in that run. Runs every frame, per data set, so a full scan of large sets is too slow.
std::int64_t indexOfFoundEntry(const ChartBaseDataSet& dataSet, std::int64_t found) {
    const EntryPtr entry = dataSet.entryForIndex(found);
    if (!entry) return 0;
    std::int64_t first = found;
    for (std::int64_t i = found - 1; i >= 0; --i) {
        const EntryPtr before = dataSet.entryForIndex(i);
        if (!before || before->x() != entry->x()) break;
        if (before->isEqual(entry.get())) first = i;
    }
    return first;
}

} // namespace

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
    min = indexOfFoundEntry(dataSet, dataSet.entryIndexForX(low, nan, ChartDataSetRounding::down));
    max = indexOfFoundEntry(dataSet, dataSet.entryIndexForX(high, nan, ChartDataSetRounding::up));
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

std::int64_t BarLineScatterCandleBubbleRenderer::revealedCount(std::int64_t entryCount) const {
    const double revealed = std::ceil(static_cast<double>(entryCount) * animator().phaseX());
    // An overshooting easing or a NaN phase must not run past the entries.
    if (!(revealed > 0)) return 0;
    return revealed >= static_cast<double>(entryCount) ? entryCount : static_cast<std::int64_t>(revealed);
}

void BarLineScatterCandleBubbleRenderer::drawCentredLabel(kit::Context& context, const std::string& text, double centreX,
                                                          double top, const kit::TextAttributes& attributes,
                                                          double angleRadians) {
    const double width = kit::measureText(text, attributes).width;
    const kit::Point at{centreX - width / 2.0, top};
    if (angleRadians == 0.0) kit::drawText(context, text, at, attributes);
    else drawText(context, text, at, kit::Point{0.5, 0.5}, angleRadians, attributes);
}

void BarLineScatterCandleBubbleRenderer::drawEntryIcon(kit::Context& context, const ChartDataEntryBase& entry,
                                                       const ChartBaseDataSet& set, kit::Point point) {
    if (const auto icon = entry.icon(); icon && set.isDrawIconsEnabled()) {
        const kit::Point offset = set.iconsOffset();
        drawImage(context, icon, kit::Point{point.x + offset.x, point.y + offset.y}, icon->size());
    }
}

} // namespace charting
