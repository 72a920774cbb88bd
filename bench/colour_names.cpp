// Naming a colour: the plain walk that converts every catalogue hex anew, against the prepared
// lookup; and the first-use cost of the lazily built catalogues.
#include "colour/ColorNames.h"
#include "colour/HexText.h"
#include "colour/SwatchPalettes.h"
#include "colour/PredefinedCombinations.h"
#include "kit/text/CaseMapping.h"

#include <benchmark/benchmark.h>

namespace {

std::optional<std::string> walk(const std::vector<colour::ColorWithName>& catalogue, const kit::Color& c,
                                double tight, double loose) {
    for (const auto& entry : catalogue) {
        const kit::Color e = colour::colorFromTableHex(*entry.hex);
        if (colour::isNear(c, e, tight)) return kit::text::uppercased(*entry.name);
        if (colour::isNear(c, e, loose)) return "~ " + kit::text::uppercased(*entry.name);
    }
    return std::nullopt;
}

// An opaque colour far from every entry walks the whole catalogue: the worst case (argument 0).
// A half-transparent one can match nothing (argument 2); a mid green is named part-way (1).
const kit::Color unnamed = kit::Color::rgba(8 / 255.0, 204 / 255.0, 0, 1);
const kit::Color named = kit::Color::rgba(0.3, 0.6, 0.2, 1);
const kit::Color faint = kit::Color::rgba(0.5, 0.5, 0.5, 0.5);
const kit::Color samples[] = {unnamed, named, faint};

// First use of the lazily built tables (one iteration each; these run before anything touches them).
void firstUsePredefinedCombinations(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(colour::CCs::predefinedCombinations().size());
}
BENCHMARK(firstUsePredefinedCombinations)->Iterations(1)->Unit(benchmark::kMicrosecond);

void firstUseSeasonPalettes(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(colour::summerColors().size() + colour::winterColors().size() +
                                 colour::springColors().size() + colour::autumnColors().size());
}
BENCHMARK(firstUseSeasonPalettes)->Iterations(1)->Unit(benchmark::kMicrosecond);

void firstUseWikipediaSorted(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(colour::wikipediaColorNamesSorted().size());
}
BENCHMARK(firstUseWikipediaSorted)->Iterations(1)->Unit(benchmark::kMicrosecond);

void firstUseWikipediaLookup(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(colour::colorName(colour::ColorNameFormat::wikipedia, named));
}
BENCHMARK(firstUseWikipediaLookup)->Iterations(1)->Unit(benchmark::kMicrosecond);

void wikipediaNaiveWalk(benchmark::State& state) {
    const auto& catalogue = colour::wikipediaColorNames();
    const kit::Color c = samples[state.range(0)];
    for (auto _ : state) benchmark::DoNotOptimize(walk(catalogue, c, 0.08, 0.12));
}
BENCHMARK(wikipediaNaiveWalk)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

void wikipediaColorName(benchmark::State& state) {
    colour::colorName(colour::ColorNameFormat::wikipedia, named); // prepared once before timing
    const kit::Color c = samples[state.range(0)];
    for (auto _ : state) benchmark::DoNotOptimize(colour::colorName(colour::ColorNameFormat::wikipedia, c));
}
BENCHMARK(wikipediaColorName)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

void htmlColorName(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(colour::colorName(colour::ColorNameFormat::HtmlCss, named));
}
BENCHMARK(htmlColorName)->Unit(benchmark::kMicrosecond);

void dedupeSummer(benchmark::State& state) {
    const auto colors = colour::summerColors();
    for (auto _ : state) benchmark::DoNotOptimize(colour::dedupedColors(colors));
}
BENCHMARK(dedupeSummer)->Unit(benchmark::kMicrosecond);

} // namespace
