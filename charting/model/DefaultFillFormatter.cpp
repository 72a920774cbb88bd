#include "charting/model/DefaultFillFormatter.h"

#include "charting/model/ChartData.h"

namespace charting {

std::shared_ptr<DefaultFillFormatter> DefaultFillFormatter::withBlock(Block block) {
    return std::make_shared<DefaultFillFormatter>(std::move(block));
}

double DefaultFillFormatter::getFillLinePosition(const LineChartDataSetProtocol& dataSet,
                                                 const LineChartDataProvider& dataProvider) {
    if (block_) return block_(dataSet, dataProvider);
    if (dataSet.yMax() > 0 && dataSet.yMin() < 0) return 0;
    auto data = dataProvider.data();
    if (!data) return 0;
    double max = data->yMax() > 0 ? 0 : dataProvider.chartYMax();
    double min = data->yMin() < 0 ? 0 : dataProvider.chartYMin();
    return dataSet.yMin() >= 0 ? min : max;
}

} // namespace charting
