#include "charting/bar_line/ScatterChartRenderer.h"

#include "charting/bar_line/ScatterChartData.h"
#include "charting/bar_line/ScatterChartView.h"
#include "charting/bar_line/ShapeRenderer.h"
#include "charting/core/Transformer.h"
#include "kit/base/Console.h"
#include "kit/graphics/Context.h"

namespace charting {

ScatterChartRenderer::ScatterChartRenderer(const std::shared_ptr<ScatterChartDataProvider>& dataProvider,
                                           std::shared_ptr<Animator> animator,
                                           std::shared_ptr<ViewPortHandler> viewPortHandler)
    : LineScatterCandleRadarRenderer(std::move(animator), std::move(viewPortHandler)), dataProvider_(dataProvider) {}

void ScatterChartRenderer::drawData(kit::Context& context) {
    auto provider = dataProvider();
    if (!provider) return;
    auto scatterData = provider->scatterData();
    if (!scatterData) return;
    accessibleChartElements().clear();
    if (auto* view = dynamic_cast<ScatterChartView*>(provider.get()))
        accessibleChartElements().push_back(createAccessibleHeader(*view, *scatterData, "Scatter Chart"));
    for (const auto& set : scatterData->dataSets()) {
        // Scatter data holding another kind of set: that set is not drawn.
        const auto* scatter = dynamic_cast<const ScatterChartDataSet*>(set.get());
        if (scatter && scatter->isVisible()) drawDataSet(context, *scatter);
    }
}

void ScatterChartRenderer::drawDataSet(kit::Context& context, const ScatterChartDataSet& dataSet) {
    auto provider = dataProvider();
    if (!provider) return;
    const double phaseY = animator().phaseY();
    const kit::AffineTransform matrix = provider->getTransformer(dataSet.axisDependency())->valueToPixelMatrix();
    const auto& shape = dataSet.shapeRenderer();
    if (!shape) {
        kit::print("There's no ShapeRenderer specified for ScatterDataSet");
        return;
    }
    const ViewPortHandler& vp = viewPortHandler();
    kit::SavedState saved(context);
    const std::int64_t n = revealedCount(dataSet.entryCount());
    for (std::int64_t j = 0; j < n; ++j) {
        const EntryPtr e = dataSet.entryForIndex(j);
        if (!e) continue;
        const kit::Point p = matrix.apply(kit::Point{e->x(), e->y() * phaseY});
        if (!vp.isInBoundsRight(p.x)) break;
        if (!vp.isInBoundsLeft(p.x) || !vp.isInBoundsY(p.y)) continue;
        shape->renderShape(context, dataSet, vp, p, dataSet.color(j));
    }
}

void ScatterChartRenderer::drawValues(kit::Context& context) {
    auto provider = dataProvider();
    if (!provider) return;
    auto scatterData = provider->scatterData();
    if (!scatterData || !isDrawingValuesAllowed(provider.get())) return;
    const auto& sets = scatterData->dataSets();
    for (std::size_t i = 0; i < sets.size(); ++i) {
        const auto* set = dynamic_cast<const ScatterChartDataSet*>(sets[i].get());
        if (set && shouldDrawValues(*set)) drawPointValues(context, *provider, *set, static_cast<int>(i), set->scatterShapeSize());
    }
}

void ScatterChartRenderer::drawHighlighted(kit::Context& context, std::span<Highlight> indices) {
    auto provider = dataProvider();
    if (!provider) return;
    auto scatterData = provider->scatterData();
    if (!scatterData) return;
    kit::SavedState saved(context);
    for (Highlight& high : indices) {
        const auto target = highlightTarget<ScatterChartDataSet>(*scatterData, high);
        if (!target) continue;
        const auto& [set, e] = *target;
        setHighlightStroke(context, *set);
        const kit::Point p =
            provider->getTransformer(set->axisDependency())->pixelForValues(e->x(), e->y() * animator().phaseY());
        high.setDraw(p);
        drawHighlightLines(context, p, *set);
    }
}

} // namespace charting
