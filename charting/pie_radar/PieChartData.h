#pragma once
// The data of a pie chart: one pie, so one data set, and the sum of its values. Slices are
// addressed by index: a highlight's x is the slice index.
#include "charting/model/ChartData.h"
#include "charting/pie_radar/PieChartDataSet.h"

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

    // The signed sum of the slice values; 0 without a pie set.
    double yValueSum() const;
};

} // namespace charting
