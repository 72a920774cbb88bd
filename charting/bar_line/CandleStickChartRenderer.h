#pragma once
// Draws candle data as candles (shadows and a filled or outlined body) or as open/high/low/close
// bars, coloured by direction; labels each candle's high; marks highlights with indicator lines
// through the middle of the candle; one accessibility element per drawn candle.
#include "charting/bar_line/CandleChartDataProvider.h"
#include "charting/core/LineScatterCandleRadarRenderer.h"
#include "kit/base/Geometry.h"

#include <memory>
#include <vector>

namespace charting {

class CandleChartDataSet;

class CandleStickChartRenderer : public LineScatterCandleRadarRenderer {
public:
    CandleStickChartRenderer(const std::shared_ptr<CandleChartDataProvider>& dataProvider, std::shared_ptr<Animator> animator,
                             std::shared_ptr<ViewPortHandler> viewPortHandler);

    std::shared_ptr<CandleChartDataProvider> dataProvider() const { return dataProvider_.lock(); }
    void setDataProvider(const std::shared_ptr<CandleChartDataProvider>& provider) { dataProvider_ = provider; }

    void drawData(kit::Context& context) override;
    virtual void drawDataSet(kit::Context& context, const CandleChartDataSet& dataSet);
    void drawValues(kit::Context& context) override;
    void drawExtras(kit::Context& context) override { (void)context; }
    void drawHighlighted(kit::Context& context, std::span<Highlight> indices) override;

private:
    std::weak_ptr<CandleChartDataProvider> dataProvider_;
    // Reused for every candle.
    std::vector<kit::Point> shadowPoints_ = std::vector<kit::Point>(4);
    std::vector<kit::Point> rangePoints_ = std::vector<kit::Point>(2);
    std::vector<kit::Point> openPoints_ = std::vector<kit::Point>(2);
    std::vector<kit::Point> closePoints_ = std::vector<kit::Point>(2);
    kit::Rect bodyRect_{};
};

} // namespace charting
