#include "charting/pie_radar/RadarChartData.h"

#include "charting/core/ChartUtils.h"

#include <cmath>

namespace charting {

EntryPtr RadarChartData::entryForHighlight(const Highlight& highlight) const {
    auto set = dataSet(highlight.dataSetIndex());
    if (!set || !std::isfinite(highlight.x())) return nullptr;
    return set->entryForIndex(truncToInt(highlight.x()));
}

} // namespace charting
