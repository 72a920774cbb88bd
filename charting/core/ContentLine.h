#pragma once
// Lines drawn across the whole content of an x/y chart (grid, axis, zero, limit and highlight
// lines), the same for either axis of either chart orientation, and the stroke a chart component
// gives its lines.
#include "charting/core/ViewPortHandler.h"
#include "kit/base/Color.h"
#include "kit/base/Geometry.h"

#include <optional>
#include <vector>

namespace kit {
class Context;
}

namespace charting {

enum class ContentLine {
    horizontal, // along x, at a pixel y
    vertical,   // along y, at a pixel x
};

// The content rectangle widened across lines of the direction by `lineWidth`, so that a line on
// its edge is drawn whole.
kit::Rect contentClip(const ViewPortHandler& viewPortHandler, ContentLine direction, double lineWidth);
// Starts a path with the line across the whole content at pixel `at`.
void addContentLine(kit::Context& context, const ViewPortHandler& viewPortHandler, ContentLine direction, double at);

// Sets the dash of a component: the lengths when present, else a solid line.
void setComponentDash(kit::Context& context, double phase, const std::optional<std::vector<double>>& lengths);
// Sets colour, width and dash of a component's line.
void setLineStroke(kit::Context& context, const kit::Color& color, double width, double dashPhase,
                   const std::optional<std::vector<double>>& dashLengths);

} // namespace charting
