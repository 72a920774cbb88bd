#include "charting/model/ChartData.h"

#include "kit/base/Console.h"
#include "kit/text/CaseMapping.h"

#include <algorithm>
#include <cmath>

namespace charting {

namespace {

constexpr double nan = std::numeric_limits<double>::quiet_NaN();

void require(bool condition, const char* operation) {
    if (!condition) kit::fatal(std::string("ChartData.") + operation + ": position or count out of range");
}

// The widening rules: a NaN fails both tests and never replaces a bound.
void widenMax(double& bound, double v) {
    if (bound <= v) bound = v;
}
void widenMin(double& bound, double v) {
    if (v < bound) bound = v;
}

} // namespace

void ChartData::initialize() {
    if (!pending_) return;
    pending_ = false;
    setDataSets(std::move(dataSets_));
}

void ChartData::resetBounds() {
    leftAxisMax_ = -greatest;
    leftAxisMin_ = greatest;
    rightAxisMax_ = -greatest;
    rightAxisMin_ = greatest;
    yMax_ = -greatest;
    yMin_ = greatest;
    xMax_ = -greatest;
    xMin_ = greatest;
}

double ChartData::getYMin(AxisDependency axis) const {
    if (axis == AxisDependency::left) return leftAxisMin_ == greatest ? rightAxisMin_ : leftAxisMin_;
    return rightAxisMin_ == greatest ? leftAxisMin_ : rightAxisMin_;
}

double ChartData::getYMax(AxisDependency axis) const {
    if (axis == AxisDependency::left) return leftAxisMax_ == -greatest ? rightAxisMax_ : leftAxisMax_;
    return rightAxisMax_ == -greatest ? leftAxisMax_ : rightAxisMax_;
}

void ChartData::notifyDataChanged() { calcMinMax(); }

void ChartData::calcMinMax() {
    resetBounds();
    for (std::size_t i = 0; i < dataSets_.size(); ++i) calcMinMaxForDataSet(*dataSets_[i]);

    auto axisBounds = [&](const DataSetPtr& first, AxisDependency axis, double& max, double& min) {
        if (!first) return;
        max = first->yMax();
        min = first->yMin();
        for (const auto& set : dataSets_) {
            if (set->axisDependency() != axis) continue;
            if (set->yMin() < min) min = set->yMin();
            if (max < set->yMax()) max = set->yMax();
        }
    };
    axisBounds(getFirstLeft(dataSets_), AxisDependency::left, leftAxisMax_, leftAxisMin_);
    axisBounds(getFirstRight(dataSets_), AxisDependency::right, rightAxisMax_, rightAxisMin_);
}

void ChartData::calcMinMaxY(double fromX, double toX) {
    for (const auto& set : dataSets_) set->calcMinMaxY(fromX, toX);
    calcMinMax();
}

void ChartData::calcMinMaxForEntry(const ChartDataEntry& entry, AxisDependency axis) {
    widenMax(xMax_, entry.x());
    widenMin(xMin_, entry.x());
    widenMax(yMax_, entry.y());
    widenMin(yMin_, entry.y());
    if (axis == AxisDependency::right) {
        widenMax(rightAxisMax_, entry.y());
        widenMin(rightAxisMin_, entry.y());
    } else {
        widenMax(leftAxisMax_, entry.y());
        widenMin(leftAxisMin_, entry.y());
    }
}

void ChartData::calcMinMaxForDataSet(const ChartBaseDataSet& set) {
    widenMax(xMax_, set.xMax());
    widenMin(xMin_, set.xMin());
    widenMax(yMax_, set.yMax());
    widenMin(yMin_, set.yMin());
    if (set.axisDependency() == AxisDependency::left) {
        widenMax(leftAxisMax_, set.yMax());
        widenMin(leftAxisMin_, set.yMin());
    } else {
        widenMax(rightAxisMax_, set.yMax());
        widenMin(rightAxisMin_, set.yMin());
    }
}

void ChartData::setDataSets(std::vector<DataSetPtr> dataSets) {
    dataSets_ = std::move(dataSets);
    notifyDataChanged();
}

DataSetPtr ChartData::dataSet(int index) const {
    if (index < 0 || index >= dataSetCount()) return nullptr;
    return dataSets_[static_cast<std::size_t>(index)];
}

DataSetPtr ChartData::dataSetForLabel(const std::string& label, bool ignorecase) const {
    const std::string wanted = ignorecase ? kit::text::lowercased(label) : label;
    for (const auto& set : dataSets_) {
        if (!set->label()) continue;
        if (ignorecase ? kit::text::lowercased(*set->label()) == wanted : *set->label() == label) return set;
    }
    return nullptr;
}

int ChartData::indexOf(const ChartBaseDataSet* dataSet) const {
    for (std::size_t i = 0; i < dataSets_.size(); ++i)
        if (dataSets_[i].get() == dataSet) return static_cast<int>(i);
    return -1;
}

DataSetPtr ChartData::removeDataSet(const DataSetPtr& dataSet) {
    int index = indexOf(dataSet.get());
    if (index < 0) return nullptr;
    return removeDataSetAt(static_cast<std::size_t>(index));
}

DataSetPtr ChartData::getFirstLeft(const std::vector<DataSetPtr>& dataSets) const {
    for (const auto& set : dataSets)
        if (set->axisDependency() == AxisDependency::left) return set;
    return nullptr;
}

DataSetPtr ChartData::getFirstRight(const std::vector<DataSetPtr>& dataSets) const {
    for (const auto& set : dataSets)
        if (set->axisDependency() == AxisDependency::right) return set;
    return nullptr;
}

DataSetPtr ChartData::maxEntryCountSet() const {
    if (dataSets_.empty()) return nullptr;
    DataSetPtr max = dataSets_.front();
    for (const auto& set : dataSets_)
        if (set->entryCount() > max->entryCount()) max = set;
    return max;
}

std::int64_t ChartData::entryCount() const {
    std::int64_t count = 0;
    for (const auto& set : dataSets_) count += set->entryCount();
    return count;
}

EntryPtr ChartData::entryForHighlight(const Highlight& highlight) const {
    auto set = dataSet(highlight.dataSetIndex());
    return set ? set->entryForXValue(highlight.x(), highlight.y()) : nullptr;
}

DataSetPtr ChartData::getDataSetForEntry(const EntryPtr& entry) const {
    if (!entry) return nullptr;
    for (const auto& set : dataSets_)
        if (set->entryForXValue(entry->x(), entry->y()) == entry) return set;
    return nullptr;
}

void ChartData::addEntry(EntryPtr entry, int dataSetIndex) {
    if (!entry) kit::fatal("ChartData.addEntry(_:dataSetIndex:): an entry is required, not null");
    auto set = dataSet(dataSetIndex);
    if (!set) {
        kit::print("ChartData.addEntry() - Cannot add Entry because dataSetIndex too high or too low.");
        return;
    }
    const ChartDataEntry& added = *entry;
    if (set->addEntry(entry)) calcMinMaxForEntry(added, set->axisDependency());
}

bool ChartData::removeEntry(const ChartDataEntry& entry, int dataSetIndex) {
    auto set = dataSet(dataSetIndex);
    if (!set || !set->removeEntry(entry)) return false;
    calcMinMax();
    return true;
}

bool ChartData::removeEntryWithX(double xValue, int dataSetIndex) {
    auto set = dataSet(dataSetIndex);
    if (!set) return false;
    auto entry = set->entryForXValue(xValue, nan);
    return entry && removeEntry(*entry, dataSetIndex);
}

std::vector<kit::Color> ChartData::colors() const {
    std::vector<kit::Color> colors;
    for (const auto& set : dataSets_) colors.insert(colors.end(), set->colors().begin(), set->colors().end());
    return colors;
}

void ChartData::setValueFormatter(const std::shared_ptr<ChartValueFormatter>& formatter) {
    for (const auto& set : dataSets_) set->setValueFormatter(formatter);
}

void ChartData::setValueTextColor(kit::Color color) {
    for (const auto& set : dataSets_) set->setValueTextColor(color);
}

void ChartData::setValueFont(const kit::Font& font) {
    for (const auto& set : dataSets_) set->setValueFont(font);
}

void ChartData::setDrawValues(bool enabled) {
    for (const auto& set : dataSets_) set->setDrawValuesEnabled(enabled);
}

bool ChartData::isHighlightEnabled() const {
    return std::all_of(dataSets_.begin(), dataSets_.end(), [](const DataSetPtr& s) { return s->isHighlightEnabled(); });
}

void ChartData::setHighlightEnabled(bool enabled) {
    for (const auto& set : dataSets_) set->setHighlightEnabled(enabled);
}

void ChartData::clearValues() {
    dataSets_.clear();
    notifyDataChanged();
}

const DataSetPtr& ChartData::operator[](std::size_t i) const {
    require(i < dataSets_.size(), "subscript");
    return dataSets_[i];
}

void ChartData::set(std::size_t i, DataSetPtr dataSet) {
    require(i < dataSets_.size(), "set(_:at:)");
    if (!dataSet) kit::fatal("ChartData.set(_:at:): a data set is required, not null");
    dataSets_[i] = std::move(dataSet);
    calcMinMax();
}

void ChartData::swapAt(std::size_t i, std::size_t j) {
    require(i < dataSets_.size() && j < dataSets_.size(), "swapAt(_:_:)");
    DataSetPtr first = dataSets_[i];
    set(i, dataSets_[j]);
    set(j, std::move(first));
}

void ChartData::replaceSubrange(std::size_t from, std::size_t to, const std::vector<DataSetPtr>& dataSets) {
    require(from <= to && to <= dataSets_.size(), "replaceSubrange(_:with:)");
    auto first = dataSets_.erase(dataSets_.begin() + static_cast<std::ptrdiff_t>(from),
                                 dataSets_.begin() + static_cast<std::ptrdiff_t>(to));
    dataSets_.insert(first, dataSets.begin(), dataSets.end());
    calcMinMax();
}

void ChartData::addDataSet(DataSetPtr dataSet) {
    if (!dataSet) kit::fatal("ChartData.addDataSet(_:): a data set is required, not null");
    const ChartBaseDataSet& added = *dataSet;
    dataSets_.push_back(std::move(dataSet));
    calcMinMaxForDataSet(added);
}

DataSetPtr ChartData::removeDataSetAt(std::size_t i) {
    require(i < dataSets_.size(), "remove(at:)");
    DataSetPtr removed = dataSets_[i];
    dataSets_.erase(dataSets_.begin() + static_cast<std::ptrdiff_t>(i));
    calcMinMax();
    return removed;
}

DataSetPtr ChartData::removeFirstDataSet() {
    require(!dataSets_.empty(), "removeFirst()");
    DataSetPtr removed = dataSets_.front();
    dataSets_.erase(dataSets_.begin());
    notifyDataChanged();
    return removed;
}

DataSetPtr ChartData::removeLastDataSet() {
    require(!dataSets_.empty(), "removeLast()");
    DataSetPtr removed = dataSets_.back();
    dataSets_.pop_back();
    notifyDataChanged();
    return removed;
}

void ChartData::removeFirstDataSets(std::size_t count) {
    require(count <= dataSets_.size(), "removeFirst(_:)");
    dataSets_.erase(dataSets_.begin(), dataSets_.begin() + static_cast<std::ptrdiff_t>(count));
    notifyDataChanged();
}

void ChartData::removeLastDataSets(std::size_t count) {
    require(count <= dataSets_.size(), "removeLast(_:)");
    dataSets_.erase(dataSets_.end() - static_cast<std::ptrdiff_t>(count), dataSets_.end());
    notifyDataChanged();
}

void ChartData::removeSubrange(std::size_t from, std::size_t to) {
    require(from <= to && to <= dataSets_.size(), "removeSubrange(_:)");
    dataSets_.erase(dataSets_.begin() + static_cast<std::ptrdiff_t>(from),
                    dataSets_.begin() + static_cast<std::ptrdiff_t>(to));
    notifyDataChanged();
}

void ChartData::removeAll(bool keepingCapacity) {
    if (keepingCapacity) {
        dataSets_.clear();
    } else {
        std::vector<DataSetPtr>().swap(dataSets_);
    }
    notifyDataChanged();
}

} // namespace charting
