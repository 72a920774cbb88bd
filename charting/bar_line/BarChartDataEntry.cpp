#include "charting/bar_line/BarChartDataEntry.h"

#include <numeric>

namespace charting {

namespace {
double sum(const std::vector<double>& values) { return std::accumulate(values.begin(), values.end(), 0.0); }
} // namespace

BarChartDataEntry::BarChartDataEntry(double x, std::vector<double> yValues) : ChartDataEntry(x, sum(yValues)) {
    yVals_ = std::move(yValues);
    calcPosNegSum();
    calcRanges();
}

BarChartDataEntry::BarChartDataEntry(double x, std::vector<double> yValues, std::shared_ptr<const kit::Image> icon)
    : BarChartDataEntry(x, std::move(yValues)) {
    setIcon(std::move(icon));
}

BarChartDataEntry::BarChartDataEntry(double x, std::vector<double> yValues, std::any data)
    : BarChartDataEntry(x, std::move(yValues)) {
    setData(std::move(data));
}

BarChartDataEntry::BarChartDataEntry(double x, std::vector<double> yValues, std::shared_ptr<const kit::Image> icon,
                                     std::any data)
    : BarChartDataEntry(x, std::move(yValues), std::move(icon)) {
    setData(std::move(data));
}

void BarChartDataEntry::setYValues(std::optional<std::vector<double>> values) {
    setY(values ? sum(*values) : 0.0);
    yVals_ = std::move(values);
    calcPosNegSum();
    calcRanges();
}

double BarChartDataEntry::sumBelow(int stackIndex) const {
    if (!yVals_ || stackIndex < 0 || static_cast<std::size_t>(stackIndex) >= yVals_->size()) return 0.0;
    double below = 0.0;
    for (std::size_t i = static_cast<std::size_t>(stackIndex); i < yVals_->size(); ++i) below += (*yVals_)[i];
    return below;
}

void BarChartDataEntry::calcPosNegSum() {
    negativeSum_ = 0.0;
    positiveSum_ = 0.0;
    if (!yVals_) return;
    for (double v : *yVals_) {
        if (v < 0) {
            negativeSum_ += -v;
        } else {
            positiveSum_ += v;
        }
    }
}

void BarChartDataEntry::calcRanges() {
    if (!yVals_ || yVals_->empty()) return;
    std::vector<Range> ranges;
    ranges.reserve(yVals_->size());
    double negRemain = -negativeSum_;
    double posRemain = 0.0;
    for (double v : *yVals_) {
        if (v < 0) {
            ranges.emplace_back(negRemain, negRemain - v);
            negRemain -= v;
        } else {
            ranges.emplace_back(posRemain, posRemain + v);
            posRemain += v;
        }
    }
    ranges_ = std::move(ranges);
}

void BarChartDataEntry::copyInto(ChartDataEntry& copy) const {
    ChartDataEntry::copyInto(copy);
    auto& entry = static_cast<BarChartDataEntry&>(copy);
    entry.yVals_ = yVals_;
    entry.setY(y());
    entry.negativeSum_ = negativeSum_;
    entry.positiveSum_ = positiveSum_;
}

} // namespace charting
