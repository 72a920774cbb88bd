#pragma once
// The bar renderer for bars that grow sideways from a vertical x axis: x and y are exchanged in
// the rectangles, shadows, highlight, value labels and the bounds tests; plain bars are not
// clipped to the axis range.
#include "charting/bar_line/BarChartRenderer.h"

namespace charting {

class HorizontalBarChartRenderer : public BarChartRenderer {
public:
    using BarChartRenderer::BarChartRenderer;

    void prepareBuffer(const BarChartDataSet& dataSet, int index) override;
    void drawDataSet(kit::Context& context, const BarChartDataSet& dataSet, int index) override;
    kit::Rect prepareBarHighlight(double x, double y1, double y2, double barWidthHalf, const Transformer& trans) override;
    void drawValues(kit::Context& context) override;
    // Compared with the vertical scale: zooming across the bars reveals no more labels.
    bool isDrawingValuesAllowed(const ChartDataProvider* dataProvider) const override;
    void setHighlightDrawPos(Highlight& highlight, const kit::Rect& barRect) override;

    static constexpr double horizontalValueOffsetPlus = 5.0;
};

} // namespace charting
