#pragma once
// A bar chart for renderer and highlighter tests, standing in for the bar chart views: the kind
// test chart with settable bar flags, and optionally the view's own clipping axis and
// accessibility container.
#include "KindTestChart.h"
#include "charting/bar_line/BarChartData.h"
#include "charting/bar_line/BarChartDataEntry.h"
#include "charting/bar_line/BarChartDataProvider.h"
#include "charting/bar_line/BarChartDataSet.h"
#include "charting/model/YAxis.h"
#include "kit/base/Make.h"
#include "kit/graphics/Context.h"

#include <memory>
#include <string>
#include <vector>

namespace charting::testing {

class BarTestChart : public KindTestChart<BarChartDataProvider> {
public:
    using KindTestChart::KindTestChart;

    std::int64_t maxVisibleCount() const override { return visibleCount; }

    std::shared_ptr<BarChartData> barData() const override { return std::dynamic_pointer_cast<BarChartData>(data()); }
    bool isDrawBarShadowEnabled() const override { return shadows; }
    bool isDrawValueAboveBarEnabled() const override { return valuesAbove; }
    bool isHighlightFullBarEnabled() const override { return fullBar; }
    const YAxis* barClippingAxis(AxisDependency) const override { return clipAxis.get(); }
    std::shared_ptr<ChartViewBase> barAccessibilityContainer() const override {
        if (!accessible) return nullptr;
        return self();
    }

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
