// Text is measured many times per frame (axis labels, legends): the cached measurement should be
// far cheaper than the first one.
#include "kit/graphics/Context.h"
#include "kit/graphics/Text.h"

#include <benchmark/benchmark.h>

#include <string>

static void measureRepeatedLabel(benchmark::State& state) {
    const kit::Font font = kit::Font::system(12);
    for (auto _ : state) benchmark::DoNotOptimize(kit::measureText("1234.5", font));
}
BENCHMARK(measureRepeatedLabel);

static void measureFreshLabels(benchmark::State& state) {
    const kit::Font font = kit::Font::system(12);
    long i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(kit::measureText(std::to_string(i++) + ".5", font));
}
BENCHMARK(measureFreshLabels);

static void drawLabel(benchmark::State& state) {
    auto image = *kit::Image::make(200, 50, 2);
    kit::Context context(image);
    const kit::TextAttributes attributes{kit::Font::system(12), kit::Color::blackColor(), {}};
    for (auto _ : state) kit::drawText(context, "1234.5", kit::Point{10, 10}, attributes);
}
BENCHMARK(drawLabel);

static void fillAndStrokeShapes(benchmark::State& state) {
    auto image = *kit::Image::make(400, 400, 2);
    kit::Context context(image);
    context.setFillColor(kit::Color::redColor());
    for (auto _ : state) {
        context.fillRect({10, 10, 100, 100});
        context.fillEllipse({120, 10, 100, 100});
        context.drawLine({0, 0}, {400, 400});
    }
}
BENCHMARK(fillAndStrokeShapes);
