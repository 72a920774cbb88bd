#include "charting/model/ChartDataEntry.h"

#include "kit/base/Console.h"
#include "kit/text/DoubleText.h"

#include <atomic>
#include <mutex>
#include <typeinfo>
#include <unordered_map>

namespace charting {

struct ChartDataEntryExtras {
    std::any data;
    std::shared_ptr<const kit::Image> icon;
};

namespace {

const std::any noData;

// Entries may be made and dropped on any thread. The table is never destroyed: entries held by
// other static objects may outlive it otherwise.
struct ExtrasTable {
    std::mutex mutex;
    std::unordered_map<const ChartDataEntryBase*, ChartDataEntryExtras> byEntry;
    // Read without the lock, so that dropping an entry costs nothing while no entry has extras.
    std::atomic<std::size_t> count{0};
};

ExtrasTable& extrasTable() {
    static auto* table = new ExtrasTable;
    return *table;
}

} // namespace

ChartDataEntryBase::ChartDataEntryBase(double y, std::any data) : ChartDataEntryBase(y) {
    setData(std::move(data));
}

ChartDataEntryBase::ChartDataEntryBase(double y, std::shared_ptr<const kit::Image> icon) : ChartDataEntryBase(y) {
    setIcon(std::move(icon));
}

ChartDataEntryBase::ChartDataEntryBase(double y, std::shared_ptr<const kit::Image> icon, std::any data)
    : ChartDataEntryBase(y) {
    setIcon(std::move(icon));
    setData(std::move(data));
}

ChartDataEntryBase::~ChartDataEntryBase() {
    ExtrasTable& table = extrasTable();
    if (table.count.load(std::memory_order_acquire) == 0) return;
    const std::lock_guard lock(table.mutex);
    if (table.byEntry.erase(this) != 0) table.count.store(table.byEntry.size(), std::memory_order_release);
}

ChartDataEntryExtras& ChartDataEntryBase::extras() {
    ExtrasTable& table = extrasTable();
    const std::lock_guard lock(table.mutex);
    // The table's elements stay where they are as it grows.
    ChartDataEntryExtras& extras = table.byEntry[this];
    table.count.store(table.byEntry.size(), std::memory_order_release);
    return extras;
}

const ChartDataEntryExtras* ChartDataEntryBase::findExtras() const {
    ExtrasTable& table = extrasTable();
    if (table.count.load(std::memory_order_acquire) == 0) return nullptr;
    const std::lock_guard lock(table.mutex);
    const auto found = table.byEntry.find(this);
    return found == table.byEntry.end() ? nullptr : &found->second;
}

const std::any& ChartDataEntryBase::data() const {
    const ChartDataEntryExtras* extras = findExtras();
    return extras ? extras->data : noData;
}

void ChartDataEntryBase::setData(std::any data) {
    if (!data.has_value() && !findExtras()) return;
    extras().data = std::move(data);
}

std::shared_ptr<const kit::Image> ChartDataEntryBase::icon() const {
    const ChartDataEntryExtras* extras = findExtras();
    return extras ? extras->icon : nullptr;
}

void ChartDataEntryBase::setIcon(std::shared_ptr<const kit::Image> icon) {
    if (!icon && !findExtras()) return;
    extras().icon = std::move(icon);
}

bool ChartDataEntryBase::isEqual(const ChartDataEntryBase* other) const {
    if (!other) return false;
    if (other == this) return true;
    return other->y() == y();
}

std::string ChartDataEntryBase::description() const { return "ChartDataEntryBase, y " + kit::text::shortestText(y()); }

ChartDataEntry::ChartDataEntry(double x, double y, std::any data) : ChartDataEntry(x, y) { setData(std::move(data)); }

ChartDataEntry::ChartDataEntry(double x, double y, std::shared_ptr<const kit::Image> icon) : ChartDataEntry(x, y) {
    setIcon(std::move(icon));
}

ChartDataEntry::ChartDataEntry(double x, double y, std::shared_ptr<const kit::Image> icon, std::any data)
    : ChartDataEntry(x, y) {
    setIcon(std::move(icon));
    setData(std::move(data));
}

bool ChartDataEntry::isEqual(const ChartDataEntryBase* other) const {
    auto* entry = dynamic_cast<const ChartDataEntry*>(other);
    if (!entry) return false;
    if (entry == this) return true;
    return entry->y() == y() && entry->x() == x();
}

std::string ChartDataEntry::description() const {
    return "ChartDataEntry, x: " + kit::text::shortestText(x()) + ", y " + kit::text::shortestText(y());
}

std::shared_ptr<ChartDataEntry> ChartDataEntry::copy() const {
    auto copy = makeEmpty();
    // A kind that forgot makeEmpty() would silently copy into the wrong class.
    if (typeid(*copy) != typeid(*this)) kit::fatal("copy(): an entry kind must override makeEmpty()");
    copyInto(*copy);
    return copy;
}

std::shared_ptr<ChartDataEntry> ChartDataEntry::makeEmpty() const { return std::make_shared<ChartDataEntry>(); }

void ChartDataEntry::copyInto(ChartDataEntry& copy) const {
    copy.setX(x());
    copy.setY(y());
    copy.setData(data());
}

} // namespace charting
