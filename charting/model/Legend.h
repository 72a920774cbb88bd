#pragma once
// The legend's model: its entries and style, and the measurement of the room it needs (with line
// breaks for a horizontal legend). Drawing happens elsewhere.
#include "charting/core/LabelColor.h"
#include "charting/model/ComponentBase.h"
#include "charting/model/LegendEntry.h"
#include "charting/model/LegendForm.h"
#include "kit/base/Color.h"
#include "kit/base/Geometry.h"
#include "kit/graphics/Font.h"

#include <memory>
#include <optional>
#include <vector>

namespace charting {

class ViewPortHandler;

class Legend : public ComponentBase {
public:
    using Form = LegendForm;
    enum class HorizontalAlignment : int { left = 0, center = 1, right = 2 };
    enum class VerticalAlignment : int { top = 0, center = 1, bottom = 2 };
    enum class Orientation : int { horizontal = 0, vertical = 1 };
    enum class Direction : int { leftToRight = 0, rightToLeft = 1 };

    using Entries = std::vector<std::shared_ptr<LegendEntry>>;

    // Offsets 5 and 3.
    Legend();
    // The given entries; the offsets stay at the component's 5 and 5.
    explicit Legend(Entries entries);

    const Entries& entries() const { return entries_; }
    Entries& entries() { return entries_; }
    void setEntries(Entries entries) { entries_ = std::move(entries); }
    // Appended after the computed entries by the renderer.
    const Entries& extraEntries() const { return extraEntries_; }
    Entries& extraEntries() { return extraEntries_; }
    void setExtraEntries(Entries entries) { extraEntries_ = std::move(entries); }

    HorizontalAlignment horizontalAlignment() const { return horizontalAlignment_; }
    void setHorizontalAlignment(HorizontalAlignment v) { horizontalAlignment_ = v; }
    VerticalAlignment verticalAlignment() const { return verticalAlignment_; }
    void setVerticalAlignment(VerticalAlignment v) { verticalAlignment_ = v; }
    Orientation orientation() const { return orientation_; }
    void setOrientation(Orientation v) { orientation_ = v; }
    // When set, the chart reserves no room for the legend and draws it over the content.
    bool drawInside() const { return drawInside_; }
    void setDrawInside(bool v) { drawInside_ = v; }
    bool isDrawInsideEnabled() const { return drawInside(); }
    Direction direction() const { return direction_; }
    void setDirection(Direction v) { direction_ = v; }
    const kit::Font& font() const { return font_; }
    void setFont(const kit::Font& font) { font_ = font; }
    const kit::Color& textColor() const { return textColor_; }
    void setTextColor(const kit::Color& color) { textColor_ = color; }

    Form form() const { return form_; }
    void setForm(Form form) { form_ = form; }
    double formSize() const { return formSize_; }
    void setFormSize(double v) { formSize_ = v; }
    double formLineWidth() const { return formLineWidth_; }
    void setFormLineWidth(double v) { formLineWidth_ = v; }
    double formLineDashPhase() const { return formLineDashPhase_; }
    void setFormLineDashPhase(double v) { formLineDashPhase_ = v; }
    // Absent or empty: solid.
    const std::optional<std::vector<double>>& formLineDashLengths() const { return formLineDashLengths_; }
    void setFormLineDashLengths(std::optional<std::vector<double>> v) { formLineDashLengths_ = std::move(v); }
    double xEntrySpace() const { return xEntrySpace_; }
    void setXEntrySpace(double v) { xEntrySpace_ = v; }
    double yEntrySpace() const { return yEntrySpace_; }
    void setYEntrySpace(double v) { yEntrySpace_ = v; }
    double formToTextSpace() const { return formToTextSpace_; }
    void setFormToTextSpace(double v) { formToTextSpace_ = v; }
    double stackSpace() const { return stackSpace_; }
    void setStackSpace(double v) { stackSpace_ = v; }

    // Results of the last horizontal measurement: label size and line-break flag per entry, and
    // the size of each line.
    const std::vector<kit::Size>& calculatedLabelSizes() const { return calculatedLabelSizes_; }
    std::vector<kit::Size>& calculatedLabelSizes() { return calculatedLabelSizes_; }
    const std::vector<bool>& calculatedLabelBreakPoints() const { return calculatedLabelBreakPoints_; }
    std::vector<bool>& calculatedLabelBreakPoints() { return calculatedLabelBreakPoints_; }
    const std::vector<kit::Size>& calculatedLineSizes() const { return calculatedLineSizes_; }
    std::vector<kit::Size>& calculatedLineSizes() { return calculatedLineSizes_; }

    // Results of the last measurement, offsets included in the needed sizes.
    double neededWidth() const { return neededWidth_; }
    void setNeededWidth(double v) { neededWidth_ = v; }
    double neededHeight() const { return neededHeight_; }
    void setNeededHeight(double v) { neededHeight_ = v; }
    double textWidthMax() const { return textWidthMax_; }
    void setTextWidthMax(double v) { textWidthMax_ = v; }
    double textHeightMax() const { return textHeightMax_; }
    void setTextHeightMax(double v) { textHeightMax_ = v; }

    bool wordWrapEnabled() const { return wordWrapEnabled_; }
    void setWordWrapEnabled(bool v) { wordWrapEnabled_ = v; }
    bool isWordWrapEnabled() const { return wordWrapEnabled(); }
    // Share of the content width a horizontal line may fill before it breaks.
    double maxSizePercent() const { return maxSizePercent_; }
    void setMaxSizePercent(double v) { maxSizePercent_ = v; }

    // Widest label + largest form + form-to-text space, by tallest label.
    kit::Size getMaximumEntrySize(const kit::Font& font) const;
    // Measures the entries into the needed sizes (and, horizontally, into lines). Each entry is
    // measured with its own form size, as it is drawn.
    void calculateDimensions(const kit::Font& labelFont, const ViewPortHandler& viewPortHandler);

    // Custom entries are no longer rebuilt from the data (but still measured).
    void setCustom(Entries entries);
    void resetCustom() { isLegendCustom_ = false; }
    bool isLegendCustom() const { return isLegendCustom_; }

private:
    double formSizeOf(const LegendEntry& entry) const;
    void calculateVertical(const kit::Font& labelFont);
    void calculateHorizontal(const kit::Font& labelFont, const ViewPortHandler& viewPortHandler);

    Entries entries_;
    Entries extraEntries_;
    bool isLegendCustom_ = false;
    HorizontalAlignment horizontalAlignment_ = HorizontalAlignment::left;
    VerticalAlignment verticalAlignment_ = VerticalAlignment::bottom;
    Orientation orientation_ = Orientation::horizontal;
    bool drawInside_ = false;
    Direction direction_ = Direction::leftToRight;
    kit::Font font_ = kit::Font::system(10);
    kit::Color textColor_ = labelColor();
    Form form_ = Form::square;
    double formSize_ = 8.0;
    double formLineWidth_ = 3.0;
    double formLineDashPhase_ = 0.0;
    std::optional<std::vector<double>> formLineDashLengths_;
    double xEntrySpace_ = 6.0;
    double yEntrySpace_ = 0.0;
    double formToTextSpace_ = 5.0;
    double stackSpace_ = 3.0;
    std::vector<kit::Size> calculatedLabelSizes_;
    std::vector<bool> calculatedLabelBreakPoints_;
    std::vector<kit::Size> calculatedLineSizes_;
    double neededWidth_ = 0.0;
    double neededHeight_ = 0.0;
    double textWidthMax_ = 0.0;
    double textHeightMax_ = 0.0;
    bool wordWrapEnabled_ = true;
    double maxSizePercent_ = 0.95;
};

} // namespace charting
