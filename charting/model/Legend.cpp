#include "charting/model/Legend.h"

#include "charting/core/ViewPortHandler.h"
#include "kit/graphics/Text.h"

#include <algorithm>
#include <cmath>

namespace charting {

Legend::Legend() {
    setXOffset(5.0);
    setYOffset(3.0);
}

Legend::Legend(Entries entries) : entries_(std::move(entries)) {}

void Legend::setCustom(Entries entries) {
    setEntries(std::move(entries));
    isLegendCustom_ = true;
}

double Legend::formSizeOf(const LegendEntry& entry) const {
    return std::isnan(entry.formSize()) ? formSize() : entry.formSize();
}

kit::Size Legend::getMaximumEntrySize(const kit::Font& font) const {
    double maxFormSize = 0, maxLabelWidth = 0, maxLabelHeight = 0;
    for (const auto& entry : entries_) {
        maxFormSize = std::max(maxFormSize, formSizeOf(*entry));
        if (!entry->label()) continue;
        const kit::Size size = kit::measureText(*entry->label(), font);
        maxLabelWidth = std::max(maxLabelWidth, size.width);
        maxLabelHeight = std::max(maxLabelHeight, size.height);
    }
    return {maxLabelWidth + maxFormSize + formToTextSpace(), maxLabelHeight};
}

void Legend::calculateDimensions(const kit::Font& labelFont, const ViewPortHandler& viewPortHandler) {
    const kit::Size maxEntrySize = getMaximumEntrySize(labelFont);
    textWidthMax_ = maxEntrySize.width;
    textHeightMax_ = maxEntrySize.height;

    if (orientation() == Orientation::vertical)
        calculateVertical(labelFont);
    else
        calculateHorizontal(labelFont, viewPortHandler);

    neededWidth_ += xOffset();
    neededHeight_ += yOffset();
}

void Legend::calculateVertical(const kit::Font& labelFont) {
    const double step = labelFont.lineHeight() + yEntrySpace();
    const std::size_t count = entries_.size();
    double width = 0, maxWidth = 0, maxHeight = 0;
    bool wasStacked = false;

    for (std::size_t i = 0; i < count; ++i) {
        const LegendEntry& entry = *entries_[i];
        const double formSize = formSizeOf(entry);
        const bool drawingForm = entry.form() != Form::none;

        if (!wasStacked) width = 0;
        if (drawingForm) {
            if (wasStacked) width += stackSpace();
            width += formSize;
        }

        if (!entry.label()) {
            // A form of a group: its room is reserved twice, which only over-reserves.
            width += formSize;
            if (i + 1 < count) width += stackSpace();
            maxWidth = std::max(maxWidth, width);
            wasStacked = true;
            continue;
        }

        const kit::Size labelSize = kit::measureText(*entry.label(), labelFont);
        if (drawingForm && !wasStacked) {
            width += formToTextSpace();
        } else if (wasStacked) {
            maxWidth = std::max(maxWidth, width);
            maxHeight += step;
            width = 0;
        }
        width += labelSize.width;
        maxHeight += step;
        maxWidth = std::max(maxWidth, width);
        wasStacked = false;
    }

    neededWidth_ = maxWidth;
    neededHeight_ = maxHeight;
}

void Legend::calculateHorizontal(const kit::Font& labelFont, const ViewPortHandler& viewPortHandler) {
    const double lineHeight = labelFont.lineHeight();
    const double maxLineWidth = viewPortHandler.contentWidth() * maxSizePercent();
    const std::size_t count = entries_.size();

    if (calculatedLabelSizes_.size() != count) calculatedLabelSizes_.assign(count, kit::Size{});
    if (calculatedLabelBreakPoints_.size() != count) calculatedLabelBreakPoints_.assign(count, false);
    calculatedLineSizes_.clear();

    double widestLine = 0, currentLineWidth = 0, requiredWidth = 0;
    std::ptrdiff_t stackedStartIndex = -1;

    for (std::size_t i = 0; i < count; ++i) {
        const LegendEntry& entry = *entries_[i];
        const bool drawingForm = entry.form() != Form::none;
        const bool isLast = i + 1 == count;

        calculatedLabelBreakPoints_[i] = false;
        requiredWidth = stackedStartIndex == -1 ? 0 : requiredWidth + stackSpace();

        if (entry.label()) {
            calculatedLabelSizes_[i] = kit::measureText(*entry.label(), labelFont);
            if (drawingForm) requiredWidth += formToTextSpace() + formSizeOf(entry);
            requiredWidth += calculatedLabelSizes_[i].width;
        } else {
            calculatedLabelSizes_[i] = kit::Size{};
            if (drawingForm) requiredWidth += formSizeOf(entry);
            if (stackedStartIndex == -1) stackedStartIndex = static_cast<std::ptrdiff_t>(i);
        }

        if (entry.label() || isLast) {
            const double spacing = currentLineWidth == 0 ? 0 : xEntrySpace();
            if (!wordWrapEnabled() || currentLineWidth == 0 ||
                maxLineWidth - currentLineWidth >= spacing + requiredWidth) {
                currentLineWidth += spacing + requiredWidth;
            } else {
                calculatedLineSizes_.push_back({currentLineWidth, lineHeight});
                widestLine = std::max(widestLine, currentLineWidth);
                const std::size_t breakAt = stackedStartIndex >= 0 ? static_cast<std::size_t>(stackedStartIndex) : i;
                calculatedLabelBreakPoints_[breakAt] = true;
                currentLineWidth = requiredWidth;
            }
            if (isLast) {
                calculatedLineSizes_.push_back({currentLineWidth, lineHeight});
                widestLine = std::max(widestLine, currentLineWidth);
            }
        }

        if (entry.label()) stackedStartIndex = -1;
    }

    const double lines = static_cast<double>(calculatedLineSizes_.size());
    neededWidth_ = widestLine;
    neededHeight_ = lines == 0 ? 0 : lineHeight * lines + yEntrySpace() * (lines - 1);
}

} // namespace charting
