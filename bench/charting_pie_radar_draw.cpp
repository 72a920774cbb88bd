// One drawing pass of a pie (with hole, centre text, labels and percentages beyond the slices) and of
// a radar chart, into a 600 x 600 bitmap; many-slice pies check that a frame stays within 16 ms.
#include "charting/model/ChartColorTemplates.h"
#include "charting/pie_radar/PieChartData.h"
#include "charting/pie_radar/PieChartDataEntry.h"
#include "charting/pie_radar/PieChartView.h"
#include "charting/pie_radar/RadarChartData.h"
#include "charting/pie_radar/RadarChartDataEntry.h"
#include "charting/pie_radar/RadarChartDataSet.h"
#include "charting/pie_radar/RadarChartView.h"
#include "kit/base/Make.h"
#include "kit/graphics/Context.h"
#include "kit/graphics/Image.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace charting;

void drawLoop(benchmark::State& state, ChartViewBase& chart) {
    auto image = kit::Image::make(600, 600, 1.0);
    kit::Context context(*image);
    const kit::Rect b = chart.bounds();
    for (auto _ : state) {
        context.setFillColor(kit::Color::whiteColor());
        context.fillRect(b);
        chart.drawRect(context, b);
    }
}

void BM_PieDraw(benchmark::State& state) {
    const auto slices = static_cast<int>(state.range(0));
    auto chart = kit::make<PieChartView>(kit::Rect{0, 0, 600, 600});
    std::vector<EntryPtr> entries;
    for (int i = 0; i < slices; ++i) entries.push_back(kit::make<PieChartDataEntry>(1.0 + i % 5, "Colour " + std::to_string(i)));
    auto set = kit::make<PieChartDataSet>(entries, std::string("Palette"));
    set->setColors(ChartColorTemplates::vordiplom());
    set->setSliceSpace(1);
    // Without it, slices thinner than the space would sweep nothing and cost nothing to draw.
    set->setAutomaticallyDisableSliceSpacing(true);
    set->setYValuePosition(PieChartDataSet::ValuePosition::beyondSlice);
    chart->setCenterText(std::string("Palette"));
    chart->setUsePercentValuesEnabled(true);
    // Second argument 0: slices only, as the chart preview draws them.
    const bool texts = state.range(1) != 0;
    set->setDrawValuesEnabled(texts);
    chart->setDrawEntryLabelsEnabled(texts);
    chart->setData(kit::make<PieChartData>(std::vector<DataSetPtr>{set}));
    drawLoop(state, *chart);
    state.SetItemsProcessed(state.iterations() * slices);
}
// Pies of many slices: a frame must grow with the slices, not with their square.
BENCHMARK(BM_PieDraw)->Args({12, 1})->Args({360, 1})->Args({360, 0})->Args({30000, 0})->Args({100000, 0})
    ->Unit(benchmark::kMillisecond);

void BM_RadarDraw(benchmark::State& state) {
    auto chart = kit::make<RadarChartView>(kit::Rect{0, 0, 600, 600});
    std::vector<DataSetPtr> sets;
    for (int s = 0; s < 3; ++s) {
        std::vector<EntryPtr> entries;
        for (int i = 0; i < 12; ++i) entries.push_back(kit::make<RadarChartDataEntry>(20.0 + (i * 7 + s * 13) % 60));
        auto set = kit::make<RadarChartDataSet>(entries, "Set " + std::to_string(s));
        set->setDrawFilledEnabled(true);
        sets.push_back(set);
    }
    chart->setData(kit::make<RadarChartData>(sets));
    drawLoop(state, *chart);
}
BENCHMARK(BM_RadarDraw)->Unit(benchmark::kMillisecond);

} // namespace

