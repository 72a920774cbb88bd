#include "charting/model/ChartBaseDataSet.h"

#include "charting/core/LabelColor.h"
#include "charting/model/DefaultValueFormatter.h"
#include "kit/base/Console.h"

#include <algorithm>
#include <typeinfo>

namespace charting {

namespace {

const kit::Color& wrapped(const std::vector<kit::Color>& colors, std::int64_t index) {
    auto position = static_cast<std::size_t>(std::max<std::int64_t>(index, 0)) % colors.size();
    return colors[position];
}

} // namespace

kit::Color ChartBaseDataSet::defaultColor() { return kit::Color::rgba(140 / 255.0, 234 / 255.0, 255 / 255.0, 1.0); }

ChartBaseDataSet::ChartBaseDataSet() {
    colors_.push_back(defaultColor());
    valueColors_.push_back(labelColor());
}

ChartBaseDataSet::ChartBaseDataSet(std::optional<std::string> label) : ChartBaseDataSet() { label_ = std::move(label); }

void ChartBaseDataSet::notifyDataSetChanged() { calcMinMax(); }

bool ChartBaseDataSet::removeEntryAt(std::int64_t index) {
    auto entry = entryForIndex(index);
    return entry && removeEntry(*entry);
}

bool ChartBaseDataSet::removeEntryWithX(double x) {
    auto entry = entryForXValue(x, std::numeric_limits<double>::quiet_NaN());
    return entry && removeEntry(*entry);
}

bool ChartBaseDataSet::removeFirst() {
    if (entryCount() < 1) return false;
    auto entry = entryForIndex(0);
    return entry && removeEntry(*entry);
}

bool ChartBaseDataSet::removeLast() {
    if (entryCount() < 1) return false;
    auto entry = entryForIndex(entryCount() - 1);
    return entry && removeEntry(*entry);
}

kit::Color ChartBaseDataSet::color(std::int64_t index) const {
    return colors_.empty() ? defaultColor() : wrapped(colors_, index);
}

void ChartBaseDataSet::setColors(const std::vector<kit::Color>& colors, double alpha) {
    colors_.clear();
    for (const auto& c : colors) colors_.push_back(c.withAlpha(alpha));
}

kit::Color ChartBaseDataSet::valueTextColor() const { return valueColors_.empty() ? labelColor() : valueColors_.front(); }

kit::Color ChartBaseDataSet::valueTextColorAt(std::int64_t index) const {
    return valueColors_.empty() ? labelColor() : wrapped(valueColors_, index);
}

std::shared_ptr<ChartValueFormatter> ChartBaseDataSet::valueFormatter() const {
    if (!valueFormatter_) valueFormatter_ = std::make_shared<DefaultValueFormatter>();
    return valueFormatter_;
}

std::string ChartBaseDataSet::description() const {
    return std::string(className()) + ", label: " + label_.value_or("") + ", " + std::to_string(entryCount()) +
           " entries";
}

std::string ChartBaseDataSet::debugDescription() const {
    std::string text = description() + ":";
    for (std::int64_t i = 0; i < entryCount(); ++i) {
        text += "\n";
        if (auto entry = entryForIndex(i)) text += entry->description();
    }
    return text;
}

std::shared_ptr<ChartBaseDataSet> ChartBaseDataSet::copy() const {
    auto copy = makeEmpty();
    // A kind that forgot makeEmpty() would silently copy into the wrong class.
    if (typeid(*copy) != typeid(*this)) kit::fatal("copy(): a data set kind must override makeEmpty()");
    copyInto(*copy);
    return copy;
}

void ChartBaseDataSet::copyInto(ChartBaseDataSet& copy) const {
    copy.setColors(colors());
    copy.setValueColors(valueColors());
    copy.setLabel(label());
    copy.setAxisDependency(axisDependency());
    copy.setHighlightEnabled(highlightEnabled());
    copy.setValueFormatter(valueFormatter());
    copy.setValueFont(valueFont());
    copy.setForm(form());
    copy.setFormSize(formSize());
    copy.setFormLineWidth(formLineWidth());
    copy.setFormLineDashPhase(formLineDashPhase());
    copy.setFormLineDashLengths(formLineDashLengths());
    copy.setDrawValuesEnabled(drawValuesEnabled());
    copy.setDrawIconsEnabled(drawIconsEnabled());
    copy.setIconsOffset(iconsOffset());
    copy.setVisible(visible());
}

} // namespace charting
