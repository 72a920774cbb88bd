#pragma once
// Draws a combined chart by handing each pass to one sub-renderer per kind of sub-data, in the
// draw order; a highlight reaches the sub-renderer of its sub-data (or all of them with -1).
#include "charting/core/ChartRenderer.h"

#include <memory>
#include <vector>

namespace charting {

class CombinedChartView;

class CombinedChartRenderer : public ChartDataRenderer {
public:
    // The kinds of sub-renderer.
    enum class DrawOrder : int { bar = 0, bubble = 1, line = 2, candle = 3, scatter = 4 };

    CombinedChartRenderer(const std::shared_ptr<CombinedChartView>& chart, std::shared_ptr<Animator> animator,
                          std::shared_ptr<ViewPortHandler> viewPortHandler);

    ViewPortHandler& viewPortHandler() const override { return *viewPortHandler_; }
    Animator& animator() const override { return *animator_; }
    const AccessibilityElements& accessibleChartElements() const override { return accessibleChartElements_; }

    void createRenderers();
    void initBuffers() override;
    void drawData(kit::Context& context) override;
    void drawValues(kit::Context& context) override;
    void drawExtras(kit::Context& context) override;
    void drawHighlighted(kit::Context& context, std::span<Highlight> indices) override;
    bool isDrawingValuesAllowed(const ChartDataProvider* dataProvider) const override;
    std::shared_ptr<NSUIAccessibilityElement> createAccessibleHeader(ChartViewBase& chart, const ChartData& data,
                                                                     const std::string& defaultDescription) override;

    const std::vector<std::shared_ptr<ChartDataRenderer>>& subRenderers() const { return renderers_; }
    void setSubRenderers(std::vector<std::shared_ptr<ChartDataRenderer>> renderers) { renderers_ = std::move(renderers); }
    const std::vector<DrawOrder>& drawOrder() const { return drawOrder_; }
    // An empty order is ignored; the sub-renderers follow at the next createRenderers().
    void setDrawOrder(std::vector<DrawOrder> order);

    bool drawValueAboveBarEnabled() const { return drawValueAboveBarEnabled_; }
    void setDrawValueAboveBarEnabled(bool enabled) { drawValueAboveBarEnabled_ = enabled; }
    bool drawBarShadowEnabled() const { return drawBarShadowEnabled_; }
    void setDrawBarShadowEnabled(bool enabled) { drawBarShadowEnabled_ = enabled; }

private:
    template <class Renderer, class Provider> void addRenderer(const std::shared_ptr<CombinedChartView>& chart);

    std::shared_ptr<ViewPortHandler> viewPortHandler_;
    AccessibilityElements accessibleChartElements_;
    std::shared_ptr<Animator> animator_;
    std::weak_ptr<CombinedChartView> chart_;
    bool drawValueAboveBarEnabled_ = true;
    bool drawBarShadowEnabled_ = false;
    std::vector<std::shared_ptr<ChartDataRenderer>> renderers_;
    std::vector<DrawOrder> drawOrder_{DrawOrder::bar, DrawOrder::bubble, DrawOrder::line, DrawOrder::candle,
                                      DrawOrder::scatter};
};

} // namespace charting
