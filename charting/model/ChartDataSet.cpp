#include "charting/model/ChartDataSet.h"

#include "kit/base/Make.h"
#include "kit/base/Console.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace charting {

namespace {

constexpr double nan = std::numeric_limits<double>::quiet_NaN();

void require(bool condition, const char* operation) {
    if (!condition) kit::fatal(std::string("ChartDataSet.") + operation + ": position or count out of range");
}

void requireEntry(const EntryPtr& entry, const char* operation) {
    if (!entry) kit::fatal(std::string("ChartDataSet.") + operation + ": an entry is required, not null");
}

} // namespace

std::shared_ptr<ChartDataSet> ChartDataSet::repeating(const EntryPtr& entry, std::int64_t count) {
    auto set = kit::make<ChartDataSet>();
    for (std::int64_t i = 0; i < count; ++i) set->append(entry);
    return set;
}

void ChartDataSet::replaceEntries(std::vector<EntryPtr> entries) {
    entries_ = std::move(entries);
    notifyDataSetChanged();
}

void ChartDataSet::resetBounds() {
    yMax_ = -greatest;
    yMin_ = greatest;
    xMax_ = -greatest;
    xMin_ = greatest;
}

void ChartDataSet::calcMinMax() {
    resetBounds();
    for (const auto& e : entries_) calcMinMaxForEntry(*e);
}

void ChartDataSet::calcMinMaxY(double fromX, double toX) {
    yMax_ = -greatest;
    yMin_ = greatest;
    if (entries_.empty()) return;
    auto from = entryIndexForX(fromX, nan, ChartDataSetRounding::closest);
    auto to = entryIndexForX(toX, nan, ChartDataSetRounding::up);
    if (to == -1) to = entryIndexForX(toX, nan, ChartDataSetRounding::closest);
    if (to < from) return;
    for (auto i = from; i <= to; ++i) calcMinMaxYForEntry(*entries_[static_cast<std::size_t>(i)]);
}

// A NaN value fails both tests and becomes the bound; the next value then replaces it.
void ChartDataSet::calcMinMaxXForEntry(const ChartDataEntry& entry) {
    xMin_ = xMin_ < entry.x() ? xMin_ : entry.x();
    xMax_ = entry.x() <= xMax_ ? xMax_ : entry.x();
}

void ChartDataSet::calcMinMaxYForEntry(const ChartDataEntry& entry) {
    yMin_ = yMin_ < entry.y() ? yMin_ : entry.y();
    yMax_ = entry.y() <= yMax_ ? yMax_ : entry.y();
}

void ChartDataSet::calcMinMaxForEntry(const ChartDataEntry& entry) {
    calcMinMaxXForEntry(entry);
    calcMinMaxYForEntry(entry);
}

EntryPtr ChartDataSet::entryForIndex(std::int64_t index) const {
    if (index < 0 || index >= entryCount()) return nullptr;
    return entries_[static_cast<std::size_t>(index)];
}

// The first index whose entry has x >= the target (a NaN comparison counts as false). Written
// without a branch on the comparison: the searches of renderers and highlighters land on random
// positions, where a mispredicted branch costs more than the probe.
std::int64_t ChartDataSet::lowerBound(double x) const {
    const EntryPtr* first = entries_.data();
    std::size_t length = entries_.size();
    if (length == 0) return 0;
    auto below = [x](const EntryPtr& entry) { return !(entry->x() >= x); };
    // Halving a fixed number of times keeps the loop free of data-dependent exits.
    while (length > 1) {
        const std::size_t half = length / 2;
        // Fetch both possible next probes while this one is compared.
        __builtin_prefetch(first[half / 2].get());
        __builtin_prefetch(first[half + half / 2].get());
        first = below(first[half]) ? first + half : first;
        length -= half;
    }
    return static_cast<std::int64_t>(first - entries_.data()) + (below(*first) ? 1 : 0);
}

std::int64_t ChartDataSet::entryIndexForX(double x, double closestToY, ChartDataSetRounding rounding) const {
    const auto count = entryCount();
    auto i = lowerBound(x);
    if (i == count) return count - 1; // past the last x: no rounding, no y refinement
    auto at = [&](std::int64_t k) -> const ChartDataEntry& { return *entries_[static_cast<std::size_t>(k)]; };

    double hitX = at(i).x();
    switch (rounding) {
    case ChartDataSetRounding::up:
        if (hitX < x && i < count - 1) ++i;
        break;
    case ChartDataSetRounding::down:
        if (hitX > x && i > 0) --i;
        break;
    case ChartDataSetRounding::closest:
        if (i > 0) {
            double after = std::fabs(at(i).x() - x);
            double before = std::fabs(at(i - 1).x() - x);
            if (before < after) --i;
        }
        break;
    }
    // The y refinement scans the run of the x the rounding arrived at, so a directional rounding
    // never answers an entry on the wrong side of the target.
    hitX = at(i).x();
    if (std::isnan(closestToY)) return i;

    while (i > 0 && at(i - 1).x() == hitX) --i;
    auto best = i;
    double bestY = at(i).y();
    while (i < count - 1) {
        ++i;
        if (at(i).x() != hitX) break;
        if (std::fabs(at(i).y() - closestToY) <= std::fabs(bestY - closestToY)) {
            best = i;
            bestY = at(i).y();
        }
    }
    return best;
}

EntryPtr ChartDataSet::entryForXValue(double x, double closestToY, ChartDataSetRounding rounding) const {
    return entryForIndex(entryIndexForX(x, closestToY, rounding));
}

EntryPtr ChartDataSet::entryForXValue(double x, double closestToY) const {
    return entryForXValue(x, closestToY, ChartDataSetRounding::closest);
}

// The answer is the tail of a partition of a copy of the list that moves the matching entries to
// the back, swapping each match met from the front with the last non-match before the tail. The
// copy is never made: a position is read only while it still holds its original entry, so the
// match flags and the list of swaps are enough to know where each match ends up.
std::vector<EntryPtr> ChartDataSet::entriesForXValue(double x) const {
    const std::size_t count = entries_.size();
    std::vector<char> match(count);
    std::size_t total = 0;
    for (std::size_t i = 0; i < count; ++i) total += (match[i] = entries_[i]->x() == x);
    if (total == 0) return {};

    std::vector<std::pair<std::size_t, std::size_t>> swaps; // (tail position, original position)
    std::size_t f = 0, e = count;
    for (bool done = false; !done;) {
        if (match[f]) {
            if (f + 1 >= e) break;
            --e;
            while (match[e]) {
                --e;
                if (f >= e) {
                    done = true;
                    break;
                }
            }
            if (done) break;
            swaps.emplace_back(e, f);
        }
        if (++f >= e) break;
    }

    std::vector<EntryPtr> found;
    found.reserve(total);
    auto swap = swaps.rbegin(); // ascending tail positions
    for (std::size_t k = count - total; k < count; ++k) {
        if (swap != swaps.rend() && swap->first == k) {
            found.push_back(entries_[swap->second]);
            ++swap;
        } else {
            found.push_back(entries_[k]);
        }
    }
    return found;
}

std::int64_t ChartDataSet::entryIndexOf(const ChartDataEntry& entry) const {
    for (std::size_t i = 0; i < entries_.size(); ++i)
        if (entries_[i]->isEqual(&entry)) return static_cast<std::int64_t>(i);
    return -1;
}

bool ChartDataSet::addEntry(EntryPtr entry) {
    append(std::move(entry));
    return true;
}

bool ChartDataSet::addEntryOrdered(EntryPtr entry) {
    requireEntry(entry, "addEntryOrdered(_:)");
    if (!entries_.empty() && entries_.back()->x() > entry->x()) {
        auto found = static_cast<std::size_t>(entryIndexForX(entry->x(), entry->y(), ChartDataSetRounding::up));
        std::size_t position = found;
        bool below = false;
        for (std::size_t k = found; k < entries_.size(); ++k)
            if (entries_[k]->x() < entry->x()) {
                position = k;
                below = true;
            }
        // Found in a run of greater x: go before the run's first entry. The search may have picked
        // a later member of the run (the one of closest y), and inserting there breaks the order.
        if (!below && entries_[found]->x() > entry->x())
            while (position > 0 && entries_[position - 1]->x() == entries_[found]->x()) --position;
        calcMinMaxForEntry(*entry);
        entries_.insert(entries_.begin() + static_cast<std::ptrdiff_t>(position), std::move(entry));
    } else {
        calcMinMaxForEntry(*entry);
        entries_.push_back(std::move(entry));
    }
    return true;
}

bool ChartDataSet::removeEntry(const ChartDataEntry& entry) {
    auto index = entryIndexOf(entry);
    if (index < 0) return false;
    entries_.erase(entries_.begin() + index);
    notifyDataSetChanged();
    return true;
}

bool ChartDataSet::removeFirst() {
    if (entries_.empty()) return false;
    removeFirstEntry();
    return true;
}

bool ChartDataSet::removeLast() {
    if (entries_.empty()) return false;
    removeLastEntry();
    return true;
}

const EntryPtr& ChartDataSet::operator[](std::size_t i) const {
    require(i < entries_.size(), "subscript");
    return entries_[i];
}

void ChartDataSet::set(std::size_t i, EntryPtr entry) {
    require(i < entries_.size(), "set(_:at:)");
    requireEntry(entry, "set(_:at:)");
    calcMinMaxForEntry(*entry);
    entries_[i] = std::move(entry);
}

void ChartDataSet::append(EntryPtr entry) {
    requireEntry(entry, "append(_:)");
    calcMinMaxForEntry(*entry);
    entries_.push_back(std::move(entry));
}

void ChartDataSet::append(const std::vector<EntryPtr>& entries) {
    for (const auto& e : entries) append(e);
}

void ChartDataSet::insert(EntryPtr entry, std::size_t at) {
    require(at <= entries_.size(), "insert(_:at:)");
    requireEntry(entry, "insert(_:at:)");
    entries_.insert(entries_.begin() + static_cast<std::ptrdiff_t>(at), std::move(entry));
    notifyDataSetChanged();
}

void ChartDataSet::insert(const std::vector<EntryPtr>& entries, std::size_t at) {
    require(at <= entries_.size(), "insert(contentsOf:at:)");
    entries_.insert(entries_.begin() + static_cast<std::ptrdiff_t>(at), entries.begin(), entries.end());
    notifyDataSetChanged();
}

void ChartDataSet::replaceSubrange(std::size_t from, std::size_t to, const std::vector<EntryPtr>& entries) {
    require(from <= to && to <= entries_.size(), "replaceSubrange(_:with:)");
    auto first = entries_.begin() + static_cast<std::ptrdiff_t>(from);
    first = entries_.erase(first, entries_.begin() + static_cast<std::ptrdiff_t>(to));
    entries_.insert(first, entries.begin(), entries.end());
    notifyDataSetChanged();
}

EntryPtr ChartDataSet::removeAt(std::size_t i) {
    require(i < entries_.size(), "remove(at:)");
    EntryPtr removed = std::move(entries_[i]);
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(i));
    notifyDataSetChanged();
    return removed;
}

EntryPtr ChartDataSet::removeFirstEntry() {
    require(!entries_.empty(), "removeFirst()");
    return removeAt(0);
}

EntryPtr ChartDataSet::removeLastEntry() {
    require(!entries_.empty(), "removeLast()");
    return removeAt(entries_.size() - 1);
}

void ChartDataSet::removeFirstEntries(std::size_t count) {
    require(count <= entries_.size(), "removeFirst(_:)");
    entries_.erase(entries_.begin(), entries_.begin() + static_cast<std::ptrdiff_t>(count));
    notifyDataSetChanged();
}

void ChartDataSet::removeLastEntries(std::size_t count) {
    require(count <= entries_.size(), "removeLast(_:)");
    entries_.erase(entries_.end() - static_cast<std::ptrdiff_t>(count), entries_.end());
    notifyDataSetChanged();
}

void ChartDataSet::removeSubrange(std::size_t from, std::size_t to) {
    require(from <= to && to <= entries_.size(), "removeSubrange(_:)");
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(from),
                   entries_.begin() + static_cast<std::ptrdiff_t>(to));
    notifyDataSetChanged();
}

void ChartDataSet::removeAll(bool keepingCapacity) {
    if (keepingCapacity) {
        entries_.clear();
    } else {
        std::vector<EntryPtr>().swap(entries_);
    }
    notifyDataSetChanged();
}

void ChartDataSet::removeAllWhere(const std::function<bool(const EntryPtr&)>& shouldRemove) {
    auto tail = std::stable_partition(entries_.begin(), entries_.end(),
                                      [&](const EntryPtr& e) { return !shouldRemove(e); });
    entries_.erase(tail, entries_.end());
    notifyDataSetChanged();
}

std::shared_ptr<ChartBaseDataSet> ChartDataSet::makeEmpty() const { return kit::make<ChartDataSet>(); }

void ChartDataSet::copyInto(ChartBaseDataSet& copy) const {
    ChartBaseDataSet::copyInto(copy);
    auto& set = static_cast<ChartDataSet&>(copy);
    set.entries_ = entries_;
    set.yMax_ = yMax_;
    set.yMin_ = yMin_;
    set.xMax_ = xMax_;
    set.xMin_ = xMin_;
}

} // namespace charting
