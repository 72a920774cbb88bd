#include "charting/bar_line/ZoomViewJob.h"

#include "charting/bar_line/BarLineChartViewBase.h"

namespace charting {

ZoomViewJob::ZoomViewJob(ViewPortHandler& viewPortHandler, double scaleX, double scaleY, double xValue, double yValue,
                         Transformer& transformer, AxisDependency axis, const std::shared_ptr<BarLineChartViewBase>& view)
    : ViewPortJob(viewPortHandler, xValue, yValue, transformer, view), scaleX_(scaleX), scaleY_(scaleY),
      axisDependency_(axis) {}

void ZoomViewJob::doJob() {
    auto view = std::dynamic_pointer_cast<BarLineChartViewBase>(view_.lock());
    if (!view) return;
    ViewPortHandler& vp = *viewPortHandler_;
    vp.refresh(vp.setZoom(scaleX_, scaleY_), *view, false);

    const double yValsInView = view->getAxis(axisDependency_)->axisRange() / vp.scaleY();
    const double xValsInView = view->xAxis()->axisRange() / vp.scaleX();
    point_ = {xValue_ - xValsInView / 2.0, yValue_ + yValsInView / 2.0};
    transformer_->convertPointToPixel(point_);
    vp.refresh(vp.translate(point_), *view, false);

    view->calculateOffsets();
    view->setNeedsDisplay();
}

} // namespace charting
