#pragma once
// A bar chart for renderer and highlighter tests, standing in for the bar chart views: one
// transformer per axis over a content rectangle that tests choose, settable flags, and optionally
// the view's own clipping axis and accessibility container.
#include "charting/bar_line/BarChartData.h"
#include "charting/bar_line/BarChartDataEntry.h"
#include "charting/bar_line/BarChartDataProvider.h"
#include "charting/bar_line/BarChartDataSet.h"
#include "charting/core/ChartViewBase.h"
#include "charting/core/Transformer.h"
#include "charting/model/YAxis.h"
#include "kit/base/Make.h"
#include "kit/graphics/Context.h"

#include <memory>
#include <string>
#include <vector>

namespace charting::testing {

class BarTestChart : public ChartViewBase, public BarChartDataProvider {
public:
    explicit BarTestChart(const kit::Rect& frame = {0, 0, 200, 200}) : ChartViewBase(frame) {}

    void initialize() override {
        ChartViewBase::initialize();
        left = std::make_shared<Transformer>(viewPortHandler());
        right = std::make_shared<Transformer>(viewPortHandler());
    }
    void notifyDataSetChanged() override {}
    void calculateOffsets() override {}
    void calcMinMax() override {}

    std::shared_ptr<Transformer> getTransformer(AxisDependency axis) const override {
        return axis == AxisDependency::left ? left : right;
    }
    bool isInverted(AxisDependency) const override { return inverted; }
    double lowestVisibleX() const override { return 0; }
    double highestVisibleX() const override { return 0; }
    std::int64_t maxVisibleCount() const override { return visibleCount; }

    std::shared_ptr<BarChartData> barData() const override { return std::dynamic_pointer_cast<BarChartData>(data()); }
    bool isDrawBarShadowEnabled() const override { return shadows; }
    bool isDrawValueAboveBarEnabled() const override { return valuesAbove; }
    bool isHighlightFullBarEnabled() const override { return fullBar; }
    const YAxis* barClippingAxis(AxisDependency) const override { return clipAxis.get(); }
    std::shared_ptr<ChartViewBase> barAccessibilityContainer() const override {
        if (!accessible) return nullptr;
        return std::dynamic_pointer_cast<ChartViewBase>(const_cast<BarTestChart*>(this)->shared_from_this());
    }

    // Content 100 × 100 at (50, 50); x 0...10 and y 0...10 over it (y up), unless given.
    void prepare(double xMin = 0, double dx = 10, double dy = 10, double yMin = 0) {
        viewPortHandler()->setChartDimens(200, 200);
        viewPortHandler()->restrainViewPort(50, 50, 50, 50);
        for (auto& t : {left, right}) {
            t->prepareMatrixValuePx(xMin, dx, dy, yMin);
            t->prepareMatrixOffset(inverted);
        }
    }

    std::shared_ptr<Transformer> left;
    std::shared_ptr<Transformer> right;
    bool inverted = false;
    bool shadows = false;
    bool valuesAbove = true;
    bool fullBar = false;
    bool accessible = false;
    std::int64_t visibleCount = 100;
    std::shared_ptr<YAxis> clipAxis;
};

inline std::shared_ptr<BarChartDataEntry> bar(double x, double y) { return std::make_shared<BarChartDataEntry>(x, y); }
inline std::shared_ptr<BarChartDataEntry> stack(double x, std::vector<double> values) {
    return std::make_shared<BarChartDataEntry>(x, std::move(values));
}

inline std::shared_ptr<BarChartDataSet> barSet(std::vector<EntryPtr> entries, std::string label = "DataSet") {
    return kit::make<BarChartDataSet>(std::move(entries), label);
}

inline std::shared_ptr<BarChartData> barData(std::vector<std::shared_ptr<BarChartDataSet>> sets, double barWidth = 0.5) {
    std::vector<DataSetPtr> all(sets.begin(), sets.end());
    auto data = kit::make<BarChartData>(all);
    data->setBarWidth(barWidth);
    return data;
}

} // namespace charting::testing
