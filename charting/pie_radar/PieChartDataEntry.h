#pragma once
// One slice of a pie: a value and an optional label. A slice has no x position (x is NaN); its
// place is its index in the data set.
#include "charting/core/DataSetKindInterfaces.h"
#include "charting/model/ChartDataEntry.h"

#include <concepts>
#include <limits>
#include <optional>
#include <string>
#include <type_traits>

namespace charting {

// Text arguments of the entry constructors are labels; pass a text payload as std::any.
template <class T>
concept EntryLabelText =
    std::constructible_from<std::optional<std::string>, T> && !std::same_as<std::remove_cvref_t<T>, std::any>;

class PieChartDataEntry : public ChartDataEntry, public PieChartDataEntryProtocol {
public:
    PieChartDataEntry() = default;
    explicit PieChartDataEntry(double value) : ChartDataEntry(std::numeric_limits<double>::quiet_NaN(), value) {}
    template <EntryLabelText L>
    PieChartDataEntry(double value, L&& label) : PieChartDataEntry(value) {
        label_ = std::forward<L>(label);
    }
    template <EntryLabelText L>
    PieChartDataEntry(double value, L&& label, std::any data) : PieChartDataEntry(value, std::forward<L>(label)) {
        setData(std::move(data));
    }
    template <EntryLabelText L>
    PieChartDataEntry(double value, L&& label, std::shared_ptr<const kit::Image> icon)
        : PieChartDataEntry(value, std::forward<L>(label)) {
        setIcon(std::move(icon));
    }
    template <EntryLabelText L>
    PieChartDataEntry(double value, L&& label, std::shared_ptr<const kit::Image> icon, std::any data)
        : PieChartDataEntry(value, std::forward<L>(label), std::move(icon)) {
        setData(std::move(data));
    }
    PieChartDataEntry(double value, std::any data);
    PieChartDataEntry(double value, std::shared_ptr<const kit::Image> icon);
    PieChartDataEntry(double value, std::shared_ptr<const kit::Image> icon, std::any data);
    // A slice is not placed by x.
    PieChartDataEntry(double x, double y) = delete;

    const std::optional<std::string>& label() const override { return label_; }
    void setLabel(std::optional<std::string> label) { label_ = std::move(label); }
    // The slice's value is the entry's y.
    double value() const { return y(); }
    void setValue(double value) { setY(value); }

protected:
    std::shared_ptr<ChartDataEntry> makeEmpty() const override;
    void copyInto(ChartDataEntry& copy) const override;

private:
    std::optional<std::string> label_;
};

} // namespace charting
