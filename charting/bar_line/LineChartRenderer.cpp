#include "charting/bar_line/LineChartRenderer.h"

#include "charting/bar_line/LineChartData.h"
#include "charting/bar_line/LineChartView.h"
#include "charting/bar_line/ColumnCoverage.h"
#include "charting/bar_line/PixelPolyline.h"
#include "charting/core/ContentLine.h"
#include "charting/core/Transformer.h"
#include "kit/base/Console.h"
#include "kit/graphics/Context.h"
#include "kit/graphics/Gradient.h"

#include <algorithm>
#include <cmath>

namespace charting {

LineChartRenderer::LineChartRenderer(const std::shared_ptr<LineDataProvider>& dataProvider,
                                     std::shared_ptr<Animator> animator, std::shared_ptr<ViewPortHandler> viewPortHandler)
    : LineRadarRenderer(std::move(animator), std::move(viewPortHandler)), dataProvider_(dataProvider) {}

void LineChartRenderer::drawData(kit::Context& context) {
    auto provider = dataProvider();
    if (!provider) return;
    auto lineData = provider->lineData();
    if (!lineData) return;
    for (const auto& set : lineData->dataSets()) {
        // Line data holding another kind of set: that set is not drawn.
        const auto* line = dynamic_cast<const LineChartDataSet*>(set.get());
        if (line && line->isVisible()) drawDataSet(context, *line);
    }
}

void LineChartRenderer::drawDataSet(kit::Context& context, const LineChartDataSet& dataSet) {
    if (dataSet.entryCount() < 1) return;
    kit::SavedState saved(context);
    context.setLineWidth(dataSet.lineWidth());
    setComponentDash(context, dataSet.lineDashPhase(), dataSet.lineDashLengths());
    context.setLineCap(dataSet.lineCapType());
    switch (dataSet.mode()) {
    case LineChartDataSet::Mode::linear:
    case LineChartDataSet::Mode::stepped: drawLinear(context, dataSet); break;
    case LineChartDataSet::Mode::cubicBezier: drawCubicBezier(context, dataSet); break;
    case LineChartDataSet::Mode::horizontalBezier: drawHorizontalBezier(context, dataSet); break;
    default: kit::fatal("Unexpected line mode " + std::to_string(static_cast<int>(dataSet.mode())));
    }
}

namespace {

kit::Point mapped(const kit::AffineTransform& m, double x, double y) { return m.apply(kit::Point{x, y}); }

} // namespace

void LineChartRenderer::drawCubicBezier(kit::Context& context, const LineChartDataSet& dataSet) {
    const double k = dataSet.cubicIntensity();
    drawCurve(context, dataSet, [&](kit::Path& path, const kit::AffineTransform& matrix, double phaseY) {
        if (xBounds_.range < 1) return true;
        EntryPtr prevPrev = dataSet.entryForIndex(std::max<std::int64_t>(xBounds_.min - 1, 0));
        EntryPtr prev = dataSet.entryForIndex(std::max<std::int64_t>(xBounds_.min, 0));
        if (!prev || !prevPrev) return false;
        path.moveTo(mapped(matrix, prev->x(), prev->y() * phaseY));
        EntryPtr next = prev;
        const std::int64_t count = dataSet.entryCount();
        for (std::int64_t j = xBounds_.min + 1; j <= xBounds_.min + xBounds_.range; ++j) {
            EntryPtr cur = dataSet.entryForIndex(j);
            next = j + 1 < count ? dataSet.entryForIndex(j + 1) : cur;
            if (!cur || !next) break;
            const double prevDx = (cur->x() - prevPrev->x()) * k;
            const double prevDy = (cur->y() - prevPrev->y()) * k;
            const double curDx = (next->x() - prev->x()) * k;
            const double curDy = (next->y() - prev->y()) * k;
            path.curveTo(mapped(matrix, prev->x() + prevDx, (prev->y() + prevDy) * phaseY),
                         mapped(matrix, cur->x() - curDx, (cur->y() - curDy) * phaseY),
                         mapped(matrix, cur->x(), cur->y() * phaseY));
            prevPrev = prev;
            prev = cur;
        }
        return true;
    });
}

void LineChartRenderer::drawHorizontalBezier(kit::Context& context, const LineChartDataSet& dataSet) {
    drawCurve(context, dataSet, [&](kit::Path& path, const kit::AffineTransform& matrix, double phaseY) {
        if (xBounds_.range < 1) return true;
        EntryPtr prev = dataSet.entryForIndex(xBounds_.min);
        if (!prev) return false;
        path.moveTo(mapped(matrix, prev->x(), prev->y() * phaseY));
        for (std::int64_t j = xBounds_.min + 1; j <= xBounds_.min + xBounds_.range; ++j) {
            EntryPtr cur = dataSet.entryForIndex(j);
            if (!cur) break;
            const double cpx = prev->x() + (cur->x() - prev->x()) / 2.0;
            path.curveTo(mapped(matrix, cpx, prev->y() * phaseY), mapped(matrix, cpx, cur->y() * phaseY),
                         mapped(matrix, cur->x(), cur->y() * phaseY));
            prev = cur;
        }
        return true;
    });
}

void LineChartRenderer::drawCurve(kit::Context& context, const LineChartDataSet& dataSet, const CurveBuilder& build) {
    auto provider = dataProvider();
    if (!provider) return;
    const auto trans = provider->getTransformer(dataSet.axisDependency());
    const double phaseY = animator().phaseY();
    xBounds_.set(*provider, dataSet, &animator());
    const kit::AffineTransform matrix = trans->valueToPixelMatrix();
    kit::Path spline;
    if (!build(spline, matrix, phaseY)) return;

    kit::SavedState saved(context);
    if (dataSet.isDrawFilledEnabled()) {
        kit::Path fillPath = spline;
        drawCubicFill(context, dataSet, fillPath, matrix, xBounds_);
    }
    if (dataSet.isDrawLineWithGradientEnabled()) {
        drawGradientLine(context, dataSet, spline, matrix);
    } else {
        context.beginPath();
        context.addPath(spline);
        context.setStrokeColor(dataSet.color(0));
        context.strokePath();
    }
}

void LineChartRenderer::fillArea(kit::Context& context, const LineChartDataSet& dataSet, const kit::Path& path) {
    if (const auto& fill = dataSet.fill()) drawFilledPath(context, path, *fill, dataSet.fillAlpha());
    else drawFilledPath(context, path, dataSet.fillColor(), dataSet.fillAlpha());
}

void LineChartRenderer::drawCubicFill(kit::Context& context, const LineChartDataSet& dataSet, kit::Path& spline,
                                      const kit::AffineTransform& matrix, const XBounds& bounds) {
    auto provider = dataProvider();
    if (!provider || bounds.range <= 0) return;
    const double fillMin = dataSet.fillFormatter()->getFillLinePosition(dataSet, *provider);
    const EntryPtr last = dataSet.entryForIndex(bounds.min + bounds.range);
    const EntryPtr first = dataSet.entryForIndex(bounds.min);
    spline.lineTo(mapped(matrix, last ? last->x() : 0.0, fillMin));
    spline.lineTo(mapped(matrix, first ? first->x() : 0.0, fillMin));
    spline.close();
    fillArea(context, dataSet, spline);
}

void LineChartRenderer::drawLinear(kit::Context& context, const LineChartDataSet& dataSet) {
    auto provider = dataProvider();
    if (!provider) return;
    const auto trans = provider->getTransformer(dataSet.axisDependency());
    const std::int64_t entryCount = dataSet.entryCount();
    const bool stepped = dataSet.mode() == LineChartDataSet::Mode::stepped;
    const std::size_t pointsPerEntryPair = stepped ? 4 : 2;
    const double phaseY = animator().phaseY();
    xBounds_.set(*provider, dataSet, &animator());
    // Unsorted entries can give a negative range: nothing is drawn.
    if (xBounds_.range < 0) return;

    if (dataSet.isDrawFilledEnabled() && entryCount > 0) drawLinearFill(context, dataSet, *trans, xBounds_);

    kit::SavedState saved(context);
    const kit::AffineTransform matrix = trans->valueToPixelMatrix();
    const ViewPortHandler& vp = viewPortHandler();

    if (dataSet.colors().size() > 1 && !dataSet.isDrawLineWithGradientEnabled()) {
        if (lineSegments_.size() != pointsPerEntryPair) lineSegments_.assign(pointsPerEntryPair, kit::Point{});
        for (std::int64_t j = xBounds_.min; j < xBounds_.min + xBounds_.range; ++j) {
            const EntryPtr e = dataSet.entryForIndex(j);
            if (!e) continue;
            lineSegments_[0] = {e->x(), e->y() * phaseY};
            if (j < xBounds_.max) {
                const EntryPtr e2 = dataSet.entryForIndex(j + 1);
                if (!e2) break;
                if (stepped) {
                    lineSegments_[1] = {e2->x(), lineSegments_[0].y};
                    lineSegments_[2] = lineSegments_[1];
                    lineSegments_[3] = {e2->x(), e2->y() * phaseY};
                } else {
                    lineSegments_[1] = {e2->x(), e2->y() * phaseY};
                }
            } else {
                lineSegments_[1] = lineSegments_[0];
            }
            for (auto& p : lineSegments_) p = matrix.apply(p);
            const kit::Point first = lineSegments_.front();
            const kit::Point last = lineSegments_.back();
            if (!vp.isInBoundsRight(first.x)) break;
            if (first == last || !vp.isInBoundsLeft(last.x) || !vp.isInBoundsTop(std::max(first.y, last.y)) ||
                !vp.isInBoundsBottom(std::min(first.y, last.y)))
                continue;
            context.setStrokeColor(dataSet.color(j));
            context.strokeLineSegments(lineSegments_);
        }
        return;
    }

    if (!dataSet.entryForIndex(xBounds_.min)) return;
    const std::vector<kit::Point>& points = linePoints(context, dataSet, matrix);
    kit::Path path;
    const std::vector<std::size_t>& starts = linePoints_.subpathStarts();
    for (std::size_t s = 0; s < starts.size(); ++s) {
        const std::size_t from = starts[s], to = s + 1 < starts.size() ? starts[s + 1] : points.size();
        path.moveTo(points[from]);
        // A lone point still draws its caps, as a zero-length segment does.
        if (to - from == 1) path.lineTo(points[from]);
        for (std::size_t i = from + 1; i < to; ++i) path.lineTo(points[i]);
    }
    if (dataSet.isDrawLineWithGradientEnabled()) {
        drawGradientLine(context, dataSet, path, matrix);
        return;
    }
    kit::Color colour = dataSet.color(0);
    // Where the stroke meets a crowded column's ink the two overlap: a translucent line is drawn
    // opaque into a layer of its own, which is then laid down with the colour's alpha, so that it
    // inks once as one stroke does.
    const bool layered = !linePoints_.denseColumns().empty() && (colour.alpha() < 1 || context.alpha() < 1);
    if (layered) {
        context.setAlpha(context.alpha() * colour.alpha());
        context.beginTransparencyLayer();
        colour = colour.withAlpha(1);
    }
    context.beginPath();
    context.addPath(path);
    context.setStrokeColor(colour);
    context.strokePath();
    fillDenseColumns(context, colour, dataSet.lineWidth());
    if (layered) context.endTransparencyLayer();
}

void LineChartRenderer::fillDenseColumns(kit::Context& context, const kit::Color& colour, double lineWidth) {
    const std::vector<DenseColumn>& columns = linePoints_.denseColumns();
    if (columns.empty()) return;
    const kit::AffineTransform toDevice = context.deviceTransform();
    const kit::Rect clip = toDevice.apply(viewPortHandler().contentRect());
    context.setFillColor(colour);
    context.fillMask(denseInk_.build(columns, linePoints_.miterTurns(), lineWidth * std::abs(toDevice.a),
                                     context.lineJoin() == kit::LineJoin::miter ? context.miterLimit() : 1.0, clip));
}

void LineChartRenderer::drawLinearFill(kit::Context& context, const LineChartDataSet& dataSet, const Transformer& trans,
                                       const XBounds& bounds) {
    auto provider = dataProvider();
    if (!provider) return;
    const double fillMin = dataSet.fillFormatter()->getFillLinePosition(dataSet, *provider);
    deviceTransform_ = context.deviceTransform();
    const kit::Path path = generateFilledPath(dataSet, fillMin, bounds, trans.valueToPixelMatrix());
    fillArea(context, dataSet, path);
}

kit::Path LineChartRenderer::generateFilledPath(const LineChartDataSet& dataSet, double fillMin, const XBounds& bounds,
                                                const kit::AffineTransform& matrix) const {
    const double phaseY = animator().phaseY();
    const bool stepped = dataSet.mode() == LineChartDataSet::Mode::stepped;
    const auto& entries = dataSet.entries();
    const std::int64_t last = std::min<std::int64_t>(bounds.min + bounds.range, dataSet.entryCount() - 1);
    const auto at = [&](std::int64_t i) { return i < 0 || i > last ? nullptr : entries[static_cast<std::size_t>(i)].get(); };
    PixelPolyline outline;
    outline.begin(deviceTransform_, PixelPolyline::Reduction::sliceExtremes, static_cast<std::size_t>(std::max<std::int64_t>(bounds.range + 3, 0)));
    if (const ChartDataEntry* e = at(bounds.min)) {
        outline.add(mapped(matrix, e->x(), fillMin));
        outline.add(mapped(matrix, e->x(), e->y() * phaseY));
    }
    for (std::int64_t x = bounds.min + 1; x <= bounds.min + bounds.range; ++x) {
        const ChartDataEntry* e = at(x);
        if (!e) continue;
        if (stepped) {
            const ChartDataEntry* ePrev = at(x - 1);
            if (!ePrev) continue;
            outline.add(mapped(matrix, e->x(), ePrev->y() * phaseY));
        }
        outline.add(mapped(matrix, e->x(), e->y() * phaseY));
    }
    if (const ChartDataEntry* e = at(bounds.min + bounds.range)) outline.add(mapped(matrix, e->x(), fillMin));
    kit::Path path;
    const auto& points = outline.finish();
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (i == 0) path.moveTo(points[i]);
        else path.lineTo(points[i]);
    }
    if (!points.empty()) path.close();
    return path;
}

const std::vector<kit::Point>& LineChartRenderer::linePoints(const kit::Context& context, const LineChartDataSet& dataSet,
                                                             const kit::AffineTransform& matrix) {
    const double phaseY = animator().phaseY();
    const bool stepped = dataSet.mode() == LineChartDataSet::Mode::stepped;
    // Entries are read in place: a shared-pointer copy per entry would cost more than the drawing.
    const auto& entries = dataSet.entries();
    const std::int64_t count = dataSet.entryCount();
    const auto at = [&](std::int64_t i) { return i < 0 || i >= count ? nullptr : entries[static_cast<std::size_t>(i)].get(); };
    // A dash pattern runs along the drawn length, so a dashed line keeps every point. Crowded columns
    // are painted apart from the stroke, in one colour: a gradient keeps them in the stroke.
    const auto reduction = !context.lineDash().isSolid()          ? PixelPolyline::Reduction::everyPoint
                           : dataSet.isDrawLineWithGradientEnabled() ? PixelPolyline::Reduction::sliceExtremes
                                                                     : PixelPolyline::Reduction::denseColumnRanges;
    linePoints_.begin(context.deviceTransform(), reduction,
                      static_cast<std::size_t>(xBounds_.range + 2) * (stepped ? 2 : 1),
                      context.lineJoin() == kit::LineJoin::miter ? context.miterLimit() : 1.0);
    // Each step joins the previous entry to this one, so the line starts one entry before the range.
    std::int64_t joined = -1;
    for (std::int64_t x = xBounds_.min; x <= xBounds_.min + xBounds_.range; ++x) {
        const std::int64_t from = x == 0 ? 0 : x - 1;
        const ChartDataEntry* e1 = at(from);
        const ChartDataEntry* e2 = at(x);
        if (!e1 || !e2) continue;
        if (from != joined) linePoints_.add(mapped(matrix, e1->x(), e1->y() * phaseY));
        if (stepped) linePoints_.add(mapped(matrix, e2->x(), e1->y() * phaseY));
        linePoints_.add(mapped(matrix, e2->x(), e2->y() * phaseY));
        joined = x;
    }
    return linePoints_.finish();
}

void LineChartRenderer::drawGradientLine(kit::Context& context, const LineChartDataSet& dataSet, const kit::Path& spline,
                                         const kit::AffineTransform& matrix) {
    const auto& positions = dataSet.gradientPositions();
    if (!positions || spline.isEmpty()) return;
    const kit::Rect box = spline.boundingBox().insetBy(-dataSet.lineWidth() / 2.0, -dataSet.lineWidth() / 2.0);
    if (!std::isfinite(box.width()) || !std::isfinite(box.height()) || box.isEmpty()) return;

    // Colours and positions are paired from the last one back; extra ones on either side are left out.
    const auto& colors = dataSet.colors();
    const std::size_t n = std::min(colors.size(), positions->size());
    std::vector<kit::Color> stopColors;
    std::vector<double> locations;
    stopColors.reserve(n);
    locations.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        stopColors.push_back(colors[colors.size() - 1 - i]);
        const double p = (*positions)[positions->size() - 1 - i];
        const kit::Point m = matrix.apply(kit::Point{box.minX(), p});
        locations.push_back(std::clamp((m.y - box.minY()) / (box.maxY() - box.minY()), 0.0, 1.0));
    }
    const auto gradient = kit::Gradient::make(stopColors, locations);
    if (!gradient) return;
    kit::SavedState saved(context);
    context.strokeWithGradient(spline, *gradient, {0, box.minY()}, {0, box.maxY()}, kit::GradientExtend{});
}

} // namespace charting
