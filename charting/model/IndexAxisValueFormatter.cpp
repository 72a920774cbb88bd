#include "charting/model/IndexAxisValueFormatter.h"

#include <cmath>

namespace charting {

std::shared_ptr<IndexAxisValueFormatter> IndexAxisValueFormatter::withValues(std::vector<std::string> values) {
    return std::make_shared<IndexAxisValueFormatter>(std::move(values));
}

std::string IndexAxisValueFormatter::stringForValue(double value, AxisBase*) {
    // Compared as doubles, so values beyond any integer range need no conversion.
    double index = std::round(value);
    if (!std::isfinite(index) || index < 0 || index >= static_cast<double>(values_.size())) return "";
    if (index != std::trunc(value)) return "";
    return values_[static_cast<std::size_t>(index)];
}

} // namespace charting
