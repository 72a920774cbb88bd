#pragma once
// Draws the marker of one scatter entry at its pixel position in the entry's colour. The
// scatter renderer saves and restores the graphics state around a whole data set, so a shape
// sets every colour and line width it uses itself.
#include "kit/base/Color.h"
#include "kit/base/Geometry.h"

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
};

} // namespace charting
