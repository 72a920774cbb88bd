#pragma once
// The values of one radar polygon, with the styling of the ring drawn at a highlighted value.
#include "charting/model/BarLineScatterCandleBubbleChartDataSet.h"

namespace charting {

class RadarChartDataSet : public LineRadarChartDataSet {
public:
    RadarChartDataSet();
    explicit RadarChartDataSet(std::vector<EntryPtr> entries, std::optional<std::string> label = "DataSet");

    std::string_view className() const override { return "RadarChartDataSet"; }

    bool drawHighlightCircleEnabled() const { return drawHighlightCircleEnabled_; }
    void setDrawHighlightCircleEnabled(bool v) { drawHighlightCircleEnabled_ = v; }
    bool isDrawHighlightCircleEnabled() const { return drawHighlightCircleEnabled(); }
    // Absent: the ring is not filled.
    const std::optional<kit::Color>& highlightCircleFillColor() const { return highlightCircleFillColor_; }
    void setHighlightCircleFillColor(std::optional<kit::Color> c) { highlightCircleFillColor_ = c; }
    // Absent: the set's first colour.
    const std::optional<kit::Color>& highlightCircleStrokeColor() const { return highlightCircleStrokeColor_; }
    void setHighlightCircleStrokeColor(std::optional<kit::Color> c) { highlightCircleStrokeColor_ = c; }
    double highlightCircleStrokeAlpha() const { return highlightCircleStrokeAlpha_; }
    void setHighlightCircleStrokeAlpha(double v) { highlightCircleStrokeAlpha_ = v; }
    double highlightCircleInnerRadius() const { return highlightCircleInnerRadius_; }
    void setHighlightCircleInnerRadius(double v) { highlightCircleInnerRadius_ = v; }
    double highlightCircleOuterRadius() const { return highlightCircleOuterRadius_; }
    void setHighlightCircleOuterRadius(double v) { highlightCircleOuterRadius_ = v; }
    double highlightCircleStrokeWidth() const { return highlightCircleStrokeWidth_; }
    void setHighlightCircleStrokeWidth(double v) { highlightCircleStrokeWidth_ = v; }

protected:
    std::shared_ptr<ChartBaseDataSet> makeEmpty() const override;
    void copyInto(ChartBaseDataSet& copy) const override;

private:
    bool drawHighlightCircleEnabled_ = false;
    std::optional<kit::Color> highlightCircleFillColor_ = kit::Color::whiteColor();
    std::optional<kit::Color> highlightCircleStrokeColor_;
    double highlightCircleStrokeAlpha_ = 0.3;
    double highlightCircleInnerRadius_ = 3.0;
    double highlightCircleOuterRadius_ = 4.0;
    double highlightCircleStrokeWidth_ = 2.0;
};

// Radar renderers and highlighters read radar sets through this name.
using RadarChartDataSetProtocol = RadarChartDataSet;

} // namespace charting
