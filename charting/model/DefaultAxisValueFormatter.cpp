#include "charting/model/DefaultAxisValueFormatter.h"

namespace charting {

void applyDecimals(kit::NumberFormatter* formatter, int decimals) {
    if (!formatter) return;
    formatter->setMinimumFractionDigits(decimals);
    formatter->setMaximumFractionDigits(decimals);
    formatter->setUsesGroupingSeparator(true);
}

DefaultAxisValueFormatter::DefaultAxisValueFormatter() {
    setFormatter(std::make_shared<kit::NumberFormatter>());
    hasAutoDecimals_ = true;
}

DefaultAxisValueFormatter::DefaultAxisValueFormatter(std::shared_ptr<kit::NumberFormatter> formatter) {
    setFormatter(std::move(formatter));
}

DefaultAxisValueFormatter::DefaultAxisValueFormatter(int decimals) {
    auto formatter = std::make_shared<kit::NumberFormatter>();
    formatter->setUsesGroupingSeparator(true);
    setFormatter(std::move(formatter));
    setDecimals(decimals);
    hasAutoDecimals_ = true;
}

DefaultAxisValueFormatter::DefaultAxisValueFormatter(Block block) : block_(std::move(block)) {}

std::shared_ptr<DefaultAxisValueFormatter> DefaultAxisValueFormatter::withBlock(Block block) {
    return std::make_shared<DefaultAxisValueFormatter>(std::move(block));
}

void DefaultAxisValueFormatter::setFormatter(std::shared_ptr<kit::NumberFormatter> formatter) {
    hasAutoDecimals_ = false;
    formatter_ = std::move(formatter);
}

void DefaultAxisValueFormatter::setDecimals(std::optional<int> decimals) {
    decimals_ = decimals;
    if (decimals) applyDecimals(formatter_.get(), *decimals);
}

std::string DefaultAxisValueFormatter::stringForValue(double value, AxisBase* axis) {
    if (block_) return block_(value, axis);
    if (formatter_) return formatter_->string(value).value_or("");
    return "";
}

} // namespace charting
