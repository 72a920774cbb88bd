// Bounds of the kind-specific data sets (stacked bars, candles, bubbles) and of combined data,
// beside the plain data set as the floor: each kind adds a per-entry kind test to the pass.
#include "charting/bar_line/BarChartDataEntry.h"
#include "charting/bar_line/BarChartDataSet.h"
#include "charting/bar_line/BubbleChartDataEntry.h"
#include "charting/bar_line/BubbleChartDataSet.h"
#include "charting/bar_line/CandleChartDataEntry.h"
#include "charting/bar_line/CandleChartDataSet.h"
#include "charting/bar_line/CombinedChartData.h"
#include "charting/bar_line/LineChartDataSet.h"
#include "kit/base/Make.h"

#include <benchmark/benchmark.h>

#include <cmath>

using namespace charting;

namespace {

std::vector<EntryPtr> plainEntries(std::int64_t n) {
    std::vector<EntryPtr> entries;
    for (std::int64_t i = 0; i < n; ++i) entries.push_back(std::make_shared<ChartDataEntry>(double(i), std::sin(i * 0.01)));
    return entries;
}

template <class Set>
void Bounds(benchmark::State& state, std::vector<EntryPtr> entries) {
    auto set = kit::make<Set>(std::move(entries));
    for (auto _ : state) {
        set->calcMinMax();
        benchmark::DoNotOptimize(set->yMax());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void PlainSetBounds(benchmark::State& state) { Bounds<ChartDataSet>(state, plainEntries(state.range(0))); }
BENCHMARK(PlainSetBounds)->Arg(100000);

void StackedBarBounds(benchmark::State& state) {
    std::vector<EntryPtr> entries;
    for (std::int64_t i = 0; i < state.range(0); ++i)
        entries.push_back(std::make_shared<BarChartDataEntry>(double(i), std::vector<double>{1.0, -2.0, std::sin(i * 0.01)}));
    Bounds<BarChartDataSet>(state, std::move(entries));
}
BENCHMARK(StackedBarBounds)->Arg(100000);

void CandleBounds(benchmark::State& state) {
    std::vector<EntryPtr> entries;
    for (std::int64_t i = 0; i < state.range(0); ++i) {
        const double mid = std::sin(i * 0.01);
        entries.push_back(std::make_shared<CandleChartDataEntry>(double(i), mid + 1, mid - 1, mid, mid + 0.5));
    }
    Bounds<CandleChartDataSet>(state, std::move(entries));
}
BENCHMARK(CandleBounds)->Arg(100000);

void BubbleBounds(benchmark::State& state) {
    std::vector<EntryPtr> entries;
    for (std::int64_t i = 0; i < state.range(0); ++i)
        entries.push_back(std::make_shared<BubbleChartDataEntry>(double(i), std::sin(i * 0.01), double(i % 97)));
    Bounds<BubbleChartDataSet>(state, std::move(entries));
}
BENCHMARK(BubbleBounds)->Arg(100000);

// Combined data rebuilds its list and bounds from three sub-data of n entries each.
void CombinedNotify(benchmark::State& state) {
    const auto n = state.range(0);
    auto combined = kit::make<CombinedChartData>();
    combined->setLineData(kit::make<LineChartData>(std::vector<DataSetPtr>{kit::make<LineChartDataSet>(plainEntries(n))}));
    combined->setScatterData(kit::make<ScatterChartData>(std::vector<DataSetPtr>{kit::make<ChartDataSet>(plainEntries(n))}));
    combined->setCandleData(kit::make<CandleChartData>(std::vector<DataSetPtr>{kit::make<ChartDataSet>(plainEntries(n))}));
    for (auto _ : state) {
        combined->notifyDataChanged();
        benchmark::DoNotOptimize(combined->xMax());
    }
    state.SetItemsProcessed(state.iterations() * 3);
}
BENCHMARK(CombinedNotify)->Arg(100000);

} // namespace
