#include "charting/bar_line/CandleStickChartView.h"

#include "charting/bar_line/CandleStickChartRenderer.h"

namespace charting {

void CandleStickChartView::initialize() {
    BarLineChartViewBase::initialize();
    auto self = std::static_pointer_cast<CandleStickChartView>(shared_from_this());
    setRenderer(std::make_shared<CandleStickChartRenderer>(std::shared_ptr<CandleChartDataProvider>(self, self.get()),
                                                           chartAnimator(), viewPortHandler()));
    xAxis()->setSpaceMin(0.5);
    xAxis()->setSpaceMax(0.5);
}

std::shared_ptr<CandleChartData> CandleStickChartView::candleData() const {
    return std::dynamic_pointer_cast<CandleChartData>(ChartViewBase::data());
}

} // namespace charting
