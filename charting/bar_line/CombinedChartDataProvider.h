#pragma once
// What the combined chart offers its sub-renderers: every kind of sub-data, and the whole.
#include "charting/bar_line/BarChartDataProvider.h"
#include "charting/bar_line/BubbleChartDataProvider.h"
#include "charting/bar_line/CandleChartDataProvider.h"
#include "charting/bar_line/LineDataProvider.h"
#include "charting/bar_line/ScatterChartDataProvider.h"

namespace charting {

class CombinedChartData;

class CombinedChartDataProvider : public LineDataProvider,
                                  public BarChartDataProvider,
                                  public BubbleChartDataProvider,
                                  public CandleChartDataProvider,
                                  public ScatterChartDataProvider {
public:
    // Null when the chart's data is not combined data.
    virtual std::shared_ptr<CombinedChartData> combinedData() const = 0;
};

} // namespace charting
