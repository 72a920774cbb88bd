#pragma once
// The slices of one pie with the styling only pies have: spacing between slices, how far a
// selected slice moves out, where labels and values go and the lines that lead to them.
// Pie entries have no x, so the set's x bounds stay empty.
#include "charting/core/DataSetKindInterfaces.h"
#include "charting/model/ChartDataSet.h"

namespace charting {

class PieChartDataSet : public ChartDataSet, public PieChartDataSetProtocol {
public:
    enum class ValuePosition { withinSlice = 0, beyondSlice = 1 };

    PieChartDataSet();
    explicit PieChartDataSet(std::vector<EntryPtr> entries, std::optional<std::string> label = "DataSet");

    std::string_view className() const override { return "PieChartDataSet"; }

    // Only the y bounds: x is NaN for every slice.
    void calcMinMaxForEntry(const ChartDataEntry& entry) override;

    double sliceSpace() const { return sliceSpace_; }
    // Kept within [0, 20] points.
    void setSliceSpace(double space);
    bool automaticallyDisableSliceSpacing() const { return automaticallyDisableSliceSpacing_; }
    void setAutomaticallyDisableSliceSpacing(bool v) { automaticallyDisableSliceSpacing_ = v; }
    double selectionShift() const { return selectionShift_; }
    void setSelectionShift(double shift) { selectionShift_ = shift; }
    ValuePosition xValuePosition() const { return xValuePosition_; }
    void setXValuePosition(ValuePosition p) { xValuePosition_ = p; }
    ValuePosition yValuePosition() const { return yValuePosition_; }
    void setYValuePosition(ValuePosition p) { yValuePosition_ = p; }
    const std::optional<kit::Color>& valueLineColor() const { return valueLineColor_; }
    void setValueLineColor(std::optional<kit::Color> c) { valueLineColor_ = c; }
    bool useValueColorForLine() const { return useValueColorForLine_; }
    void setUseValueColorForLine(bool v) { useValueColorForLine_ = v; }
    double valueLineWidth() const { return valueLineWidth_; }
    void setValueLineWidth(double w) { valueLineWidth_ = w; }
    double valueLinePart1OffsetPercentage() const { return valueLinePart1OffsetPercentage_; }
    void setValueLinePart1OffsetPercentage(double v) { valueLinePart1OffsetPercentage_ = v; }
    double valueLinePart1Length() const { return valueLinePart1Length_; }
    void setValueLinePart1Length(double v) { valueLinePart1Length_ = v; }
    double valueLinePart2Length() const { return valueLinePart2Length_; }
    void setValueLinePart2Length(double v) { valueLinePart2Length_ = v; }
    bool valueLineVariableLength() const { return valueLineVariableLength_; }
    void setValueLineVariableLength(bool v) { valueLineVariableLength_ = v; }
    // Absent: the set's value font.
    const std::optional<kit::Font>& entryLabelFont() const { return entryLabelFont_; }
    void setEntryLabelFont(std::optional<kit::Font> f) { entryLabelFont_ = std::move(f); }
    // Absent: the set's value text colour.
    const std::optional<kit::Color>& entryLabelColor() const { return entryLabelColor_; }
    void setEntryLabelColor(std::optional<kit::Color> c) { entryLabelColor_ = c; }
    // Absent: a highlighted slice keeps its own colour.
    const std::optional<kit::Color>& highlightColor() const { return highlightColor_; }
    void setHighlightColor(std::optional<kit::Color> c) { highlightColor_ = c; }

protected:
    std::shared_ptr<ChartBaseDataSet> makeEmpty() const override;
    void copyInto(ChartBaseDataSet& copy) const override;

private:
    void setPieTextDefaults();

    double sliceSpace_ = 0.0;
    bool automaticallyDisableSliceSpacing_ = false;
    double selectionShift_ = 18.0;
    ValuePosition xValuePosition_ = ValuePosition::withinSlice;
    ValuePosition yValuePosition_ = ValuePosition::withinSlice;
    std::optional<kit::Color> valueLineColor_ = kit::Color::blackColor();
    bool useValueColorForLine_ = false;
    double valueLineWidth_ = 1.0;
    double valueLinePart1OffsetPercentage_ = 0.75;
    double valueLinePart1Length_ = 0.3;
    double valueLinePart2Length_ = 0.4;
    bool valueLineVariableLength_ = true;
    std::optional<kit::Font> entryLabelFont_;
    std::optional<kit::Color> entryLabelColor_;
    std::optional<kit::Color> highlightColor_;
};

} // namespace charting
