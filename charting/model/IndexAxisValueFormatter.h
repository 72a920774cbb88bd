#pragma once
// Names categories: the label value, rounded to a whole index, picks one of `values`.
#include "charting/model/ChartAxisValueFormatter.h"

#include <memory>
#include <vector>

namespace charting {

class IndexAxisValueFormatter : public ChartAxisValueFormatter {
public:
    IndexAxisValueFormatter() = default;
    explicit IndexAxisValueFormatter(std::vector<std::string> values) : values_(std::move(values)) {}
    static std::shared_ptr<IndexAxisValueFormatter> withValues(std::vector<std::string> values);

    const std::vector<std::string>& values() const { return values_; }
    void setValues(std::vector<std::string> values) { values_ = std::move(values); }

    // The value rounded half away from zero must be a position of `values` and must equal the
    // value truncated toward zero (2.4 names entry 2, 2.5 nothing); else, and for values that are
    // not finite, the empty text.
    std::string stringForValue(double value, AxisBase* axis) override;

private:
    std::vector<std::string> values_;
};

} // namespace charting
