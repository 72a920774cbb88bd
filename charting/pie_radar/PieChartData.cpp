#include "charting/pie_radar/PieChartData.h"

#include "charting/core/ChartUtils.h"
#include "kit/text/CaseMapping.h"

#include <algorithm>
#include <cmath>

namespace charting {

std::shared_ptr<PieChartDataSet> PieChartData::dataSet() const {
    if (dataSets().empty()) return nullptr;
    return std::dynamic_pointer_cast<PieChartDataSet>(dataSets().front());
}

void PieChartData::setDataSet(std::shared_ptr<PieChartDataSet> dataSet) {
    if (!dataSet) {
        setDataSets({});
    } else {
        setDataSets({std::move(dataSet)});
    }
}

DataSetPtr PieChartData::dataSet(int index) const {
    if (index != 0 || dataSets().empty()) return nullptr;
    return dataSets().front();
}

DataSetPtr PieChartData::dataSetForLabel(const std::string& label, bool ignorecase) const {
    if (dataSets().empty()) return nullptr;
    const auto& first = dataSets().front();
    if (!first->label()) return nullptr;
    const bool match = ignorecase ? kit::text::lowercased(*first->label()) == kit::text::lowercased(label)
                                  : *first->label() == label;
    return match ? first : nullptr;
}

EntryPtr PieChartData::entryForHighlight(const Highlight& highlight) const {
    auto set = dataSet();
    if (!set || !std::isfinite(highlight.x())) return nullptr;
    return set->entryForIndex(truncToInt(highlight.x()));
}

double PieChartData::yValueSum() const {
    auto set = dataSet();
    if (!set) return 0.0;
    double sum = 0.0;
    for (std::int64_t i = 0; i < set->entryCount(); ++i)
        if (auto entry = set->entryForIndex(i)) sum += entry->y();
    return sum;
}

PieChartData::Shares PieChartData::yValueShares() const {
    Shares shares;
    auto set = dataSet();
    if (!set) return shares;
    // The data set's cached bounds give the largest magnitude without another pass.
    const double largest = std::max(std::fabs(set->yMin()), std::fabs(set->yMax()));
    // A power of two scales exactly: ordinary values get the very shares value / sum gives.
    if (std::isfinite(largest) && largest > 1.0) shares.scale_ = std::ldexp(1.0, -std::ilogb(largest));
    for (std::int64_t i = 0; i < set->entryCount(); ++i)
        if (auto entry = set->entryForIndex(i)) shares.sum_ += entry->y() * shares.scale_;
    return shares;
}

} // namespace charting
