// Entry search, appending, bounds over a visible range, and line simplification on large sets.
#include "charting/model/ChartDataSet.h"
#include "charting/model/DataApproximator.h"
#include "kit/base/Make.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <random>

using namespace charting;

namespace {

const double nan = std::numeric_limits<double>::quiet_NaN();

std::shared_ptr<ChartDataSet> sortedSet(std::int64_t n) {
    auto set = kit::make<ChartDataSet>();
    for (std::int64_t i = 0; i < n; ++i) set->append(std::make_shared<ChartDataEntry>(double(i), std::sin(i * 0.01)));
    return set;
}

void SearchByX(benchmark::State& state) {
    const auto n = state.range(0);
    auto set = sortedSet(n);
    std::mt19937_64 random(42);
    std::uniform_real_distribution<double> target(0, double(n));
    std::vector<double> targets(1 << 16);
    for (auto& t : targets) t = target(random);
    std::size_t k = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(set->entryIndexForX(targets[k++ & 0xFFFF], nan, ChartDataSetRounding::closest));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(SearchByX)->Arg(10000)->Arg(1000000);

void SearchByXWithY(benchmark::State& state) {
    const auto n = state.range(0);
    auto set = kit::make<ChartDataSet>();
    for (std::int64_t i = 0; i < n; ++i) set->append(std::make_shared<ChartDataEntry>(double(i / 8), double(i % 8)));
    std::mt19937_64 random(42);
    std::uniform_real_distribution<double> target(0, double(n / 8));
    std::vector<double> targets(1 << 16);
    for (auto& t : targets) t = target(random);
    std::size_t k = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(set->entryIndexForX(targets[k++ & 0xFFFF], 3.3, ChartDataSetRounding::closest));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(SearchByXWithY)->Arg(10000)->Arg(1000000);

void Append(benchmark::State& state) {
    for (auto _ : state) {
        auto set = kit::make<ChartDataSet>();
        for (std::int64_t i = 0; i < state.range(0); ++i)
            set->addEntry(std::make_shared<ChartDataEntry>(double(i), double(i % 100)));
        benchmark::DoNotOptimize(set->yMax());
        state.PauseTiming();
        set.reset(); // freeing is not part of appending
        state.ResumeTiming();
    }
}
BENCHMARK(Append)->Arg(1000000)->Unit(benchmark::kMillisecond);

void CalcMinMax(benchmark::State& state) {
    auto set = sortedSet(state.range(0));
    for (auto _ : state) {
        set->calcMinMax();
        benchmark::DoNotOptimize(set->yMax());
    }
}
BENCHMARK(CalcMinMax)->Arg(1000000)->Unit(benchmark::kMillisecond);

void CalcMinMaxYVisible(benchmark::State& state) {
    auto set = sortedSet(1000000);
    double from = 500000;
    for (auto _ : state) {
        set->calcMinMaxY(from, from + 999);
        benchmark::DoNotOptimize(set->yMax());
    }
}
BENCHMARK(CalcMinMaxYVisible)->Unit(benchmark::kMicrosecond);

void EntriesForXValue(benchmark::State& state) {
    auto set = sortedSet(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(set->entriesForXValue(12345));
}
BENCHMARK(EntriesForXValue)->Arg(1000000)->Unit(benchmark::kMillisecond);

std::vector<kit::Point> randomWalk(std::size_t n) {
    std::mt19937_64 random(7);
    std::normal_distribution<double> step(0, 1);
    std::vector<kit::Point> points(n);
    double y = 0;
    for (std::size_t i = 0; i < n; ++i) points[i] = {double(i), y += step(random)};
    return points;
}

void DouglasPeucker(benchmark::State& state) {
    auto points = randomWalk(1000000);
    for (auto _ : state) benchmark::DoNotOptimize(DataApproximator::reduceWithDouglasPeuker(points, 2.0));
}
BENCHMARK(DouglasPeucker)->Unit(benchmark::kMillisecond);

void DouglasPeuckerCounted(benchmark::State& state) {
    auto points = randomWalk(1000000);
    for (auto _ : state) benchmark::DoNotOptimize(DataApproximator::reduceWithDouglasPeukerN(points, 2000));
}
BENCHMARK(DouglasPeuckerCounted)->Unit(benchmark::kMillisecond);

} // namespace
