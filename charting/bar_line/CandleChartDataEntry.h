#pragma once
// One open/high/low/close record at an x position. Its y is always the middle of the shadow,
// (high + low) / 2: whatever is assigned to y, that midpoint is stored instead, taken at the
// moment of the assignment.
#include "charting/model/ChartDataEntry.h"

#include <cmath>

namespace charting {

class CandleChartDataEntry : public ChartDataEntry {
public:
    CandleChartDataEntry() = default;
    CandleChartDataEntry(double x, double shadowH, double shadowL, double open, double close);
    CandleChartDataEntry(double x, double shadowH, double shadowL, double open, double close,
                         std::shared_ptr<const kit::Image> icon);
    CandleChartDataEntry(double x, double shadowH, double shadowL, double open, double close, std::any data);
    CandleChartDataEntry(double x, double shadowH, double shadowL, double open, double close,
                         std::shared_ptr<const kit::Image> icon, std::any data);
    // A candle is made from its four values.
    CandleChartDataEntry(double x, double y) = delete;

    // Stores the shadow's midpoint; the argument is not used.
    void setY(double y) override;

    double high() const { return high_; }
    void setHigh(double v) { high_ = v; }
    double low() const { return low_; }
    void setLow(double v) { low_ = v; }
    double close() const { return close_; }
    void setClose(double v) { close_ = v; }
    double open() const { return open_; }
    void setOpen(double v) { open_ = v; }

    double shadowRange() const { return std::abs(high_ - low_); }
    double bodyRange() const { return std::abs(open_ - close_); }

protected:
    std::shared_ptr<ChartDataEntry> makeEmpty() const override { return std::make_shared<CandleChartDataEntry>(); }
    void copyInto(ChartDataEntry& copy) const override;

private:
    double high_ = 0.0;
    double low_ = 0.0;
    double close_ = 0.0;
    double open_ = 0.0;
};

} // namespace charting
