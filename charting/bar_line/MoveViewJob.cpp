#include "charting/bar_line/MoveViewJob.h"

#include "charting/core/ChartViewBase.h"

namespace charting {

void MoveViewJob::doJob() {
    auto view = view_.lock();
    if (!view) return;
    point_ = {xValue_, yValue_};
    transformer_->convertPointToPixel(point_);
    viewPortHandler_->centerViewPort(point_, *view);
}

} // namespace charting
