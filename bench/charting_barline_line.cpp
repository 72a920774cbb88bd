// Drawing line and scatter charts: whole frames at 1000 x 600 points, the data pass alone for the
// kinds that stress it, and one pan step without the draw. A frame at 60 fps has 16.7 ms.
#include "ChartFrames.h"
#include "charting/bar_line/LineChartData.h"
#include "charting/bar_line/LineChartDataSet.h"
#include "charting/bar_line/LineChartView.h"
#include "charting/bar_line/ScatterChartData.h"
#include "charting/bar_line/ScatterChartDataSet.h"
#include "charting/bar_line/ScatterChartView.h"
#include "charting/model/DataApproximator.h"
#include "kit/base/Make.h"
#include "kit/graphics/Context.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <random>

namespace {

using namespace charting;

const kit::Rect frame{0, 0, 1000, 600};

// A random walk with a fixed seed.
std::vector<kit::Point> walk(std::int64_t n) {
    std::mt19937 random(7);
    std::normal_distribution<double> step(0, 1);
    std::vector<kit::Point> points;
    points.reserve(static_cast<std::size_t>(n));
    double y = 0;
    for (std::int64_t i = 0; i < n; ++i) points.push_back({static_cast<double>(i), y += step(random)});
    return points;
}

std::vector<EntryPtr> entriesOf(const std::vector<kit::Point>& points) {
    std::vector<EntryPtr> out;
    out.reserve(points.size());
    for (auto p : points) out.push_back(std::make_shared<ChartDataEntry>(p.x, p.y));
    return out;
}

std::shared_ptr<LineChartView> lineChart(std::shared_ptr<LineChartDataSet> set) {
    auto chart = kit::make<LineChartView>(frame);
    chart->setData(kit::make<LineChartData>(std::vector<DataSetPtr>{set}));
    return chart;
}

std::shared_ptr<LineChartDataSet> plainLine(const std::vector<kit::Point>& points) {
    auto set = kit::make<LineChartDataSet>(entriesOf(points), "walk");
    set->setDrawCirclesEnabled(false);
    set->setDrawValuesEnabled(false);
    return set;
}

void BM_LineFrame(benchmark::State& state) {
    auto chart = lineChart(plainLine(walk(state.range(0))));
    drawFrames(state, *chart);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_LineFrame)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// 10^5 points, zoomed so that a tenth or a hundredth is in view: only the visible range is drawn.
void BM_LineFrameZoomed(benchmark::State& state) {
    auto chart = lineChart(plainLine(walk(100000)));
    chart->zoom(static_cast<double>(state.range(0)), 1, 0, 0);
    chart->moveViewToX(40000);
    drawFrames(state, *chart);
}
BENCHMARK(BM_LineFrameZoomed)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);

// 10^5 points reduced once to 2000 by the approximator, then drawn.
void BM_LineFrameApproximated(benchmark::State& state) {
    auto chart = lineChart(plainLine(DataApproximator::reduceWithDouglasPeukerN(walk(100000), 2000)));
    drawFrames(state, *chart);
}
BENCHMARK(BM_LineFrameApproximated)->Unit(benchmark::kMillisecond);

void BM_ApproximateTo2000(benchmark::State& state) {
    const auto points = walk(100000);
    for (auto _ : state) benchmark::DoNotOptimize(DataApproximator::reduceWithDouglasPeukerN(points, 2000));
}
BENCHMARK(BM_ApproximateTo2000)->Unit(benchmark::kMillisecond);

void BM_LineCubicData(benchmark::State& state) {
    auto set = plainLine(walk(10000));
    set->setMode(LineChartDataSet::Mode::cubicBezier);
    auto chart = lineChart(set);
    drawFrames(state, *chart, true);
}
BENCHMARK(BM_LineCubicData)->Unit(benchmark::kMillisecond);

void BM_LineTwoColoursData(benchmark::State& state) {
    auto set = plainLine(walk(10000));
    set->setColors({kit::Color::redColor(), kit::Color::blueColor()});
    auto chart = lineChart(set);
    drawFrames(state, *chart, true);
}
BENCHMARK(BM_LineTwoColoursData)->Unit(benchmark::kMillisecond);

void BM_LineCircles(benchmark::State& state) {
    auto set = kit::make<LineChartDataSet>(entriesOf(walk(1000)), "walk");
    set->setDrawValuesEnabled(false);
    auto chart = lineChart(set);
    auto image = kit::Image::make(frame.width(), frame.height(), 1.0, true);
    kit::Context context(*image);
    for (auto _ : state) chart->renderer()->drawExtras(context);
}
BENCHMARK(BM_LineCircles)->Unit(benchmark::kMillisecond);

void BM_ScatterData(benchmark::State& state) {
    auto set = kit::make<ScatterChartDataSet>(entriesOf(walk(10000)), "walk");
    set->setScatterShape(state.range(0) == 0 ? ScatterChartDataSet::Shape::square : ScatterChartDataSet::Shape::circle);
    auto chart = kit::make<ScatterChartView>(frame);
    chart->setData(kit::make<ScatterChartData>(std::vector<DataSetPtr>{set}));
    drawFrames(state, *chart, true);
}
BENCHMARK(BM_ScatterData)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// One pan step: the touch matrix moves and is limited; nothing is drawn.
void BM_PanStep(benchmark::State& state) {
    auto chart = lineChart(plainLine(walk(10000)));
    chart->zoom(10, 1, 0, 0);
    chart->moveViewToX(5000);
    double dx = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(chart->performPanChange({dx, 0}));
        dx = -dx;
    }
}
BENCHMARK(BM_PanStep);

} // namespace
