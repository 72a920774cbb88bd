#pragma once
// Highlighters of the circular charts: the touch becomes an angle around the chart's centre, the
// angle an entry index, and the subclass picks the highlight at that index.
#include "charting/model/ChartHighlighter.h"

#include <optional>

namespace charting {

class PieRadarHighlighter : public ChartHighlighter {
public:
    using ChartHighlighter::ChartHighlighter;
    // Nothing outside the chart's radius (the rim counts as inside).
    std::optional<Highlight> getHighlight(double x, double y) override;
    // Abstract here.
    virtual std::optional<Highlight> closestHighlight(int index, double x, double y);
};

// The slice at the index of the pie's only data set.
class PieHighlighter : public PieRadarHighlighter {
public:
    using PieRadarHighlighter::PieRadarHighlighter;
    std::optional<Highlight> closestHighlight(int index, double x, double y) override;
};

} // namespace charting
