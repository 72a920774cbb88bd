#include "charting/bar_line/ScatterChartDataSet.h"

#include "charting/bar_line/ShapeRenderers.h"
#include "kit/base/Make.h"

namespace charting {

std::optional<ScatterChartDataSet::Shape> ScatterChartDataSet::shapeFromRaw(int raw) {
    if (raw < 0 || raw > 6) return std::nullopt;
    return static_cast<Shape>(raw);
}

std::shared_ptr<ShapeRenderer> ScatterChartDataSet::renderer(Shape shape) {
    switch (shape) {
    case Shape::square: return std::make_shared<SquareShapeRenderer>();
    case Shape::circle: return std::make_shared<CircleShapeRenderer>();
    case Shape::triangle: return std::make_shared<TriangleShapeRenderer>();
    case Shape::cross: return std::make_shared<CrossShapeRenderer>();
    case Shape::x: return std::make_shared<XShapeRenderer>();
    case Shape::chevronUp: return std::make_shared<ChevronUpShapeRenderer>();
    case Shape::chevronDown: return std::make_shared<ChevronDownShapeRenderer>();
    }
    // Only a value cast from outside 0 to 6 gets here; shapeFromRaw refuses those.
    return nullptr;
}

ScatterChartDataSet::ScatterChartDataSet() : shapeRenderer_(std::make_shared<SquareShapeRenderer>()) {}

ScatterChartDataSet::ScatterChartDataSet(std::vector<EntryPtr> entries, std::optional<std::string> label)
    : LineScatterCandleRadarChartDataSet(std::move(entries), std::move(label)),
      shapeRenderer_(std::make_shared<SquareShapeRenderer>()) {
    setDrawHorizontalHighlightIndicatorEnabled(true);
    setDrawVerticalHighlightIndicatorEnabled(true);
}

std::shared_ptr<ChartBaseDataSet> ScatterChartDataSet::makeEmpty() const { return kit::make<ScatterChartDataSet>(); }

void ScatterChartDataSet::copyInto(ChartBaseDataSet& copy) const {
    LineScatterCandleRadarChartDataSet::copyInto(copy);
    auto& set = static_cast<ScatterChartDataSet&>(copy);
    set.scatterShapeSize_ = scatterShapeSize_;
    set.scatterShapeHoleRadius_ = scatterShapeHoleRadius_;
    set.scatterShapeHoleColor_ = scatterShapeHoleColor_;
    set.shapeRenderer_ = shapeRenderer_;
}

} // namespace charting
