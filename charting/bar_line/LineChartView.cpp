#include "charting/bar_line/LineChartView.h"

#include "charting/bar_line/LineChartRenderer.h"

namespace charting {

void LineChartView::initialize() {
    BarLineChartViewBase::initialize();
    auto self = std::static_pointer_cast<LineChartView>(shared_from_this());
    setRenderer(std::make_shared<LineChartRenderer>(std::shared_ptr<LineDataProvider>(self, self.get()), chartAnimator(),
                                                    viewPortHandler()));
}

std::shared_ptr<LineChartData> LineChartView::lineData() const {
    return std::dynamic_pointer_cast<LineChartData>(ChartViewBase::data());
}

} // namespace charting
