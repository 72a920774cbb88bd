#pragma once
// The data of a line chart: its line sets, nothing more.
#include "charting/model/ChartData.h"

namespace charting {

class LineChartData : public ChartData {
public:
    using ChartData::ChartData;
};

} // namespace charting
