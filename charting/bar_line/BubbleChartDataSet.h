#pragma once
// Bubbles of one data set: the largest size of its entries (never below 0), the size-normalisation
// switch and the width of the ring around a highlighted bubble. The size does not take part in the
// y bounds.
#include "charting/model/BarLineScatterCandleBubbleChartDataSet.h"

namespace charting {

class BubbleChartDataSet : public BarLineScatterCandleBubbleChartDataSet {
public:
    BubbleChartDataSet() = default;
    explicit BubbleChartDataSet(std::vector<EntryPtr> entries, std::optional<std::string> label = "DataSet")
        : BarLineScatterCandleBubbleChartDataSet(std::move(entries), std::move(label)) {}

    std::string_view className() const override { return "BubbleChartDataSet"; }

    // Recomputes the largest size from the entries along with the bounds, so that a removed
    // bubble no longer shrinks the others.
    void calcMinMax() override;
    // Bubble entries only: x and y bounds, then the largest size.
    void calcMinMaxForEntry(const ChartDataEntry& entry) override;

    double maxSize() const { return maxSize_; }
    bool normalizeSizeEnabled() const { return normalizeSizeEnabled_; }
    void setNormalizeSizeEnabled(bool v) { normalizeSizeEnabled_ = v; }
    bool isNormalizeSizeEnabled() const { return normalizeSizeEnabled(); }
    double highlightCircleWidth() const { return highlightCircleWidth_; }
    void setHighlightCircleWidth(double w) { highlightCircleWidth_ = w; }

protected:
    std::shared_ptr<ChartBaseDataSet> makeEmpty() const override;
    void copyInto(ChartBaseDataSet& copy) const override;

private:
    double maxSize_ = 0.0;
    bool normalizeSizeEnabled_ = true;
    double highlightCircleWidth_ = 2.5;
};

// Bubble renderers read bubble sets through this name.
using BubbleChartDataSetProtocol = BubbleChartDataSet;

} // namespace charting
