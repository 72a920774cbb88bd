#include "charting/bar_line/BarChartDataSet.h"

#include "charting/bar_line/BarChartDataEntry.h"
#include "kit/base/Make.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace charting {

namespace {

// Stack counts are ints for the renderers' buffers; a list too long for one saturates.
int saturated(std::size_t n) {
    return n > static_cast<std::size_t>(std::numeric_limits<int>::max()) ? std::numeric_limits<int>::max()
                                                                          : static_cast<int>(n);
}

std::size_t stackCount(const EntryPtr& entry) {
    auto* bar = dynamic_cast<const BarChartDataEntry*>(entry.get());
    if (!bar || !bar->yValues()) return 1;
    return bar->yValues()->size();
}

} // namespace

BarChartDataSet::BarChartDataSet() { setUp(); }

BarChartDataSet::BarChartDataSet(std::vector<EntryPtr> entries, std::optional<std::string> label)
    : BarLineScatterCandleBubbleChartDataSet(std::move(entries), std::move(label)) {
    setUp();
}

void BarChartDataSet::setUp() {
    setHighlightColor(kit::Color::blackColor());
    calcStackSize(entries());
    calcEntryCountStacks(entries());
}

void BarChartDataSet::calcStackSize(const std::vector<EntryPtr>& entries) {
    if (entries.empty()) {
        stackSize_ = 1;
        return;
    }
    std::size_t largest = 0;
    for (const auto& entry : entries) largest = std::max(largest, stackCount(entry));
    stackSize_ = saturated(largest);
}

void BarChartDataSet::calcEntryCountStacks(const std::vector<EntryPtr>& entries) {
    std::size_t count = 0;
    for (const auto& entry : entries) count += stackCount(entry);
    entryCountStacks_ = saturated(count);
}

void BarChartDataSet::calcMinMaxForEntry(const ChartDataEntry& entry) {
    auto* bar = dynamic_cast<const BarChartDataEntry*>(&entry);
    if (!bar || std::isnan(bar->y())) return;
    const double low = bar->yValues() ? -bar->negativeSum() : bar->y();
    const double high = bar->yValues() ? bar->positiveSum() : bar->y();
    if (low < yMin_) yMin_ = low;
    if (high > yMax_) yMax_ = high;
    calcMinMaxXForEntry(entry);
}

std::shared_ptr<ChartBaseDataSet> BarChartDataSet::makeEmpty() const { return kit::make<BarChartDataSet>(); }

void BarChartDataSet::copyInto(ChartBaseDataSet& copy) const {
    BarLineScatterCandleBubbleChartDataSet::copyInto(copy);
    auto& set = static_cast<BarChartDataSet&>(copy);
    set.stackSize_ = stackSize_;
    set.entryCountStacks_ = entryCountStacks_;
    set.stackLabels_ = stackLabels_;
    set.barShadowColor_ = barShadowColor_;
    set.barBorderWidth_ = barBorderWidth_;
    set.barBorderColor_ = barBorderColor_;
    set.highlightAlpha_ = highlightAlpha_;
}

} // namespace charting
