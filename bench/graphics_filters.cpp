// Sepia on one camera frame, as the live value checker does for every frame it shows (30 to 120
// a second): the whole filter has to fit well inside one frame's time.
#include "kit/graphics/Image.h"
#include "kit/graphics/filters/Filters.h"

#include <benchmark/benchmark.h>

namespace {

void sepiaOfACameraFrame(benchmark::State& state) {
    const int width = 1280, height = 720;
    std::vector<std::uint8_t> rgba(static_cast<std::size_t>(width) * height * 4, 255);
    for (std::size_t i = 0; i < rgba.size(); i += 4) {
        rgba[i] = static_cast<std::uint8_t>(i / 4 % 256);
        rgba[i + 1] = static_cast<std::uint8_t>(i / 4 / width % 256);
        rgba[i + 2] = static_cast<std::uint8_t>(i / 4 * 7 % 256);
    }
    const auto frame = *kit::Image::fromRGBA(width, height, rgba);
    for (auto _ : state) benchmark::DoNotOptimize(kit::filters::sepiaTone(frame, 1.0));
}
BENCHMARK(sepiaOfACameraFrame)->Unit(benchmark::kMillisecond);

} // namespace
