#pragma once
// Sets a zoom and centres the content on a value pair, then has the chart recompute its offsets.
#include "charting/core/ViewPortJob.h"
#include "charting/model/AxisDependency.h"

namespace charting {

class BarLineChartViewBase;

class ZoomViewJob : public ViewPortJob {
public:
    ZoomViewJob(ViewPortHandler& viewPortHandler, double scaleX, double scaleY, double xValue, double yValue,
                Transformer& transformer, AxisDependency axis, const std::shared_ptr<BarLineChartViewBase>& view);

    void doJob() override;

    double scaleX() const { return scaleX_; }
    double scaleY() const { return scaleY_; }
    AxisDependency axisDependency() const { return axisDependency_; }

private:
    double scaleX_;
    double scaleY_;
    AxisDependency axisDependency_;
};

} // namespace charting
