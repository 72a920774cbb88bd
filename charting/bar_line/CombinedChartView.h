#pragma once
// The x/y chart that draws bar, bubble, line, candle and scatter data together, each kind through
// its own renderer, in a settable order.
#include "charting/bar_line/BarLineChartViewBase.h"
#include "charting/bar_line/CombinedChartData.h"
#include "charting/bar_line/CombinedChartDataProvider.h"
#include "charting/bar_line/CombinedChartRenderer.h"
#include "charting/model/ChartFillFormatter.h"

#include <vector>

namespace charting {

class CombinedChartView : public BarLineChartViewBase, public CombinedChartDataProvider {
public:
    using DrawOrder = CombinedChartRenderer::DrawOrder;

    using BarLineChartViewBase::BarLineChartViewBase;

    void initialize() override;
    // New data (or changed data) gets a fresh highlighter and fresh sub-renderers for the kinds
    // present, before the bounds and buffers are recomputed.
    void notifyDataSetChanged() override;
    std::optional<Highlight> getHighlightByTouchPoint(kit::Point point) override;
    void drawMarkers(kit::Context& context) override;

    std::shared_ptr<CombinedChartData> combinedData() const override;
    std::shared_ptr<LineChartData> lineData() const override;
    std::shared_ptr<BarChartData> barData() const override;
    std::shared_ptr<ScatterChartData> scatterData() const override;
    std::shared_ptr<CandleChartData> candleData() const override;
    std::shared_ptr<BubbleChartData> bubbleData() const override;
    // The candles' accessibility elements belong to this view; it gets no candle header.
    std::shared_ptr<ChartViewBase> accessibilityContainer() const override;

    // Never null after set-up: setting none installs the default.
    const std::shared_ptr<ChartFillFormatter>& fillFormatter() const { return fillFormatter_; }
    void setFillFormatter(std::shared_ptr<ChartFillFormatter> formatter);

    // Kept by the renderer.
    void setDrawValueAboveBarEnabled(bool enabled);
    void setDrawBarShadowEnabled(bool enabled);
    bool isDrawValueAboveBarEnabled() const override;
    bool isDrawBarShadowEnabled() const override;

    // Raw values 0...4; others are ignored. Takes effect when data is next set.
    std::vector<int> drawOrder() const;
    void setDrawOrder(const std::vector<int>& order);

    bool highlightFullBarEnabled() const { return highlightFullBarEnabled_; }
    void setHighlightFullBarEnabled(bool enabled) { highlightFullBarEnabled_ = enabled; }
    bool isHighlightFullBarEnabled() const override { return highlightFullBarEnabled_; }

    // One answer for every provider interface.
    std::shared_ptr<ChartData> data() const override { return ChartViewBase::data(); }
    double chartYMin() const override { return BarLineChartViewBase::chartYMin(); }
    double chartYMax() const override { return BarLineChartViewBase::chartYMax(); }

private:
    // One kind's data of the combined data; null without combined data.
    template <class Data>
    std::shared_ptr<Data> subData(const std::shared_ptr<Data>& (CombinedChartData::*kind)() const) const;
    std::shared_ptr<CombinedChartRenderer> combinedRenderer() const;
    void installHighlighter();

    std::shared_ptr<ChartFillFormatter> fillFormatter_;
    bool highlightFullBarEnabled_ = false;
};

} // namespace charting
