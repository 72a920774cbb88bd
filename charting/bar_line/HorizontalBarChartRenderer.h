#pragma once
// The bar renderer for bars that grow sideways from a vertical x axis: x and y are exchanged in
// the rectangles, shadows, highlight, value labels and the bounds tests; plain bars are not
// clipped to the axis range, and there is no shadow beneath the bars themselves.
#include "charting/bar_line/BarChartRenderer.h"

namespace charting {

class HorizontalBarChartRenderer : public BarChartRenderer {
public:
    using BarChartRenderer::BarChartRenderer;

    kit::Rect prepareBarHighlight(double x, double y1, double y2, double barWidthHalf, const Transformer& trans) override;
    // Compared with the vertical scale: zooming across the bars reveals no more labels.
    bool isDrawingValuesAllowed(const ChartDataProvider* dataProvider) const override;
    void setHighlightDrawPos(Highlight& highlight, const kit::Rect& barRect) override;

    static constexpr double horizontalValueOffsetPlus = 5.0;

protected:
    kit::Rect barRect(double x, double barWidthHalf, double end, double base) const override;
    const YAxis* clippingAxis(AxisDependency axis) const override;
    Reach reach(const kit::Rect& pixelRect) const override;
    kit::Rect shadowRect(double x, double barWidth) const override;
    void spanContent(kit::Rect& shadow) const override;
    bool shadowsUnderBars() const override { return false; }
    kit::Point valuePoint(double value) const override { return kit::Point{value, 0.0}; }
    Reach drawValueLabel(kit::Context& context, const ValueLabels& labels, const ValueSite& site) override;
};

} // namespace charting
