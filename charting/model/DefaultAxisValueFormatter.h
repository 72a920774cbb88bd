#pragma once
// The axes' formatter: the application's block when given, else a number formatter whose fraction
// digits the owning axis may set (`hasAutoDecimals`).
#include "charting/model/BlockOrNumberFormatter.h"
#include "charting/model/ChartAxisValueFormatter.h"

#include <functional>
#include <memory>

namespace charting {

using AxisValueBlock = std::function<std::string(double value, AxisBase* axis)>;

class DefaultAxisValueFormatter : public ChartAxisValueFormatter, public BlockOrNumberFormatter<AxisValueBlock> {
public:
    using Block = AxisValueBlock;

    // A number formatter with its defaults (whole numbers); `hasAutoDecimals` on, no decimals.
    DefaultAxisValueFormatter();
    explicit DefaultAxisValueFormatter(std::shared_ptr<kit::NumberFormatter> formatter);
    explicit DefaultAxisValueFormatter(int decimals);
    explicit DefaultAxisValueFormatter(Block block);
    static std::shared_ptr<DefaultAxisValueFormatter> withBlock(Block block);

    std::string stringForValue(double value, AxisBase* axis) override;
};

} // namespace charting
