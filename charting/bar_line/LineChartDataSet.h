#pragma once
// The values of one line with its drawing options: how consecutive entries are joined, the
// circles on the entries, the dash and cap of the line, a gradient stroke and where the filled
// area under the line closes.
#include "charting/model/BarLineScatterCandleBubbleChartDataSet.h"
#include "charting/model/ChartFillFormatter.h"
#include "charting/model/LineChartInterfaces.h"
#include "kit/graphics/Context.h"

#include <optional>

namespace charting {

class LineChartDataSet : public LineRadarChartDataSet, public LineChartDataSetProtocol {
public:
    enum class Mode { linear = 0, stepped = 1, cubicBezier = 2, horizontalBezier = 3 };
    // Nothing for a raw value outside 0 to 3.
    static std::optional<Mode> modeFromRaw(int raw);

    LineChartDataSet();
    explicit LineChartDataSet(std::vector<EntryPtr> entries, std::optional<std::string> label = "DataSet");

    std::string_view className() const override { return "LineChartDataSet"; }

    double yMin() const override { return LineRadarChartDataSet::yMin(); }
    double yMax() const override { return LineRadarChartDataSet::yMax(); }

    Mode mode() const { return mode_; }
    void setMode(Mode mode) { mode_ = mode; }
    double cubicIntensity() const { return cubicIntensity_; }
    // Kept within [0.05, 1].
    void setCubicIntensity(double intensity);
    bool isDrawLineWithGradientEnabled() const { return drawLineWithGradientEnabled_; }
    void setIsDrawLineWithGradientEnabled(bool enabled) { drawLineWithGradientEnabled_ = enabled; }
    // The y values (data units) at which the gradient's colours sit.
    const std::optional<std::vector<double>>& gradientPositions() const { return gradientPositions_; }
    void setGradientPositions(std::optional<std::vector<double>> p) { gradientPositions_ = std::move(p); }

    double circleRadius() const { return circleRadius_; }
    void setCircleRadius(double r) { circleRadius_ = r; }
    double circleHoleRadius() const { return circleHoleRadius_; }
    void setCircleHoleRadius(double r) { circleHoleRadius_ = r; }
    const std::vector<kit::Color>& circleColors() const { return circleColors_; }
    // Colours repeat over the entries. A negative index counts as 0; with no circle colours at
    // all, the default circle colour.
    kit::Color getCircleColor(std::int64_t index) const;
    // Replaces every circle colour by this one.
    void setCircleColor(kit::Color color) { circleColors_ = {color}; }
    void setCircleColors(std::vector<kit::Color> colors) { circleColors_ = std::move(colors); }
    // Empties the list; the index is not used.
    void resetCircleColors(std::int64_t index);
    bool drawCirclesEnabled() const { return drawCirclesEnabled_; }
    void setDrawCirclesEnabled(bool v) { drawCirclesEnabled_ = v; }
    bool isDrawCirclesEnabled() const { return drawCirclesEnabled(); }
    const std::optional<kit::Color>& circleHoleColor() const { return circleHoleColor_; }
    void setCircleHoleColor(std::optional<kit::Color> c) { circleHoleColor_ = c; }
    bool drawCircleHoleEnabled() const { return drawCircleHoleEnabled_; }
    void setDrawCircleHoleEnabled(bool v) { drawCircleHoleEnabled_ = v; }
    bool isDrawCircleHoleEnabled() const { return drawCircleHoleEnabled(); }

    double lineDashPhase() const { return lineDashPhase_; }
    void setLineDashPhase(double p) { lineDashPhase_ = p; }
    // Absent: a solid line.
    const std::optional<std::vector<double>>& lineDashLengths() const { return lineDashLengths_; }
    void setLineDashLengths(std::optional<std::vector<double>> l) { lineDashLengths_ = std::move(l); }
    kit::LineCap lineCapType() const { return lineCapType_; }
    void setLineCapType(kit::LineCap cap) { lineCapType_ = cap; }

    // Never null: setting null installs a new default formatter. Copies share the formatter.
    const std::shared_ptr<ChartFillFormatter>& fillFormatter() const { return fillFormatter_; }
    void setFillFormatter(std::shared_ptr<ChartFillFormatter> formatter);

    static kit::Color defaultCircleColor();

protected:
    std::shared_ptr<ChartBaseDataSet> makeEmpty() const override;
    void copyInto(ChartBaseDataSet& copy) const override;

private:
    Mode mode_ = Mode::linear;
    double cubicIntensity_ = 0.2;
    bool drawLineWithGradientEnabled_ = false;
    std::optional<std::vector<double>> gradientPositions_;
    double circleRadius_ = 8.0;
    double circleHoleRadius_ = 4.0;
    std::vector<kit::Color> circleColors_{defaultCircleColor()};
    bool drawCirclesEnabled_ = true;
    std::optional<kit::Color> circleHoleColor_ = kit::Color::whiteColor();
    bool drawCircleHoleEnabled_ = true;
    double lineDashPhase_ = 0.0;
    std::optional<std::vector<double>> lineDashLengths_;
    kit::LineCap lineCapType_ = kit::LineCap::butt;
    std::shared_ptr<ChartFillFormatter> fillFormatter_;
};

} // namespace charting
