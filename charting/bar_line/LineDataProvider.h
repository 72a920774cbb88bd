#pragma once
// What the line renderer reads of the chart that draws line data (a line chart view, or a chart
// combining several kinds): its line data beside the x/y provider and the fill formatter's view.
#include "charting/core/ChartDataProvider.h"
#include "charting/model/LineChartInterfaces.h"

#include <memory>

namespace charting {

class LineChartData;

class LineDataProvider : public virtual BarLineScatterCandleBubbleChartDataProvider, public LineChartDataProvider {
public:
    // Null when the chart's data is not line data.
    virtual std::shared_ptr<LineChartData> lineData() const = 0;
};

} // namespace charting
