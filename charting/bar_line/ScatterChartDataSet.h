#pragma once
// The markers of one scatter data set: their size, an optional hole and the object that draws
// them, chosen directly or through one of the built-in shapes.
#include "charting/bar_line/ShapeRenderer.h"
#include "charting/model/BarLineScatterCandleBubbleChartDataSet.h"

namespace charting {

class ScatterChartDataSet : public LineScatterCandleRadarChartDataSet {
public:
    enum class Shape { square = 0, circle = 1, triangle = 2, cross = 3, x = 4, chevronUp = 5, chevronDown = 6 };
    // Nothing for a raw value outside 0 to 6.
    static std::optional<Shape> shapeFromRaw(int raw);
    // A new renderer object of the shape's class on every call.
    static std::shared_ptr<ShapeRenderer> renderer(Shape shape);

    ScatterChartDataSet();
    explicit ScatterChartDataSet(std::vector<EntryPtr> entries, std::optional<std::string> label = "DataSet");

    std::string_view className() const override { return "ScatterChartDataSet"; }

    // Width and height of the marker in points (the chevrons span twice as much).
    double scatterShapeSize() const { return scatterShapeSize_; }
    void setScatterShapeSize(double size) { scatterShapeSize_ = size; }
    // 0: no hole.
    double scatterShapeHoleRadius() const { return scatterShapeHoleRadius_; }
    void setScatterShapeHoleRadius(double r) { scatterShapeHoleRadius_ = r; }
    // Absent: the hole shows what lies beneath.
    const std::optional<kit::Color>& scatterShapeHoleColor() const { return scatterShapeHoleColor_; }
    void setScatterShapeHoleColor(std::optional<kit::Color> c) { scatterShapeHoleColor_ = c; }
    void setScatterShape(Shape shape) { shapeRenderer_ = renderer(shape); }
    // Null: the set is not drawn. Copies share the renderer object.
    const std::shared_ptr<ShapeRenderer>& shapeRenderer() const { return shapeRenderer_; }
    void setShapeRenderer(std::shared_ptr<ShapeRenderer> r) { shapeRenderer_ = std::move(r); }

protected:
    std::shared_ptr<ChartBaseDataSet> makeEmpty() const override;
    void copyInto(ChartBaseDataSet& copy) const override;

private:
    double scatterShapeSize_ = 10.0;
    double scatterShapeHoleRadius_ = 0.0;
    std::optional<kit::Color> scatterShapeHoleColor_;
    std::shared_ptr<ShapeRenderer> shapeRenderer_;
};

// Scatter renderers read scatter sets through this name.
using ScatterChartDataSetProtocol = ScatterChartDataSet;

} // namespace charting
