#pragma once
// Turns an axis label value into the label's text.
#include <string>

namespace charting {

class AxisBase;

class ChartAxisValueFormatter {
public:
    virtual ~ChartAxisValueFormatter() = default;
    // `axis` is the asking axis; it may be null when a caller formats outside an axis.
    virtual std::string stringForValue(double value, AxisBase* axis) = 0;
};

} // namespace charting
