#include "charting/model/AxisBase.h"

#include "charting/model/DefaultAxisValueFormatter.h"
#include "kit/text/Unicode.h"

#include <algorithm>
#include <cmath>

namespace charting {
namespace {

// Scalars that join the character before them rather than start a new one.
bool extendsCharacter(char32_t c) {
    return (c >= 0x0300 && c <= 0x036F) || (c >= 0x1AB0 && c <= 0x1AFF) || (c >= 0x1DC0 && c <= 0x1DFF) ||
           (c >= 0x20D0 && c <= 0x20FF) || (c >= 0xFE20 && c <= 0xFE2F) || (c >= 0xFE00 && c <= 0xFE0F) ||
           (c >= 0xE0100 && c <= 0xE01EF) || (c >= 0x1F3FB && c <= 0x1F3FF) || c == 0x200D ||
           (c >= 0xE0020 && c <= 0xE007F);
}

bool isRegionalIndicator(char32_t c) { return c >= 0x1F1E6 && c <= 0x1F1FF; }

// User-perceived characters: combining marks, variation selectors, skin tones and joined emoji
// sequences count with their base; a pair of regional indicators is one flag.
std::size_t characterCount(std::string_view text) {
    std::size_t count = 0, pos = 0;
    bool joinNext = false, pendingFlag = false;
    while (pos < text.size()) {
        const char32_t c = kit::text::nextScalar(text, pos);
        if (c == 0x200D) {
            joinNext = true;
            continue;
        }
        if (joinNext || (count > 0 && extendsCharacter(c))) {
            joinNext = false;
            continue;
        }
        if (isRegionalIndicator(c)) {
            if (pendingFlag) {
                pendingFlag = false;
                continue;
            }
            pendingFlag = true;
        } else {
            pendingFlag = false;
        }
        ++count;
    }
    return count;
}

} // namespace

void AxisBase::setGranularity(double v) {
    granularity_ = v;
    granularityEnabled_ = true;
}

std::string AxisBase::getLongestLabel() {
    if (entries_.empty()) return "";
    std::string longest = getFormattedLabel(0);
    std::size_t longestLength = characterCount(longest);
    for (int i = 1; i < entryCount(); ++i) {
        std::string text = getFormattedLabel(i);
        const std::size_t length = characterCount(text);
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
