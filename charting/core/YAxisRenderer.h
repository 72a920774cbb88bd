#pragma once
// Draws one value axis of x/y charts: labels beside the left or right content edge (outside or
// inside), the axis line, horizontal grid lines, the zero line and horizontal limit lines.
#include "charting/core/AxisRendererBase.h"
#include "charting/model/YAxis.h"
#include "kit/graphics/Text.h"

#include <memory>
#include <vector>

namespace charting {

class YAxisRenderer : public AxisRenderer {
public:
    YAxisRenderer(std::shared_ptr<ViewPortHandler> viewPortHandler, std::shared_ptr<YAxis> axis,
                  std::shared_ptr<Transformer> transformer);
    YAxisRenderer() = delete;

    ViewPortHandler& viewPortHandler() const override { return *viewPortHandler_; }
    YAxis& axis() const override { return *axis_; }
    const std::shared_ptr<Transformer>& transformer() const override { return transformer_; }

    void renderAxisLabels(kit::Context& context) override;
    void renderAxisLine(kit::Context& context) override;
    // Labels of the entries (bottom and top ones skipped as the axis says) at x = fixedPosition.
    virtual void drawYLabels(kit::Context& context, double fixedPosition, const std::vector<kit::Point>& positions,
                             double offset, kit::TextAlignment textAlign);
    void renderGridLines(kit::Context& context) override;
    // The content rectangle widened vertically by the grid line width.
    virtual kit::Rect gridClippingRect() const;
    virtual void drawGridLine(kit::Context& context, kit::Point position);
    // The entries as pixel points (0, v); empty without a transformer.
    virtual std::vector<kit::Point> transformedPositions() const;
    virtual void drawZeroLine(kit::Context& context);
    // The zero line across the content at pixel `at`, clipped to the content widened by its width.
    void strokeZeroLine(kit::Context& context, ContentLine direction, double at);
    void renderLimitLines(kit::Context& context) override;
    void computeAxis(double min, double max, bool inverted) override;
    void computeAxisValues(double min, double max) override;

private:
    std::shared_ptr<ViewPortHandler> viewPortHandler_;
    std::shared_ptr<YAxis> axis_;
    std::shared_ptr<Transformer> transformer_;
};

} // namespace charting
