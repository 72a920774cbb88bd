#pragma once
// The axes' formatter: the application's block when given, else a number formatter whose fraction
// digits the owning axis may set (`hasAutoDecimals`).
#include "charting/model/ChartAxisValueFormatter.h"
#include "kit/text/NumberFormatter.h"

#include <functional>
#include <memory>
#include <optional>

namespace charting {

class DefaultAxisValueFormatter : public ChartAxisValueFormatter {
public:
    using Block = std::function<std::string(double value, AxisBase* axis)>;

    // A number formatter with its defaults (whole numbers); `hasAutoDecimals` on, no decimals.
    DefaultAxisValueFormatter();
    // The given number formatter (null allowed); `hasAutoDecimals` off.
    explicit DefaultAxisValueFormatter(std::shared_ptr<kit::NumberFormatter> formatter);
    // A grouping number formatter with exactly `decimals` fraction digits; `hasAutoDecimals` on.
    explicit DefaultAxisValueFormatter(int decimals);
    // Only the block; no number formatter, `hasAutoDecimals` off.
    explicit DefaultAxisValueFormatter(Block block);
    static std::shared_ptr<DefaultAxisValueFormatter> withBlock(Block block);

    const Block& block() const { return block_; }
    void setBlock(Block block) { block_ = std::move(block); }
    bool hasAutoDecimals() const { return hasAutoDecimals_; }
    void setHasAutoDecimals(bool value) { hasAutoDecimals_ = value; }

    const std::shared_ptr<kit::NumberFormatter>& formatter() const { return formatter_; }
    // Turns `hasAutoDecimals` off, then stores the formatter.
    void setFormatter(std::shared_ptr<kit::NumberFormatter> formatter);
    std::optional<int> decimals() const { return decimals_; }
    // A value sets the number formatter's minimum and maximum fraction digits to it and switches
    // grouping on; nothing only clears the field and leaves the formatter as it is.
    void setDecimals(std::optional<int> decimals);

    std::string stringForValue(double value, AxisBase* axis) override;

private:
    Block block_;
    bool hasAutoDecimals_ = false;
    std::shared_ptr<kit::NumberFormatter> formatter_;
    std::optional<int> decimals_;
};

// The fraction-digit rule the default text formatters share.
void applyDecimals(kit::NumberFormatter* formatter, int decimals);

} // namespace charting
