#include "charting/pie_radar/PieChartDataEntry.h"

namespace charting {

PieChartDataEntry::PieChartDataEntry(double value, std::any data) : PieChartDataEntry(value) {
    setData(std::move(data));
}

PieChartDataEntry::PieChartDataEntry(double value, std::shared_ptr<const kit::Image> icon) : PieChartDataEntry(value) {
    setIcon(std::move(icon));
}

PieChartDataEntry::PieChartDataEntry(double value, std::shared_ptr<const kit::Image> icon, std::any data)
    : PieChartDataEntry(value, std::move(icon)) {
    setData(std::move(data));
}

std::shared_ptr<ChartDataEntry> PieChartDataEntry::makeEmpty() const { return std::make_shared<PieChartDataEntry>(); }

void PieChartDataEntry::copyInto(ChartDataEntry& copy) const {
    ChartDataEntry::copyInto(copy);
    static_cast<PieChartDataEntry&>(copy).label_ = label_;
}

} // namespace charting
