#pragma once
// Draws the horizontal axis of x/y charts: labels, axis line at the top and/or bottom of the
// content, vertical grid lines and vertical limit lines; measures the labels for the chart's margins.
#include "charting/core/AxisRendererBase.h"
#include "charting/model/LimitLine.h"
#include "charting/model/XAxis.h"
#include "kit/graphics/Text.h"

#include <array>
#include <memory>
#include <string>

namespace charting {

class XAxisRenderer : public AxisRenderer {
public:
    XAxisRenderer(std::shared_ptr<ViewPortHandler> viewPortHandler, std::shared_ptr<XAxis> axis,
                  std::shared_ptr<Transformer> transformer);
    XAxisRenderer() = delete;

    ViewPortHandler& viewPortHandler() const override { return *viewPortHandler_; }
    XAxis& axis() const override { return *axis_; }
    const std::shared_ptr<Transformer>& transformer() const override { return transformer_; }

    void computeAxis(double min, double max, bool inverted) override;
    // Ends with computeSize(), so the label sizes follow the label values.
    void computeAxisValues(double min, double max) override;
    // Writes the axis's label width and height, plain and rotated.
    virtual void computeSize();
    void renderAxisLabels(kit::Context& context) override;
    void renderAxisLine(kit::Context& context) override;
    // One row of labels at y = pos.
    virtual void drawLabels(kit::Context& context, double pos, kit::Point anchor);
    virtual void drawLabel(kit::Context& context, const std::string& formattedLabel, double x, double y,
                           const kit::TextAttributes& attributes, kit::Size constrainedTo, kit::Point anchor,
                           double angleRadians);
    void renderGridLines(kit::Context& context) override;
    // The content rectangle widened horizontally by the grid line width.
    virtual kit::Rect gridClippingRect() const;
    virtual void drawGridLine(kit::Context& context, double x, double y);
    void renderLimitLines(kit::Context& context) override;
    virtual void renderLimitLineLine(kit::Context& context, const ChartLimitLine& limitLine, kit::Point position);
    virtual void renderLimitLineLabel(kit::Context& context, const ChartLimitLine& limitLine, kit::Point position,
                                      double yOffset);

protected:
    // The axis line on the sides its label position names: the top side for top, top-inside and
    // both-sided labels, the bottom side for bottom, bottom-inside and both-sided ones.
    void strokeAxisLines(kit::Context& context, const std::array<kit::Point, 2>& topSide,
                         const std::array<kit::Point, 2>& bottomSide);

    std::array<kit::Point, 2> axisLineSegmentsBuffer_{};

private:
    std::shared_ptr<ViewPortHandler> viewPortHandler_;
    std::shared_ptr<XAxis> axis_;
    std::shared_ptr<Transformer> transformer_;
};

} // namespace charting
