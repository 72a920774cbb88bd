#pragma once
// Draws a radar chart: one closed polygon per visible set (filled and/or outlined), the values and
// icons at its corners, the web of spokes and rings, and highlighted values with their lines and
// optional ring. Builds the chart's accessibility elements while drawing the polygons.
#include "charting/core/LineScatterCandleRadarRenderer.h"
#include "kit/base/Color.h"

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace charting {

class RadarChartView;
class RadarChartDataSet;

class RadarChartRenderer : public LineRadarRenderer {
public:
    // The chart is seen weakly: it owns its renderer.
    RadarChartRenderer(const std::shared_ptr<RadarChartView>& chart, std::shared_ptr<Animator> animator,
                       std::shared_ptr<ViewPortHandler> viewPortHandler);

    std::shared_ptr<RadarChartView> chart() const { return chart_.lock(); }
    void setChart(const std::shared_ptr<RadarChartView>& chart) { chart_ = chart; }

    void drawData(kit::Context& context) override;
    void drawDataSet(kit::Context& context, const RadarChartDataSet& dataSet, std::int64_t mostEntries);
    void drawValues(kit::Context& context) override;
    // The web.
    void drawExtras(kit::Context& context) override { drawWeb(context); }
    void drawWeb(kit::Context& context);
    void drawHighlighted(kit::Context& context, std::span<Highlight> indices) override;
    // The spoke captions the accessibility labels name, as of the last data pass.
    const std::vector<std::string>& accessibilityXLabels() const { return accessibilityXLabels_; }

private:
    void refreshAccessibilityXLabels(const RadarChartView& chart);
    void drawHighlightCircle(kit::Context& context, kit::Point point, double innerRadius, double outerRadius,
                             const std::optional<kit::Color>& fillColor, const std::optional<kit::Color>& strokeColor,
                             double strokeWidth);

    std::vector<std::string> accessibilityXLabels_;
    std::weak_ptr<RadarChartView> chart_;
    std::vector<kit::Point> webLineSegmentsBuffer_{kit::Point{}, kit::Point{}};
    kit::Point highlightPointBuffer_{};
};

} // namespace charting
