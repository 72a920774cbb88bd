#pragma once
// What the bar renderers and highlighters read of a chart that draws bars (a bar chart view, or a
// chart combining several kinds).
#include "charting/core/ChartDataProvider.h"

#include <memory>

namespace charting {

class BarChartData;
class ChartViewBase;
class YAxis;

class BarChartDataProvider : public virtual BarLineScatterCandleBubbleChartDataProvider {
public:
    // Null when the chart's data is not bar data.
    virtual std::shared_ptr<BarChartData> barData() const = 0;
    virtual bool isDrawBarShadowEnabled() const = 0;
    virtual bool isDrawValueAboveBarEnabled() const = 0;
    virtual bool isHighlightFullBarEnabled() const = 0;

    // Only a bar chart view of its own clips plain bars to its y axis range and names itself as
    // the container of the bars' accessibility elements; a combined chart does neither.
    virtual const YAxis* barClippingAxis(AxisDependency axis) const {
        (void)axis;
        return nullptr;
    }
    virtual std::shared_ptr<ChartViewBase> barAccessibilityContainer() const { return nullptr; }
};

} // namespace charting
