// Converting a picked photo, as a pick or a stepper press does: posterize and grey with contrast
// (value breaker), sepia (photo value checker); a cropped pick and a whole 12-megapixel photo.
#include "capture/ValueBreakerVC.h"
#include "capture/ValueCheckerImageVC.h"
#include "kit/graphics/Image.h"

#include <benchmark/benchmark.h>

namespace {

kit::Image photo(int width, int height) {
    std::vector<std::uint8_t> rgba(static_cast<std::size_t>(width) * height * 4);
    for (std::size_t i = 0; i < rgba.size(); i += 4) {
        const std::size_t p = i / 4;
        rgba[i] = static_cast<std::uint8_t>(p % 251);
        rgba[i + 1] = static_cast<std::uint8_t>(p / width % 241);
        rgba[i + 2] = static_cast<std::uint8_t>((p * 7) % 256);
        rgba[i + 3] = 255;
    }
    return *kit::Image::fromRGBA(width, height, rgba);
}

void valueBreakerConversion(benchmark::State& state) {
    capture::ValueBreakerVC screen;
    screen.loadedImage = photo(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) {
        screen.posterizeToValues(screen.numberOfValues);
        benchmark::DoNotOptimize(screen.convertedImage);
    }
}
BENCHMARK(valueBreakerConversion)->Args({1080, 1080})->Args({4032, 3024})->Unit(benchmark::kMillisecond);

void sepiaConversion(benchmark::State& state) {
    const auto picture = photo(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) benchmark::DoNotOptimize(capture::ValueCheckerImageVC::sepiaImage(picture));
}
BENCHMARK(sepiaConversion)->Args({1080, 1080})->Args({4032, 3024})->Unit(benchmark::kMillisecond);

} // namespace
