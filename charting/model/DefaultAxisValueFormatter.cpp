#include "charting/model/DefaultAxisValueFormatter.h"

namespace charting {

DefaultAxisValueFormatter::DefaultAxisValueFormatter()
    : BlockOrNumberFormatter(std::make_shared<kit::NumberFormatter>()) {
    hasAutoDecimals_ = true;
}

DefaultAxisValueFormatter::DefaultAxisValueFormatter(std::shared_ptr<kit::NumberFormatter> formatter)
    : BlockOrNumberFormatter(std::move(formatter)) {}

DefaultAxisValueFormatter::DefaultAxisValueFormatter(int decimals) : BlockOrNumberFormatter(decimals) {}

DefaultAxisValueFormatter::DefaultAxisValueFormatter(Block block) : BlockOrNumberFormatter(std::move(block)) {}

std::shared_ptr<DefaultAxisValueFormatter> DefaultAxisValueFormatter::withBlock(Block block) {
    return std::make_shared<DefaultAxisValueFormatter>(std::move(block));
}

std::string DefaultAxisValueFormatter::stringForValue(double value, AxisBase* axis) { return text(value, axis); }

} // namespace charting
