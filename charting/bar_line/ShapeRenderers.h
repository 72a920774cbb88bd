#pragma once
// The seven built-in scatter markers. They keep no state, so one object may serve many sets.
// Filled square and circle shapes may have a hole (a ring out to half the shape size, the hole
// filled in the hole colour when there is one); the triangle has a hollow inner triangle; the
// stroked shapes (cross, x, chevrons) ignore the hole and always use a line width of 1.
#include "charting/bar_line/ShapeRenderer.h"

namespace charting {

class SquareShapeRenderer : public ShapeRenderer {
public:
    void renderShape(kit::Context& context, const ScatterChartDataSet& dataSet, const ViewPortHandler& viewPortHandler,
                     kit::Point point, kit::Color color) override;
    std::optional<double> stampRadius(const ScatterChartDataSet& dataSet) const override;
};

class CircleShapeRenderer : public ShapeRenderer {
public:
    void renderShape(kit::Context& context, const ScatterChartDataSet& dataSet, const ViewPortHandler& viewPortHandler,
                     kit::Point point, kit::Color color) override;
    std::optional<double> stampRadius(const ScatterChartDataSet& dataSet) const override;
};

class TriangleShapeRenderer : public ShapeRenderer {
public:
    void renderShape(kit::Context& context, const ScatterChartDataSet& dataSet, const ViewPortHandler& viewPortHandler,
                     kit::Point point, kit::Color color) override;
    std::optional<double> stampRadius(const ScatterChartDataSet& dataSet) const override;
};

class CrossShapeRenderer : public ShapeRenderer {
public:
    void renderShape(kit::Context& context, const ScatterChartDataSet& dataSet, const ViewPortHandler& viewPortHandler,
                     kit::Point point, kit::Color color) override;
    std::optional<double> stampRadius(const ScatterChartDataSet& dataSet) const override;
};

class XShapeRenderer : public ShapeRenderer {
public:
    void renderShape(kit::Context& context, const ScatterChartDataSet& dataSet, const ViewPortHandler& viewPortHandler,
                     kit::Point point, kit::Color color) override;
    std::optional<double> stampRadius(const ScatterChartDataSet& dataSet) const override;
};

// Twice as large as the cross: apex a whole shape size above the point, arms a whole size out.
class ChevronUpShapeRenderer : public ShapeRenderer {
public:
    void renderShape(kit::Context& context, const ScatterChartDataSet& dataSet, const ViewPortHandler& viewPortHandler,
                     kit::Point point, kit::Color color) override;
    std::optional<double> stampRadius(const ScatterChartDataSet& dataSet) const override;
};

class ChevronDownShapeRenderer : public ShapeRenderer {
public:
    void renderShape(kit::Context& context, const ScatterChartDataSet& dataSet, const ViewPortHandler& viewPortHandler,
                     kit::Point point, kit::Color color) override;
    std::optional<double> stampRadius(const ScatterChartDataSet& dataSet) const override;
};

} // namespace charting
