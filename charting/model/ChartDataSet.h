#pragma once
// The concrete data set: entries in ascending x with cached bounds of their x and y values,
// searched by index and by x. Every kind of data set derives from it.
//
// Bounds rules: appending (and writing one position) widens the bounds by the new entry; every
// other structural edit recomputes them in full; assigning `entries` directly leaves them until
// notifyDataSetChanged(). An empty set reports each minimum above its maximum (the sentinels).
//
// Make sets with kit::make<ChartDataSet>(entries, label): creation ends with calcMinMax() of the
// set's own kind.
#include "charting/model/ChartBaseDataSet.h"

#include <functional>

namespace charting {

class ChartDataSet : public ChartBaseDataSet {
public:
    static constexpr double greatest = std::numeric_limits<double>::max();

    ChartDataSet() = default;
    explicit ChartDataSet(std::optional<std::string> label) : ChartBaseDataSet(std::move(label)) {}
    explicit ChartDataSet(std::vector<EntryPtr> entries, std::optional<std::string> label = "DataSet")
        : ChartBaseDataSet(std::move(label)), entries_(std::move(entries)) {}
    // The same entry object `count` times.
    static std::shared_ptr<ChartDataSet> repeating(const EntryPtr& entry, std::int64_t count);

    // Second step of creation (kit::make): the bounds of the given entries.
    void initialize() { calcMinMax(); }

    std::string_view className() const override { return "ChartDataSet"; }

    const std::vector<EntryPtr>& entries() const { return entries_; }
    // Stores the list; the bounds stay as they were.
    void setEntries(std::vector<EntryPtr> entries) { entries_ = std::move(entries); }
    // Stores the list, then notifyDataSetChanged().
    virtual void replaceEntries(std::vector<EntryPtr> entries);

    // Bounds.
    void calcMinMax() override;
    // The y bounds over the entries from the one closest to fromX up to the first at or above
    // toX; the x bounds are kept.
    void calcMinMaxY(double fromX, double toX) override;
    virtual void calcMinMaxXForEntry(const ChartDataEntry& entry);
    virtual void calcMinMaxYForEntry(const ChartDataEntry& entry);
    // calcMinMaxXForEntry then calcMinMaxYForEntry; kinds override it to take further values into account.
    virtual void calcMinMaxForEntry(const ChartDataEntry& entry);
    double yMin() const override { return yMin_; }
    double yMax() const override { return yMax_; }
    double xMin() const override { return xMin_; }
    double xMax() const override { return xMax_; }

    // Lookups.
    std::int64_t entryCount() const override { return static_cast<std::int64_t>(entries_.size()); }
    EntryPtr entryForIndex(std::int64_t index) const override;
    // Binary search by x with the rounding, then among entries of the found x the one whose y is
    // closest to closestToY (unless it is NaN); -1 only for an empty set.
    std::int64_t entryIndexForX(double x, double closestToY, ChartDataSetRounding rounding) const override;
    EntryPtr entryForXValue(double x, double closestToY, ChartDataSetRounding rounding) const override;
    EntryPtr entryForXValue(double x, double closestToY) const override;
    // Every entry whose x equals the value (none for NaN), in the order a partition of a copy of the
    // list leaves them, which need not be their stored order. Linear time.
    std::vector<EntryPtr> entriesForXValue(double x) const override;
    // The first entry equal to the given one (same x and y for plain entries), or -1.
    std::int64_t entryIndexOf(const ChartDataEntry& entry) const override;
    bool contains(const ChartDataEntry& entry) const override { return entryIndexOf(entry) >= 0; }

    // Edits through the data-set interface.
    bool addEntry(EntryPtr entry) override;
    // Inserts keeping the x order: before the first entry of greater x, or among entries of the
    // same x next to the one whose y is closest.
    bool addEntryOrdered(EntryPtr entry) override;
    bool removeEntry(const ChartDataEntry& entry) override;
    bool removeFirst() override;
    bool removeLast() override;
    void clear() override { removeAll(true); }

    // Collection. Positions and counts must be valid: a bad one stops the program with a
    // message naming the operation (a caller's broken contract), never touching the list.
    std::size_t size() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }
    const EntryPtr& operator[](std::size_t i) const;
    std::vector<EntryPtr>::const_iterator begin() const { return entries_.begin(); }
    std::vector<EntryPtr>::const_iterator end() const { return entries_.end(); }
    // Widen the bounds by the new entry before storing it.
    void set(std::size_t i, EntryPtr entry);
    void append(EntryPtr entry);
    void append(const std::vector<EntryPtr>& entries);
    // Change the list, then notifyDataSetChanged() (also when nothing was removed).
    void insert(EntryPtr entry, std::size_t at);
    void insert(const std::vector<EntryPtr>& entries, std::size_t at);
    void replaceSubrange(std::size_t from, std::size_t to, const std::vector<EntryPtr>& entries);
    EntryPtr removeAt(std::size_t i);
    EntryPtr removeFirstEntry();
    EntryPtr removeLastEntry();
    void removeFirstEntries(std::size_t count);
    void removeLastEntries(std::size_t count);
    void removeSubrange(std::size_t from, std::size_t to);
    void removeAll(bool keepingCapacity = false);
    // Keeps the order of the kept entries.
    void removeAllWhere(const std::function<bool(const EntryPtr&)>& shouldRemove);
    void reserveCapacity(std::size_t) {}

protected:
    std::shared_ptr<ChartBaseDataSet> makeEmpty() const override;
    void copyInto(ChartBaseDataSet& copy) const override;

    // The cached bounds, for kinds whose per-entry rule widens them by further values.
    double yMax_ = -greatest;
    double yMin_ = greatest;
    double xMax_ = -greatest;
    double xMin_ = greatest;

private:
    void resetBounds();
    std::int64_t lowerBound(double x) const;

    std::vector<EntryPtr> entries_;
};

} // namespace charting
