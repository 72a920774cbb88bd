#include "charting/bar_line/CandleChartDataEntry.h"

namespace charting {

CandleChartDataEntry::CandleChartDataEntry(double x, double shadowH, double shadowL, double open, double close)
    : ChartDataEntry(x, (shadowH + shadowL) / 2.0), high_(shadowH), low_(shadowL), close_(close), open_(open) {}

CandleChartDataEntry::CandleChartDataEntry(double x, double shadowH, double shadowL, double open, double close,
                                           std::shared_ptr<const kit::Image> icon)
    : CandleChartDataEntry(x, shadowH, shadowL, open, close) {
    setIcon(std::move(icon));
}

CandleChartDataEntry::CandleChartDataEntry(double x, double shadowH, double shadowL, double open, double close,
                                           std::any data)
    : CandleChartDataEntry(x, shadowH, shadowL, open, close) {
    setData(std::move(data));
}

CandleChartDataEntry::CandleChartDataEntry(double x, double shadowH, double shadowL, double open, double close,
                                           std::shared_ptr<const kit::Image> icon, std::any data)
    : CandleChartDataEntry(x, shadowH, shadowL, open, close, std::move(icon)) {
    setData(std::move(data));
}

void CandleChartDataEntry::setY(double) { ChartDataEntry::setY((high_ + low_) / 2.0); }

void CandleChartDataEntry::copyInto(ChartDataEntry& copy) const {
    ChartDataEntry::copyInto(copy);
    auto& entry = static_cast<CandleChartDataEntry&>(copy);
    entry.high_ = high_;
    entry.low_ = low_;
    entry.open_ = open_;
    entry.close_ = close_;
    // The copy reports the same y as the original, even when high or low moved after the
    // original's y was last assigned: store it past the midpoint rule.
    entry.ChartDataEntry::setY(y());
}

} // namespace charting
