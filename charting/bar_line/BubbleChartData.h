#pragma once
// The data of a bubble chart, with one setting fanned out to its bubble sets.
#include "charting/model/BarLineScatterCandleBubbleChartDataSet.h"

namespace charting {

class BubbleChartData : public BarLineScatterCandleBubbleChartData {
public:
    using BarLineScatterCandleBubbleChartData::BarLineScatterCandleBubbleChartData;

    // Every bubble set gets this ring width; sets of other kinds are left alone.
    void setHighlightCircleWidth(double width);
};

} // namespace charting
