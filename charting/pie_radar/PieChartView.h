#pragma once
// The pie chart: slice angles from the values, the square box the pie is drawn in (a half pie
// when it spans at most 180 degrees in a wide box), touch angles to slices, and the options of the
// hole, the transparent ring around it, the centre text and the entry labels.
#include "charting/pie_radar/PieRadarChartViewBase.h"
#include "kit/base/Color.h"
#include "kit/graphics/Font.h"
#include "kit/graphics/Text.h"

#include <optional>
#include <string>
#include <vector>

namespace charting {

class PieChartView : public PieRadarChartViewBase {
public:
    PieChartView() : PieChartView(kit::Rect{}) {}
    explicit PieChartView(const kit::Rect& frame);

    // The base set-up, then a pie renderer and a pie highlighter.
    void initialize() override;

    // A pie has no x axis: asking for it is a programming error.
    [[noreturn]] const std::shared_ptr<XAxis>& xAxis() const;
    [[noreturn]] void setXAxis(std::shared_ptr<XAxis> axis);

    void calcMinMax() override { calcAngles(); }
    // |y| / signed sum x maxAngle per slice, with their running sums. A zero sum gives no slice
    // any angle (all 0) instead of infinities.
    void calcAngles();
    void calculateOffsets() override;
    void drawRect(kit::Context& context, const kit::Rect& rect) override;
    kit::Point getMarkerPosition(const Highlight& highlight) override;

    // The centre of the content, moved down by half the radius for a half pie.
    kit::Point pieCenterOffsets() const;
    bool isHalfPie() const;
    // The diameter, or half the width where that is less, so the whole half disc shows.
    double halfPieRadius() const;
    double angleForPoint(double x, double y) const override;
    double distanceToCenter(double x, double y) const override;
    // The first slice whose running angle lies beyond the angle (relative to the rotation); -1.
    int indexForAngle(double angle) const override;
    double radius() const override { return circleBox_.width() / 2.0; }
    // Twice the legend font's size.
    double requiredLegendOffset() const override;
    double requiredBaseOffset() const override { return 0.0; }

    // Whether some highlight names that slice index.
    bool needsHighlight(int index) const;
    // The first data set that has an entry at that x; -1.
    int dataSetIndexForIndex(double xValue) const;

    const std::vector<double>& drawAngles() const { return drawAngles_; }
    const std::vector<double>& absoluteAngles() const { return absoluteAngles_; }
    const kit::Rect& circleBox() const { return circleBox_; }
    kit::Point centerCircleBox() const { return {circleBox_.midX(), circleBox_.midY()}; }

    // Settings; the setters redraw unless noted.
    const std::optional<kit::Color>& holeColor() const { return holeColor_; }
    void setHoleColor(std::optional<kit::Color> c) { holeColor_ = c; setNeedsDisplay(); }
    bool drawSlicesUnderHoleEnabled() const { return drawSlicesUnderHoleEnabled_; }
    void setDrawSlicesUnderHoleEnabled(bool v) { drawSlicesUnderHoleEnabled_ = v; setNeedsDisplay(); }
    bool isDrawSlicesUnderHoleEnabled() const { return drawSlicesUnderHoleEnabled_; }
    bool drawHoleEnabled() const { return drawHoleEnabled_; }
    void setDrawHoleEnabled(bool v) { drawHoleEnabled_ = v; setNeedsDisplay(); }
    bool isDrawHoleEnabled() const { return drawHoleEnabled_; }
    // The plain text of the attributed centre text.
    std::optional<std::string> centerText() const;
    // Centred, tail-truncated, label colour, 12-point system font; nothing clears it.
    void setCenterText(std::optional<std::string> text);
    const std::optional<kit::AttributedString>& centerAttributedText() const { return centerAttributedText_; }
    void setCenterAttributedText(std::optional<kit::AttributedString> t) { centerAttributedText_ = std::move(t); setNeedsDisplay(); }
    kit::Point centerTextOffset() const { return centerTextOffset_; }
    void setCenterTextOffset(kit::Point p) { centerTextOffset_ = p; setNeedsDisplay(); }
    bool drawCenterTextEnabled() const { return drawCenterTextEnabled_; }
    void setDrawCenterTextEnabled(bool v) { drawCenterTextEnabled_ = v; setNeedsDisplay(); }
    bool isDrawCenterTextEnabled() const { return drawCenterTextEnabled_; }
    double holeRadiusPercent() const { return holeRadiusPercent_; }
    void setHoleRadiusPercent(double v) { holeRadiusPercent_ = v; setNeedsDisplay(); }
    const std::optional<kit::Color>& transparentCircleColor() const { return transparentCircleColor_; }
    void setTransparentCircleColor(std::optional<kit::Color> c) { transparentCircleColor_ = c; setNeedsDisplay(); }
    double transparentCircleRadiusPercent() const { return transparentCircleRadiusPercent_; }
    void setTransparentCircleRadiusPercent(double v) { transparentCircleRadiusPercent_ = v; setNeedsDisplay(); }
    // Stored and offered only: the renderer uses the data set's label colour and font.
    const std::optional<kit::Color>& entryLabelColor() const { return entryLabelColor_; }
    void setEntryLabelColor(std::optional<kit::Color> c) { entryLabelColor_ = c; setNeedsDisplay(); }
    const std::optional<kit::Font>& entryLabelFont() const { return entryLabelFont_; }
    void setEntryLabelFont(std::optional<kit::Font> f) { entryLabelFont_ = std::move(f); setNeedsDisplay(); }
    bool drawEntryLabelsEnabled() const { return drawEntryLabelsEnabled_; }
    void setDrawEntryLabelsEnabled(bool v) { drawEntryLabelsEnabled_ = v; setNeedsDisplay(); }
    bool isDrawEntryLabelsEnabled() const { return drawEntryLabelsEnabled_; }
    bool usePercentValuesEnabled() const { return usePercentValuesEnabled_; }
    void setUsePercentValuesEnabled(bool v) { usePercentValuesEnabled_ = v; setNeedsDisplay(); }
    bool isUsePercentValuesEnabled() const { return usePercentValuesEnabled_; }
    double centerTextRadiusPercent() const { return centerTextRadiusPercent_; }
    void setCenterTextRadiusPercent(double v) { centerTextRadiusPercent_ = v; setNeedsDisplay(); }
    double maxAngle() const { return maxAngle_; }
    // Kept within [90, 360] (NaN stays); neither redraws nor recomputes the angles.
    void setMaxAngle(double v);
    double sliceTextDrawingThreshold() const { return sliceTextDrawingThreshold_; }
    void setSliceTextDrawingThreshold(double v) { sliceTextDrawingThreshold_ = v; setNeedsDisplay(); }

private:
    kit::Rect circleBox_{};
    bool drawEntryLabelsEnabled_ = true;
    std::vector<double> drawAngles_;
    std::vector<double> absoluteAngles_;
    bool drawHoleEnabled_ = true;
    std::optional<kit::Color> holeColor_ = kit::Color::whiteColor();
    std::optional<kit::Color> entryLabelColor_ = kit::Color::whiteColor();
    std::optional<kit::Font> entryLabelFont_;
    bool drawSlicesUnderHoleEnabled_ = false;
    bool usePercentValuesEnabled_ = false;
    std::optional<kit::AttributedString> centerAttributedText_;
    kit::Point centerTextOffset_{};
    double holeRadiusPercent_ = 0.5;
    std::optional<kit::Color> transparentCircleColor_;
    double transparentCircleRadiusPercent_ = 0.55;
    bool drawCenterTextEnabled_ = true;
    double centerTextRadiusPercent_ = 1.0;
    double maxAngle_ = 360.0;
    double sliceTextDrawingThreshold_ = 0.0;
};

} // namespace charting
