#pragma once
// Brings a value pair to the top-left corner of a chart's content (callers that want it centred
// pass it shifted by half the visible ranges).
#include "charting/core/ViewPortJob.h"

namespace charting {

class MoveViewJob : public ViewPortJob {
public:
    using ViewPortJob::ViewPortJob;
    void doJob() override;
};

} // namespace charting
