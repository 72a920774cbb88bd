#pragma once
// What the x and y axis renderers share: the renderer interface, and the arithmetic that picks the
// label values of an axis (round steps over the visible range, or a forced count, optionally
// shifted to the middles between values).
#include "charting/core/ChartRenderer.h"
#include "charting/core/ContentLine.h"
#include "charting/core/Transformer.h"
#include "charting/model/AxisBase.h"

#include <cstddef>
#include <functional>
#include <memory>

namespace kit {
class Context;
}

namespace charting {

class ChartLimitLine;

class AxisRenderer : public virtual ChartRenderer {
public:
    virtual AxisBase& axis() const = 0;
    // Without one there are no label positions, grid lines or limit lines.
    virtual const std::shared_ptr<Transformer>& transformer() const = 0;
    virtual void renderAxisLabels(kit::Context& context) = 0;
    virtual void renderGridLines(kit::Context& context) = 0;
    virtual void renderAxisLine(kit::Context& context) = 0;
    virtual void renderLimitLines(kit::Context& context) = 0;
    // Settles the range (the visible one when zoomed in), then computeAxisValues().
    virtual void computeAxis(double min, double max, bool inverted) = 0;
    virtual void computeAxisValues(double min, double max) = 0;
};

// The outcome of the shared part of the label computation.
struct AxisValueSteps {
    // False when the range gave no labels (entries and centred entries were emptied).
    bool computed = false;
    double interval = 0;
    // How many values the centred list may take (the x axis's rule).
    std::size_t n = 0;
};

// Writes `entries` and `decimals` of the axis from the range; centred entries are left to the
// caller, whose rule differs by axis.
AxisValueSteps computeAxisValueEntries(AxisBase& axis, double min, double max);

// For each enabled limit line of the axis, with the context saved and clipped to the content
// widened by the line's width: draw(line, the pixel of its limit across the direction).
void forEachLimitLine(kit::Context& context, const ViewPortHandler& viewPortHandler, const AxisBase& axis,
                      const Transformer& transformer, ContentLine direction,
                      const std::function<void(const ChartLimitLine& line, double at)>& draw);
// Strokes a limit line across the content in its own colour, width and dash.
void strokeLimitLine(kit::Context& context, const ViewPortHandler& viewPortHandler, const ChartLimitLine& line,
                     ContentLine direction, double at);
// The values the content shows along x (left to right) or along y (bottom to top), in the axis's
// order: an axis zoomed in labels only what is visible.
void visibleRange(const ViewPortHandler& viewPortHandler, const Transformer& transformer, bool alongX, bool inverted,
                  double& min, double& max);

} // namespace charting
