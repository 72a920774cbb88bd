#pragma once
// What the default axis and value formatters share: the application's block when given, else a
// number formatter whose fraction digits can be set, and tuned by the owner while
// `hasAutoDecimals` holds.
#include "kit/text/NumberFormatter.h"

#include <memory>
#include <optional>
#include <string>
#include <utility>

namespace charting {

template <class Block> class BlockOrNumberFormatter {
public:
    const Block& block() const { return block_; }
    void setBlock(Block block) { block_ = std::move(block); }
    bool hasAutoDecimals() const { return hasAutoDecimals_; }
    void setHasAutoDecimals(bool value) { hasAutoDecimals_ = value; }

    const std::shared_ptr<kit::NumberFormatter>& formatter() const { return formatter_; }
    // Turns `hasAutoDecimals` off, then stores the formatter.
    void setFormatter(std::shared_ptr<kit::NumberFormatter> formatter) {
        hasAutoDecimals_ = false;
        formatter_ = std::move(formatter);
    }
    std::optional<int> decimals() const { return decimals_; }
    // A value sets the number formatter's minimum and maximum fraction digits to it and switches
    // grouping on; nothing only clears the field and leaves the formatter as it is.
    void setDecimals(std::optional<int> decimals) {
        decimals_ = decimals;
        if (!decimals || !formatter_) return;
        formatter_->setMinimumFractionDigits(*decimals);
        formatter_->setMaximumFractionDigits(*decimals);
        formatter_->setUsesGroupingSeparator(true);
    }

protected:
    // The given number formatter (null allowed); `hasAutoDecimals` off.
    explicit BlockOrNumberFormatter(std::shared_ptr<kit::NumberFormatter> formatter) : formatter_(std::move(formatter)) {}
    // A grouping number formatter with exactly `decimals` fraction digits; `hasAutoDecimals` on.
    explicit BlockOrNumberFormatter(int decimals) : formatter_(std::make_shared<kit::NumberFormatter>()) {
        formatter_->setUsesGroupingSeparator(true);
        setDecimals(decimals);
        hasAutoDecimals_ = true;
    }
    // Only the block; no number formatter, `hasAutoDecimals` off.
    explicit BlockOrNumberFormatter(Block block) : block_(std::move(block)) {}

    // The block's text for the value (given the block's further arguments), else the number
    // formatter's, else nothing.
    template <class... Args> std::string text(double value, Args&&... blockArguments) const {
        if (block_) return block_(value, std::forward<Args>(blockArguments)...);
        if (formatter_) return formatter_->string(value).value_or("");
        return "";
    }

    bool hasAutoDecimals_ = false;

private:
    Block block_;
    std::shared_ptr<kit::NumberFormatter> formatter_;
    std::optional<int> decimals_;
};

} // namespace charting
