#include "charting/core/LegendRenderer.h"

#include "charting/core/DataSetKindInterfaces.h"
#include "kit/graphics/Context.h"
#include "kit/graphics/Text.h"

#include <algorithm>
#include <cmath>

namespace charting {

LegendRenderer::LegendRenderer(std::shared_ptr<ViewPortHandler> viewPortHandler, std::shared_ptr<Legend> legend)
    : viewPortHandler_(std::move(viewPortHandler)), legend_(std::move(legend)) {}

namespace {

std::shared_ptr<LegendEntry> formEntry(const ChartBaseDataSet& set, std::optional<std::string> label,
                                       std::optional<kit::Color> formColor) {
    auto entry = std::make_shared<LegendEntry>(std::move(label));
    entry->setForm(set.form());
    entry->setFormSize(set.formSize());
    entry->setFormLineWidth(set.formLineWidth());
    entry->setFormLineDashPhase(set.formLineDashPhase());
    entry->setFormLineDashLengths(set.formLineDashLengths());
    entry->setFormColor(formColor);
    return entry;
}

// The entry that closes a stacked or pie set with the set's label.
std::shared_ptr<LegendEntry> labelEntry(const std::string& label) {
    auto entry = std::make_shared<LegendEntry>(label);
    entry->setForm(LegendForm::none);
    return entry;
}

} // namespace

void LegendRenderer::computeLegend(const ChartData& data) {
    if (!legend_) return;
    Legend& legend = *legend_;
    if (!legend.isLegendCustom()) {
        Legend::Entries entries;
        for (const DataSetPtr& setPtr : data.dataSets()) {
            if (!setPtr) continue;
            const ChartBaseDataSet& set = *setPtr;
            const std::vector<kit::Color>& colors = set.colors();
            const std::int64_t c = static_cast<std::int64_t>(colors.size());
            const std::int64_t e = set.entryCount();

            const auto* bar = dynamic_cast<const BarChartDataSetProtocol*>(&set);
            const auto* candle = dynamic_cast<const CandleChartDataSetProtocol*>(&set);
            if (bar && bar->isStacked()) {
                const std::vector<std::string>& stackLabels = bar->stackLabels();
                const std::int64_t m = std::min<std::int64_t>(c, bar->stackSize());
                for (std::int64_t j = 0; j < m; ++j) {
                    std::optional<std::string> label;
                    if (j < static_cast<std::int64_t>(stackLabels.size())) label = stackLabels[static_cast<std::size_t>(j)];
                    entries.push_back(formEntry(set, label, colors[static_cast<std::size_t>(j)]));
                }
                if (set.label()) entries.push_back(labelEntry(*set.label()));
            } else if (dynamic_cast<const PieChartDataSetProtocol*>(&set)) {
                for (std::int64_t j = 0; j < std::min(e, c); ++j) {
                    std::optional<std::string> label;
                    EntryPtr dataEntry = set.entryForIndex(j);
                    if (const auto* pie = dynamic_cast<const PieChartDataEntryProtocol*>(dataEntry.get())) label = pie->label();
                    entries.push_back(formEntry(set, label, colors[static_cast<std::size_t>(j)]));
                }
                if (set.label()) entries.push_back(labelEntry(*set.label()));
            } else if (candle && candle->decreasingColor()) {
                entries.push_back(formEntry(set, std::nullopt, candle->decreasingColor()));
                entries.push_back(formEntry(set, set.label(), candle->increasingColor()));
            } else {
                for (std::int64_t j = 0; j < std::min(e, c); ++j) {
                    // Only the last entry of the set carries the label; the earlier colours group with it.
                    std::optional<std::string> label;
                    if (!(j < c - 1 && j < e - 1)) label = set.label();
                    entries.push_back(formEntry(set, label, colors[static_cast<std::size_t>(j)]));
                }
            }
        }
        const Legend::Entries& extra = legend.extraEntries();
        entries.insert(entries.end(), extra.begin(), extra.end());
        legend.setEntries(std::move(entries));
    }
    legend.calculateDimensions(legend.font(), *viewPortHandler_);
}

void LegendRenderer::renderLegend(kit::Context& context) {
    if (!legend_ || !legend_->isEnabled()) return;
    const Legend& legend = *legend_;
    const ViewPortHandler& vp = *viewPortHandler_;
    const bool rtl = legend.direction() == Legend::Direction::rightToLeft;
    const bool horizontal = legend.orientation() == Legend::Orientation::horizontal;
    const double xoffset = legend.xOffset();

    double originPosX = 0;
    switch (legend.horizontalAlignment()) {
    case Legend::HorizontalAlignment::left:
        originPosX = xoffset + (horizontal ? vp.contentLeft() : 0);
        if (rtl) originPosX += legend.neededWidth();
        break;
    case Legend::HorizontalAlignment::right:
        originPosX = (horizontal ? vp.contentRight() : vp.chartWidth()) - xoffset;
        if (!rtl) originPosX -= legend.neededWidth();
        break;
    case Legend::HorizontalAlignment::center:
        if (horizontal) {
            originPosX = vp.contentLeft() + vp.contentWidth() / 2 + (rtl ? -xoffset : xoffset);
        } else {
            const double c = vp.chartWidth() / 2 + (rtl ? -xoffset : xoffset);
            originPosX = rtl ? c + (legend.neededWidth() / 2 - xoffset) : c - (legend.neededWidth() / 2 - xoffset);
        }
        break;
    }
    if (horizontal) renderHorizontal(context, originPosX);
    else renderVertical(context, originPosX);
}

LegendRenderer::Settings LegendRenderer::settingsOf(const Legend& legend) {
    const kit::Font font = legend.font();
    const double lineHeight = font.lineHeight();
    return Settings{font,
                    legend.textColor(),
                    lineHeight,
                    lineHeight / 2,
                    legend.entries(),
                    legend.formSize(),
                    legend.direction() == Legend::Direction::rightToLeft,
                    legend.horizontalAlignment() == Legend::HorizontalAlignment::center};
}

void LegendRenderer::renderHorizontal(kit::Context& context, double originPosX) {
    const Legend& legend = *legend_;
    const ViewPortHandler& vp = *viewPortHandler_;
    const auto [labelFont, labelTextColor, lineHeight, formYOffset, entries, defaultFormSize, rtl, centred] = settingsOf(legend);

    double posY = 0;
    switch (legend.verticalAlignment()) {
    case Legend::VerticalAlignment::top:
        posY = legend.yOffset();
        break;
    case Legend::VerticalAlignment::bottom:
        posY = vp.chartHeight() - legend.yOffset() - legend.neededHeight();
        break;
    case Legend::VerticalAlignment::center:
        posY = (vp.chartHeight() - legend.neededHeight()) / 2 + legend.yOffset();
        break;
    }

    const std::vector<kit::Size> lineSizes = legend.calculatedLineSizes();
    const std::vector<kit::Size> labelSizes = legend.calculatedLabelSizes();
    const std::vector<bool> breakPoints = legend.calculatedLabelBreakPoints();
    double posX = originPosX;
    std::size_t lineIndex = 0;

    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (!entries[i]) continue;
        const LegendEntry& e = *entries[i];
        if (i < breakPoints.size() && breakPoints[i]) {
            posX = originPosX;
            posY += lineHeight + legend.yEntrySpace();
        }
        if (posX == originPosX && centred && lineIndex < lineSizes.size()) {
            posX += (rtl ? lineSizes[lineIndex].width : -lineSizes[lineIndex].width) / 2;
            ++lineIndex;
        }
        const bool drawingForm = e.form() != LegendForm::none;
        const double formSize = std::isnan(e.formSize()) ? defaultFormSize : e.formSize();
        if (drawingForm) {
            if (rtl) posX -= formSize;
            drawForm(context, posX, posY + formYOffset, e, legend);
            if (!rtl) posX += formSize;
        }
        if (!e.label()) {
            posX += rtl ? -legend.stackSpace() : legend.stackSpace();
            continue;
        }
        if (drawingForm) posX += rtl ? -legend.formToTextSpace() : legend.formToTextSpace();
        // An entry added after the last measurement is measured on the spot.
        const double width = i < labelSizes.size() ? labelSizes[i].width : kit::measureText(*e.label(), labelFont).width;
        if (rtl) posX -= width;
        drawLabel(context, posX, posY, *e.label(), labelFont, e.labelColor().value_or(labelTextColor));
        if (!rtl) posX += width;
        posX += rtl ? -legend.xEntrySpace() : legend.xEntrySpace();
    }
}

void LegendRenderer::renderVertical(kit::Context& context, double originPosX) {
    const Legend& legend = *legend_;
    const ViewPortHandler& vp = *viewPortHandler_;
    const auto [labelFont, labelTextColor, lineHeight, formYOffset, entries, defaultFormSize, rtl, centred] = settingsOf(legend);

    double posY = 0;
    switch (legend.verticalAlignment()) {
    case Legend::VerticalAlignment::top:
        posY = (centred ? 0 : vp.contentTop()) + legend.yOffset();
        break;
    case Legend::VerticalAlignment::bottom:
        posY = (centred ? vp.chartHeight() : vp.contentBottom()) - (legend.neededHeight() + legend.yOffset());
        break;
    case Legend::VerticalAlignment::center:
        posY = vp.chartHeight() / 2 - legend.neededHeight() / 2 + legend.yOffset();
        break;
    }

    double stack = 0;
    bool wasStacked = false;
    for (const auto& entryPtr : entries) {
        if (!entryPtr) continue;
        const LegendEntry& e = *entryPtr;
        const bool drawingForm = e.form() != LegendForm::none;
        const double formSize = std::isnan(e.formSize()) ? defaultFormSize : e.formSize();
        double posX = originPosX;
        if (drawingForm) {
            posX = rtl ? originPosX - stack - formSize : originPosX + stack;
            drawForm(context, posX, posY + formYOffset, e, legend);
            if (!rtl) posX += formSize;
        }
        if (!e.label()) {
            stack += formSize + legend.stackSpace();
            wasStacked = true;
            continue;
        }
        if (drawingForm && !wasStacked) posX += rtl ? -legend.formToTextSpace() : legend.formToTextSpace();
        else if (wasStacked) posX = originPosX;
        if (rtl) posX -= kit::measureText(*e.label(), labelFont).width;
        if (wasStacked) posY += lineHeight + legend.yEntrySpace();
        drawLabel(context, posX, posY, *e.label(), labelFont, e.labelColor().value_or(labelTextColor));
        posY += lineHeight + legend.yEntrySpace();
        stack = 0;
        wasStacked = false;
    }
}

void LegendRenderer::drawForm(kit::Context& context, double x, double y, const LegendEntry& entry, const Legend& legend) {
    if (!entry.formColor() || *entry.formColor() == kit::Color::clearColor()) return;
    const kit::Color color = *entry.formColor();
    const LegendForm form = entry.form() == LegendForm::default_ ? legend.form() : entry.form();
    const double size = std::isnan(entry.formSize()) ? legend.formSize() : entry.formSize();

    kit::SavedState saved(context);
    switch (form) {
    case LegendForm::none:
    case LegendForm::empty:
        break;
    case LegendForm::default_:
    case LegendForm::circle:
        context.setFillColor(color);
        context.fillEllipse(kit::Rect{x, y - size / 2, size, size});
        break;
    case LegendForm::square:
        context.setFillColor(color);
        context.fillRect(kit::Rect{x, y - size / 2, size, size});
        break;
    case LegendForm::line: {
        const double lineWidth = std::isnan(entry.formLineWidth()) ? legend.formLineWidth() : entry.formLineWidth();
        const double phase = std::isnan(entry.formLineDashPhase()) ? legend.formLineDashPhase() : entry.formLineDashPhase();
        const std::optional<std::vector<double>>& lengths =
            entry.formLineDashLengths() ? entry.formLineDashLengths() : legend.formLineDashLengths();
        context.setLineWidth(lineWidth);
        if (lengths && !lengths->empty()) context.setLineDash(phase, *lengths);
        else context.setLineDashSolid();
        context.setStrokeColor(color);
        formLineSegmentsBuffer_ = {kit::Point{x, y}, kit::Point{x + size, y}};
        context.strokeLineSegments({formLineSegmentsBuffer_.begin(), formLineSegmentsBuffer_.end()});
        break;
    }
    }
}

void LegendRenderer::drawLabel(kit::Context& context, double x, double y, const std::string& label, const kit::Font& font,
                               const kit::Color& textColor) {
    kit::drawText(context, label, kit::Point{x, y}, kit::TextAttributes{font, textColor, std::nullopt});
}

} // namespace charting
