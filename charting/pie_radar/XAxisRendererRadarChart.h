#pragma once
// The spoke captions of a radar chart, half a rotated label width beyond the outer ring.
#include "charting/core/XAxisRenderer.h"

#include <memory>

namespace charting {

class RadarChartView;

class XAxisRendererRadarChart : public XAxisRenderer {
public:
    // No transformer: positions come from the radar geometry.
    XAxisRendererRadarChart(std::shared_ptr<ViewPortHandler> viewPortHandler, std::shared_ptr<XAxis> axis,
                            const std::shared_ptr<RadarChartView>& chart);
    std::shared_ptr<RadarChartView> chart() const { return chart_.lock(); }
    void setChart(const std::shared_ptr<RadarChartView>& chart) { chart_ = chart; }
    void renderAxisLabels(kit::Context& context) override;
    void drawLabel(kit::Context& context, const std::string& formattedLabel, double x, double y,
                   const kit::TextAttributes& attributes, kit::Point anchor, double angleRadians);
    // A radar chart has no x limit lines.
    void renderLimitLines(kit::Context&) override {}

private:
    std::weak_ptr<RadarChartView> chart_;
};

} // namespace charting
