#pragma once
// Turns a drawn data value into the text drawn beside it.
#include <string>

namespace charting {

class ChartDataEntry;
class ViewPortHandler;

class ChartValueFormatter {
public:
    virtual ~ChartValueFormatter() = default;
    // `viewPortHandler` may be null when a caller formats outside a chart.
    virtual std::string stringForValue(double value, const ChartDataEntry& entry, int dataSetIndex,
                                       ViewPortHandler* viewPortHandler) = 0;
};

} // namespace charting
