#pragma once
// The x/y chart of vertical bars: bar renderer and highlighter, optional room of half a bar at
// both ends of the x axis, touches that select single stack segments or whole bars, the
// on-screen rectangle of a bar, and side-by-side grouping of data sets.
#include "charting/bar_line/BarChartData.h"
#include "charting/bar_line/BarChartDataEntry.h"
#include "charting/bar_line/BarChartDataProvider.h"
#include "charting/bar_line/BarLineChartViewBase.h"

#include <functional>
#include <optional>

namespace charting {

class BarChartView : public BarLineChartViewBase, public BarChartDataProvider {
public:
    using BarLineChartViewBase::BarLineChartViewBase;

    void initialize() override;
    void calcMinMax() override;
    std::optional<Highlight> getHighlightByTouchPoint(kit::Point point) override;

    // The bar's rectangle in view coordinates; none (the null rectangle) for an entry outside the
    // chart's bar data.
    virtual std::optional<kit::Rect> getBarBounds(const std::shared_ptr<BarChartDataEntry>& entry) const;
    void groupBars(double fromX, double groupSpace, double barSpace);
    // A highlight with y NaN and data index -1 for the given stack segment.
    void highlightValueWithStackIndex(double x, int dataSetIndex, int stackIndex);

    bool drawValueAboveBarEnabled() const { return drawValueAboveBarEnabled_; }
    void setDrawValueAboveBarEnabled(bool enabled);
    bool drawBarShadowEnabled() const { return drawBarShadowEnabled_; }
    void setDrawBarShadowEnabled(bool enabled);
    // Both take effect at the next data change or touch.
    bool fitBars() const { return fitBars_; }
    void setFitBars(bool fit) { fitBars_ = fit; }
    bool highlightFullBarEnabled() const { return highlightFullBarEnabled_; }
    void setHighlightFullBarEnabled(bool enabled) { highlightFullBarEnabled_ = enabled; }

    std::shared_ptr<BarChartData> barData() const override;
    bool isDrawBarShadowEnabled() const override { return drawBarShadowEnabled_; }
    bool isDrawValueAboveBarEnabled() const override { return drawValueAboveBarEnabled_; }
    bool isHighlightFullBarEnabled() const override { return highlightFullBarEnabled_; }
    const YAxis* barClippingAxis(AxisDependency axis) const override { return getAxis(axis).get(); }
    std::shared_ptr<ChartViewBase> barAccessibilityContainer() const override;

    // One answer for both provider interfaces.
    std::shared_ptr<ChartData> data() const override { return ChartViewBase::data(); }
    double chartYMin() const override { return BarLineChartViewBase::chartYMin(); }
    double chartYMax() const override { return BarLineChartViewBase::chartYMax(); }

protected:
    std::shared_ptr<ChartDataProvider> selfProvider();
    // The value-space rectangle of a plain bar of value y at x, half a bar width to each side.
    using ValueRect = std::function<kit::Rect(double x, double y, double half)>;
    // The bar's rectangle in pixels; none for an entry outside the bar data.
    std::optional<kit::Rect> pixelBarBounds(const std::shared_ptr<BarChartDataEntry>& entry, const ValueRect& valueRect) const;

private:
    bool drawValueAboveBarEnabled_ = true;
    bool drawBarShadowEnabled_ = false;
    bool fitBars_ = false;
    bool highlightFullBarEnabled_ = false;
};

} // namespace charting
