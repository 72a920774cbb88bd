// Drawing bar, horizontal-bar, candle and bubble charts: whole frames at 1000 x 600 points and the
// bar data pass alone (plain and stacked). A frame at 60 fps has 16.7 ms.
#include "ChartFrames.h"
#include "charting/bar_line/BarChartDataSet.h"
#include "charting/bar_line/BarChartView.h"
#include "charting/bar_line/BubbleChartDataEntry.h"
#include "charting/bar_line/BubbleChartDataSet.h"
#include "charting/bar_line/BubbleChartView.h"
#include "charting/bar_line/CandleChartDataEntry.h"
#include "charting/bar_line/CandleChartDataSet.h"
#include "charting/bar_line/CandleStickChartView.h"
#include "charting/bar_line/HorizontalBarChartView.h"
#include "kit/base/Make.h"
#include "kit/graphics/Context.h"
#include "kit/graphics/Image.h"

#include <benchmark/benchmark.h>

#include <random>

namespace {

using namespace charting;

const kit::Rect frame{0, 0, 1000, 600};

std::vector<double> values(std::int64_t n) {
    std::mt19937 random(11);
    std::uniform_real_distribution<double> v(-5, 20);
    std::vector<double> out;
    for (std::int64_t i = 0; i < n; ++i) out.push_back(v(random));
    return out;
}

std::shared_ptr<BarChartData> bars(std::int64_t n, int stack) {
    const auto v = values(n * stack);
    std::vector<EntryPtr> entries;
    for (std::int64_t i = 0; i < n; ++i) {
        if (stack == 1) entries.push_back(std::make_shared<BarChartDataEntry>(double(i), v[std::size_t(i)]));
        else entries.push_back(std::make_shared<BarChartDataEntry>(
                 double(i), std::vector<double>(v.begin() + i * stack, v.begin() + (i + 1) * stack)));
    }
    auto set = kit::make<BarChartDataSet>(entries, std::string("bars"));
    set->setColors({kit::Color::redColor(), kit::Color::greenColor(), kit::Color::blueColor()});
    return kit::make<BarChartData>(std::vector<DataSetPtr>{set});
}

void BM_BarFrame(benchmark::State& state) {
    auto chart = kit::make<BarChartView>(frame);
    chart->setData(bars(state.range(0), 1));
    drawFrames(state, *chart);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_BarFrame)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

// The data pass alone: buffers, mapping, fills and accessibility elements.
void BM_BarData(benchmark::State& state) {
    auto chart = kit::make<BarChartView>(frame);
    chart->setData(bars(10000, static_cast<int>(state.range(0))));
    drawFrames(state, *chart, true);
}
BENCHMARK(BM_BarData)->Arg(1)->Arg(3)->Unit(benchmark::kMillisecond);

void BM_HorizontalBarFrame(benchmark::State& state) {
    auto chart = kit::make<HorizontalBarChartView>(frame);
    chart->setData(bars(1000, 1));
    drawFrames(state, *chart);
}
BENCHMARK(BM_HorizontalBarFrame)->Unit(benchmark::kMillisecond);

void BM_CandleFrame(benchmark::State& state) {
    const auto v = values(1000);
    std::vector<EntryPtr> entries;
    for (std::size_t i = 0; i < v.size(); ++i)
        entries.push_back(std::make_shared<CandleChartDataEntry>(double(i), v[i] + 6, v[i] - 6, v[i] + 2, v[i] - (i % 3)));
    auto chart = kit::make<CandleStickChartView>(frame);
    chart->setData(kit::make<CandleChartData>(std::vector<DataSetPtr>{kit::make<CandleChartDataSet>(entries)}));
    drawFrames(state, *chart);
}
BENCHMARK(BM_CandleFrame)->Unit(benchmark::kMillisecond);

void BM_BubbleFrame(benchmark::State& state) {
    const auto v = values(1000);
    std::vector<EntryPtr> entries;
    for (std::size_t i = 0; i < v.size(); ++i)
        entries.push_back(std::make_shared<BubbleChartDataEntry>(double(i), v[i], 1 + double(i % 5)));
    auto chart = kit::make<BubbleChartView>(frame);
    chart->setData(kit::make<BubbleChartData>(std::vector<DataSetPtr>{kit::make<BubbleChartDataSet>(entries)}));
    drawFrames(state, *chart);
}
BENCHMARK(BM_BubbleFrame)->Unit(benchmark::kMillisecond);

} // namespace
