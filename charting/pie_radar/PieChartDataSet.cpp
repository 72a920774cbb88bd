#include "charting/pie_radar/PieChartDataSet.h"

#include "kit/base/Make.h"

namespace charting {

PieChartDataSet::PieChartDataSet() { setPieTextDefaults(); }

PieChartDataSet::PieChartDataSet(std::vector<EntryPtr> entries, std::optional<std::string> label)
    : ChartDataSet(std::move(entries), std::move(label)) {
    setPieTextDefaults();
}

void PieChartDataSet::setPieTextDefaults() {
    setValueTextColor(kit::Color::whiteColor());
    setValueFont(kit::Font::system(13.0));
}

void PieChartDataSet::calcMinMaxForEntry(const ChartDataEntry& entry) { calcMinMaxYForEntry(entry); }

void PieChartDataSet::setSliceSpace(double space) {
    if (space > 20.0) space = 20.0;
    if (space < 0.0) space = 0.0;
    sliceSpace_ = space;
}

std::shared_ptr<ChartBaseDataSet> PieChartDataSet::makeEmpty() const { return kit::make<PieChartDataSet>(); }

void PieChartDataSet::copyInto(ChartBaseDataSet& copy) const {
    ChartDataSet::copyInto(copy);
    auto& set = static_cast<PieChartDataSet&>(copy);
    set.sliceSpace_ = sliceSpace_; // as stored, not clamped again
    set.automaticallyDisableSliceSpacing_ = automaticallyDisableSliceSpacing_;
    set.selectionShift_ = selectionShift_;
    set.xValuePosition_ = xValuePosition_;
    set.yValuePosition_ = yValuePosition_;
    set.valueLineColor_ = valueLineColor_;
    set.useValueColorForLine_ = useValueColorForLine_;
    set.valueLineWidth_ = valueLineWidth_;
    set.valueLinePart1OffsetPercentage_ = valueLinePart1OffsetPercentage_;
    set.valueLinePart1Length_ = valueLinePart1Length_;
    set.valueLinePart2Length_ = valueLinePart2Length_;
    set.valueLineVariableLength_ = valueLineVariableLength_;
    set.entryLabelFont_ = entryLabelFont_;
    set.entryLabelColor_ = entryLabelColor_;
    set.highlightColor_ = highlightColor_;
}

} // namespace charting
