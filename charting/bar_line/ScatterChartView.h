#pragma once
// An x/y chart that draws a marker shape for every entry; the x range gets half a unit of room
// on each side so that the outermost markers are not cut.
#include "charting/bar_line/BarLineChartViewBase.h"
#include "charting/bar_line/ScatterChartData.h"
#include "charting/bar_line/ScatterChartDataProvider.h"

namespace charting {

class ScatterChartView : public BarLineChartViewBase, public ScatterChartDataProvider {
public:
    using BarLineChartViewBase::BarLineChartViewBase;

    void initialize() override;
    std::shared_ptr<ScatterChartData> scatterData() const override;
};

} // namespace charting
