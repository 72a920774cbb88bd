#pragma once
// The radial value axis of a radar chart: the ring values (one ring beyond the largest label),
// their labels along spoke 0, and limit lines drawn as polygons around the web.
#include "charting/core/YAxisRenderer.h"

#include <memory>

namespace charting {

class RadarChartView;

class YAxisRendererRadarChart : public YAxisRenderer {
public:
    // No transformer: positions come from the radar geometry.
    YAxisRendererRadarChart(std::shared_ptr<ViewPortHandler> viewPortHandler, std::shared_ptr<YAxis> axis,
                            const std::shared_ptr<RadarChartView>& chart);
    std::shared_ptr<RadarChartView> chart() const { return chart_.lock(); }
    void setChart(const std::shared_ptr<RadarChartView>& chart) { chart_ = chart; }
    // Also sets the axis bounds to the first and last ring.
    void computeAxisValues(double min, double max) override;
    void renderAxisLabels(kit::Context& context) override;
    void renderLimitLines(kit::Context& context) override;

private:
    std::weak_ptr<RadarChartView> chart_;
};

} // namespace charting
