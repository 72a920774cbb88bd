#pragma once
// Draws bubble data: one filled circle per entry whose diameter follows its size relative to one
// x unit (or the content height when smaller), size labels that fade in with the animation, and
// a darker ring around highlighted bubbles.
#include "charting/bar_line/BubbleChartDataProvider.h"
#include "charting/core/BarLineScatterCandleBubbleRenderer.h"
#include "kit/base/Geometry.h"

#include <memory>
#include <vector>

namespace charting {

class BubbleChartDataEntry;
class BubbleChartDataSet;
class Transformer;

class BubbleChartRenderer : public BarLineScatterCandleBubbleRenderer {
public:
    BubbleChartRenderer(const std::shared_ptr<BubbleChartDataProvider>& dataProvider, std::shared_ptr<Animator> animator,
                        std::shared_ptr<ViewPortHandler> viewPortHandler);

    std::shared_ptr<BubbleChartDataProvider> dataProvider() const { return dataProvider_.lock(); }
    void setDataProvider(const std::shared_ptr<BubbleChartDataProvider>& provider) { dataProvider_ = provider; }

    void drawData(kit::Context& context) override;
    virtual void drawDataSet(kit::Context& context, const BubbleChartDataSet& dataSet, int dataSetIndex);
    void drawValues(kit::Context& context) override;
    void drawExtras(kit::Context& context) override { (void)context; }
    void drawHighlighted(kit::Context& context, std::span<Highlight> indices) override;

    // The pixel length of one x unit, or the content height when that is smaller.
    double referenceSize(const Transformer& trans);
    // The drawn diameter of an entry's bubble.
    static double shapeSize(const BubbleChartDataEntry& entry, const BubbleChartDataSet& dataSet, double referenceSize);

private:
    std::weak_ptr<BubbleChartDataProvider> dataProvider_;
    std::vector<kit::Point> sizeBuffer_ = std::vector<kit::Point>(2);
    kit::Point pointBuffer_{};
    std::vector<AccessibilityElements> accessibilityOrderedElements_;
};

} // namespace charting
