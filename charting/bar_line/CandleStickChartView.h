#pragma once
// The x/y chart of candle data, drawn as candles or as open/high/low/close bars.
#include "charting/bar_line/BarLineChartViewBase.h"
#include "charting/bar_line/CandleChartData.h"
#include "charting/bar_line/CandleChartDataProvider.h"

namespace charting {

class CandleStickChartView : public BarLineChartViewBase, public CandleChartDataProvider {
public:
    using BarLineChartViewBase::BarLineChartViewBase;

    // Installs the candle renderer and leaves half an x unit free at both ends.
    void initialize() override;
    std::shared_ptr<CandleChartData> candleData() const override;
    std::shared_ptr<ChartViewBase> candleChartView() const override { return self(); }
    std::shared_ptr<ChartViewBase> accessibilityContainer() const override { return self(); }

    // One answer for both provider interfaces.
    std::shared_ptr<ChartData> data() const override { return ChartViewBase::data(); }
    double chartYMin() const override { return BarLineChartViewBase::chartYMin(); }
    double chartYMax() const override { return BarLineChartViewBase::chartYMax(); }

private:
    std::shared_ptr<ChartViewBase> self() const {
        return std::static_pointer_cast<ChartViewBase>(const_cast<CandleStickChartView*>(this)->shared_from_this());
    }
};

} // namespace charting
