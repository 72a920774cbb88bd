#pragma once
// The radar (spider-web) chart: spokes and rings, a radial value axis and the geometry its
// renderer, highlighter and axis renderers read. Spoke i lies at sliceAngle * i + rotationAngle;
// a value y lies at (y - chartYMin) * factor from the centre.
#include "charting/model/YAxis.h"
#include "charting/pie_radar/PieRadarChartViewBase.h"
#include "kit/base/Color.h"

#include <memory>

namespace charting {

class XAxisRendererRadarChart;
class YAxisRendererRadarChart;

class RadarChartView : public PieRadarChartViewBase {
public:
    RadarChartView() : RadarChartView(kit::Rect{}) {}
    explicit RadarChartView(const kit::Rect& frame) : PieRadarChartViewBase(frame) {}

    // The base set-up, then the radial axis, the renderers and the highlighter.
    void initialize() override;

    void calcMinMax() override;
    void notifyDataSetChanged() override;
    void drawRect(kit::Context& context, const kit::Rect& rect) override;

    // Web settings: plain values, no redraw.
    double webLineWidth() const { return webLineWidth_; }
    void setWebLineWidth(double v) { webLineWidth_ = v; }
    double innerWebLineWidth() const { return innerWebLineWidth_; }
    void setInnerWebLineWidth(double v) { innerWebLineWidth_ = v; }
    const kit::Color& webColor() const { return webColor_; }
    void setWebColor(const kit::Color& c) { webColor_ = c; }
    const kit::Color& innerWebColor() const { return innerWebColor_; }
    void setInnerWebColor(const kit::Color& c) { innerWebColor_ = c; }
    double webAlpha() const { return webAlpha_; }
    void setWebAlpha(double v) { webAlpha_ = v; }
    bool drawWeb() const { return drawWeb_; }
    void setDrawWeb(bool v) { drawWeb_ = v; }
    int skipWebLineCount() const { return skipWebLineCount_; }
    // Negative counts store 0.
    void setSkipWebLineCount(int v) { skipWebLineCount_ = v < 0 ? 0 : v; }

    const std::shared_ptr<YAxis>& yAxis() const { return yAxis_; }
    const std::shared_ptr<YAxisRendererRadarChart>& yAxisRenderer() const { return yAxisRenderer_; }
    const std::shared_ptr<XAxisRendererRadarChart>& xAxisRenderer() const { return xAxisRenderer_; }

    // Points per value unit.
    double factor() const;
    // Degrees between spokes; +infinity without entries.
    double sliceAngle() const;
    double yRange() const { return yAxis_->axisRange(); }
    double radius() const override;
    // The spoke whose sector (half a slice either side) holds the angle.
    int indexForAngle(double angle) const override;
    double chartYMax() const override { return yAxis_->axisMaximum(); }
    double chartYMin() const override { return yAxis_->axisMinimum(); }
    double requiredLegendOffset() const override;
    double requiredBaseOffset() const override;

private:
    double webLineWidth_ = 1.5;
    double innerWebLineWidth_ = 0.75;
    kit::Color webColor_ = kit::Color::rgba(122 / 255.0, 122 / 255.0, 122 / 255.0, 1.0);
    kit::Color innerWebColor_ = kit::Color::rgba(122 / 255.0, 122 / 255.0, 122 / 255.0, 1.0);
    double webAlpha_ = 150.0 / 255.0;
    bool drawWeb_ = true;
    int skipWebLineCount_ = 0;
    std::shared_ptr<YAxis> yAxis_;
    std::shared_ptr<YAxisRendererRadarChart> yAxisRenderer_;
    std::shared_ptr<XAxisRendererRadarChart> xAxisRenderer_;
};

} // namespace charting
