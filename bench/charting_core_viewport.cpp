// View-port handler costs on the paths that run per touch and per drawn value.
#include "charting/core/ChartEasing.h"
#include "charting/core/ViewPortHandler.h"

#include <benchmark/benchmark.h>

namespace {

void BM_ConstrainTouchMatrix(benchmark::State& state) {
    charting::ViewPortHandler handler(800, 600);
    handler.restrainViewPort(40, 20, 20, 40);
    handler.setDragOffsetX(10);
    double pan = 0;
    for (auto _ : state) {
        kit::AffineTransform m{3, 0, 0, 2, pan, -pan};
        handler.constrainTouchMatrix(m, handler.contentRect());
        benchmark::DoNotOptimize(m);
        pan = pan < -5000 ? 0 : pan - 7;
    }
}
BENCHMARK(BM_ConstrainTouchMatrix);

void BM_IsInBounds(benchmark::State& state) {
    charting::ViewPortHandler handler(800, 600);
    handler.restrainViewPort(40, 20, 20, 40);
    double x = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(handler.isInBounds(x, 300 - x * 0.25));
        x = x > 900 ? 0 : x + 1.37;
    }
}
BENCHMARK(BM_IsInBounds);

void BM_IsIntersectingLine(benchmark::State& state) {
    charting::ViewPortHandler handler(800, 600);
    handler.restrainViewPort(40, 20, 20, 40);
    double x = -400;
    for (auto _ : state) {
        benchmark::DoNotOptimize(handler.isIntersectingLine({x, 700}, {x + 30, 900}));
        x = x > 1200 ? -400 : x + 3.1;
    }
}
BENCHMARK(BM_IsIntersectingLine);

void BM_EasingTick(benchmark::State& state) {
    const auto curve = charting::easingFunctionFromOption(static_cast<charting::ChartEasingOption>(state.range(0)));
    double t = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(curve(t, 1.0));
        t = t >= 1.0 ? 0 : t + 1.0 / 60.0;
    }
}
BENCHMARK(BM_EasingTick)->Arg(0)->Arg(15)->Arg(24)->Arg(30);

} // namespace
