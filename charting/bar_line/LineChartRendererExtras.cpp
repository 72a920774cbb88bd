// The line renderer's circles, value labels, highlight lines and accessibility elements.
#include "charting/bar_line/LineChartData.h"
#include "charting/bar_line/LineChartRenderer.h"
#include "charting/bar_line/LineChartView.h"
#include "charting/core/Transformer.h"
#include "kit/text/DoubleText.h"
#include "kit/graphics/Context.h"

#include <cmath>
#include <limits>

namespace charting {

LineChartRenderer::ElementLists LineChartRenderer::freshElementLists() const {
    auto provider = dataProvider();
    auto* view = dynamic_cast<LineChartView*>(provider.get());
    auto lineData = view ? view->lineData() : nullptr;
    return lineData ? ElementLists(static_cast<std::size_t>(lineData->dataSetCount())) : ElementLists{};
}

const LineChartRenderer::ElementLists& LineChartRenderer::accessibilityOrderedElements() const {
    if (!accessibilityOrderedElements_) accessibilityOrderedElements_ = freshElementLists();
    return *accessibilityOrderedElements_;
}

void LineChartRenderer::drawCircles(kit::Context& context) {
    auto provider = dataProvider();
    if (!provider) return;
    auto lineData = provider->lineData();
    if (!lineData) return;
    auto* view = dynamic_cast<LineChartView*>(provider.get());

    accessibleChartElements().clear();
    accessibilityOrderedElements_ = freshElementLists();
    ElementLists& ordered = *accessibilityOrderedElements_;
    if (view) accessibleChartElements().push_back(createAccessibleHeader(*view, *lineData, "Line Chart"));

    context.save();
    const auto& sets = lineData->dataSets();
    for (std::size_t i = 0; i < sets.size(); ++i) {
        const auto* set = dynamic_cast<const LineChartDataSet*>(sets[i].get());
        if (!set || !set->isVisible() || !set->isDrawCirclesEnabled() || set->entryCount() == 0) continue;
        const kit::AffineTransform matrix = provider->getTransformer(set->axisDependency())->valueToPixelMatrix();
        const double r = set->circleRadius();
        const double h = set->circleHoleRadius();
        const bool drawHole = set->isDrawCircleHoleEnabled() && h < r && h > 0;
        const auto& holeColor = set->circleHoleColor();
        const bool transparentHole = drawHole && (!holeColor || *holeColor == kit::Color::clearColor());

        forEachPointOnContent<ChartDataEntry>(
            *provider, *set, matrix, [](const ChartDataEntry& e) { return e.y(); },
            [&](const ChartDataEntry&, std::int64_t j, kit::Point p) {
                if (view && i < ordered.size())
                    ordered[i].push_back(makeAccessibilityElement(j, *set, static_cast<int>(i), *view,
                                                                  {p.x - 3 * r, p.y - 3 * r, 6 * r, 6 * r}));
                context.setFillColor(set->getCircleColor(j));
                const kit::Rect circle{p.x - r, p.y - r, 2 * r, 2 * r};
                const kit::Rect hole{p.x - h, p.y - h, 2 * h, 2 * h};
                if (transparentHole) {
                    kit::Path ring;
                    ring.addEllipse(circle);
                    ring.addEllipse(hole);
                    context.fill(ring, true);
                } else {
                    context.fillEllipse(circle);
                    if (drawHole) {
                        context.setFillColor(*holeColor);
                        context.fillEllipse(hole);
                    }
                }
            });
    }
    context.restore();
    for (auto& list : ordered)
        for (auto& element : list) accessibleChartElements().push_back(element);
}

std::shared_ptr<NSUIAccessibilityElement> LineChartRenderer::makeAccessibilityElement(std::int64_t index,
                                                                                      const LineChartDataSet& dataSet,
                                                                                      int dataSetIndex,
                                                                                      ChartViewBase& chart,
                                                                                      const kit::Rect& frame) const {
    auto element = std::make_shared<NSUIAccessibilityElement>(chart.shared_from_this());
    const EntryPtr e = dataSet.entryForIndex(index);
    auto provider = dataProvider();
    if (!e || !provider) return element;
    const auto& xAxis = chart.xAxis();
    auto xFormatter = xAxis->valueFormatter();
    const std::string xText = xFormatter ? xFormatter->stringForValue(e->x(), xAxis.get()) : kit::text::shortestText(e->x());
    const std::string yText =
        dataSet.valueFormatter()->stringForValue(e->y(), *e, dataSetIndex, const_cast<ViewPortHandler*>(&viewPortHandler()));
    auto lineData = provider->lineData();
    std::string prefix;
    if (lineData && lineData->dataSetCount() >= 2) prefix = dataSet.label().value_or("") + ", ";
    element->setAccessibilityLabel(prefix + " " + xText + ": " + yText);
    element->setAccessibilityFrame(frame);
    return element;
}

void LineChartRenderer::drawValues(kit::Context& context) {
    auto provider = dataProvider();
    if (!provider) return;
    auto lineData = provider->lineData();
    if (!lineData || !isDrawingValuesAllowed(provider.get())) return;
    const auto& sets = lineData->dataSets();
    for (std::size_t i = 0; i < sets.size(); ++i) {
        const auto* set = dynamic_cast<const LineChartDataSet*>(sets[i].get());
        if (!set || !shouldDrawValues(*set)) continue;
        // A radius that is not a number or does not fit an integer leaves the set without labels.
        const double scaled = set->circleRadius() * 1.75;
        if (!std::isfinite(scaled) || std::abs(scaled) >= 1e15) continue;
        std::int64_t valOffset = static_cast<std::int64_t>(std::trunc(scaled));
        if (!set->isDrawCirclesEnabled()) valOffset /= 2;
        drawPointValues(context, *provider, *set, static_cast<int>(i), static_cast<double>(valOffset));
    }
}

void LineChartRenderer::drawHighlighted(kit::Context& context, std::span<Highlight> indices) {
    auto provider = dataProvider();
    if (!provider) return;
    auto lineData = provider->lineData();
    if (!lineData) return;
    const double chartXMax = provider->chartXMax();
    const double phaseX = animator().phaseX();
    const double phaseY = animator().phaseY();
    kit::SavedState saved(context);
    for (Highlight& high : indices) {
        const auto target = highlightTarget<LineChartDataSet>(*lineData, high);
        if (!target) continue;
        const auto& [set, e] = *target;
        setHighlightStroke(context, *set);
        const double x = e->x(), y = e->y() * phaseY;
        if (x > chartXMax * phaseX) continue;
        const kit::Point p = provider->getTransformer(set->axisDependency())->pixelForValues(x, y);
        high.setDraw(p);
        drawHighlightLines(context, p, *set);
    }
}

} // namespace charting
