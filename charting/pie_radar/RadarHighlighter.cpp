#include "charting/pie_radar/RadarHighlighter.h"

#include "charting/pie_radar/CircleGeometry.h"
#include "charting/pie_radar/RadarChartView.h"

#include <cmath>
#include <numbers>

namespace charting {

std::vector<Highlight> RadarHighlighter::getHighlights(int index) {
    std::vector<Highlight> out;
    const auto chart = std::dynamic_pointer_cast<RadarChartView>(this->chart());
    if (!chart || !chart->data()) return out;
    const double phaseX = chart->chartAnimator()->phaseX(), phaseY = chart->chartAnimator()->phaseY();
    const double sliceAngle = chart->sliceAngle(), factor = chart->factor();
    const kit::Point center = chart->centerOffsets();
    const auto& sets = chart->data()->dataSets();
    for (std::size_t i = 0; i < sets.size(); ++i) {
        if (!sets[i]) continue;
        const EntryPtr e = sets[i]->entryForIndex(index);
        if (!e) continue;
        const double r = (e->y() - chart->chartYMin()) * factor * phaseY;
        const kit::Point p = onCircle(center, r, sliceAngle * index * phaseX + chart->rotationAngle());
        out.emplace_back(static_cast<double>(index), e->y(), p.x, p.y, static_cast<int>(i), sets[i]->axisDependency());
    }
    return out;
}

std::optional<Highlight> RadarHighlighter::closestHighlight(int index, double x, double y) {
    const auto chart = std::dynamic_pointer_cast<RadarChartView>(this->chart());
    if (!chart) return std::nullopt;
    const std::vector<Highlight> highlights = getHighlights(index);
    if (highlights.empty()) return std::nullopt;
    const double distance = chart->distanceToCenter(x, y) / chart->factor();
    const Highlight* closest = &highlights.front();
    for (const Highlight& h : highlights) {
        if (std::fabs(h.y() - distance) < std::fabs(closest->y() - distance)) closest = &h;
    }
    return *closest;
}

} // namespace charting
