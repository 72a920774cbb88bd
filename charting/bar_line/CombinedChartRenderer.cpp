#include "charting/bar_line/CombinedChartRenderer.h"

#include "charting/bar_line/BarChartRenderer.h"
#include "charting/bar_line/BubbleChartRenderer.h"
#include "charting/bar_line/CandleStickChartRenderer.h"
#include "charting/bar_line/CombinedChartData.h"
#include "charting/bar_line/CombinedChartView.h"
#include "charting/bar_line/LineChartRenderer.h"
#include "charting/bar_line/ScatterChartRenderer.h"
#include "charting/core/BarLineScatterCandleBubbleRenderer.h"

#include <cmath>

namespace charting {

CombinedChartRenderer::CombinedChartRenderer(const std::shared_ptr<CombinedChartView>& chart,
                                             std::shared_ptr<Animator> animator,
                                             std::shared_ptr<ViewPortHandler> viewPortHandler)
    : viewPortHandler_(std::move(viewPortHandler)), animator_(std::move(animator)), chart_(chart) {
    createRenderers();
}

void CombinedChartRenderer::setDrawOrder(std::vector<DrawOrder> order) {
    if (!order.empty()) drawOrder_ = std::move(order);
}

// A sub-renderer reads the combined chart through its own kind's provider.
template <class Renderer, class Provider>
void CombinedChartRenderer::addRenderer(const std::shared_ptr<CombinedChartView>& chart) {
    renderers_.push_back(std::make_shared<Renderer>(std::shared_ptr<Provider>(chart, chart.get()), animator_, viewPortHandler_));
}

void CombinedChartRenderer::createRenderers() {
    renderers_.clear();
    const auto chart = chart_.lock();
    if (!chart) return;
    for (const DrawOrder kind : drawOrder_) {
        switch (kind) {
        case DrawOrder::bar:
            if (chart->barData()) addRenderer<BarChartRenderer, BarChartDataProvider>(chart);
            break;
        case DrawOrder::bubble:
            if (chart->bubbleData()) addRenderer<BubbleChartRenderer, BubbleChartDataProvider>(chart);
            break;
        case DrawOrder::line:
            if (chart->lineData()) addRenderer<LineChartRenderer, LineDataProvider>(chart);
            break;
        case DrawOrder::candle:
            if (chart->candleData()) addRenderer<CandleStickChartRenderer, CandleChartDataProvider>(chart);
            break;
        case DrawOrder::scatter:
            if (chart->scatterData()) addRenderer<ScatterChartRenderer, ScatterChartDataProvider>(chart);
            break;
        }
    }
}

void CombinedChartRenderer::initBuffers() {
    for (auto& r : renderers_) r->initBuffers();
}

void CombinedChartRenderer::drawData(kit::Context& context) {
    accessibleChartElements_.clear();
    if (const auto chart = chart_.lock()) {
        if (const auto data = chart->data())
            accessibleChartElements_.push_back(createAccessibleHeader(*chart, *data, "Combined Chart"));
    }
    for (auto& r : renderers_) r->drawData(context);
}

void CombinedChartRenderer::drawValues(kit::Context& context) {
    for (auto& r : renderers_) r->drawValues(context);
}

void CombinedChartRenderer::drawExtras(kit::Context& context) {
    for (auto& r : renderers_) r->drawExtras(context);
}

void CombinedChartRenderer::drawHighlighted(kit::Context& context, std::span<Highlight> indices) {
    const auto chart = chart_.lock();
    const auto combined = chart ? chart->combinedData() : nullptr;
    for (auto& r : renderers_) {
        const ChartData* sub = nullptr;
        if (auto* bar = dynamic_cast<BarChartRenderer*>(r.get())) {
            if (auto p = bar->dataProvider()) sub = p->barData().get();
        } else if (auto* line = dynamic_cast<LineChartRenderer*>(r.get())) {
            if (auto p = line->dataProvider()) sub = p->lineData().get();
        } else if (auto* candle = dynamic_cast<CandleStickChartRenderer*>(r.get())) {
            if (auto p = candle->dataProvider()) sub = p->candleData().get();
        } else if (auto* scatter = dynamic_cast<ScatterChartRenderer*>(r.get())) {
            if (auto p = scatter->dataProvider()) sub = p->scatterData().get();
        } else if (auto* bubble = dynamic_cast<BubbleChartRenderer*>(r.get())) {
            if (auto p = bubble->dataProvider()) sub = p->bubbleData().get();
        }
        const std::optional<int> dataIndex = sub && combined ? combined->dataIndex(sub) : std::nullopt;
        // The sub-renderer records its draw positions on its own copies; they are copied back.
        std::vector<Highlight> selected;
        std::vector<std::size_t> origin;
        for (std::size_t i = 0; i < indices.size(); ++i) {
            const int di = indices[i].dataIndex();
            if (di == -1 || (dataIndex && di == *dataIndex)) {
                selected.push_back(indices[i]);
                origin.push_back(i);
            }
        }
        r->drawHighlighted(context, selected);
        for (std::size_t k = 0; k < selected.size(); ++k) {
            indices[origin[k]].setDraw(selected[k].drawX(), selected[k].drawY());
        }
    }
}

bool CombinedChartRenderer::isDrawingValuesAllowed(const ChartDataProvider* dataProvider) const {
    if (!dataProvider) return false;
    const auto data = dataProvider->data();
    if (!data) return false;
    return static_cast<double>(data->entryCount()) <
           std::trunc(static_cast<double>(dataProvider->maxVisibleCount()) * viewPortHandler_->scaleX());
}

std::shared_ptr<NSUIAccessibilityElement> CombinedChartRenderer::createAccessibleHeader(ChartViewBase& chart,
                                                                                       const ChartData& data,
                                                                                       const std::string& defaultDescription) {
    return charting::createAccessibleHeader(chart, data, defaultDescription);
}

} // namespace charting
