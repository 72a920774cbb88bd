#include "charting/bar_line/CombinedChartView.h"

#include "charting/bar_line/CombinedHighlighter.h"
#include "charting/core/ChartMarker.h"
#include "charting/core/ChartUtils.h"
#include "charting/model/DefaultFillFormatter.h"
#include "kit/base/Console.h"

namespace charting {

void CombinedChartView::initialize() {
    BarLineChartViewBase::initialize();
    installHighlighter();
    highlightFullBarEnabled_ = true;
    fillFormatter_ = std::make_shared<DefaultFillFormatter>();
    auto self = std::static_pointer_cast<CombinedChartView>(shared_from_this());
    setRenderer(std::make_shared<CombinedChartRenderer>(self, chartAnimator(), viewPortHandler()));
}

void CombinedChartView::installHighlighter() {
    auto self = std::static_pointer_cast<CombinedChartView>(shared_from_this());
    setHighlighter(std::make_shared<CombinedHighlighter>(std::shared_ptr<CombinedChartDataProvider>(self, self.get()),
                                                         std::shared_ptr<BarChartDataProvider>(self, self.get())));
}

void CombinedChartView::notifyDataSetChanged() {
    installHighlighter();
    if (auto r = combinedRenderer()) r->createRenderers();
    BarLineChartViewBase::notifyDataSetChanged();
}

std::shared_ptr<CombinedChartRenderer> CombinedChartView::combinedRenderer() const {
    return std::dynamic_pointer_cast<CombinedChartRenderer>(renderer());
}

std::shared_ptr<CombinedChartData> CombinedChartView::combinedData() const {
    return std::dynamic_pointer_cast<CombinedChartData>(ChartViewBase::data());
}

template <class Data>
std::shared_ptr<Data> CombinedChartView::subData(const std::shared_ptr<Data>& (CombinedChartData::*kind)() const) const {
    const auto d = combinedData();
    return d ? ((*d).*kind)() : nullptr;
}

std::shared_ptr<LineChartData> CombinedChartView::lineData() const { return subData(&CombinedChartData::lineData); }
std::shared_ptr<BarChartData> CombinedChartView::barData() const { return subData(&CombinedChartData::barData); }
std::shared_ptr<ScatterChartData> CombinedChartView::scatterData() const { return subData(&CombinedChartData::scatterData); }
std::shared_ptr<CandleChartData> CombinedChartView::candleData() const { return subData(&CombinedChartData::candleData); }
std::shared_ptr<BubbleChartData> CombinedChartView::bubbleData() const { return subData(&CombinedChartData::bubbleData); }

std::shared_ptr<ChartViewBase> CombinedChartView::accessibilityContainer() const {
    return std::static_pointer_cast<ChartViewBase>(const_cast<CombinedChartView*>(this)->shared_from_this());
}

void CombinedChartView::setFillFormatter(std::shared_ptr<ChartFillFormatter> formatter) {
    fillFormatter_ = formatter ? std::move(formatter) : std::make_shared<DefaultFillFormatter>();
}

void CombinedChartView::setDrawValueAboveBarEnabled(bool enabled) {
    if (auto r = combinedRenderer()) r->setDrawValueAboveBarEnabled(enabled);
}
void CombinedChartView::setDrawBarShadowEnabled(bool enabled) {
    if (auto r = combinedRenderer()) r->setDrawBarShadowEnabled(enabled);
}
bool CombinedChartView::isDrawValueAboveBarEnabled() const {
    const auto r = combinedRenderer();
    return r ? r->drawValueAboveBarEnabled() : true;
}
bool CombinedChartView::isDrawBarShadowEnabled() const {
    const auto r = combinedRenderer();
    return r && r->drawBarShadowEnabled();
}

std::vector<int> CombinedChartView::drawOrder() const {
    std::vector<int> raw;
    if (const auto r = combinedRenderer())
        for (const DrawOrder kind : r->drawOrder()) raw.push_back(static_cast<int>(kind));
    return raw;
}

void CombinedChartView::setDrawOrder(const std::vector<int>& order) {
    std::vector<DrawOrder> kinds;
    // A value outside the five kinds names no renderer: it is left out.
    for (const int raw : order)
        if (raw >= 0 && raw <= 4) kinds.push_back(static_cast<DrawOrder>(raw));
    if (auto r = combinedRenderer()) r->setDrawOrder(std::move(kinds));
}

std::optional<Highlight> CombinedChartView::getHighlightByTouchPoint(kit::Point point) {
    const std::optional<Highlight> high = BarLineChartViewBase::getHighlightByTouchPoint(point);
    if (!high || !highlightFullBarEnabled_) return high;
    return Highlight(high->x(), high->y(), high->xPx(), high->yPx(), high->dataIndex(), high->dataSetIndex(), -1,
                     high->axis());
}

void CombinedChartView::drawMarkers(kit::Context& context) {
    if (!marker() || !isDrawMarkersEnabled() || !valuesToHighlight()) return;
    const ViewPortHandler& vp = *viewPortHandler();
    const std::vector<Highlight> highlights = highlighted();
    for (const Highlight& highlight : highlights) {
        const auto combined = combinedData();
        if (!combined) continue;
        const DataSetPtr set = combined->getDataSetByHighlight(highlight);
        const EntryPtr entry = combined->entryForHighlight(highlight);
        if (!set || !entry) continue;
        const std::int64_t limit = truncToInt(static_cast<double>(set->entryCount()) * chartAnimator()->phaseX());
        if (set->entryIndexOf(*entry) > limit) continue;
        const kit::Point position = getMarkerPosition(highlight);
        if (!vp.isInBounds(position.x, position.y)) continue;
        marker()->refreshContent(*entry, highlight);
        marker()->draw(context, position);
    }
}

} // namespace charting
