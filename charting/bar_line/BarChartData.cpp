#include "charting/bar_line/BarChartData.h"

#include "kit/base/Console.h"

namespace charting {

double BarChartData::groupWidth(double groupSpace, double barSpace) const {
    return (barWidth_ + barSpace) * static_cast<double>(dataSets().size()) + groupSpace;
}

void BarChartData::groupBars(double fromX, double groupSpace, double barSpace) {
    if (dataSets().size() < 2) {
        kit::print("BarData needs to hold at least 2 BarDataSets to allow grouping.");
        return;
    }
    auto max = maxEntryCountSet();
    const std::int64_t groupCount = max ? max->entryCount() : 0;
    const double interval = groupWidth(groupSpace, barSpace);
    double x = fromX;
    for (std::int64_t i = 0; i < groupCount; ++i) {
        const double start = x;
        x += groupSpace / 2.0;
        for (const auto& set : dataSets()) {
            x += barSpace / 2.0;
            x += barWidth_ / 2.0;
            if (auto entry = set->entryForIndex(i)) entry->setX(x);
            x += barWidth_ / 2.0;
            x += barSpace / 2.0;
        }
        x += groupSpace / 2.0;
        const double diff = interval - (x - start);
        if (diff != 0) x += diff;
    }
    // The sets' own cached bounds still hold the old x values; the data's bounds are built from
    // them, so they are refreshed first.
    for (const auto& set : dataSets()) set->notifyDataSetChanged();
    notifyDataChanged();
}

} // namespace charting
