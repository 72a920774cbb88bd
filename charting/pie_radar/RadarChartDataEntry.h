#pragma once
// One corner of a radar polygon. Its spoke is its index in the data set, so x is NaN.
#include "charting/model/ChartDataEntry.h"

#include <limits>

namespace charting {

class RadarChartDataEntry : public ChartDataEntry {
public:
    RadarChartDataEntry() = default;
    explicit RadarChartDataEntry(double value) : ChartDataEntry(std::numeric_limits<double>::quiet_NaN(), value) {}
    // A number as payload must be passed as std::any: two numbers would read as an x and a y.
    RadarChartDataEntry(double value, std::any data) : RadarChartDataEntry(value) { setData(std::move(data)); }
    // A corner is not placed by x.
    RadarChartDataEntry(double x, double y) = delete;

    double value() const { return y(); }
    void setValue(double value) { setY(value); }

protected:
    std::shared_ptr<ChartDataEntry> makeEmpty() const override { return std::make_shared<RadarChartDataEntry>(); }
};

} // namespace charting
