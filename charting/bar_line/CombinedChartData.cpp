#include "charting/bar_line/CombinedChartData.h"

#include "kit/base/Console.h"

#include <cmath>

namespace charting {

void CombinedChartData::setLineData(std::shared_ptr<LineChartData> data) {
    lineData_ = std::move(data);
    notifyDataChanged();
}

void CombinedChartData::setBarData(std::shared_ptr<BarChartData> data) {
    barData_ = std::move(data);
    notifyDataChanged();
}

void CombinedChartData::setScatterData(std::shared_ptr<ScatterChartData> data) {
    scatterData_ = std::move(data);
    notifyDataChanged();
}

void CombinedChartData::setCandleData(std::shared_ptr<CandleChartData> data) {
    candleData_ = std::move(data);
    notifyDataChanged();
}

void CombinedChartData::setBubbleData(std::shared_ptr<BubbleChartData> data) {
    bubbleData_ = std::move(data);
    notifyDataChanged();
}

std::vector<std::shared_ptr<ChartData>> CombinedChartData::allData() const {
    std::vector<std::shared_ptr<ChartData>> all;
    if (lineData_) all.push_back(lineData_);
    if (barData_) all.push_back(barData_);
    if (scatterData_) all.push_back(scatterData_);
    if (candleData_) all.push_back(candleData_);
    if (bubbleData_) all.push_back(bubbleData_);
    return all;
}

std::shared_ptr<ChartData> CombinedChartData::dataByIndex(int index) const {
    auto all = allData();
    if (index < 0 || static_cast<std::size_t>(index) >= all.size()) return nullptr;
    return all[static_cast<std::size_t>(index)];
}

std::optional<int> CombinedChartData::dataIndex(const ChartData* data) const {
    auto all = allData();
    for (std::size_t i = 0; i < all.size(); ++i)
        if (all[i].get() == data) return static_cast<int>(i);
    return std::nullopt;
}

DataSetPtr CombinedChartData::getDataSetByHighlight(const Highlight& highlight) const {
    auto data = dataByIndex(highlight.dataIndex());
    if (!data) return nullptr;
    const int setIndex = highlight.dataSetIndex();
    if (setIndex < 0 || setIndex >= data->dataSetCount()) return nullptr;
    return data->dataSets()[static_cast<std::size_t>(setIndex)];
}

void CombinedChartData::notifyDataChanged() {
    if (storingSets_) return;
    if (lineData_) lineData_->notifyDataChanged();
    if (barData_) barData_->notifyDataChanged();
    if (scatterData_) scatterData_->notifyDataChanged();
    if (candleData_) candleData_->notifyDataChanged();
    if (bubbleData_) bubbleData_->notifyDataChanged();
    calcMinMax();
}

void CombinedChartData::calcMinMax() {
    std::vector<DataSetPtr> sets;
    double yMax = -greatest, xMax = -greatest, leftMax = -greatest, rightMax = -greatest;
    double yMin = greatest, xMin = greatest, leftMin = greatest, rightMin = greatest;

    for (const auto& data : allData()) {
        data->calcMinMax();
        sets.insert(sets.end(), data->dataSets().begin(), data->dataSets().end());
        if (data->yMax() > yMax) yMax = data->yMax();
        if (data->yMin() < yMin) yMin = data->yMin();
        if (data->xMax() > xMax) xMax = data->xMax();
        if (data->xMin() < xMin) xMin = data->xMin();
        for (const auto& set : data->dataSets()) {
            double& max = set->axisDependency() == AxisDependency::right ? rightMax : leftMax;
            double& min = set->axisDependency() == AxisDependency::right ? rightMin : leftMin;
            if (set->yMax() > max) max = set->yMax();
            if (set->yMin() < min) min = set->yMin();
        }
    }

    setYMax(yMax);
    setXMax(xMax);
    setLeftAxisMax(leftMax);
    setRightAxisMax(rightMax);
    setYMin(yMin);
    setXMin(xMin);
    setLeftAxisMin(leftMin);
    setRightAxisMin(rightMin);
    storingSets_ = true;
    setDataSets(std::move(sets));
    storingSets_ = false;
}

EntryPtr CombinedChartData::entryForHighlight(const Highlight& highlight) const {
    auto set = getDataSetByHighlight(highlight);
    if (!set) return nullptr;
    for (const auto& entry : set->entriesForXValue(highlight.x()))
        if (std::isnan(highlight.y()) || entry->y() == highlight.y()) return entry;
    return nullptr;
}

DataSetPtr CombinedChartData::removeDataSet(const DataSetPtr& dataSet) {
    for (const auto& data : allData())
        if (auto removed = data->removeDataSet(dataSet)) return removed;
    return nullptr;
}

bool CombinedChartData::removeEntry(const ChartDataEntry&, int) {
    kit::print("removeEntry(entry, dataSetIndex) not supported for CombinedData");
    return false;
}

bool CombinedChartData::removeEntryWithX(double, int) {
    kit::print("removeEntry(xValue, dataSetIndex) not supported for CombinedData");
    return false;
}

void CombinedChartData::addDataSet(DataSetPtr) { kit::fatal("append(_:) not supported for CombinedData"); }

DataSetPtr CombinedChartData::removeDataSetAt(std::size_t) { kit::fatal("remove(at:) not supported for CombinedData"); }

} // namespace charting
