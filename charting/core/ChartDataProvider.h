#pragma once
// The read-only view of a chart that highlighters, renderers and formatters work through, and its
// refinement for charts with x/y axes. Chart views realise them; the others hold them weakly or
// take them as arguments, so none of them needs the chart view itself.
#include "charting/model/AxisDependency.h"
#include "kit/base/Geometry.h"

#include <cstdint>
#include <memory>

namespace charting {

class ChartData;
class Transformer;

class ChartDataProvider {
public:
    virtual ~ChartDataProvider() = default;
    virtual double chartXMin() const = 0;
    virtual double chartXMax() const = 0;
    virtual double chartYMin() const = 0;
    virtual double chartYMax() const = 0;
    // Largest distance in pixels between a touch and a value that still highlights it.
    virtual double maxHighlightDistance() const = 0;
    virtual double xRange() const = 0;
    // Centre of the content rectangle.
    virtual kit::Point centerOffsets() const = 0;
    // Null when the chart has no data.
    virtual std::shared_ptr<ChartData> data() const = 0;
    // Most values whose labels are drawn.
    virtual std::int64_t maxVisibleCount() const = 0;
};

class BarLineScatterCandleBubbleChartDataProvider : public virtual ChartDataProvider {
public:
    virtual std::shared_ptr<Transformer> getTransformer(AxisDependency axis) const = 0;
    virtual bool isInverted(AxisDependency axis) const = 0;
    virtual double lowestVisibleX() const = 0;
    virtual double highestVisibleX() const = 0;
};

} // namespace charting
