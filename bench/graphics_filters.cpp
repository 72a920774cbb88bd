// The colour filters on one camera frame (1280 x 720) and on a 12-megapixel photo, as the live value
// checker and the photo screens run them, next to a memcpy of the same pixels: a live filter has to
// stay within a few copies of its frame. Live frames are filtered into a kept output image.
#include "kit/graphics/Image.h"
#include "kit/graphics/filters/Filters.h"

#include <benchmark/benchmark.h>
#include <cairo.h>

#include <cstring>
#include <vector>

namespace {

kit::Image pattern(int width, int height) {
    std::vector<std::uint8_t> rgba(static_cast<std::size_t>(width) * height * 4, 255);
    for (std::size_t i = 0; i < rgba.size(); i += 4) {
        rgba[i] = static_cast<std::uint8_t>(i / 4 % 256);
        rgba[i + 1] = static_cast<std::uint8_t>(i / 4 / width % 256);
        rgba[i + 2] = static_cast<std::uint8_t>(i / 4 * 7 % 256);
    }
    return *kit::Image::fromRGBA(width, height, rgba);
}

enum Filter { copy, sepia, posterize, grey };

void run(benchmark::State& state, Filter filter) {
    const int width = static_cast<int>(state.range(0)), height = static_cast<int>(state.range(1));
    const kit::Image frame = pattern(width, height);
    cairo_surface_t* s = frame.surface();
    const std::size_t bytes = static_cast<std::size_t>(cairo_image_surface_get_stride(s)) * height;
    std::vector<unsigned char> copied(bytes);
    kit::Image out;
    for (auto _ : state) {
        switch (filter) {
        case copy: std::memcpy(copied.data(), cairo_image_surface_get_data(s), bytes); break;
        case sepia: kit::filters::sepiaTone(frame, out, 1.0); break;
        case posterize: kit::filters::posterize(frame, out, 4); break;
        case grey: kit::filters::colorControls(frame, out, 0, 0, 1); break;
        }
        benchmark::DoNotOptimize(copied.data());
        benchmark::DoNotOptimize(out);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(bytes));
}

void sizes(benchmark::internal::Benchmark* b) {
    b->Args({1280, 720})->Args({4000, 3000})->Unit(benchmark::kMillisecond);
}

BENCHMARK_CAPTURE(run, memcpy, copy)->Apply(sizes);
BENCHMARK_CAPTURE(run, sepia, sepia)->Apply(sizes);
BENCHMARK_CAPTURE(run, posterize4, posterize)->Apply(sizes);
BENCHMARK_CAPTURE(run, grey, grey)->Apply(sizes);

} // namespace
