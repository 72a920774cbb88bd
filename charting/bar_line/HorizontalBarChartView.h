#pragma once
// The bar chart on its side: x values run down the vertical axis, y values along the horizontal
// one; the left y axis sits above the content and the right one below, the x labels at the sides.
// Every mapping between touches, pixels and values exchanges x and y.
#include "charting/bar_line/BarChartView.h"

namespace charting {

class HorizontalBarChartView : public BarChartView {
public:
    using BarChartView::BarChartView;

    void initialize() override;
    void calculateLegendOffsets(double& offsetLeft, double& offsetTop, double& offsetRight, double& offsetBottom) override;
    void calculateOffsets() override;
    void prepareValuePxMatrix() override;
    kit::Point getMarkerPosition(const Highlight& highlight) override;
    std::optional<kit::Rect> getBarBounds(const std::shared_ptr<BarChartDataEntry>& entry) const override;
    kit::Point getPosition(const ChartDataEntry& entry, AxisDependency axis) const override;
    // The full-bar option is not applied here.
    std::optional<Highlight> getHighlightByTouchPoint(kit::Point point) override;
    double lowestVisibleX() const override;
    double highestVisibleX() const override;
    void setVisibleXRangeMaximum(double maxXRange) override;
    void setVisibleXRangeMinimum(double minXRange) override;
    void setVisibleXRange(double minXRange, double maxXRange) override;
    void setVisibleYRangeMaximum(double maxYRange, AxisDependency axis) override;
    void setVisibleYRangeMinimum(double minYRange, AxisDependency axis) override;
    void setVisibleYRange(double minYRange, double maxYRange, AxisDependency axis) override;

protected:
    bool pansInvertedAlongX() const override { return true; }
};

} // namespace charting
