#pragma once
// What the candle-stick renderer reads of the chart that draws candle data.
#include "charting/core/ChartDataProvider.h"

#include <memory>

namespace charting {

class CandleChartData;
class ChartViewBase;

class CandleChartDataProvider : public virtual BarLineScatterCandleBubbleChartDataProvider {
public:
    // Null when the chart's data is not candle data.
    virtual std::shared_ptr<CandleChartData> candleData() const = 0;
    // The candle-stick view itself; a chart combining several kinds gives none and so gets no
    // header element of its own from this renderer.
    virtual std::shared_ptr<ChartViewBase> candleChartView() const { return nullptr; }
    // The view that contains the accessibility elements of the candles.
    virtual std::shared_ptr<ChartViewBase> accessibilityContainer() const = 0;
};

} // namespace charting
