#pragma once
// What the bubble renderer reads of the chart that draws bubble data.
#include "charting/core/ChartDataProvider.h"

#include <memory>

namespace charting {

class BubbleChartData;
class ChartViewBase;

class BubbleChartDataProvider : public virtual BarLineScatterCandleBubbleChartDataProvider {
public:
    // Null when the chart's data is not bubble data.
    virtual std::shared_ptr<BubbleChartData> bubbleData() const = 0;
    // The bubble view itself: only it gets the header and the bubbles' accessibility elements.
    virtual std::shared_ptr<ChartViewBase> bubbleChartView() const { return nullptr; }
};

} // namespace charting
