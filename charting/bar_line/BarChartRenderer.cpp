#include "charting/bar_line/BarChartRenderer.h"

#include "charting/bar_line/BarChartData.h"
#include "charting/bar_line/BarChartDataEntry.h"
#include "charting/bar_line/BarChartDataSet.h"
#include "charting/core/ChartViewBase.h"
#include "charting/core/Transformer.h"
#include "charting/model/ChartData.h"
#include "charting/model/YAxis.h"
#include "kit/base/Console.h"
#include "kit/graphics/Context.h"
#include "kit/text/DoubleText.h"

#include <algorithm>
#include <cmath>

namespace charting {

BarChartRenderer::BarChartRenderer(const std::shared_ptr<BarChartDataProvider>& dataProvider,
                                   std::shared_ptr<Animator> animator, std::shared_ptr<ViewPortHandler> viewPortHandler)
    : BarLineScatterCandleBubbleRenderer(std::move(animator), std::move(viewPortHandler)), dataProvider_(dataProvider) {}

void BarChartRenderer::initBuffers() {
    const auto provider = dataProvider();
    const auto data = provider ? provider->barData() : nullptr;
    if (!data) {
        buffers_.clear();
        written_.clear();
        return;
    }
    const auto count = static_cast<std::size_t>(data->dataSetCount());
    buffers_.resize(count);
    written_.assign(count, 0);
    for (std::size_t i = 0; i < count; ++i) {
        const DataSetPtr set = data->dataSet(static_cast<int>(i));
        const auto* bars = dynamic_cast<const BarChartDataSet*>(set.get());
        const std::int64_t perEntry = bars && bars->isStacked() ? bars->stackSize() : 1;
        const auto size = static_cast<std::size_t>(std::max<std::int64_t>(set ? set->entryCount() : 0, 0) * perEntry);
        if (buffers_[i].size() != size) buffers_[i].assign(size, kit::Rect{});
    }
}

std::vector<kit::Rect>& BarChartRenderer::bufferFor(int index, std::size_t needed) {
    const auto i = static_cast<std::size_t>(index);
    if (buffers_.size() <= i) buffers_.resize(i + 1);
    if (written_.size() <= i) written_.resize(i + 1, 0);
    // Entries added, or stacks set, after the buffers were sized would otherwise be written past the end.
    if (buffers_[i].size() < needed) buffers_[i].resize(needed, kit::Rect{});
    return buffers_[i];
}

void BarChartRenderer::setWritten(int index, std::size_t count) { written_[static_cast<std::size_t>(index)] = count; }

double BarChartRenderer::cursorSpan(double v, double& posY, double& negY, double& yStart) {
    double y;
    if (v == 0.0 && (posY == 0.0 || negY == 0.0)) {
        y = v;
        yStart = v;
    } else if (v >= 0.0) {
        y = posY;
        yStart = posY + v;
        posY = yStart;
    } else {
        y = negY;
        yStart = negY + std::fabs(v);
        negY = yStart;
    }
    return y;
}

kit::Rect BarChartRenderer::barRect(double x, double barWidthHalf, double end, double base) const {
    const double left = x - barWidthHalf, right = x + barWidthHalf;
    return kit::Rect{left, end, right - left, base - end};
}

const YAxis* BarChartRenderer::clippingAxis(AxisDependency axis) const {
    const auto provider = dataProvider();
    return provider ? provider->barClippingAxis(axis) : nullptr;
}

BarChartRenderer::Reach BarChartRenderer::reach(const kit::Rect& pixelRect) const {
    const ViewPortHandler& vph = viewPortHandler();
    if (!vph.isInBoundsLeft(pixelRect.x() + pixelRect.width())) return Reach::before;
    if (!vph.isInBoundsRight(pixelRect.x())) return Reach::beyond;
    return Reach::on;
}

kit::Rect BarChartRenderer::shadowRect(double x, double barWidth) const {
    return kit::Rect{x - barWidth / 2.0, 0.0, barWidth, 0.0};
}

void BarChartRenderer::spanContent(kit::Rect& shadow) const {
    shadow.origin.y = viewPortHandler().contentTop();
    shadow.size.height = viewPortHandler().contentHeight();
}

void BarChartRenderer::prepareBuffer(const BarChartDataSet& dataSet, int index) {
    const auto provider = dataProvider();
    const auto data = provider ? provider->barData() : nullptr;
    if (!data) return;
    const double barWidthHalf = data->barWidth() / 2.0;
    const bool containsStacks = dataSet.isStacked();
    const bool isInverted = provider->isInverted(dataSet.axisDependency());
    const double phaseY = animator().phaseY();
    const YAxis* axis = clippingAxis(dataSet.axisDependency());
    const std::int64_t count = revealedCount(dataSet.entryCount());

    std::size_t needed = 0;
    for (std::int64_t i = 0; i < count; ++i) {
        const auto e = std::dynamic_pointer_cast<BarChartDataEntry>(dataSet.entryForIndex(i));
        if (!e) continue;
        needed += containsStacks && e->yValues() ? e->yValues()->size() : 1;
    }
    std::vector<kit::Rect>& buffer = bufferFor(index, needed);

    std::size_t position = 0;
    for (std::int64_t i = 0; i < count; ++i) {
        const auto e = std::dynamic_pointer_cast<BarChartDataEntry>(dataSet.entryForIndex(i));
        if (!e) continue;
        if (containsStacks && e->yValues()) {
            double posY = 0.0, negY = -e->negativeSum();
            for (const double v : *e->yValues()) {
                double yStart = 0.0;
                const double y = cursorSpan(v, posY, negY, yStart);
                double top = isInverted ? std::min(y, yStart) : std::max(y, yStart);
                double bottom = isInverted ? std::max(y, yStart) : std::min(y, yStart);
                top *= phaseY;
                bottom *= phaseY;
                buffer[position++] = barRect(e->x(), barWidthHalf, top, bottom);
            }
            continue;
        }
        const double y = e->y();
        double top, bottom;
        if (!isInverted) {
            top = y >= 0 ? y : 0;
            bottom = y <= 0 ? y : 0;
        } else {
            top = y <= 0 ? y : 0;
            bottom = y >= 0 ? y : 0;
        }
        double topOffset = 0.0, bottomOffset = 0.0;
        if (axis) {
            const double axisMax = axis->axisMaximum(), axisMin = axis->axisMinimum();
            if (y >= 0) {
                if (axisMax < y) topOffset = y - axisMax;
                if (axisMin > 0) bottomOffset = axisMin;
            } else {
                if (axisMax < 0) topOffset = -axisMax;
                if (axisMin > y) bottomOffset = axisMin - y;
            }
            if (isInverted) std::swap(topOffset, bottomOffset);
        }
        top = isInverted ? top + topOffset : top - topOffset;
        bottom = isInverted ? bottom - bottomOffset : bottom + bottomOffset;
        if (top > 0 + topOffset) top *= phaseY;
        else bottom *= phaseY;
        buffer[position++] = barRect(e->x(), barWidthHalf, top, bottom);
    }
    setWritten(index, position);
}

void BarChartRenderer::drawData(kit::Context& context) {
    const auto provider = dataProvider();
    const auto data = provider ? provider->barData() : nullptr;
    if (!data) return;
    const auto container = provider->barAccessibilityContainer();

    accessibleChartElements().clear();
    accessibilityOrderedElements_.clear();
    if (container) {
        const DataSetPtr longest = data->maxEntryCountSet();
        accessibilityOrderedElements_.resize(static_cast<std::size_t>(longest ? std::max<std::int64_t>(longest->entryCount(), 0) : 0));
        accessibleChartElements().push_back(createAccessibleHeader(*container, *data, "Bar Chart"));
    }
    for (int i = 0; i < data->dataSetCount(); ++i) {
        const DataSetPtr set = data->dataSet(i);
        const auto* bars = dynamic_cast<const BarChartDataSet*>(set.get());
        if (!bars) kit::fatal("Datasets for BarChartRenderer must conform to IBarChartDataset");
        if (bars->isVisible()) drawDataSet(context, *bars, i);
    }
    for (auto& list : accessibilityOrderedElements_) {
        for (auto& element : list) accessibleChartElements().push_back(std::move(element));
    }
}

void BarChartRenderer::drawDataSet(kit::Context& context, const BarChartDataSet& dataSet, int index) {
    const auto provider = dataProvider();
    if (!provider) return;
    const auto trans = provider->getTransformer(dataSet.axisDependency());
    if (!trans) return;
    prepareBuffer(dataSet, index);
    std::vector<kit::Rect>& buffer = buffers_[static_cast<std::size_t>(index)];
    const std::size_t written = writtenCount(static_cast<std::size_t>(index));
    for (std::size_t j = 0; j < written; ++j) trans->convertRectToPixels(buffer[j]);

    const double borderWidth = dataSet.barBorderWidth();
    const bool drawBorder = borderWidth > 0;
    kit::SavedState saved(context);

    if (provider->isDrawBarShadowEnabled()) {
        const auto data = provider->barData();
        if (!data) return;
        const double barWidth = data->barWidth();
        const std::int64_t count = revealedCount(dataSet.entryCount());
        context.setFillColor(dataSet.barShadowColor());
        for (std::int64_t i = 0; i < count; ++i) {
            const auto e = std::dynamic_pointer_cast<BarChartDataEntry>(dataSet.entryForIndex(i));
            if (!e) continue;
            barShadowRectBuffer_ = shadowRect(e->x(), barWidth);
            trans->convertRectToPixels(barShadowRectBuffer_);
            const Reach where = reach(barShadowRectBuffer_);
            if (where == Reach::before) continue;
            if (where == Reach::beyond) break;
            spanContent(barShadowRectBuffer_);
            context.fillRect(barShadowRectBuffer_);
        }
        for (std::size_t j = 0; shadowsUnderBars() && j < written; ++j) {
            const Reach where = reach(buffer[j]);
            if (where == Reach::before) continue;
            if (where == Reach::beyond) break;
            context.fillRect(buffer[j]);
        }
    }

    const bool isSingleColor = dataSet.colors().size() == 1;
    if (isSingleColor) context.setFillColor(dataSet.color(0));
    const int stackSize = dataSet.isStacked() ? dataSet.stackSize() : 1;
    const bool accessible = provider->barAccessibilityContainer() != nullptr;
    for (std::size_t j = 0; j < written; ++j) {
        const kit::Rect& r = buffer[j];
        const Reach where = reach(r);
        if (where == Reach::before) continue;
        if (where == Reach::beyond) break;
        if (!isSingleColor) context.setFillColor(dataSet.color(static_cast<std::int64_t>(j)));
        context.fillRect(r);
        if (drawBorder) {
            context.setStrokeColor(dataSet.barBorderColor());
            context.setLineWidth(borderWidth);
            context.strokeRect(r);
        }
        if (accessible) appendOrderedElement(j, stackSize, createAccessibleElement(j, dataSet, index, stackSize, r));
    }
}

void BarChartRenderer::appendOrderedElement(std::size_t j, int stackSize, std::shared_ptr<NSUIAccessibilityElement> element) {
    const std::size_t slot = j / static_cast<std::size_t>(std::max(stackSize, 1));
    // A set longer than the longest one counted when the lists were made has nowhere to go.
    if (slot < accessibilityOrderedElements_.size()) accessibilityOrderedElements_[slot].push_back(std::move(element));
}

std::shared_ptr<NSUIAccessibilityElement> BarChartRenderer::createAccessibleElement(std::size_t j,
                                                                                    const BarChartDataSet& dataSet,
                                                                                    int dataSetIndex, int stackSize, const kit::Rect& frame) {
    const auto provider = dataProvider();
    const auto container = provider ? provider->barAccessibilityContainer() : nullptr;
    auto element = std::make_shared<NSUIAccessibilityElement>(container);
    if (!provider || !container) return element;
    const auto index = static_cast<std::int64_t>(j / static_cast<std::size_t>(std::max(stackSize, 1)));
    const auto e = std::dynamic_pointer_cast<BarChartDataEntry>(dataSet.entryForIndex(index));
    const auto data = provider->barData();
    if (!e || !data) return element;

    XAxis& xAxis = *container->xAxis();
    const auto xFormatter = xAxis.valueFormatter();
    const std::string xText = xFormatter ? xFormatter->stringForValue(e->x(), &xAxis) : kit::text::shortestText(e->x());
    const auto formatter = dataSet.valueFormatter();
    std::string valueText = formatter->stringForValue(e->y(), *e, dataSetIndex, &viewPortHandler());
    if (dataSet.isStacked() && e->yValues()) {
        const std::vector<double>& stack = *e->yValues();
        const std::size_t labelCount = std::min(dataSet.colors().size(), static_cast<std::size_t>(std::max(stackSize, 0)));
        const std::vector<std::string>& labels = dataSet.stackLabels();
        std::optional<std::string> stackLabel;
        if (!labels.empty() && labelCount > 0 && j % labelCount < labels.size()) stackLabel = labels[j % labelCount];
        const double value = stack.empty() ? 0.0 : stack[j % stack.size()];
        valueText = formatter->stringForValue(value, *e, dataSetIndex, &viewPortHandler());
        if (stackLabel) valueText = *stackLabel + " " + valueText;
    }
    const std::string prefix = data->dataSetCount() > 1 ? dataSet.label().value_or("") + ", " : "";
    element->setAccessibilityLabel(prefix + " " + xText + ": " + valueText);
    element->setAccessibilityFrame(frame);
    return element;
}

kit::Rect BarChartRenderer::prepareBarHighlight(double x, double y1, double y2, double barWidthHalf, const Transformer& trans) {
    kit::Rect rect{x - barWidthHalf, y1, 2.0 * barWidthHalf, y2 - y1};
    trans.convertRectToPixels(rect, animator().phaseY());
    return rect;
}

void BarChartRenderer::setHighlightDrawPos(Highlight& highlight, const kit::Rect& barRect) {
    highlight.setDraw(barRect.midX(), barRect.y());
}

void BarChartRenderer::drawHighlighted(kit::Context& context, std::span<Highlight> indices) {
    const auto provider = dataProvider();
    const auto data = provider ? provider->barData() : nullptr;
    if (!data) return;
    kit::SavedState saved(context);
    for (Highlight& high : indices) {
        const auto target = highlightTarget<BarChartDataSet, BarChartDataEntry>(*data, high);
        if (!target) continue;
        const auto& [bars, e] = *target;
        const auto trans = provider->getTransformer(bars->axisDependency());
        if (!trans) continue;

        double y1, y2;
        if (high.stackIndex() >= 0 && e->isStacked()) {
            if (provider->isHighlightFullBarEnabled()) {
                y1 = e->positiveSum();
                y2 = -e->negativeSum();
            } else if (!e->ranges() || e->ranges()->empty()) {
                y1 = y2 = 0.0;
            } else if (static_cast<std::size_t>(high.stackIndex()) < e->ranges()->size()) {
                const Range& range = (*e->ranges())[static_cast<std::size_t>(high.stackIndex())];
                y1 = range.from;
                y2 = range.to;
            } else {
                continue; // a segment the entry does not have
            }
        } else {
            y1 = e->y();
            y2 = 0.0;
        }
        context.setFillColor(bars->highlightColor());
        context.setAlpha(bars->highlightAlpha());
        const kit::Rect rect = prepareBarHighlight(e->x(), y1, y2, data->barWidth() / 2.0, *trans);
        setHighlightDrawPos(high, rect);
        context.fillRect(rect);
    }
}

} // namespace charting
