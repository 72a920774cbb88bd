#include "charting/pie_radar/PieChartView.h"

#include "charting/core/ChartUtils.h"
#include "charting/core/LabelColor.h"
#include "charting/pie_radar/PieChartData.h"
#include "charting/pie_radar/PieChartDataSet.h"
#include "charting/pie_radar/PieChartRenderer.h"
#include "charting/pie_radar/PieRadarHighlighter.h"
#include "kit/base/Console.h"
#include "kit/graphics/Context.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace charting {

PieChartView::PieChartView(const kit::Rect& frame)
    : PieRadarChartViewBase(frame),
      entryLabelFont_(kit::Font::named("HelveticaNeue", 13)),
      transparentCircleColor_(kit::Color::whiteColor().withAlpha(105.0 / 255.0)) {}

void PieChartView::initialize() {
    PieRadarChartViewBase::initialize();
    const std::shared_ptr<PieChartView> self(shared_from_this(), this);
    setRenderer(std::make_shared<PieChartRenderer>(self, chartAnimator(), viewPortHandler()));
    setHighlighter(std::make_shared<PieHighlighter>(self));
}

const std::shared_ptr<XAxis>& PieChartView::xAxis() const { kit::fatal("PieChart has no XAxis"); }

void PieChartView::setXAxis(std::shared_ptr<XAxis>) { kit::fatal("PieChart has no XAxis"); }

void PieChartView::calcAngles() {
    drawAngles_.clear();
    absoluteAngles_.clear();
    const auto pieData = std::dynamic_pointer_cast<PieChartData>(data());
    if (!pieData) return;
    const PieChartData::Shares shares = pieData->yValueShares();
    for (const DataSetPtr& set : pieData->dataSets()) {
        if (!set) continue;
        for (std::int64_t j = 0; j < set->entryCount(); ++j) {
            const EntryPtr e = set->entryForIndex(j);
            if (!e) continue;
            // A zero sum has no shares: every slice gets no angle rather than an infinite one.
            const double angle = shares.of(std::fabs(e->y())) * maxAngle_;
            drawAngles_.push_back(angle);
            absoluteAngles_.push_back(absoluteAngles_.empty() ? angle : absoluteAngles_.back() + angle);
        }
    }
}

bool PieChartView::isHalfPie() const {
    const kit::Rect content = viewPortHandler()->contentRect();
    return maxAngle_ <= 180.0 && content.height() < content.width();
}

double PieChartView::halfPieRadius() const {
    // A half disc is twice as wide as it is high: in a view narrower than 2:1 the width limits it.
    const kit::Rect content = viewPortHandler()->contentRect();
    const double width = content.width() - extraLeftOffset() - extraRightOffset();
    return std::min(diameter(), width / 2.0);
}

kit::Point PieChartView::pieCenterOffsets() const {
    kit::Point c = centerOffsets();
    // The straight edge goes half the radius below the centre, so the half disc sits centred.
    if (isHalfPie()) c.y += halfPieRadius() / 2.0;
    return c;
}

double PieChartView::angleForPoint(double x, double y) const {
    const kit::Point c = pieCenterOffsets();
    const double tx = x - c.x, ty = y - c.y;
    const double length = std::sqrt(tx * tx + ty * ty);
    double angle = std::acos(ty / length) * 180.0 / std::numbers::pi;
    if (x > c.x) angle = 360.0 - angle;
    angle += 90.0;
    if (angle > 360.0) angle -= 360.0;
    return angle;
}

double PieChartView::distanceToCenter(double x, double y) const {
    const kit::Point c = pieCenterOffsets();
    const double dx = std::fabs(x - c.x), dy = std::fabs(y - c.y);
    return std::sqrt(dx * dx + dy * dy);
}

void PieChartView::calculateOffsets() {
    PieRadarChartViewBase::calculateOffsets();
    if (!data()) return;
    const double r = isHalfPie() ? halfPieRadius() : diameter() / 2.0;
    const kit::Point c = pieCenterOffsets();
    double shift = 0.0;
    if (const auto pieData = std::dynamic_pointer_cast<PieChartData>(data())) {
        if (const auto set = std::dynamic_pointer_cast<PieChartDataSet>(pieData->dataSet(0))) shift = set->selectionShift();
    }
    circleBox_ = kit::Rect{c.x - r + shift, c.y - r + shift, r * 2.0 - shift * 2.0, r * 2.0 - shift * 2.0};
}

int PieChartView::indexForAngle(double angle) const {
    // Cleared data leaves the last angles behind; they name no slice any more.
    if (!data()) return -1;
    const double a = normalizedAngle(angle - rotationAngle());
    for (std::size_t i = 0; i < absoluteAngles_.size(); ++i) {
        if (absoluteAngles_[i] > a) return static_cast<int>(i);
    }
    return -1;
}

double PieChartView::requiredLegendOffset() const { return legend()->font().pointSize() * 2.0; }

kit::Point PieChartView::getMarkerPosition(const Highlight& highlight) {
    const kit::Point center = centerCircleBox();
    const double r = radius();
    const double off = drawHoleEnabled_ ? (r - r * holeRadiusPercent_) * 0.5 : r / 10.0 * 3.6;
    // A highlight from outside may name no slice: the marker then sits at the centre.
    const double x = highlight.x();
    if (!(x >= 0.0) || x >= static_cast<double>(drawAngles_.size())) return center;
    const auto i = static_cast<std::size_t>(x);
    const double a = (rotationAngle() + absoluteAngles_[i] - drawAngles_[i] / 2.0) * chartAnimator()->phaseY();
    const double rad = a * std::numbers::pi / 180.0;
    return {center.x + (r - off) * std::cos(rad), center.y + (r - off) * std::sin(rad)};
}

bool PieChartView::needsHighlight(int index) const {
    if (!valuesToHighlight()) return false;
    for (const Highlight& h : highlighted()) {
        if (std::isfinite(h.x()) && truncToInt(h.x()) == index) return true;
    }
    return false;
}

int PieChartView::dataSetIndexForIndex(double xValue) const {
    const auto d = data();
    if (!d) return -1;
    const auto& sets = d->dataSets();
    for (std::size_t i = 0; i < sets.size(); ++i) {
        if (sets[i] && sets[i]->entryForXValue(xValue, std::numeric_limits<double>::quiet_NaN())) return static_cast<int>(i);
    }
    return -1;
}

std::optional<std::string> PieChartView::centerText() const {
    if (!centerAttributedText_) return std::nullopt;
    return centerAttributedText_->string();
}

void PieChartView::setCenterText(std::optional<std::string> text) {
    if (!text) {
        setCenterAttributedText(std::nullopt);
        return;
    }
    kit::ParagraphStyle paragraph;
    paragraph.lineBreakMode = kit::LineBreakMode::truncateTail;
    paragraph.alignment = kit::TextAlignment::center;
    kit::AttributedString attributed(std::move(*text), kit::TextAttributes{kit::Font::system(12), labelColor(), paragraph});
    setCenterAttributedText(std::move(attributed));
}

void PieChartView::setMaxAngle(double v) {
    maxAngle_ = v;
    if (maxAngle_ > 360.0) maxAngle_ = 360.0;
    if (maxAngle_ < 90.0) maxAngle_ = 90.0;
}

void PieChartView::drawRect(kit::Context& context, const kit::Rect& rect) {
    ChartViewBase::drawRect(context, rect);
    if (!data() || !renderer()) return;
    ChartDataRenderer& r = *renderer();
    r.drawData(context);
    if (valuesToHighlight()) r.drawHighlighted(context, highlighted());
    r.drawExtras(context);
    r.drawValues(context);
    legendRenderer()->renderLegend(context);
    drawDescription(context);
    drawMarkers(context);
}

} // namespace charting
