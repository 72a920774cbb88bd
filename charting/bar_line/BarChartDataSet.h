#pragma once
// The bars of one data set with their styling and stack bookkeeping. The y bounds of a stacked
// bar are the bottom and top of its whole stack. Stack size and stack count are computed when
// the set is made; later edits of the entries leave them as they were.
#include "charting/core/DataSetKindInterfaces.h"
#include "charting/model/BarLineScatterCandleBubbleChartDataSet.h"

namespace charting {

class BarChartDataSet : public BarLineScatterCandleBubbleChartDataSet, public BarChartDataSetProtocol {
public:
    BarChartDataSet();
    explicit BarChartDataSet(std::vector<EntryPtr> entries, std::optional<std::string> label = "DataSet");

    std::string_view className() const override { return "BarChartDataSet"; }

    // Bar entries only; an entry with a NaN y is left out entirely.
    void calcMinMaxForEntry(const ChartDataEntry& entry) override;

    // The largest number of stack values of any entry (a plain bar counts 1, an empty stack 0);
    // 1 for no entries.
    int stackSize() const override { return stackSize_; }
    bool isStacked() const override { return stackSize_ > 1; }
    // The number of bars when every stack value counts as one.
    int entryCountStacks() const { return entryCountStacks_; }
    void calcStackSize(const std::vector<EntryPtr>& entries);
    void calcEntryCountStacks(const std::vector<EntryPtr>& entries);

    const std::vector<std::string>& stackLabels() const override { return stackLabels_; }
    void setStackLabels(std::vector<std::string> labels) { stackLabels_ = std::move(labels); }
    kit::Color barShadowColor() const { return barShadowColor_; }
    void setBarShadowColor(kit::Color c) { barShadowColor_ = c; }
    // 0: no outline.
    double barBorderWidth() const { return barBorderWidth_; }
    void setBarBorderWidth(double w) { barBorderWidth_ = w; }
    kit::Color barBorderColor() const { return barBorderColor_; }
    void setBarBorderColor(kit::Color c) { barBorderColor_ = c; }
    double highlightAlpha() const { return highlightAlpha_; }
    void setHighlightAlpha(double a) { highlightAlpha_ = a; }

protected:
    std::shared_ptr<ChartBaseDataSet> makeEmpty() const override;
    void copyInto(ChartBaseDataSet& copy) const override;

private:
    void setUp();

    int stackSize_ = 1;
    int entryCountStacks_ = 0;
    std::vector<std::string> stackLabels_;
    kit::Color barShadowColor_ = kit::Color::rgba(215 / 255.0, 215 / 255.0, 215 / 255.0, 1.0);
    double barBorderWidth_ = 0.0;
    kit::Color barBorderColor_ = kit::Color::blackColor();
    double highlightAlpha_ = 120.0 / 255.0;
};

} // namespace charting
