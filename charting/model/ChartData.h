#pragma once
// The container a chart view draws from: an ordered list of data sets with the overall x and y
// bounds of all of them and the y bounds of the sets on each axis. The sets are shared, never
// copied. Make it with kit::make<ChartData>(sets): creation ends by storing the sets through
// setDataSets(), so the bounds (through the kind's own overrides) are computed at once.
//
// Bounds rules: adding a set only widens the bounds; every other structural edit, replacing sets
// included, recomputes them. A bound still at its starting value (-greatest for a maximum,
// +greatest for a minimum) means no set contributed to it.
#include "charting/model/ChartBaseDataSet.h"
#include "charting/model/Highlight.h"

#include <initializer_list>

namespace charting {

class ChartData {
public:
    static constexpr double greatest = std::numeric_limits<double>::max();

    ChartData() = default;
    explicit ChartData(std::vector<DataSetPtr> dataSets) : dataSets_(std::move(dataSets)), pending_(true) {}
    explicit ChartData(DataSetPtr dataSet) : ChartData(std::vector<DataSetPtr>{std::move(dataSet)}) {}
    ChartData(std::initializer_list<DataSetPtr> dataSets) : ChartData(std::vector<DataSetPtr>(dataSets)) {}
    virtual ~ChartData() = default;
    ChartData(const ChartData&) = delete;
    ChartData& operator=(const ChartData&) = delete;

    // Second step of creation (kit::make): stores the given sets through setDataSets().
    void initialize();

    // Bounds.
    double xMax() const { return xMax_; }
    void setXMax(double v) { xMax_ = v; }
    double xMin() const { return xMin_; }
    void setXMin(double v) { xMin_ = v; }
    double yMax() const { return yMax_; }
    void setYMax(double v) { yMax_ = v; }
    double yMin() const { return yMin_; }
    void setYMin(double v) { yMin_ = v; }
    double leftAxisMax() const { return leftAxisMax_; }
    void setLeftAxisMax(double v) { leftAxisMax_ = v; }
    double leftAxisMin() const { return leftAxisMin_; }
    void setLeftAxisMin(double v) { leftAxisMin_ = v; }
    double rightAxisMax() const { return rightAxisMax_; }
    void setRightAxisMax(double v) { rightAxisMax_ = v; }
    double rightAxisMin() const { return rightAxisMin_; }
    void setRightAxisMin(double v) { rightAxisMin_ = v; }
    // The bound of one axis; when no set hangs on it, the other axis's.
    double getYMin(AxisDependency axis) const;
    double getYMax(AxisDependency axis) const;

    // Runs calcMinMax().
    virtual void notifyDataChanged();
    virtual void calcMinMax();
    // Every set recomputes its y bounds over the x range, then calcMinMax().
    virtual void calcMinMaxY(double fromX, double toX);
    // Widen the bounds by one entry or one set (a NaN never replaces a bound).
    virtual void calcMinMaxForEntry(const ChartDataEntry& entry, AxisDependency axis);
    virtual void calcMinMaxForDataSet(const ChartBaseDataSet& dataSet);

    // Accessibility texts for the labels of entries.
    const std::optional<std::string>& accessibilityEntryLabelPrefix() const { return accessibilityEntryLabelPrefix_; }
    void setAccessibilityEntryLabelPrefix(std::optional<std::string> t) { accessibilityEntryLabelPrefix_ = std::move(t); }
    const std::optional<std::string>& accessibilityEntryLabelSuffix() const { return accessibilityEntryLabelSuffix_; }
    void setAccessibilityEntryLabelSuffix(std::optional<std::string> t) { accessibilityEntryLabelSuffix_ = std::move(t); }
    bool accessibilityEntryLabelSuffixIsCount() const { return accessibilityEntryLabelSuffixIsCount_; }
    void setAccessibilityEntryLabelSuffixIsCount(bool v) { accessibilityEntryLabelSuffixIsCount_ = v; }

    // Sets.
    const std::vector<DataSetPtr>& dataSets() const { return dataSets_; }
    // Stores the list, then notifyDataChanged().
    virtual void setDataSets(std::vector<DataSetPtr> dataSets);
    int dataSetCount() const { return static_cast<int>(dataSets_.size()); }
    // Null outside 0 ..< count.
    virtual DataSetPtr dataSet(int index) const;
    // The first set whose label equals the text (ignoring letter case when asked); unlabelled
    // sets never match.
    virtual DataSetPtr dataSetForLabel(const std::string& label, bool ignorecase) const;
    // Position of the very same set object, or -1.
    int indexOf(const ChartBaseDataSet* dataSet) const;
    bool containsDataSet(const ChartBaseDataSet* dataSet) const { return indexOf(dataSet) >= 0; }
    // Removes the very same set object (bounds recomputed); null when it is not held.
    virtual DataSetPtr removeDataSet(const DataSetPtr& dataSet);
    // The first set of this data, in order, on that axis (the argument is the list to check).
    DataSetPtr getFirstLeft(const std::vector<DataSetPtr>& dataSets) const;
    DataSetPtr getFirstRight(const std::vector<DataSetPtr>& dataSets) const;
    // The set with the most entries; the earlier one on a tie; null with no sets.
    DataSetPtr maxEntryCountSet() const;
    std::int64_t entryCount() const;

    // Entries.
    // The entry a highlight names; null when its data-set index is outside 0 ..< count.
    virtual EntryPtr entryForHighlight(const Highlight& highlight) const;
    // The set that holds this very entry object, found by a search by x and y in each set.
    virtual DataSetPtr getDataSetForEntry(const EntryPtr& entry) const;
    // A bad index only writes a line to the console and changes nothing.
    virtual void addEntry(EntryPtr entry, int dataSetIndex);
    virtual bool removeEntry(const ChartDataEntry& entry, int dataSetIndex);
    virtual bool removeEntryWithX(double xValue, int dataSetIndex);

    // Styling fanned out to every set.
    std::vector<kit::Color> colors() const;
    void setValueFormatter(const std::shared_ptr<ChartValueFormatter>& formatter);
    void setValueTextColor(kit::Color color);
    void setValueFont(const kit::Font& font);
    void setDrawValues(bool enabled);
    // True when every set's is (true for no sets); writing sets every set's flag.
    bool isHighlightEnabled() const;
    void setHighlightEnabled(bool enabled);
    // Empties the list and puts the bounds back; the accessibility texts stay.
    void clearValues();

    // Collection of sets. Positions and counts must be valid: a bad one stops the program with a
    // message naming the operation, never touching the list.
    std::size_t size() const { return dataSets_.size(); }
    bool empty() const { return dataSets_.empty(); }
    const DataSetPtr& operator[](std::size_t i) const;
    std::vector<DataSetPtr>::const_iterator begin() const { return dataSets_.begin(); }
    std::vector<DataSetPtr>::const_iterator end() const { return dataSets_.end(); }
    // Replacing sets recomputes the bounds, so a replaced set's extremes do not linger.
    void set(std::size_t i, DataSetPtr dataSet);
    void swapAt(std::size_t i, std::size_t j);
    void replaceSubrange(std::size_t from, std::size_t to, const std::vector<DataSetPtr>& dataSets);
    // Appends, then widens the bounds by the new set.
    virtual void addDataSet(DataSetPtr dataSet);
    DataSetPtr removeDataSetAt(std::size_t i);
    DataSetPtr removeFirstDataSet();
    DataSetPtr removeLastDataSet();
    void removeFirstDataSets(std::size_t count);
    void removeLastDataSets(std::size_t count);
    void removeSubrange(std::size_t from, std::size_t to);
    void removeAll(bool keepingCapacity = false);

private:
    void resetBounds();

    double xMax_ = -greatest;
    double xMin_ = greatest;
    double yMax_ = -greatest;
    double yMin_ = greatest;
    double leftAxisMax_ = -greatest;
    double leftAxisMin_ = greatest;
    double rightAxisMax_ = -greatest;
    double rightAxisMin_ = greatest;
    std::optional<std::string> accessibilityEntryLabelPrefix_;
    std::optional<std::string> accessibilityEntryLabelSuffix_;
    bool accessibilityEntryLabelSuffixIsCount_ = false;
    std::vector<DataSetPtr> dataSets_;
    bool pending_ = false;
};

} // namespace charting
