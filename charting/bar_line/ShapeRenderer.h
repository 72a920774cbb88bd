#pragma once
// Draws the marker of one scatter entry at its pixel position in the entry's colour. The
// scatter renderer saves and restores the graphics state around a whole data set, so a shape
// sets every colour and line width it uses itself.
#include "kit/base/Color.h"
#include "kit/base/Geometry.h"

#include <optional>

namespace kit {
class Context;
}

namespace charting {

class ScatterChartDataSet;
class ViewPortHandler;

class ShapeRenderer {
public:
    virtual ~ShapeRenderer() = default;
    virtual void renderShape(kit::Context& context, const ScatterChartDataSet& dataSet,
                             const ViewPortHandler& viewPortHandler, kit::Point point, kit::Color color) = 0;
    // How far from its point a marker of this set can paint, for shapes that look the same at every
    // point and so may be drawn once and copied; none (the default) draws every marker.
    virtual std::optional<double> stampRadius(const ScatterChartDataSet&) const { return std::nullopt; }
};

} // namespace charting
