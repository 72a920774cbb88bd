#include "charting/pie_radar/RadarChartDataSet.h"

#include "kit/base/Make.h"

namespace charting {

RadarChartDataSet::RadarChartDataSet() { setValueFont(kit::Font::system(13.0)); }

RadarChartDataSet::RadarChartDataSet(std::vector<EntryPtr> entries, std::optional<std::string> label)
    : LineRadarChartDataSet(std::move(entries), std::move(label)) {
    setValueFont(kit::Font::system(13.0));
}

std::shared_ptr<ChartBaseDataSet> RadarChartDataSet::makeEmpty() const { return kit::make<RadarChartDataSet>(); }

// The highlight-ring styling is copied too, so a copy draws like its original.
void RadarChartDataSet::copyInto(ChartBaseDataSet& copy) const {
    LineRadarChartDataSet::copyInto(copy);
    auto& set = static_cast<RadarChartDataSet&>(copy);
    set.drawHighlightCircleEnabled_ = drawHighlightCircleEnabled_;
    set.highlightCircleFillColor_ = highlightCircleFillColor_;
    set.highlightCircleStrokeColor_ = highlightCircleStrokeColor_;
    set.highlightCircleStrokeAlpha_ = highlightCircleStrokeAlpha_;
    set.highlightCircleInnerRadius_ = highlightCircleInnerRadius_;
    set.highlightCircleOuterRadius_ = highlightCircleOuterRadius_;
    set.highlightCircleStrokeWidth_ = highlightCircleStrokeWidth_;
}

} // namespace charting
