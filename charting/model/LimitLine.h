#pragma once
// A marked value on an axis: a straight line across the content area with an optional label.
#include "charting/core/LabelColor.h"
#include "charting/model/ComponentBase.h"
#include "kit/base/Color.h"
#include "kit/graphics/Font.h"

#include <optional>
#include <string>
#include <vector>

namespace charting {

class ChartLimitLine : public ComponentBase {
public:
    enum class LabelPosition : int { leftTop = 0, leftBottom = 1, rightTop = 2, rightBottom = 3 };
    // The position with that raw value, or nothing outside 0...3.
    static std::optional<LabelPosition> labelPositionFromRaw(int raw);

    ChartLimitLine() = default;
    explicit ChartLimitLine(double limit) : limit_(limit) {}
    ChartLimitLine(double limit, std::string label) : limit_(limit), label_(std::move(label)) {}

    double limit() const { return limit_; }
    void setLimit(double limit) { limit_ = limit; }
    double lineWidth() const { return lineWidth_; }
    // Kept within [0.2, 12].
    void setLineWidth(double width);
    const kit::Color& lineColor() const { return lineColor_; }
    void setLineColor(const kit::Color& color) { lineColor_ = color; }
    double lineDashPhase() const { return lineDashPhase_; }
    void setLineDashPhase(double phase) { lineDashPhase_ = phase; }
    // Absent draws a solid line.
    const std::optional<std::vector<double>>& lineDashLengths() const { return lineDashLengths_; }
    void setLineDashLengths(std::optional<std::vector<double>> lengths) { lineDashLengths_ = std::move(lengths); }
    const kit::Color& valueTextColor() const { return valueTextColor_; }
    void setValueTextColor(const kit::Color& color) { valueTextColor_ = color; }
    const kit::Font& valueFont() const { return valueFont_; }
    void setValueFont(const kit::Font& font) { valueFont_ = font; }
    bool drawLabelEnabled() const { return drawLabelEnabled_; }
    void setDrawLabelEnabled(bool enabled) { drawLabelEnabled_ = enabled; }
    const std::string& label() const { return label_; }
    void setLabel(std::string label) { label_ = std::move(label); }
    LabelPosition labelPosition() const { return labelPosition_; }
    void setLabelPosition(LabelPosition position) { labelPosition_ = position; }

private:
    double limit_ = 0.0;
    double lineWidth_ = 2.0;
    kit::Color lineColor_ = kit::Color::rgba(237.0 / 255.0, 91.0 / 255.0, 91.0 / 255.0, 1.0);
    double lineDashPhase_ = 0.0;
    std::optional<std::vector<double>> lineDashLengths_;
    kit::Color valueTextColor_ = labelColor();
    kit::Font valueFont_ = kit::Font::system(13);
    bool drawLabelEnabled_ = true;
    std::string label_;
    LabelPosition labelPosition_ = LabelPosition::rightTop;
};

} // namespace charting
