#include "charting/bar_line/BarChartView.h"

#include "charting/bar_line/BarChartDataEntry.h"
#include "charting/bar_line/BarChartDataSet.h"
#include "charting/bar_line/BarChartRenderer.h"
#include "charting/bar_line/BarHighlighter.h"
#include "kit/base/Console.h"

namespace charting {

std::shared_ptr<ChartDataProvider> BarChartView::selfProvider() {
    auto self = std::static_pointer_cast<BarChartView>(shared_from_this());
    return std::shared_ptr<ChartDataProvider>(self, static_cast<BarChartDataProvider*>(self.get()));
}

void BarChartView::initialize() {
    BarLineChartViewBase::initialize();
    auto self = std::static_pointer_cast<BarChartView>(shared_from_this());
    setRenderer(std::make_shared<BarChartRenderer>(std::shared_ptr<BarChartDataProvider>(self, self.get()), chartAnimator(),
                                                   viewPortHandler()));
    setHighlighter(std::make_shared<BarHighlighter>(selfProvider()));
    xAxis()->setSpaceMin(0.5);
    xAxis()->setSpaceMax(0.5);
}

std::shared_ptr<BarChartData> BarChartView::barData() const {
    return std::dynamic_pointer_cast<BarChartData>(ChartViewBase::data());
}

std::shared_ptr<ChartViewBase> BarChartView::barAccessibilityContainer() const {
    return std::static_pointer_cast<ChartViewBase>(const_cast<BarChartView*>(this)->shared_from_this());
}

void BarChartView::setDrawValueAboveBarEnabled(bool enabled) {
    drawValueAboveBarEnabled_ = enabled;
    setNeedsDisplay();
}

void BarChartView::setDrawBarShadowEnabled(bool enabled) {
    drawBarShadowEnabled_ = enabled;
    setNeedsDisplay();
}

void BarChartView::calcMinMax() {
    const auto data = barData();
    if (!data) return;
    if (fitBars_) xAxis()->calculate(data->xMin() - data->barWidth() / 2.0, data->xMax() + data->barWidth() / 2.0);
    else xAxis()->calculate(data->xMin(), data->xMax());
    leftAxis()->calculate(data->getYMin(AxisDependency::left), data->getYMax(AxisDependency::left));
    rightAxis()->calculate(data->getYMin(AxisDependency::right), data->getYMax(AxisDependency::right));
}

std::optional<kit::Rect> BarChartView::getBarBounds(const std::shared_ptr<BarChartDataEntry>& entry) const {
    return pixelBarBounds(entry, [](double x, double y, double half) {
        const double top = y >= 0 ? y : 0, bottom = y <= 0 ? y : 0;
        return kit::Rect{x - half, top, 2.0 * half, bottom - top};
    });
}

std::optional<kit::Rect> BarChartView::pixelBarBounds(const std::shared_ptr<BarChartDataEntry>& entry,
                                                      const ValueRect& valueRect) const {
    const auto data = barData();
    if (!data || !entry) return std::nullopt;
    const auto set = std::dynamic_pointer_cast<BarChartDataSet>(data->getDataSetForEntry(entry));
    if (!set) return std::nullopt;
    kit::Rect rect = valueRect(entry->x(), entry->y(), data->barWidth() / 2.0);
    getTransformer(set->axisDependency())->convertRectToPixels(rect);
    return rect;
}

void BarChartView::groupBars(double fromX, double groupSpace, double barSpace) {
    const auto data = barData();
    if (!data) {
        kit::print("You need to set data for the chart before grouping bars.");
        return;
    }
    data->groupBars(fromX, groupSpace, barSpace);
    notifyDataSetChanged();
}

void BarChartView::highlightValueWithStackIndex(double x, int dataSetIndex, int stackIndex) {
    highlightValue(Highlight(x, dataSetIndex, stackIndex));
}

std::optional<Highlight> BarChartView::getHighlightByTouchPoint(kit::Point point) {
    // The base reports a chart without data.
    const std::optional<Highlight> high = BarLineChartViewBase::getHighlightByTouchPoint(point);
    if (!high || !highlightFullBarEnabled_) return high;
    return Highlight(high->x(), high->y(), high->xPx(), high->yPx(), high->dataIndex(), high->dataSetIndex(), -1,
                     high->axis());
}

} // namespace charting
