#include "charting/bar_line/ShapeRenderers.h"

#include "charting/bar_line/ScatterChartDataSet.h"
#include "kit/graphics/Context.h"

#include <algorithm>

namespace charting {

namespace {

using kit::Point;
using kit::Rect;

void strokeTwoSegments(kit::Context& context, kit::Color color, Point a1, Point a2, Point b1, Point b2) {
    context.setLineWidth(1.0);
    context.setStrokeColor(color);
    context.beginPath();
    context.moveTo(a1);
    context.lineTo(a2);
    context.moveTo(b1);
    context.lineTo(b2);
    context.strokePath();
}

// The square and the circle differ only in the figure drawn on each rectangle.
template <class Stroke, class Fill>
void renderHoledShape(kit::Context& context, const ScatterChartDataSet& set, Point p, kit::Color color, Stroke stroke,
                      Fill fill) {
    const double size = set.scatterShapeSize();
    const double half = size * 0.5;
    const double holeRadius = set.scatterShapeHoleRadius();
    const double holeDiameter = holeRadius * 2.0;
    if (holeDiameter > 0) {
        // A hole wider than the shape leaves no ring: a negative width is not drawn.
        const double ringWidth = (size - holeDiameter) * 0.5;
        if (ringWidth > 0) {
            context.setStrokeColor(color);
            context.setLineWidth(ringWidth);
            stroke(Rect{p.x - holeRadius - ringWidth / 2.0, p.y - holeRadius - ringWidth / 2.0,
                        holeDiameter + ringWidth, holeDiameter + ringWidth});
        }
        if (auto holeColor = set.scatterShapeHoleColor()) {
            context.setFillColor(*holeColor);
            fill(Rect{p.x - holeRadius, p.y - holeRadius, holeDiameter, holeDiameter});
        }
    } else {
        context.setFillColor(color);
        fill(Rect{p.x - half, p.y - half, size, size});
    }
}

// A built-in marker stays within half its size (a chevron: its whole size) or its hole, plus half
// of a line and the edge's antialiasing.
std::optional<double> builtInReach(const ScatterChartDataSet& set, double sizes = 0.5) {
    return std::max(set.scatterShapeSize() * sizes, set.scatterShapeHoleRadius()) + 1.0;
}

} // namespace

void SquareShapeRenderer::renderShape(kit::Context& context, const ScatterChartDataSet& set, const ViewPortHandler&,
                                      Point p, kit::Color color) {
    renderHoledShape(
        context, set, p, color, [&](const Rect& r) { context.strokeRect(r); },
        [&](const Rect& r) { context.fillRect(r); });
}

void CircleShapeRenderer::renderShape(kit::Context& context, const ScatterChartDataSet& set, const ViewPortHandler&,
                                      Point p, kit::Color color) {
    renderHoledShape(
        context, set, p, color, [&](const Rect& r) { context.strokeEllipse(r); },
        [&](const Rect& r) { context.fillEllipse(r); });
}

void TriangleShapeRenderer::renderShape(kit::Context& context, const ScatterChartDataSet& set, const ViewPortHandler&,
                                        Point p, kit::Color color) {
    const double size = set.scatterShapeSize();
    const double h = size * 0.5;
    const double holeDiameter = set.scatterShapeHoleRadius() * 2.0;
    const double t = (size - holeDiameter) * 0.5;
    const double x = p.x;
    const double y = p.y;

    context.setFillColor(color);
    context.beginPath();
    context.moveTo({x, y - h});
    context.lineTo({x + h, y + h});
    context.lineTo({x - h, y + h});
    if (holeDiameter > 0) {
        // The inner triangle turns the other way, so the non-zero rule leaves it open.
        context.lineTo({x, y - h});
        context.moveTo({x - h + t, y + h - t});
        context.lineTo({x + h - t, y + h - t});
        context.lineTo({x, y - h + t});
        context.lineTo({x - h + t, y + h - t});
    }
    context.closePath();
    context.fillPath();

    if (holeDiameter > 0) {
        if (auto holeColor = set.scatterShapeHoleColor()) {
            context.setFillColor(*holeColor);
            context.beginPath();
            context.moveTo({x, y - h + t});
            context.lineTo({x + h - t, y + h - t});
            context.lineTo({x - h + t, y + h - t});
            context.closePath();
            context.fillPath();
        }
    }
}

void CrossShapeRenderer::renderShape(kit::Context& context, const ScatterChartDataSet& set, const ViewPortHandler&,
                                     Point p, kit::Color color) {
    const double h = set.scatterShapeSize() * 0.5;
    strokeTwoSegments(context, color, {p.x - h, p.y}, {p.x + h, p.y}, {p.x, p.y - h}, {p.x, p.y + h});
}

void XShapeRenderer::renderShape(kit::Context& context, const ScatterChartDataSet& set, const ViewPortHandler&,
                                 Point p, kit::Color color) {
    const double h = set.scatterShapeSize() * 0.5;
    strokeTwoSegments(context, color, {p.x - h, p.y - h}, {p.x + h, p.y + h}, {p.x + h, p.y - h}, {p.x - h, p.y + h});
}

void ChevronUpShapeRenderer::renderShape(kit::Context& context, const ScatterChartDataSet& set,
                                         const ViewPortHandler&, Point p, kit::Color color) {
    const double s = set.scatterShapeSize();
    strokeTwoSegments(context, color, {p.x, p.y - s}, {p.x + s, p.y}, {p.x, p.y - s}, {p.x - s, p.y});
}

void ChevronDownShapeRenderer::renderShape(kit::Context& context, const ScatterChartDataSet& set,
                                           const ViewPortHandler&, Point p, kit::Color color) {
    const double s = set.scatterShapeSize();
    strokeTwoSegments(context, color, {p.x, p.y + s}, {p.x + s, p.y}, {p.x, p.y + s}, {p.x - s, p.y});
}

std::optional<double> SquareShapeRenderer::stampRadius(const ScatterChartDataSet& set) const { return builtInReach(set); }
std::optional<double> CircleShapeRenderer::stampRadius(const ScatterChartDataSet& set) const { return builtInReach(set); }
std::optional<double> TriangleShapeRenderer::stampRadius(const ScatterChartDataSet& set) const { return builtInReach(set); }
std::optional<double> CrossShapeRenderer::stampRadius(const ScatterChartDataSet& set) const { return builtInReach(set); }
std::optional<double> XShapeRenderer::stampRadius(const ScatterChartDataSet& set) const { return builtInReach(set); }
std::optional<double> ChevronUpShapeRenderer::stampRadius(const ScatterChartDataSet& set) const { return builtInReach(set, 1.0); }
std::optional<double> ChevronDownShapeRenderer::stampRadius(const ScatterChartDataSet& set) const { return builtInReach(set, 1.0); }

} // namespace charting
