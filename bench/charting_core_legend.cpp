// Legend measurement: fixed metrics isolate the layout itself; Pango shows the cost with real text.
#include "charting/core/ViewPortHandler.h"
#include "charting/model/Legend.h"
#include "kit/graphics/TextMetrics.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

charting::Legend::Entries makeEntries(int count) {
    charting::Legend::Entries entries;
    for (int i = 0; i < count; ++i) {
        // Every fourth entry is the label-less start of a group.
        auto entry = std::make_shared<charting::LegendEntry>(
            i % 4 == 0 ? std::nullopt : std::optional<std::string>("Colour " + std::to_string(i)));
        entries.push_back(entry);
    }
    return entries;
}

void legendLayout(benchmark::State& state, bool fixedMetrics, charting::Legend::Orientation orientation) {
    std::unique_ptr<kit::FixedTextMetricsScope> metrics;
    if (fixedMetrics) metrics = std::make_unique<kit::FixedTextMetricsScope>();
    charting::ViewPortHandler handler(400, 300);
    charting::Legend legend;
    legend.setOrientation(orientation);
    legend.setEntries(makeEntries(static_cast<int>(state.range(0))));
    for (auto _ : state) {
        legend.calculateDimensions(legend.font(), handler);
        benchmark::DoNotOptimize(legend.neededHeight());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_LegendHorizontalFixed(benchmark::State& s) { legendLayout(s, true, charting::Legend::Orientation::horizontal); }
void BM_LegendVerticalFixed(benchmark::State& s) { legendLayout(s, true, charting::Legend::Orientation::vertical); }
void BM_LegendHorizontalPango(benchmark::State& s) { legendLayout(s, false, charting::Legend::Orientation::horizontal); }
BENCHMARK(BM_LegendHorizontalFixed)->Arg(12)->Arg(1000);
BENCHMARK(BM_LegendVerticalFixed)->Arg(12)->Arg(1000);
BENCHMARK(BM_LegendHorizontalPango)->Arg(12)->Arg(1000);

} // namespace
