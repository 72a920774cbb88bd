#pragma once
// An x/y chart that draws its data sets as lines, steps or curves, with circles and filled areas.
#include "charting/bar_line/BarLineChartViewBase.h"
#include "charting/bar_line/LineChartData.h"
#include "charting/bar_line/LineDataProvider.h"

namespace charting {

class LineChartView : public BarLineChartViewBase, public LineDataProvider {
public:
    using BarLineChartViewBase::BarLineChartViewBase;

    // Installs the line renderer.
    void initialize() override;

    std::shared_ptr<LineChartData> lineData() const override;

    // One answer for both provider interfaces.
    std::shared_ptr<ChartData> data() const override { return ChartViewBase::data(); }
    double chartYMin() const override { return BarLineChartViewBase::chartYMin(); }
    double chartYMax() const override { return BarLineChartViewBase::chartYMax(); }
};

} // namespace charting
