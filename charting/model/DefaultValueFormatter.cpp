#include "charting/model/DefaultValueFormatter.h"

namespace charting {

DefaultValueFormatter::DefaultValueFormatter() : DefaultValueFormatter(1) {}

DefaultValueFormatter::DefaultValueFormatter(std::shared_ptr<kit::NumberFormatter> formatter)
    : BlockOrNumberFormatter(std::move(formatter)) {}

DefaultValueFormatter::DefaultValueFormatter(int decimals) : BlockOrNumberFormatter(decimals) {}

DefaultValueFormatter::DefaultValueFormatter(Block block) : BlockOrNumberFormatter(std::move(block)) {}

std::shared_ptr<DefaultValueFormatter> DefaultValueFormatter::withBlock(Block block) {
    return std::make_shared<DefaultValueFormatter>(std::move(block));
}

std::string DefaultValueFormatter::stringForValue(double value, const ChartDataEntry& entry, int dataSetIndex,
                                                  ViewPortHandler* viewPortHandler) {
    return text(value, entry, dataSetIndex, viewPortHandler);
}

} // namespace charting
