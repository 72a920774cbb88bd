#pragma once
// One bar: either a single value or a stack of values. A stacked bar's y is the sum of its
// stack; the sums of its negative and non-negative values and the span of each value in the
// stack (negative values stack down from 0, the others up from 0) are refreshed whenever the
// stack is set.
#include "charting/model/ChartDataEntry.h"
#include "charting/model/Highlight.h"

#include <optional>
#include <vector>

namespace charting {

class BarChartDataEntry : public ChartDataEntry {
public:
    BarChartDataEntry() = default;
    BarChartDataEntry(double x, double y) : ChartDataEntry(x, y) {}
    BarChartDataEntry(double x, double y, std::any data) : ChartDataEntry(x, y, std::move(data)) {}
    BarChartDataEntry(double x, double y, std::shared_ptr<const kit::Image> icon)
        : ChartDataEntry(x, y, std::move(icon)) {}
    BarChartDataEntry(double x, double y, std::shared_ptr<const kit::Image> icon, std::any data)
        : ChartDataEntry(x, y, std::move(icon), std::move(data)) {}
    BarChartDataEntry(double x, std::vector<double> yValues);
    BarChartDataEntry(double x, std::vector<double> yValues, std::shared_ptr<const kit::Image> icon);
    BarChartDataEntry(double x, std::vector<double> yValues, std::any data);
    BarChartDataEntry(double x, std::vector<double> yValues, std::shared_ptr<const kit::Image> icon, std::any data);

    // The stack; absent for a plain bar.
    const std::optional<std::vector<double>>& yValues() const { return yVals_; }
    // Sets y to the sum (0 for an absent or empty stack), stores the stack, then recomputes the
    // sums and the spans. An absent or empty stack leaves the previous spans in place.
    void setYValues(std::optional<std::vector<double>> values);
    // True with a stack, even an empty one.
    bool isStacked() const { return yVals_.has_value(); }
    // Magnitude of the sum of the negative stack values.
    double negativeSum() const { return negativeSum_; }
    // Sum of the stack values that are 0 or more.
    double positiveSum() const { return positiveSum_; }
    // One span per stack value; absent until computed.
    const std::optional<std::vector<Range>>& ranges() const { return ranges_; }

    // The sum of the stack values from stackIndex through the last one; 0 without a stack or
    // for an index outside it.
    double sumBelow(int stackIndex) const;
    void calcPosNegSum();
    void calcRanges();

protected:
    std::shared_ptr<ChartDataEntry> makeEmpty() const override { return std::make_shared<BarChartDataEntry>(); }
    void copyInto(ChartDataEntry& copy) const override;

private:
    std::optional<std::vector<double>> yVals_;
    std::optional<std::vector<Range>> ranges_;
    double negativeSum_ = 0.0;
    double positiveSum_ = 0.0;
};

} // namespace charting
