#pragma once
// Candles of one data set with the styling of candles, shadows and open/high/low/close bars.
// The y bounds of a candle set are the lowest low and the highest high.
#include "charting/core/DataSetKindInterfaces.h"
#include "charting/model/BarLineScatterCandleBubbleChartDataSet.h"

namespace charting {

class CandleChartDataEntry;

class CandleChartDataSet : public LineScatterCandleRadarChartDataSet, public CandleChartDataSetProtocol {
public:
    CandleChartDataSet() = default;
    explicit CandleChartDataSet(std::vector<EntryPtr> entries, std::optional<std::string> label = "DataSet");

    std::string_view className() const override { return "CandleChartDataSet"; }

    // Candle entries only: low and high widen the y bounds, x the x bounds.
    void calcMinMaxForEntry(const ChartDataEntry& entry) override;
    // Candle entries only: low and high.
    void calcMinMaxYForEntry(const ChartDataEntry& entry) override;

    // The gap, in x units, on each side of a body or bar tick; kept within [0, 0.45].
    double barSpace() const { return barSpace_; }
    void setBarSpace(double space);
    bool showCandleBar() const { return showCandleBar_; }
    void setShowCandleBar(bool v) { showCandleBar_ = v; }
    double shadowWidth() const { return shadowWidth_; }
    void setShadowWidth(double w) { shadowWidth_ = w; }
    // Absent colours fall back to the set's colour for the entry.
    const std::optional<kit::Color>& shadowColor() const { return shadowColor_; }
    void setShadowColor(std::optional<kit::Color> c) { shadowColor_ = c; }
    bool shadowColorSameAsCandle() const { return shadowColorSameAsCandle_; }
    void setShadowColorSameAsCandle(bool v) { shadowColorSameAsCandle_ = v; }
    bool isShadowColorSameAsCandle() const { return shadowColorSameAsCandle(); }
    const std::optional<kit::Color>& neutralColor() const { return neutralColor_; }
    void setNeutralColor(std::optional<kit::Color> c) { neutralColor_ = c; }
    std::optional<kit::Color> increasingColor() const override { return increasingColor_; }
    void setIncreasingColor(std::optional<kit::Color> c) { increasingColor_ = c; }
    std::optional<kit::Color> decreasingColor() const override { return decreasingColor_; }
    void setDecreasingColor(std::optional<kit::Color> c) { decreasingColor_ = c; }
    bool increasingFilled() const { return increasingFilled_; }
    void setIncreasingFilled(bool v) { increasingFilled_ = v; }
    bool isIncreasingFilled() const { return increasingFilled(); }
    bool decreasingFilled() const { return decreasingFilled_; }
    void setDecreasingFilled(bool v) { decreasingFilled_ = v; }
    bool isDecreasingFilled() const { return decreasingFilled(); }

protected:
    std::shared_ptr<ChartBaseDataSet> makeEmpty() const override;
    void copyInto(ChartBaseDataSet& copy) const override;

private:
    void widenY(const CandleChartDataEntry& candle);

    double barSpace_ = 0.1;
    bool showCandleBar_ = true;
    double shadowWidth_ = 1.5;
    std::optional<kit::Color> shadowColor_;
    bool shadowColorSameAsCandle_ = false;
    std::optional<kit::Color> neutralColor_;
    std::optional<kit::Color> increasingColor_;
    std::optional<kit::Color> decreasingColor_;
    bool increasingFilled_ = false;
    bool decreasingFilled_ = true;
};

} // namespace charting
