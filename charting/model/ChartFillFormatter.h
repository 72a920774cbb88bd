#pragma once
// Says at which y value the filled area under a line closes.
#include "charting/model/LineChartInterfaces.h"

namespace charting {

class ChartFillFormatter {
public:
    virtual ~ChartFillFormatter() = default;
    virtual double getFillLinePosition(const LineChartDataSetProtocol& dataSet,
                                       const LineChartDataProvider& dataProvider) = 0;
};

} // namespace charting
