#pragma once
// What the scatter renderer reads of the chart that draws scatter data.
#include "charting/core/ChartDataProvider.h"

#include <memory>

namespace charting {

class ScatterChartData;

class ScatterChartDataProvider : public virtual BarLineScatterCandleBubbleChartDataProvider {
public:
    // Null when the chart's data is not scatter data.
    virtual std::shared_ptr<ScatterChartData> scatterData() const = 0;
};

} // namespace charting
