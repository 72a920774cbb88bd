#pragma once
// The x/y chart of bubble data: circles sized by each entry's size.
#include "charting/bar_line/BarLineChartViewBase.h"
#include "charting/bar_line/BubbleChartData.h"
#include "charting/bar_line/BubbleChartDataProvider.h"

namespace charting {

class BubbleChartView : public BarLineChartViewBase, public BubbleChartDataProvider {
public:
    using BarLineChartViewBase::BarLineChartViewBase;

    // Installs the bubble renderer.
    void initialize() override;
    std::shared_ptr<BubbleChartData> bubbleData() const override;
    std::shared_ptr<ChartViewBase> bubbleChartView() const override {
        return std::static_pointer_cast<ChartViewBase>(const_cast<BubbleChartView*>(this)->shared_from_this());
    }

    // One answer for both provider interfaces.
    std::shared_ptr<ChartData> data() const override { return ChartViewBase::data(); }
    double chartYMin() const override { return BarLineChartViewBase::chartYMin(); }
    double chartYMax() const override { return BarLineChartViewBase::chartYMax(); }
};

} // namespace charting
