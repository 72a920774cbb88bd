// Large sets, as bench/compare draws them beside matplotlib: whole 800 x 600 line charts of 10^5 and
// 10^6 points and a scatter chart of 10^5 circles, the line data pass alone, appending 10^6
// entries (with the bytes each entry holds), and a resized image drawn at two sizes in turn.
#include "ChartFrames.h"
#include "charting/bar_line/LineChartData.h"
#include "charting/bar_line/LineChartDataSet.h"
#include "charting/bar_line/LineChartView.h"
#include "charting/bar_line/ScatterChartData.h"
#include "charting/bar_line/ScatterChartDataSet.h"
#include "charting/bar_line/ScatterChartView.h"
#include "charting/core/ChartUtils.h"
#include "kit/base/Make.h"

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <random>

namespace {

using namespace charting;

const kit::Rect frame{0, 0, 800, 600};

std::vector<EntryPtr> randomWalk(std::int64_t n) {
    std::mt19937 random(7);
    std::normal_distribution<double> step(0, 1);
    std::vector<EntryPtr> entries;
    entries.reserve(static_cast<std::size_t>(n));
    double y = 0;
    for (std::int64_t i = 0; i < n; ++i) entries.push_back(std::make_shared<ChartDataEntry>(double(i), y += step(random)));
    return entries;
}

std::shared_ptr<LineChartView> walkChart(std::int64_t n) {
    auto set = kit::make<LineChartDataSet>(randomWalk(n), "walk");
    set->setDrawCirclesEnabled(false);
    set->setDrawValuesEnabled(false);
    set->setLineWidth(1);
    auto chart = kit::make<LineChartView>(frame);
    chart->setData(kit::make<LineChartData>(std::vector<DataSetPtr>{set}));
    return chart;
}

void BM_LineChart(benchmark::State& state) {
    auto chart = walkChart(state.range(0));
    drawFrames(state, *chart, state.range(1) != 0);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
// Arguments: points, data pass only.
BENCHMARK(BM_LineChart)->Args({100000, 0})->Args({100000, 1})->Args({1000000, 0})->Args({1000000, 1})->Unit(benchmark::kMillisecond);

void BM_ScatterCircles(benchmark::State& state) {
    std::mt19937 random(7);
    std::normal_distribution<double> normal(0, 1);
    std::vector<kit::Point> points(static_cast<std::size_t>(state.range(0)));
    for (auto& p : points) p = {normal(random), normal(random)};
    std::sort(points.begin(), points.end(), [](kit::Point a, kit::Point b) { return a.x < b.x; });
    std::vector<EntryPtr> entries;
    for (auto p : points) entries.push_back(std::make_shared<ChartDataEntry>(p.x, p.y));
    auto set = kit::make<ScatterChartDataSet>(std::move(entries), "points");
    set->setDrawValuesEnabled(false);
    set->setScatterShape(ScatterChartDataSet::Shape::circle);
    set->setScatterShapeSize(4);
    auto chart = kit::make<ScatterChartView>(frame);
    chart->setData(kit::make<ScatterChartData>(std::vector<DataSetPtr>{set}));
    drawFrames(state, *chart);
}
BENCHMARK(BM_ScatterCircles)->Arg(100000)->Unit(benchmark::kMillisecond);

// Entries made and appended one by one, as a live feed would; bytes_per_entry counts what the
// set and its entries hold on the heap.
void BM_AppendEntries(benchmark::State& state) {
    const std::int64_t n = state.range(0);
    double bytesPerEntry = 0;
    for (auto _ : state) {
        const auto before = mallinfo2().uordblks;
        auto set = kit::make<ChartDataSet>();
        for (std::int64_t i = 0; i < n; ++i) set->append(std::make_shared<ChartDataEntry>(double(i), double(i % 100)));
        benchmark::DoNotOptimize(set->yMax());
        state.PauseTiming();
        bytesPerEntry = double(mallinfo2().uordblks - before) / double(n);
        set.reset();
        state.ResumeTiming();
    }
    state.counters["bytes_per_entry"] = bytesPerEntry;
}
BENCHMARK(BM_AppendEntries)->Arg(1000000)->Unit(benchmark::kMillisecond);

// An icon drawn at two sizes in turn: each size keeps its own resized copy.
void BM_ImageAtTwoSizes(benchmark::State& state) {
    auto icon = std::make_shared<const kit::Image>(*kit::Image::make(64, 64));
    auto image = kit::Image::make(200, 200, 1.0, true);
    kit::Context context(*image);
    bool small = false;
    for (auto _ : state) {
        small = !small;
        drawImage(context, icon, {100, 100}, small ? kit::Size{16, 16} : kit::Size{24, 24});
    }
}
BENCHMARK(BM_ImageAtTwoSizes);

} // namespace
