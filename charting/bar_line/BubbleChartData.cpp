#include "charting/bar_line/BubbleChartData.h"

#include "charting/bar_line/BubbleChartDataSet.h"

namespace charting {

void BubbleChartData::setHighlightCircleWidth(double width) {
    for (const auto& set : dataSets())
        if (auto* bubble = dynamic_cast<BubbleChartDataSet*>(set.get())) bubble->setHighlightCircleWidth(width);
}

} // namespace charting
