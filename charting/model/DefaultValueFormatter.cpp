#include "charting/model/DefaultValueFormatter.h"

#include "charting/model/DefaultAxisValueFormatter.h"

namespace charting {

namespace {

std::shared_ptr<kit::NumberFormatter> groupingFormatter() {
    auto formatter = std::make_shared<kit::NumberFormatter>();
    formatter->setUsesGroupingSeparator(true);
    return formatter;
}

} // namespace

DefaultValueFormatter::DefaultValueFormatter() : DefaultValueFormatter(1) {}

DefaultValueFormatter::DefaultValueFormatter(std::shared_ptr<kit::NumberFormatter> formatter)
    : formatter_(std::move(formatter)) {}

DefaultValueFormatter::DefaultValueFormatter(int decimals)
    : hasAutoDecimals_(true), formatter_(groupingFormatter()), decimals_(decimals) {
    applyDecimals(formatter_.get(), decimals);
}

DefaultValueFormatter::DefaultValueFormatter(Block block) : block_(std::move(block)) {}

std::shared_ptr<DefaultValueFormatter> DefaultValueFormatter::withBlock(Block block) {
    return std::make_shared<DefaultValueFormatter>(std::move(block));
}

void DefaultValueFormatter::setFormatter(std::shared_ptr<kit::NumberFormatter> formatter) {
    hasAutoDecimals_ = false;
    formatter_ = std::move(formatter);
}

void DefaultValueFormatter::setDecimals(std::optional<int> decimals) {
    decimals_ = decimals;
    if (decimals) applyDecimals(formatter_.get(), *decimals);
}

std::string DefaultValueFormatter::stringForValue(double value, const ChartDataEntry& entry, int dataSetIndex,
                                                  ViewPortHandler* viewPortHandler) {
    if (block_) return block_(value, entry, dataSetIndex, viewPortHandler);
    if (formatter_) return formatter_->string(value).value_or("");
    return "";
}

} // namespace charting
