#include "charting/model/ChartDataEntry.h"

#include "kit/base/Console.h"
#include "kit/text/DoubleText.h"

#include <typeinfo>

namespace charting {

namespace {
const std::any noData;
}

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

ChartDataEntryBase::~ChartDataEntryBase() = default;

ChartDataEntryBase::Extras& ChartDataEntryBase::extras() {
    if (!extras_) extras_ = std::make_unique<Extras>();
    return *extras_;
}

const std::any& ChartDataEntryBase::data() const { return extras_ ? extras_->data : noData; }
void ChartDataEntryBase::setData(std::any data) {
    if (!data.has_value() && !extras_) return;
    extras().data = std::move(data);
}

std::shared_ptr<const kit::Image> ChartDataEntryBase::icon() const { return extras_ ? extras_->icon : nullptr; }
void ChartDataEntryBase::setIcon(std::shared_ptr<const kit::Image> icon) {
    if (!icon && !extras_) return;
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
