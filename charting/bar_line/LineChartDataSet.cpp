#include "charting/bar_line/LineChartDataSet.h"

#include "charting/model/DefaultFillFormatter.h"
#include "kit/base/Make.h"

namespace charting {

std::optional<LineChartDataSet::Mode> LineChartDataSet::modeFromRaw(int raw) {
    if (raw < 0 || raw > 3) return std::nullopt;
    return static_cast<Mode>(raw);
}

kit::Color LineChartDataSet::defaultCircleColor() { return kit::Color::rgba(140 / 255.0, 234 / 255.0, 255 / 255.0, 1.0); }

LineChartDataSet::LineChartDataSet() : fillFormatter_(std::make_shared<DefaultFillFormatter>()) {}

LineChartDataSet::LineChartDataSet(std::vector<EntryPtr> entries, std::optional<std::string> label)
    : LineRadarChartDataSet(std::move(entries), std::move(label)),
      fillFormatter_(std::make_shared<DefaultFillFormatter>()) {}

void LineChartDataSet::setCubicIntensity(double intensity) {
    if (intensity > 1.0) intensity = 1.0;
    if (intensity < 0.05) intensity = 0.05;
    cubicIntensity_ = intensity;
}

kit::Color LineChartDataSet::getCircleColor(std::int64_t index) const {
    if (circleColors_.empty()) return defaultCircleColor();
    if (index < 0) index = 0;
    return circleColors_[static_cast<std::size_t>(index) % circleColors_.size()];
}

void LineChartDataSet::resetCircleColors(std::int64_t) { circleColors_.clear(); }

void LineChartDataSet::setFillFormatter(std::shared_ptr<ChartFillFormatter> formatter) {
    fillFormatter_ = formatter ? std::move(formatter) : std::make_shared<DefaultFillFormatter>();
}

std::shared_ptr<ChartBaseDataSet> LineChartDataSet::makeEmpty() const { return kit::make<LineChartDataSet>(); }

void LineChartDataSet::copyInto(ChartBaseDataSet& copy) const {
    LineRadarChartDataSet::copyInto(copy);
    auto& set = static_cast<LineChartDataSet&>(copy);
    set.circleColors_ = circleColors_;
    set.circleHoleColor_ = circleHoleColor_;
    set.circleRadius_ = circleRadius_;
    set.circleHoleRadius_ = circleHoleRadius_;
    set.setCubicIntensity(cubicIntensity_);
    set.lineDashPhase_ = lineDashPhase_;
    set.lineDashLengths_ = lineDashLengths_;
    set.lineCapType_ = lineCapType_;
    set.drawCirclesEnabled_ = drawCirclesEnabled_;
    set.drawCircleHoleEnabled_ = drawCircleHoleEnabled_;
    set.mode_ = mode_;
    set.fillFormatter_ = fillFormatter_;
    // The gradient settings travel with the copy too; leaving them behind would lose the
    // original's configuration.
    set.drawLineWithGradientEnabled_ = drawLineWithGradientEnabled_;
    set.gradientPositions_ = gradientPositions_;
}

} // namespace charting
