#pragma once
// The x axis of a horizontal-bar chart: a vertical category axis at the left and/or right of the
// content with horizontal grid lines and limit lines.
#include "charting/core/ChartDataProvider.h"
#include "charting/core/XAxisRenderer.h"

#include <memory>

namespace charting {

class XAxisRendererHorizontalBarChart : public XAxisRenderer {
public:
    XAxisRendererHorizontalBarChart(std::shared_ptr<ViewPortHandler> viewPortHandler, std::shared_ptr<XAxis> axis,
                                    std::shared_ptr<Transformer> transformer, const std::shared_ptr<ChartDataProvider>& chart);

    void computeAxis(double min, double max, bool inverted) override;
    void computeSize() override;
    void renderAxisLabels(kit::Context& context) override;
    void drawLabels(kit::Context& context, double pos, kit::Point anchor) override;
    // No width constraint: labels beside the content may be as wide as they are.
    void drawLabel(kit::Context& context, const std::string& formattedLabel, double x, double y,
                   const kit::TextAttributes& attributes, kit::Size constrainedTo, kit::Point anchor,
                   double angleRadians) override;
    kit::Rect gridClippingRect() const override;
    void drawGridLine(kit::Context& context, double x, double y) override;
    void renderAxisLine(kit::Context& context) override;
    void renderLimitLines(kit::Context& context) override;

private:
    std::weak_ptr<ChartDataProvider> chart_;
};

} // namespace charting
