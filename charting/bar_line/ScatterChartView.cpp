#include "charting/bar_line/ScatterChartView.h"

#include "charting/bar_line/ScatterChartRenderer.h"

namespace charting {

void ScatterChartView::initialize() {
    BarLineChartViewBase::initialize();
    auto self = std::static_pointer_cast<ScatterChartView>(shared_from_this());
    setRenderer(std::make_shared<ScatterChartRenderer>(std::shared_ptr<ScatterChartDataProvider>(self, self.get()),
                                                       chartAnimator(), viewPortHandler()));
    xAxis()->setSpaceMin(0.5);
    xAxis()->setSpaceMax(0.5);
}

std::shared_ptr<ScatterChartData> ScatterChartView::scatterData() const {
    return std::dynamic_pointer_cast<ScatterChartData>(data());
}

} // namespace charting
