#include "charting/bar_line/BubbleChartDataSet.h"

#include "charting/bar_line/BubbleChartDataEntry.h"
#include "kit/base/Make.h"

namespace charting {

void BubbleChartDataSet::calcMinMax() {
    maxSize_ = 0.0;
    ChartDataSet::calcMinMax();
}

void BubbleChartDataSet::calcMinMaxForEntry(const ChartDataEntry& entry) {
    auto* bubble = dynamic_cast<const BubbleChartDataEntry*>(&entry);
    if (!bubble) return;
    calcMinMaxXForEntry(entry);
    calcMinMaxYForEntry(entry);
    // Written so that a NaN size is taken over and the next size replaces it.
    if (!(bubble->size() <= maxSize_)) maxSize_ = bubble->size();
}

std::shared_ptr<ChartBaseDataSet> BubbleChartDataSet::makeEmpty() const { return kit::make<BubbleChartDataSet>(); }

void BubbleChartDataSet::copyInto(ChartBaseDataSet& copy) const {
    BarLineScatterCandleBubbleChartDataSet::copyInto(copy);
    auto& set = static_cast<BubbleChartDataSet&>(copy);
    set.maxSize_ = maxSize_;
    set.normalizeSizeEnabled_ = normalizeSizeEnabled_;
    set.highlightCircleWidth_ = highlightCircleWidth_;
}

} // namespace charting
