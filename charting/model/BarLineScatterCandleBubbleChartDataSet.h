#pragma once
// The styling layers between the concrete data set and the data sets of the chart families:
// highlight lines (bar, bubble and below), the horizontal and vertical highlight indicators
// (line, scatter, candle, radar), and the filled area and line width (line and radar).
// Renderers work against these layers; each copies its own fields after its base's.
#include "charting/model/ChartData.h"
#include "charting/model/ChartDataSet.h"
#include "charting/model/ChartFill.h"

namespace charting {

class BarLineScatterCandleBubbleChartDataSet : public ChartDataSet {
public:
    using ChartDataSet::ChartDataSet;
    std::string_view className() const override { return "BarLineScatterCandleBubbleChartDataSet"; }

    kit::Color highlightColor() const { return highlightColor_; }
    void setHighlightColor(kit::Color color) { highlightColor_ = color; }
    double highlightLineWidth() const { return highlightLineWidth_; }
    void setHighlightLineWidth(double width) { highlightLineWidth_ = width; }
    double highlightLineDashPhase() const { return highlightLineDashPhase_; }
    void setHighlightLineDashPhase(double phase) { highlightLineDashPhase_ = phase; }
    // Absent: a solid line.
    const std::optional<std::vector<double>>& highlightLineDashLengths() const { return highlightLineDashLengths_; }
    void setHighlightLineDashLengths(std::optional<std::vector<double>> lengths) {
        highlightLineDashLengths_ = std::move(lengths);
    }

protected:
    std::shared_ptr<ChartBaseDataSet> makeEmpty() const override;
    void copyInto(ChartBaseDataSet& copy) const override;

private:
    kit::Color highlightColor_ = kit::Color::rgba(255 / 255.0, 187 / 255.0, 115 / 255.0, 1.0);
    double highlightLineWidth_ = 0.5;
    double highlightLineDashPhase_ = 0.0;
    std::optional<std::vector<double>> highlightLineDashLengths_;
};

class LineScatterCandleRadarChartDataSet : public BarLineScatterCandleBubbleChartDataSet {
public:
    using BarLineScatterCandleBubbleChartDataSet::BarLineScatterCandleBubbleChartDataSet;
    std::string_view className() const override { return "LineScatterCandleRadarChartDataSet"; }

    bool drawHorizontalHighlightIndicatorEnabled() const { return drawHorizontalHighlightIndicatorEnabled_; }
    virtual void setDrawHorizontalHighlightIndicatorEnabled(bool e) { drawHorizontalHighlightIndicatorEnabled_ = e; }
    bool drawVerticalHighlightIndicatorEnabled() const { return drawVerticalHighlightIndicatorEnabled_; }
    virtual void setDrawVerticalHighlightIndicatorEnabled(bool e) { drawVerticalHighlightIndicatorEnabled_ = e; }
    virtual bool isHorizontalHighlightIndicatorEnabled() const { return drawHorizontalHighlightIndicatorEnabled(); }
    virtual bool isVerticalHighlightIndicatorEnabled() const { return drawVerticalHighlightIndicatorEnabled(); }
    // Both indicators on or off.
    virtual void setDrawHighlightIndicators(bool enabled);

protected:
    std::shared_ptr<ChartBaseDataSet> makeEmpty() const override;
    void copyInto(ChartBaseDataSet& copy) const override;

private:
    bool drawHorizontalHighlightIndicatorEnabled_ = true;
    bool drawVerticalHighlightIndicatorEnabled_ = true;
};

class LineRadarChartDataSet : public LineScatterCandleRadarChartDataSet {
public:
    using LineScatterCandleRadarChartDataSet::LineScatterCandleRadarChartDataSet;
    std::string_view className() const override { return "LineRadarChartDataSet"; }

    kit::Color fillColor() const { return fillColor_; }
    // A solid colour replaces any fill object.
    virtual void setFillColor(kit::Color color);
    const std::shared_ptr<const ChartFill>& fill() const { return fill_; }
    virtual void setFill(std::shared_ptr<const ChartFill> fill) { fill_ = std::move(fill); }
    double fillAlpha() const { return fillAlpha_; }
    void setFillAlpha(double alpha) { fillAlpha_ = alpha; }
    double lineWidth() const { return lineWidth_; }
    // Kept within [0, 10]; NaN is stored as given.
    virtual void setLineWidth(double width);
    bool drawFilledEnabled() const { return drawFilledEnabled_; }
    void setDrawFilledEnabled(bool enabled) { drawFilledEnabled_ = enabled; }
    virtual bool isDrawFilledEnabled() const { return drawFilledEnabled(); }

protected:
    std::shared_ptr<ChartBaseDataSet> makeEmpty() const override;
    void copyInto(ChartBaseDataSet& copy) const override;

private:
    kit::Color fillColor_ = kit::Color::rgba(140 / 255.0, 234 / 255.0, 255 / 255.0, 1.0);
    std::shared_ptr<const ChartFill> fill_;
    double fillAlpha_ = 0.33;
    double lineWidth_ = 1.0;
    bool drawFilledEnabled_ = false;
};

// The common base of the bar, bubble, candle, scatter and combined chart data.
class BarLineScatterCandleBubbleChartData : public ChartData {
public:
    using ChartData::ChartData;
};

} // namespace charting
