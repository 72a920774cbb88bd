#include "charting/pie_radar/PieRadarHighlighter.h"

#include "charting/model/ChartData.h"
#include "charting/pie_radar/PieChartView.h"
#include "kit/base/Console.h"

namespace charting {

std::optional<Highlight> PieRadarHighlighter::getHighlight(double x, double y) {
    const auto chart = std::dynamic_pointer_cast<PieRadarChartViewBase>(this->chart());
    if (!chart) return std::nullopt;
    if (chart->distanceToCenter(x, y) > chart->radius()) return std::nullopt;
    double angle = chart->angleForPoint(x, y);
    // The renderer scales the slice angles by the same phase.
    if (dynamic_cast<PieChartView*>(chart.get())) angle /= chart->chartAnimator()->phaseY();
    const int index = chart->indexForAngle(angle);
    if (index < 0) return std::nullopt;
    const auto data = chart->data();
    if (!data) return std::nullopt;
    const DataSetPtr set = data->maxEntryCountSet();
    if (!set || index >= set->entryCount()) return std::nullopt;
    return closestHighlight(index, x, y);
}

std::optional<Highlight> PieRadarHighlighter::closestHighlight(int, double, double) {
    kit::fatal("closestHighlight(index, x, y) cannot be called on PieRadarChartHighlighter");
}

std::optional<Highlight> PieHighlighter::closestHighlight(int index, double x, double y) {
    const auto chart = this->chart();
    if (!chart) return std::nullopt;
    const auto data = chart->data();
    if (!data || data->dataSets().empty()) return std::nullopt;
    const DataSetPtr& set = data->dataSets().front();
    if (!set) return std::nullopt;
    const EntryPtr e = set->entryForIndex(index);
    if (!e) return std::nullopt;
    return Highlight(static_cast<double>(index), e->y(), x, y, 0, set->axisDependency());
}

} // namespace charting
