#include "charting/bar_line/ScatterChartData.h"

#include "charting/bar_line/ScatterChartDataSet.h"

namespace charting {

double ScatterChartData::getGreatestShapeSize() const {
    double greatest = 0.0;
    bool first = true;
    for (const auto& set : dataSets()) {
        auto* scatter = dynamic_cast<const ScatterChartDataSet*>(set.get());
        if (!scatter) return 0.0;
        if (first || scatter->scatterShapeSize() > greatest) greatest = scatter->scatterShapeSize();
        first = false;
    }
    return greatest;
}

} // namespace charting
