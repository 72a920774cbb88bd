#include "charting/bar_line/ScatterChartRenderer.h"

#include "charting/bar_line/ScatterChartData.h"
#include "charting/bar_line/ScatterChartView.h"
#include "charting/bar_line/ShapeRenderer.h"
#include "charting/core/Transformer.h"
#include "kit/base/Console.h"
#include "kit/graphics/Context.h"
#include "kit/graphics/Stamper.h"

#include <algorithm>
#include <optional>

namespace charting {

namespace {

// One drawn marker per colour, copied to every point, where the shape and the context allow it.
class MarkerStamps {
public:
    MarkerStamps(kit::Context& context, ShapeRenderer& shape, const ScatterChartDataSet& set, const ViewPortHandler& vp)
        : shape_(shape), set_(set), vp_(vp), reach_(shape.stampRadius(set)) {
        if (reach_) stamper_.emplace(context);
    }

    // False when the marker must be drawn directly.
    bool stamp(kit::Color colour, kit::Point p) {
        if (!stamper_ || !stamper_->isReady()) return false;
        auto known = std::find_if(figures_.begin(), figures_.end(), [&](const auto& f) { return f.first == colour; });
        if (known == figures_.end()) {
            // Many colours would mean drawing many stamps; past a few, drawing directly is as quick.
            if (figures_.size() >= maxColours) return false;
            const int id = stamper_->addFigure(*reach_, [this, colour](kit::Context& c, kit::Point centre) {
                shape_.renderShape(c, set_, vp_, centre, colour);
            });
            known = figures_.insert(figures_.end(), {colour, id});
        }
        stamper_->stamp(known->second, p);
        return true;
    }

private:
    static constexpr std::size_t maxColours = 32;
    ShapeRenderer& shape_;
    const ScatterChartDataSet& set_;
    const ViewPortHandler& vp_;
    std::optional<double> reach_;
    std::optional<kit::Stamper> stamper_;
    std::vector<std::pair<kit::Color, int>> figures_;
};

} // namespace

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
    MarkerStamps stamps(context, *shape, dataSet, vp);
    const std::int64_t n = revealedCount(dataSet.entryCount());
    // Entries are read in place: a shared-pointer copy per entry would cost more than the marker.
    const auto& entries = dataSet.entries();
    for (std::int64_t j = 0; j < n; ++j) {
        const ChartDataEntry* e = entries[static_cast<std::size_t>(j)].get();
        if (!e) continue;
        const kit::Point p = matrix.apply(kit::Point{e->x(), e->y() * phaseY});
        if (!vp.isInBoundsRight(p.x)) break;
        if (!vp.isInBoundsLeft(p.x) || !vp.isInBoundsY(p.y)) continue;
        const kit::Color colour = dataSet.color(j);
        if (!stamps.stamp(colour, p)) shape->renderShape(context, dataSet, vp, p, colour);
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
