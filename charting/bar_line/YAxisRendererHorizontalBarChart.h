#pragma once
// A y axis of a horizontal-bar chart: a horizontal value axis above (left dependency) or below
// (right dependency) the content, with vertical grid, zero and limit lines.
#include "charting/core/YAxisRenderer.h"

namespace charting {

class YAxisRendererHorizontalBarChart : public YAxisRenderer {
public:
    using YAxisRenderer::YAxisRenderer;

    void computeAxis(double min, double max, bool inverted) override;
    void renderAxisLabels(kit::Context& context) override;
    void drawYLabels(kit::Context& context, double fixedPosition, const std::vector<kit::Point>& positions, double offset,
                     kit::TextAlignment textAlign) override;
    std::vector<kit::Point> transformedPositions() const override;
    kit::Rect gridClippingRect() const override;
    void drawGridLine(kit::Context& context, kit::Point position) override;
    void renderAxisLine(kit::Context& context) override;
    void drawZeroLine(kit::Context& context) override;
    void renderLimitLines(kit::Context& context) override;
};

} // namespace charting
