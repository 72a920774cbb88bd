#pragma once
// The data of a candle-stick chart: its candle sets, nothing more.
#include "charting/model/BarLineScatterCandleBubbleChartDataSet.h"

namespace charting {

class CandleChartData : public BarLineScatterCandleBubbleChartData {
public:
    using BarLineScatterCandleBubbleChartData::BarLineScatterCandleBubbleChartData;
};

} // namespace charting
