#pragma once
// Closes a line's filled area at 0 or at the chart's edge, unless the application's block decides.
#include "charting/model/ChartFillFormatter.h"

#include <functional>
#include <memory>

namespace charting {

class DefaultFillFormatter : public ChartFillFormatter {
public:
    using Block = std::function<double(const LineChartDataSetProtocol& dataSet,
                                       const LineChartDataProvider& dataProvider)>;

    DefaultFillFormatter() = default;
    explicit DefaultFillFormatter(Block block) : block_(std::move(block)) {}
    static std::shared_ptr<DefaultFillFormatter> withBlock(Block block);

    const Block& block() const { return block_; }
    void setBlock(Block block) { block_ = std::move(block); }

    double getFillLinePosition(const LineChartDataSetProtocol& dataSet,
                               const LineChartDataProvider& dataProvider) override;

private:
    Block block_;
};

} // namespace charting
