#include "charting/bar_line/CandleChartDataSet.h"

#include "charting/bar_line/CandleChartDataEntry.h"
#include "kit/base/Make.h"

namespace charting {

CandleChartDataSet::CandleChartDataSet(std::vector<EntryPtr> entries, std::optional<std::string> label)
    : LineScatterCandleRadarChartDataSet(std::move(entries), std::move(label)) {
    setDrawHorizontalHighlightIndicatorEnabled(true);
    setDrawVerticalHighlightIndicatorEnabled(true);
}

// A bound stays unless the candle's value lies beyond it.
void CandleChartDataSet::widenY(const CandleChartDataEntry& candle) {
    if (candle.low() < yMin_) yMin_ = candle.low();
    if (candle.high() > yMax_) yMax_ = candle.high();
}

void CandleChartDataSet::calcMinMaxForEntry(const ChartDataEntry& entry) {
    auto* candle = dynamic_cast<const CandleChartDataEntry*>(&entry);
    if (!candle) return;
    widenY(*candle);
    calcMinMaxXForEntry(entry);
}

void CandleChartDataSet::calcMinMaxYForEntry(const ChartDataEntry& entry) {
    if (auto* candle = dynamic_cast<const CandleChartDataEntry*>(&entry)) widenY(*candle);
}

void CandleChartDataSet::setBarSpace(double space) {
    if (space > 0.45) {
        barSpace_ = 0.45;
    } else if (space < 0.0) {
        barSpace_ = 0.0;
    } else {
        barSpace_ = space;
    }
}

std::shared_ptr<ChartBaseDataSet> CandleChartDataSet::makeEmpty() const { return kit::make<CandleChartDataSet>(); }

// Candle styling is copied as well: a copy that fell back to the defaults would lose the
// original's colours and candle form.
void CandleChartDataSet::copyInto(ChartBaseDataSet& copy) const {
    LineScatterCandleRadarChartDataSet::copyInto(copy);
    auto& set = static_cast<CandleChartDataSet&>(copy);
    set.barSpace_ = barSpace_;
    set.showCandleBar_ = showCandleBar_;
    set.shadowWidth_ = shadowWidth_;
    set.shadowColor_ = shadowColor_;
    set.shadowColorSameAsCandle_ = shadowColorSameAsCandle_;
    set.neutralColor_ = neutralColor_;
    set.increasingColor_ = increasingColor_;
    set.decreasingColor_ = decreasingColor_;
    set.increasingFilled_ = increasingFilled_;
    set.decreasingFilled_ = decreasingFilled_;
}

} // namespace charting
