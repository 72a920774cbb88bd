#pragma once
// The data of a combined chart: up to five kinds of chart data at once, shown as one. Its data
// sets and bounds are always derived from the held data (line, bar, scatter, candle, bubble, in
// that order); sets are never added to it directly. A set inside it is addressed by the pair
// (position of its data in allData, position of the set in that data), which highlights carry
// as dataIndex and dataSetIndex.
#include "charting/bar_line/BarChartData.h"
#include "charting/bar_line/BubbleChartData.h"
#include "charting/bar_line/CandleChartData.h"
#include "charting/bar_line/LineChartData.h"
#include "charting/bar_line/ScatterChartData.h"

#include <optional>

namespace charting {

class CombinedChartData : public BarLineScatterCandleBubbleChartData {
public:
    // Sets given here do not survive: the list is rebuilt from the (still absent) sub-data.
    using BarLineScatterCandleBubbleChartData::BarLineScatterCandleBubbleChartData;

    // Each setter stores the data (null allowed) and recomputes everything.
    const std::shared_ptr<LineChartData>& lineData() const { return lineData_; }
    void setLineData(std::shared_ptr<LineChartData> data);
    const std::shared_ptr<BarChartData>& barData() const { return barData_; }
    void setBarData(std::shared_ptr<BarChartData> data);
    const std::shared_ptr<ScatterChartData>& scatterData() const { return scatterData_; }
    void setScatterData(std::shared_ptr<ScatterChartData> data);
    const std::shared_ptr<CandleChartData>& candleData() const { return candleData_; }
    void setCandleData(std::shared_ptr<CandleChartData> data);
    const std::shared_ptr<BubbleChartData>& bubbleData() const { return bubbleData_; }
    void setBubbleData(std::shared_ptr<BubbleChartData> data);

    // The held data in the order line, bar, scatter, candle, bubble.
    std::vector<std::shared_ptr<ChartData>> allData() const;
    // The data at that position of allData; null outside it.
    std::shared_ptr<ChartData> dataByIndex(int index) const;
    // The position of this very data object in allData.
    std::optional<int> dataIndex(const ChartData* data) const;
    // The set named by the highlight's data index and data-set index; null when either is outside.
    DataSetPtr getDataSetByHighlight(const Highlight& highlight) const;

    // Every held data's notifyDataChanged(), then calcMinMax().
    void notifyDataChanged() override;
    // Rebuilds the set list from the held data and takes the bounds from them: the overall bounds
    // from each data's, the axis bounds from each set's.
    void calcMinMax() override;
    // Among the entries of the highlighted set at the highlight's x, the first whose y equals the
    // highlight's y (or simply the first when that y is NaN).
    EntryPtr entryForHighlight(const Highlight& highlight) const override;
    // Asks each held data in turn; the first that held the set answers. This data's own list and
    // bounds follow only at the next notifyDataChanged().
    DataSetPtr removeDataSet(const DataSetPtr& dataSet) override;
    // Not supported: a line on the console, false, nothing changed.
    bool removeEntry(const ChartDataEntry& entry, int dataSetIndex) override;
    bool removeEntryWithX(double xValue, int dataSetIndex) override;
    // Not supported: sets belong to the held data. Stops the program.
    void addDataSet(DataSetPtr dataSet) override;
    DataSetPtr removeDataSetAt(std::size_t index);

private:
    std::shared_ptr<LineChartData> lineData_;
    std::shared_ptr<BarChartData> barData_;
    std::shared_ptr<ScatterChartData> scatterData_;
    std::shared_ptr<CandleChartData> candleData_;
    std::shared_ptr<BubbleChartData> bubbleData_;
    // Set while the rebuilt list is stored, whose own notification must not start another pass.
    bool storingSets_ = false;
};

} // namespace charting
