#pragma once
// The data sets' formatter: the application's block when given, else a number formatter whose
// fraction digits the chart view may tune (`hasAutoDecimals`).
#include "charting/model/BlockOrNumberFormatter.h"
#include "charting/model/ChartValueFormatter.h"

#include <functional>
#include <memory>

namespace charting {

using ValueBlock =
    std::function<std::string(double value, const ChartDataEntry& entry, int dataSetIndex, ViewPortHandler* viewPortHandler)>;

class DefaultValueFormatter : public ChartValueFormatter, public BlockOrNumberFormatter<ValueBlock> {
public:
    using Block = ValueBlock;

    // A grouping number formatter with one fraction digit; `hasAutoDecimals` on.
    DefaultValueFormatter();
    explicit DefaultValueFormatter(std::shared_ptr<kit::NumberFormatter> formatter);
    explicit DefaultValueFormatter(int decimals);
    explicit DefaultValueFormatter(Block block);
    static std::shared_ptr<DefaultValueFormatter> withBlock(Block block);

    std::string stringForValue(double value, const ChartDataEntry& entry, int dataSetIndex,
                               ViewPortHandler* viewPortHandler) override;
};

} // namespace charting
