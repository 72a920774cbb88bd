#pragma once
// A callout drawn next to a highlighted value: the view refreshes its content for the value, then
// has it drawn at the highlight's drawing position.
#include "kit/base/Geometry.h"

namespace kit {
class Context;
}

namespace charting {

class ChartDataEntry;
class Highlight;

class ChartMarker {
public:
    virtual ~ChartMarker() = default;
    virtual kit::Point offset() const = 0;
    // The offset to draw with at that point, shifted so the callout stays inside the chart view.
    virtual kit::Point offsetForDrawing(kit::Point point) const = 0;
    virtual void refreshContent(const ChartDataEntry& entry, const Highlight& highlight) = 0;
    virtual void draw(kit::Context& context, kit::Point point) = 0;
};

} // namespace charting
