#include "charting/bar_line/BubbleChartView.h"

#include "charting/bar_line/BubbleChartRenderer.h"

namespace charting {

void BubbleChartView::initialize() {
    BarLineChartViewBase::initialize();
    auto self = std::static_pointer_cast<BubbleChartView>(shared_from_this());
    setRenderer(std::make_shared<BubbleChartRenderer>(std::shared_ptr<BubbleChartDataProvider>(self, self.get()),
                                                      chartAnimator(), viewPortHandler()));
}

std::shared_ptr<BubbleChartData> BubbleChartView::bubbleData() const {
    return std::dynamic_pointer_cast<BubbleChartData>(ChartViewBase::data());
}

} // namespace charting
