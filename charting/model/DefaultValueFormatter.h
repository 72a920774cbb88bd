#pragma once
// The data sets' formatter: the application's block when given, else a number formatter whose
// fraction digits the chart view may tune (`hasAutoDecimals`).
#include "charting/model/ChartValueFormatter.h"
#include "kit/text/NumberFormatter.h"

#include <functional>
#include <memory>
#include <optional>

namespace charting {

class DefaultValueFormatter : public ChartValueFormatter {
public:
    using Block = std::function<std::string(double value, const ChartDataEntry& entry, int dataSetIndex,
                                            ViewPortHandler* viewPortHandler)>;

    // A grouping number formatter with one fraction digit; `hasAutoDecimals` on.
    DefaultValueFormatter();
    // The given number formatter (null allowed); `hasAutoDecimals` off.
    explicit DefaultValueFormatter(std::shared_ptr<kit::NumberFormatter> formatter);
    // A grouping number formatter with exactly `decimals` fraction digits; `hasAutoDecimals` on.
    explicit DefaultValueFormatter(int decimals);
    // Only the block; no number formatter, `hasAutoDecimals` off.
    explicit DefaultValueFormatter(Block block);
    static std::shared_ptr<DefaultValueFormatter> withBlock(Block block);

    const Block& block() const { return block_; }
    void setBlock(Block block) { block_ = std::move(block); }
    bool hasAutoDecimals() const { return hasAutoDecimals_; }
    void setHasAutoDecimals(bool value) { hasAutoDecimals_ = value; }

    const std::shared_ptr<kit::NumberFormatter>& formatter() const { return formatter_; }
    // Turns `hasAutoDecimals` off, then stores the formatter.
    void setFormatter(std::shared_ptr<kit::NumberFormatter> formatter);
    std::optional<int> decimals() const { return decimals_; }
    // As the axis formatter's: a value sets both fraction-digit counts and grouping; nothing only
    // clears the field.
    void setDecimals(std::optional<int> decimals);

    std::string stringForValue(double value, const ChartDataEntry& entry, int dataSetIndex,
                               ViewPortHandler* viewPortHandler) override;

private:
    Block block_;
    bool hasAutoDecimals_ = false;
    std::shared_ptr<kit::NumberFormatter> formatter_;
    std::optional<int> decimals_;
};

} // namespace charting
