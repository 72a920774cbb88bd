#pragma once
// A value axis: zero line, inversion, relative room above and below the data, label placement,
// width limits, the side it belongs to (fixed at construction) and its own range rule.
#include "charting/model/AxisBase.h"
#include "charting/model/AxisDependency.h"
#include "kit/base/Geometry.h"
#include "kit/graphics/Text.h"

#include <limits>
#include <optional>
#include <vector>

namespace charting {

class YAxis : public AxisBase {
public:
    using AxisDependency = charting::AxisDependency;
    enum class LabelPosition : int { outsideChart = 0, insideChart = 1 };

    YAxis() : YAxis(AxisDependency::left) {}
    explicit YAxis(AxisDependency position) : axisDependency_(position) { setYOffset(0.0); }

    bool drawBottomYLabelEntryEnabled() const { return drawBottomYLabelEntryEnabled_; }
    void setDrawBottomYLabelEntryEnabled(bool v) { drawBottomYLabelEntryEnabled_ = v; }
    bool isDrawBottomYLabelEntryEnabled() const { return drawBottomYLabelEntryEnabled(); }
    bool drawTopYLabelEntryEnabled() const { return drawTopYLabelEntryEnabled_; }
    void setDrawTopYLabelEntryEnabled(bool v) { drawTopYLabelEntryEnabled_ = v; }
    bool isDrawTopYLabelEntryEnabled() const { return drawTopYLabelEntryEnabled(); }
    bool inverted() const { return inverted_; }
    void setInverted(bool v) { inverted_ = v; }
    bool isInverted() const { return inverted(); }
    bool drawZeroLineEnabled() const { return drawZeroLineEnabled_; }
    void setDrawZeroLineEnabled(bool v) { drawZeroLineEnabled_ = v; }
    const std::optional<kit::Color>& zeroLineColor() const { return zeroLineColor_; }
    void setZeroLineColor(std::optional<kit::Color> v) { zeroLineColor_ = v; }
    double zeroLineWidth() const { return zeroLineWidth_; }
    void setZeroLineWidth(double v) { zeroLineWidth_ = v; }
    double zeroLineDashPhase() const { return zeroLineDashPhase_; }
    void setZeroLineDashPhase(double v) { zeroLineDashPhase_ = v; }
    const std::optional<std::vector<double>>& zeroLineDashLengths() const { return zeroLineDashLengths_; }
    void setZeroLineDashLengths(std::optional<std::vector<double>> v) { zeroLineDashLengths_ = std::move(v); }
    // Room above the maximum and below the minimum, as fractions of the data range.
    double spaceTop() const { return spaceTop_; }
    void setSpaceTop(double v) { spaceTop_ = v; }
    double spaceBottom() const { return spaceBottom_; }
    void setSpaceBottom(double v) { spaceBottom_ = v; }
    LabelPosition labelPosition() const { return labelPosition_; }
    void setLabelPosition(LabelPosition v) { labelPosition_ = v; }
    kit::TextAlignment labelAlignment() const { return labelAlignment_; }
    void setLabelAlignment(kit::TextAlignment v) { labelAlignment_ = v; }
    double labelXOffset() const { return labelXOffset_; }
    void setLabelXOffset(double v) { labelXOffset_ = v; }
    AxisDependency axisDependency() const { return axisDependency_; }
    double minWidth() const { return minWidth_; }
    void setMinWidth(double v) { minWidth_ = v; }
    // 0 or less means no limit.
    double maxWidth() const { return maxWidth_; }
    void setMaxWidth(double v) { maxWidth_ = v; }

    // The room the labels need: the longest label measured on one line, plus the offsets on
    // both sides; the width is kept within minWidth and maxWidth (when above 0).
    kit::Size requiredSize();
    double getRequiredHeightSpace();
    // Labels need room beside the content area.
    bool needsOffset() const;

    // Custom ends are kept (and never widened); the rest gets spaceTop/spaceBottom of the range.
    void calculate(double dataMin, double dataMax) override;

private:
    bool drawBottomYLabelEntryEnabled_ = true;
    bool drawTopYLabelEntryEnabled_ = true;
    bool inverted_ = false;
    bool drawZeroLineEnabled_ = false;
    std::optional<kit::Color> zeroLineColor_ = kit::Color::grayColor();
    double zeroLineWidth_ = 1.0;
    double zeroLineDashPhase_ = 0.0;
    std::optional<std::vector<double>> zeroLineDashLengths_;
    double spaceTop_ = 0.1;
    double spaceBottom_ = 0.1;
    LabelPosition labelPosition_ = LabelPosition::outsideChart;
    kit::TextAlignment labelAlignment_ = kit::TextAlignment::left;
    double labelXOffset_ = 0.0;
    AxisDependency axisDependency_;
    double minWidth_ = 0.0;
    double maxWidth_ = std::numeric_limits<double>::infinity();
};

} // namespace charting
