#include "charting/pie_radar/PieChartRenderer.h"

#include "charting/core/BarLineScatterCandleBubbleRenderer.h"
#include "charting/core/ChartUtils.h"
#include "charting/core/ViewPortHandler.h"
#include "charting/pie_radar/CircleGeometry.h"
#include "charting/pie_radar/PieChartData.h"
#include "charting/pie_radar/PieChartDataSet.h"
#include "charting/pie_radar/PieChartView.h"
#include "kit/graphics/Context.h"
#include "kit/graphics/Path.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace charting {

namespace {
constexpr double kEpsilon = std::numeric_limits<double>::epsilon();
} // namespace

PieChartRenderer::PieChartRenderer(const std::shared_ptr<PieChartView>& chart, std::shared_ptr<Animator> animator,
                                   std::shared_ptr<ViewPortHandler> viewPortHandler)
    : viewPortHandler_(std::move(viewPortHandler)), animator_(std::move(animator)), chart_(chart) {}

void PieChartRenderer::drawData(kit::Context& context) {
    const auto chart = this->chart();
    if (!chart || !chart->data()) return;
    accessibleChartElements_.clear();
    for (const DataSetPtr& set : chart->data()->dataSets()) {
        const auto* pie = dynamic_cast<const PieChartDataSet*>(set.get());
        if (pie && pie->isVisible() && pie->entryCount() > 0) drawDataSet(context, *pie);
    }
}

double PieChartRenderer::getSliceSpace(const PieChartDataSet& dataSet) const {
    const auto chart = this->chart();
    const auto data = chart ? std::dynamic_pointer_cast<PieChartData>(chart->data()) : nullptr;
    if (!dataSet.automaticallyDisableSliceSpacing() || !data) return dataSet.sliceSpace();
    const double spaceSizeRatio =
        dataSet.sliceSpace() / std::min(viewPortHandler_->contentWidth(), viewPortHandler_->contentHeight());
    const double minValueRatio = data->yValueShares().of(dataSet.yMin()) * 2.0;
    return minValueRatio < spaceSizeRatio ? 0.0 : dataSet.sliceSpace();
}

double PieChartRenderer::calculateMinimumRadiusForSpacedSlice(kit::Point center, double radius, double angle,
                                                              double arcStartPointX, double arcStartPointY,
                                                              double startAngle, double sweepAngle) const {
    const kit::Point end = onCircle(center, radius, startAngle + sweepAngle);
    const kit::Point mid = onCircle(center, radius, startAngle + sweepAngle / 2.0);
    const double basePointsDistance = std::hypot(end.x - arcStartPointX, end.y - arcStartPointY);
    const double containedTriangleHeight = basePointsDistance / 2.0 * std::tan(radians(180.0 - angle) / 2.0);
    double spacedRadius = radius - containedTriangleHeight;
    spacedRadius -= std::hypot(mid.x - (end.x + arcStartPointX) / 2.0, mid.y - (end.y + arcStartPointY) / 2.0);
    return spacedRadius;
}

int PieChartRenderer::visibleSliceCount(const PieChartDataSet& dataSet) {
    int count = 0;
    for (std::int64_t j = 0; j < dataSet.entryCount(); ++j) {
        const EntryPtr e = dataSet.entryForIndex(j);
        if (e && std::fabs(e->y()) > kEpsilon) ++count;
    }
    return count;
}

void PieChartRenderer::SliceLayout::addInnerArc(kit::Path& path, double innerRadius, double angle, double sliceAngle) const {
    const double spaceAngleInner = innerRadius == 0.0 ? 0.0 : spaceAngle(innerRadius);
    const double sweep = sweepAngle(sliceAngle, spaceAngleInner);
    const double end = startAngle(angle, spaceAngleInner) + sweep;
    path.lineTo(onCircle(center, innerRadius, end));
    path.relativeArc(center, innerRadius, radians(end), -radians(sweep));
}

void PieChartRenderer::drawDataSet(kit::Context& context, const PieChartDataSet& dataSet) {
    const auto chart = this->chart();
    if (!chart) return;
    const double rotationAngle = chart->rotationAngle();
    const double phaseX = animator_->phaseX();
    const double phaseY = animator_->phaseY();
    const std::int64_t entryCount = dataSet.entryCount();
    const std::vector<double>& drawAngles = chart->drawAngles();
    // The angles are kept in step with the entries; a set they do not cover is not drawn.
    if (static_cast<std::int64_t>(drawAngles.size()) < entryCount) return;
    const kit::Point center = chart->centerCircleBox();
    const double radius = chart->radius();
    const bool drawInnerArc = chart->isDrawHoleEnabled() && !chart->isDrawSlicesUnderHoleEnabled();
    const double userInnerRadius = drawInnerArc ? radius * chart->holeRadiusPercent() : 0.0;

    const int visibleAngleCount = visibleSliceCount(dataSet);
    const double sliceSpace = visibleAngleCount <= 1 ? 0.0 : getSliceSpace(dataSet);
    const SliceLayout layout{center, rotationAngle, phaseY, sliceSpace, visibleAngleCount == 1};

    kit::SavedState saved(context);
    accessibleChartElements_.push_back(createPieHeader(*chart, dataSet));
    const auto data = std::dynamic_pointer_cast<PieChartData>(chart->data());
    const PieChartData::Shares shares = data ? data->yValueShares() : PieChartData::Shares{};

    double angle = 0.0;
    const double sliceSpaceAngleOuter = layout.spaceAngle(radius);
    for (std::int64_t j = 0; j < entryCount; ++j) {
        const double sliceAngle = drawAngles[static_cast<std::size_t>(j)];
        const EntryPtr e = dataSet.entryForIndex(j);
        if (!e) continue;
        const bool highlightedHere = dataSet.isHighlightEnabled() && j <= std::numeric_limits<int>::max() &&
                                     chart->needsHighlight(static_cast<int>(j));
        if (!(std::fabs(e->y()) < kEpsilon) && !highlightedHere) {
            const bool accountForSliceSpacing = sliceSpace > 0.0 && sliceAngle <= 180.0;
            context.setFillColor(dataSet.color(j));
            const double startAngleOuter = layout.startAngle(angle, sliceSpaceAngleOuter);
            const double sweepAngleOuter = layout.sweepAngle(sliceAngle, sliceSpaceAngleOuter);

            kit::Path path;
            const kit::Point arcStart = onCircle(center, radius, startAngleOuter);
            path.moveTo(arcStart);
            path.relativeArc(center, radius, radians(startAngleOuter), radians(sweepAngleOuter));

            const auto minSpacedRadius = [&] {
                return calculateMinimumRadiusForSpacedSlice(center, radius, sliceAngle * phaseY, arcStart.x, arcStart.y,
                                                            startAngleOuter, sweepAngleOuter);
            };
            if (!drawInnerArc) {
                if (accountForSliceSpacing) {
                    path.lineTo(onCircle(center, minSpacedRadius(), startAngleOuter + sweepAngleOuter / 2.0));
                } else {
                    path.lineTo(center);
                }
            } else if (userInnerRadius <= 0.0 && !accountForSliceSpacing) {
                path.lineTo(center);
            } else {
                double innerRadius = userInnerRadius;
                if (accountForSliceSpacing) innerRadius = std::min(radius, std::max(std::fabs(minSpacedRadius()), userInnerRadius));
                layout.addInnerArc(path, innerRadius, angle, sliceAngle);
            }
            path.close();
            context.beginPath();
            context.addPath(path);
            context.fillPath(true);
            accessibleChartElements_.push_back(createAccessibleElement(j, *chart, dataSet, path, false, shares));
        }
        angle += sliceAngle * phaseX;
    }
}

void PieChartRenderer::drawExtras(kit::Context& context) {
    drawHole(context);
    drawCenterText(context);
}

void PieChartRenderer::drawHole(kit::Context& context) {
    const auto chart = this->chart();
    if (!chart || !chart->isDrawHoleEnabled()) return;
    kit::SavedState saved(context);
    const double radius = chart->radius();
    const double holeRadius = radius * chart->holeRadiusPercent();
    const kit::Point center = chart->centerCircleBox();
    const auto square = [&](double r) { return kit::Rect{center.x - r, center.y - r, r * 2.0, r * 2.0}; };
    if (const auto& hole = chart->holeColor(); hole && *hole != kit::Color::clearColor()) {
        context.setFillColor(*hole);
        context.fillEllipse(square(holeRadius));
    }
    const auto& ring = chart->transparentCircleColor();
    if (ring && *ring != kit::Color::clearColor() && chart->holeRadiusPercent() < chart->transparentCircleRadiusPercent()) {
        context.setAlpha(animator_->phaseX() * animator_->phaseY());
        const double secondHoleRadius = radius * chart->transparentCircleRadiusPercent();
        context.setFillColor(*ring);
        context.beginPath();
        context.addEllipse(square(secondHoleRadius));
        context.addEllipse(square(holeRadius));
        context.fillPath(true);
    }
}

bool PieChartRenderer::isDrawingValuesAllowed(const ChartDataProvider* dataProvider) const {
    if (!dataProvider || !dataProvider->data()) return false;
    const double limit = static_cast<double>(dataProvider->maxVisibleCount()) * viewPortHandler_->scaleX();
    return dataProvider->data()->entryCount() < truncToInt(limit);
}

std::shared_ptr<NSUIAccessibilityElement> PieChartRenderer::createAccessibleHeader(ChartViewBase& chart,
                                                                                  const ChartData& data,
                                                                                  const std::string& defaultDescription) {
    return charting::createAccessibleHeader(chart, data, defaultDescription);
}

} // namespace charting
