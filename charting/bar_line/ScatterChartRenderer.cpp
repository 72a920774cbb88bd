#include "charting/bar_line/ScatterChartRenderer.h"

#include "charting/bar_line/ScatterChartData.h"
#include "charting/bar_line/ScatterChartView.h"
#include "charting/bar_line/ShapeRenderer.h"
#include "charting/core/ChartUtils.h"
#include "charting/core/Transformer.h"
#include "kit/base/Console.h"
#include "kit/graphics/Context.h"
#include "kit/graphics/Text.h"

#include <algorithm>
#include <cmath>
#include <numbers>

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
    const std::int64_t count = dataSet.entryCount();
    // An easing that overshoots (or a phase that is not a number) stays within the entries.
    const double revealed = std::ceil(static_cast<double>(count) * animator().phaseX());
    const std::int64_t n = std::isnan(revealed) ? 0 : static_cast<std::int64_t>(std::clamp(revealed, 0.0, static_cast<double>(count)));
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
    const ViewPortHandler& vp = viewPortHandler();
    const double phaseY = animator().phaseY();
    const auto& sets = scatterData->dataSets();
    for (std::size_t i = 0; i < sets.size(); ++i) {
        const auto* set = dynamic_cast<const ScatterChartDataSet*>(sets[i].get());
        if (!set || !shouldDrawValues(*set)) continue;
        const kit::Font& font = set->valueFont();
        auto formatter = set->valueFormatter();
        const kit::AffineTransform matrix = provider->getTransformer(set->axisDependency())->valueToPixelMatrix();
        const kit::Point iconsOffset = set->iconsOffset();
        const double angle = set->valueLabelAngle() * std::numbers::pi / 180.0;
        const double shapeSize = set->scatterShapeSize();
        const double lineHeight = font.lineHeight();

        xBounds_.set(*provider, *set, &animator());
        for (const std::int64_t j : xBounds_) {
            const EntryPtr e = set->entryForIndex(j);
            if (!e) break;
            const kit::Point p = matrix.apply(kit::Point{e->x(), e->y() * phaseY});
            if (!vp.isInBoundsRight(p.x)) break;
            if (!vp.isInBoundsLeft(p.x) || !vp.isInBoundsY(p.y)) continue;
            if (set->isDrawValuesEnabled() && formatter) {
                const std::string text =
                    formatter->stringForValue(e->y(), *e, static_cast<int>(i), const_cast<ViewPortHandler*>(&vp));
                const kit::TextAttributes attributes{font, set->valueTextColorAt(j), std::nullopt};
                const kit::Point at{p.x - kit::measureText(text, attributes).width / 2.0, p.y - shapeSize - lineHeight};
                if (angle == 0) drawText(context, text, at, kit::Point{0, 0}, 0, attributes);
                else drawText(context, text, at, kit::Point{0.5, 0.5}, angle, attributes);
            }
            if (e->icon() && set->isDrawIconsEnabled())
                drawImage(context, e->icon(), {p.x + iconsOffset.x, p.y + iconsOffset.y}, e->icon()->size());
        }
    }
}

void ScatterChartRenderer::drawHighlighted(kit::Context& context, std::span<Highlight> indices) {
    auto provider = dataProvider();
    if (!provider) return;
    auto scatterData = provider->scatterData();
    if (!scatterData) return;
    kit::SavedState saved(context);
    for (Highlight& high : indices) {
        // A highlight kept from other data may name a set that is not there.
        const auto* set = dynamic_cast<const ScatterChartDataSet*>(scatterData->dataSet(high.dataSetIndex()).get());
        if (!set || !set->isHighlightEnabled()) continue;
        const EntryPtr e = set->entryForXValue(high.x(), high.y());
        if (!e || !isInBoundsX(*e, *set)) continue;
        context.setStrokeColor(set->highlightColor());
        context.setLineWidth(set->highlightLineWidth());
        if (set->highlightLineDashLengths()) context.setLineDash(set->highlightLineDashPhase(), *set->highlightLineDashLengths());
        else context.setLineDashSolid();
        const kit::Point p =
            provider->getTransformer(set->axisDependency())->pixelForValues(e->x(), e->y() * animator().phaseY());
        high.setDraw(p);
        drawHighlightLines(context, p, *set);
    }
}

} // namespace charting
