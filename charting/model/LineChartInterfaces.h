#pragma once
// What the fill formatter needs from line data sets and from the views that draw line data.
// Line data sets and line chart views realise these beside their main base classes.
#include <memory>

namespace charting {

class ChartData;

class LineChartDataSetProtocol {
public:
    virtual ~LineChartDataSetProtocol() = default;
    // The smallest and largest y of the set's entries.
    virtual double yMin() const = 0;
    virtual double yMax() const = 0;
};

class LineChartDataProvider {
public:
    virtual ~LineChartDataProvider() = default;
    // The chart's data, null when it has none.
    virtual std::shared_ptr<ChartData> data() const = 0;
    // The chart's current y bounds.
    virtual double chartYMin() const = 0;
    virtual double chartYMax() const = 0;
};

} // namespace charting
