#pragma once
// A deferred change of a chart's view port (move to a value, zoom), which the chart view runs at
// once when it has a size and otherwise keeps until its first size change. Concrete jobs belong to
// the x/y charts. The view port and transformer are not owned: the chart view that queues a job
// owns both. The view is seen weakly, so a job whose chart is gone can end quietly.
#include "charting/core/Transformer.h"
#include "charting/core/ViewPortHandler.h"
#include "kit/base/Geometry.h"

#include <memory>

namespace charting {

class ChartViewBase;

class ViewPortJob {
public:
    ViewPortJob(ViewPortHandler& viewPortHandler, double xValue, double yValue, Transformer& transformer,
                const std::shared_ptr<ChartViewBase>& view)
        : viewPortHandler_(&viewPortHandler), xValue_(xValue), yValue_(yValue), transformer_(&transformer),
          view_(view) {}
    ViewPortJob() = delete;
    virtual ~ViewPortJob() = default;

    virtual void doJob() = 0;

protected:
    // Scratch point for subclasses; the base never reads it.
    kit::Point point_{0, 0};
    ViewPortHandler* viewPortHandler_;
    double xValue_;
    double yValue_;
    Transformer* transformer_;
    std::weak_ptr<ChartViewBase> view_;
};

} // namespace charting
