#pragma once
// The data of a scatter chart.
#include "charting/model/BarLineScatterCandleBubbleChartDataSet.h"

namespace charting {

class ScatterChartData : public BarLineScatterCandleBubbleChartData {
public:
    using BarLineScatterCandleBubbleChartData::BarLineScatterCandleBubbleChartData;

    // The largest marker size of the sets; 0 with no sets or when any set is not a scatter set.
    double getGreatestShapeSize() const;
};

} // namespace charting
