#pragma once
// The data of a radar chart: its sets, the style of highlight lines and a caption list kept
// with the data. Corners are addressed by index: a highlight's x is the entry index.
#include "charting/model/ChartData.h"

#include <initializer_list>

namespace charting {

class RadarChartData : public ChartData {
public:
    using ChartData::ChartData;

    kit::Color highlightColor() const { return highlightColor_; }
    void setHighlightColor(kit::Color c) { highlightColor_ = c; }
    double highlightLineWidth() const { return highlightLineWidth_; }
    void setHighlightLineWidth(double w) { highlightLineWidth_ = w; }
    double highlightLineDashPhase() const { return highlightLineDashPhase_; }
    void setHighlightLineDashPhase(double p) { highlightLineDashPhase_ = p; }
    // Absent: solid highlight lines.
    const std::optional<std::vector<double>>& highlightLineDashLengths() const { return highlightLineDashLengths_; }
    void setHighlightLineDashLengths(std::optional<std::vector<double>> l) { highlightLineDashLengths_ = std::move(l); }
    const std::vector<std::string>& labels() const { return labels_; }
    void setLabels(std::vector<std::string> labels) { labels_ = std::move(labels); }
    void setLabels(std::initializer_list<std::string> labels) { labels_.assign(labels); }

    // The entry at the highlight's x truncated to an index in the set its data-set index names;
    // null when either lies outside the data.
    EntryPtr entryForHighlight(const Highlight& highlight) const override;

private:
    kit::Color highlightColor_ = kit::Color::rgba(255 / 255.0, 187 / 255.0, 115 / 255.0, 1.0);
    double highlightLineWidth_ = 1.0;
    double highlightLineDashPhase_ = 0.0;
    std::optional<std::vector<double>> highlightLineDashLengths_;
    std::vector<std::string> labels_;
};

} // namespace charting
