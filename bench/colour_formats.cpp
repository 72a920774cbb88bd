// Colour text: the hex writer and parser, the nine code formats and the painter's cube.
#include "colour/ColorCodeText.h"
#include "colour/HexText.h"
#include "colour/Ryb.h"

#include <benchmark/benchmark.h>

namespace {

const kit::Color sample = kit::Color::rgba(1, 0x40 / 255.0, 0x50 / 255.0, 1);

void hexString(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(colour::hexString(sample));
}
BENCHMARK(hexString);

void colorFromHex(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(colour::colorFromHex(" #ff4050\n"));
}
BENCHMARK(colorFromHex);

void formatText(benchmark::State& state) {
    const int mode = static_cast<int>(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(colour::colorCodeString(sample, mode));
}
BENCHMARK(formatText)->DenseRange(0, 8);

void formatTextMultiline(benchmark::State& state) {
    const int mode = static_cast<int>(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(colour::colorCodeStringMultiline(sample, mode));
}
BENCHMARK(formatTextMultiline)->DenseRange(0, 8);

void rybToRgb(benchmark::State& state) {
    double t = 0;
    for (auto _ : state) {
        t = t > 1 ? 0 : t + 0.001;
        benchmark::DoNotOptimize(colour::rybToRgb(t, 1 - t, 0.5));
    }
}
BENCHMARK(rybToRgb);

} // namespace
