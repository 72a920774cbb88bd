#include "charting/model/AxisBase.h"

#include "charting/model/DefaultAxisValueFormatter.h"
#include "kit/graphics/Text.h"

#include <algorithm>
#include <cmath>

namespace charting {

void AxisBase::setGranularity(double v) {
    granularity_ = v;
    granularityEnabled_ = true;
}

std::string AxisBase::getLongestLabel() {
    if (entries_.empty()) return "";
    std::string longest = getFormattedLabel(0);
    std::size_t longestLength = kit::graphemeCount(longest);
    for (int i = 1; i < entryCount(); ++i) {
        std::string text = getFormattedLabel(i);
        const std::size_t length = kit::graphemeCount(text);
        if (length > longestLength) {
            longest = std::move(text);
            longestLength = length;
        }
    }
    return longest;
}

std::string AxisBase::getFormattedLabel(int index) {
    if (index < 0 || index >= entryCount()) return "";
    return valueFormatter()->stringForValue(entries_[static_cast<std::size_t>(index)], this);
}

std::shared_ptr<ChartAxisValueFormatter> AxisBase::valueFormatter() {
    if (!axisValueFormatter_) axisValueFormatter_ = std::make_shared<DefaultAxisValueFormatter>(decimals_);
    if (auto* standard = dynamic_cast<DefaultAxisValueFormatter*>(axisValueFormatter_.get())) {
        if (standard->hasAutoDecimals() && standard->decimals() != decimals_) standard->setDecimals(decimals_);
    }
    return axisValueFormatter_;
}

void AxisBase::setValueFormatter(std::shared_ptr<ChartAxisValueFormatter> formatter) {
    axisValueFormatter_ = formatter ? std::move(formatter) : std::make_shared<DefaultAxisValueFormatter>(decimals_);
}

void AxisBase::setAxisMinLabels(int v) {
    if (v >= 1) axisMinLabels_ = v;
}

void AxisBase::setAxisMaxLabels(int v) {
    if (v >= 1) axisMaxLabels_ = v;
}

void AxisBase::setLabelCount(int count) {
    // Two plain comparisons rather than a clamp: they stay defined when the bounds cross
    // (the maximum then wins for large counts, the minimum for the rest).
    const int minLabels = axisMinLabels();
    const int maxLabels = axisMaxLabels();
    labelCount_ = count > maxLabels ? maxLabels : std::max(count, minLabels);
    forceLabelsEnabled_ = false;
}

void AxisBase::setLabelCount(int count, bool force) {
    setLabelCount(count);
    forceLabelsEnabled_ = force;
}

void AxisBase::addLimitLine(std::shared_ptr<ChartLimitLine> line) { limitLines_.push_back(std::move(line)); }

void AxisBase::removeLimitLine(const std::shared_ptr<ChartLimitLine>& line) {
    auto it = std::find(limitLines_.begin(), limitLines_.end(), line);
    if (it != limitLines_.end()) limitLines_.erase(it);
}

void AxisBase::setAxisMinimum(double v) {
    customAxisMin_ = true;
    axisMinimum_ = v;
    axisRange_ = std::abs(axisMaximum_ - v);
}

void AxisBase::setAxisMaximum(double v) {
    customAxisMax_ = true;
    axisMaximum_ = v;
    axisRange_ = std::abs(v - axisMinimum_);
}

void AxisBase::calculate(double dataMin, double dataMax) {
    double min = customAxisMin_ ? axisMinimum_ : dataMin - spaceMin_;
    double max = customAxisMax_ ? axisMaximum_ : dataMax + spaceMax_;
    if (max - min == 0) {
        max = max + 1.0;
        min = min - 1.0;
    }
    axisMinimum_ = min;
    axisMaximum_ = max;
    axisRange_ = std::abs(max - min);
}

} // namespace charting
