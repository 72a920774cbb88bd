#pragma once
// The data of a pie chart: one pie, so one data set, and the sum of its values. Slices are
// addressed by index: a highlight's x is the slice index.
#include "charting/model/ChartData.h"
#include "charting/pie_radar/PieChartDataSet.h"

#include <cmath>

namespace charting {

class PieChartData : public ChartData {
public:
    using ChartData::ChartData;

    // The first set when it is a pie set, else null.
    std::shared_ptr<PieChartDataSet> dataSet() const;
    // Null empties the list; a set becomes the only one.
    void setDataSet(std::shared_ptr<PieChartDataSet> dataSet);

    // Index 0 is the first set; every other index (and an empty list) gives null.
    DataSetPtr dataSet(int index) const override;
    // Only the first set is compared.
    DataSetPtr dataSetForLabel(const std::string& label, bool ignorecase) const override;
    // The slice at the highlight's x truncated to an index; null when x is not a finite index
    // of the pie set.
    EntryPtr entryForHighlight(const Highlight& highlight) const override;

    // The signed sum of the slice values; 0 without a pie set. Values near the limits of a double
    // may sum to infinity: slices take their shares from yValueShares() instead.
    double yValueSum() const;

    // What fraction of the sum a value is, as value / yValueSum() but computed on values scaled by
    // a power of two, so that a sum beyond the largest double still gives finite shares. Ask once
    // per pass: it reads every slice.
    class Shares {
    public:
        // 0 when the sum is 0 (no shares) or not finite (values that are themselves infinite).
        double of(double value) const {
            return sum_ == 0.0 || !std::isfinite(sum_) ? 0.0 : value * scale_ / sum_;
        }
        bool isEmpty() const { return sum_ == 0.0; }

    private:
        friend class PieChartData;
        double scale_ = 1.0;
        double sum_ = 0.0;
    };
    Shares yValueShares() const;
};

} // namespace charting
