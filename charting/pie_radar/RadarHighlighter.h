#pragma once
// The radar highlighter: the spoke comes from the touch angle, and among the sets' values on that
// spoke the one nearest to the touch distance wins (the earlier set on a tie).
#include "charting/pie_radar/PieRadarHighlighter.h"

#include <vector>

namespace charting {

class RadarHighlighter : public PieRadarHighlighter {
public:
    using PieRadarHighlighter::PieRadarHighlighter;
    std::optional<Highlight> closestHighlight(int index, double x, double y) override;
    // One highlight per set that has an entry at the spoke, placed at its corner.
    std::vector<Highlight> getHighlights(int index);
};

} // namespace charting
