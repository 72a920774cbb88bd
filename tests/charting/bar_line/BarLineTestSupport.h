#pragma once
// Small builders for the x/y chart tests: line and scatter charts with data, and a delegate that
// logs what the chart tells it.
#include "charting/bar_line/LineChartData.h"
#include "charting/bar_line/LineChartDataSet.h"
#include "charting/bar_line/LineChartView.h"
#include "charting/bar_line/ScatterChartData.h"
#include "charting/bar_line/ScatterChartDataSet.h"
#include "charting/bar_line/ScatterChartView.h"
#include "charting/core/ChartViewDelegate.h"
#include "kit/base/Make.h"
#include "kit/graphics/Context.h"

#include <string>
#include <utility>
#include <vector>

namespace charting::testing {

inline std::vector<EntryPtr> entries(const std::vector<std::pair<double, double>>& xy) {
    std::vector<EntryPtr> out;
    for (auto [x, y] : xy) out.push_back(std::make_shared<ChartDataEntry>(x, y));
    return out;
}

// Entries (i, f(i)) for i in 0 ..< n.
template <class F> std::vector<EntryPtr> series(int n, F f) {
    std::vector<EntryPtr> out;
    for (int i = 0; i < n; ++i) out.push_back(std::make_shared<ChartDataEntry>(i, f(i)));
    return out;
}

inline std::shared_ptr<LineChartDataSet> lineSet(std::vector<EntryPtr> e, std::string label = "Line") {
    return kit::make<LineChartDataSet>(std::move(e), label);
}

inline std::shared_ptr<LineChartView> lineChart(std::vector<std::shared_ptr<LineChartDataSet>> sets,
                                                kit::Rect frame = {0, 0, 300, 200}) {
    auto chart = kit::make<LineChartView>(frame);
    std::vector<DataSetPtr> all(sets.begin(), sets.end());
    chart->setData(kit::make<LineChartData>(std::move(all)));
    return chart;
}

inline std::shared_ptr<ScatterChartView> scatterChart(std::vector<std::shared_ptr<ScatterChartDataSet>> sets,
                                                      kit::Rect frame = {0, 0, 300, 200}) {
    auto chart = kit::make<ScatterChartView>(frame);
    std::vector<DataSetPtr> all(sets.begin(), sets.end());
    chart->setData(kit::make<ScatterChartData>(std::move(all)));
    return chart;
}

// The recorded lines that start with the prefix.
inline std::vector<std::string> recorded(const kit::RecordingContext& context, const std::string& prefix) {
    std::vector<std::string> out;
    for (const std::string& line : context.lines())
        if (line.rfind(prefix, 0) == 0) out.push_back(line);
    return out;
}

// A line chart that counts its offset computations.
struct CountingChart : LineChartView {
    using LineChartView::LineChartView;
    int offsetCalculations = 0;
    void calculateOffsets() override {
        ++offsetCalculations;
        LineChartView::calculateOffsets();
    }
};

struct LoggingDelegate : ChartViewDelegate {
    std::vector<std::string> log;
    double lastScaleX = 0, lastScaleY = 0;
    void chartValueSelected(ChartViewBase&, const ChartDataEntry& entry, const Highlight&) override {
        log.push_back("selected " + std::to_string(static_cast<int>(entry.x())));
    }
    void chartValueNothingSelected(ChartViewBase&) override { log.push_back("nothing"); }
    void chartScaled(ChartViewBase&, double sx, double sy) override {
        lastScaleX = sx, lastScaleY = sy;
        log.push_back("scaled");
    }
    void chartTranslated(ChartViewBase&, double, double) override { log.push_back("translated"); }
    void chartViewDidEndPanning(ChartViewBase&) override { log.push_back("end panning"); }
};

} // namespace charting::testing
