// The colour filters on one camera frame (1280 x 720) and on a 12-megapixel photo, as the live value
// checker and the photo screens run them, next to a memcpy of the same pixels: a live filter has to
// stay within a few copies of its frame. Live frames are filtered into a kept output image; a photo
// is filtered once into a new one ("new image"). Each filter runs on every vector unit this machine
// has (the widest is what the app uses).
#include "kit/graphics/Image.h"
#include "kit/graphics/filters/Filters.h"

#include <benchmark/benchmark.h>
#include <cairo.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

namespace filters = kit::filters;

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
enum Output { kept, fresh };

void filterInto(Filter filter, const kit::Image& frame, kit::Image& out) {
    switch (filter) {
    case sepia: filters::sepiaTone(frame, out, 1.0); break;
    case posterize: filters::posterize(frame, out, 4); break;
    case grey: filters::colorControls(frame, out, 0, 0, 1); break;
    case copy: break;
    }
}

std::optional<kit::Image> filterFresh(Filter filter, const kit::Image& frame) {
    switch (filter) {
    case sepia: return filters::sepiaTone(frame, 1.0);
    case posterize: return filters::posterize(frame, 4);
    case grey: return filters::colorControls(frame, 0, 0, 1);
    case copy: break;
    }
    return std::nullopt;
}

void run(benchmark::State& state, Filter filter, Output output, filters::VectorUnit unit) {
    const int width = static_cast<int>(state.range(0)), height = static_cast<int>(state.range(1));
    const kit::Image frame = pattern(width, height);
    cairo_surface_t* s = frame.surface();
    const std::size_t bytes = static_cast<std::size_t>(cairo_image_surface_get_stride(s)) * height;
    std::vector<unsigned char> copied(bytes);
    kit::Image out;
    filters::useVectorUnit(unit);
    for (auto _ : state) {
        if (filter == copy) {
            std::memcpy(copied.data(), cairo_image_surface_get_data(s), bytes);
            benchmark::DoNotOptimize(copied.data());
        } else if (output == kept) {
            filterInto(filter, frame, out);
            benchmark::DoNotOptimize(out);
        } else {
            auto made = filterFresh(filter, frame);
            benchmark::DoNotOptimize(made);
        }
        benchmark::ClobberMemory();
    }
    filters::useVectorUnit(std::nullopt);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(bytes));
}

const char* unitName(filters::VectorUnit unit) {
    switch (unit) {
    case filters::VectorUnit::avx512: return "avx512";
    case filters::VectorUnit::avx2: return "avx2";
    case filters::VectorUnit::baseline: break;
    }
    return "baseline";
}

const int registered = [] {
    const auto frame = [](benchmark::internal::Benchmark* b) {
        b->Args({1280, 720})->Args({4000, 3000})->Unit(benchmark::kMillisecond);
    };
    const auto photo = [](benchmark::internal::Benchmark* b) { b->Args({4000, 3000})->Unit(benchmark::kMillisecond); };
    frame(benchmark::RegisterBenchmark("memcpy", run, copy, kept, filters::VectorUnit::baseline));
    const std::pair<const char*, Filter> named[] = {{"sepia", sepia}, {"posterize4", posterize}, {"grey", grey}};
    for (const auto unit : filters::runnableVectorUnits())
        for (const auto& [name, filter] : named) {
            const std::string label = std::string(name) + "/" + unitName(unit);
            frame(benchmark::RegisterBenchmark(label.c_str(), run, filter, kept, unit));
            photo(benchmark::RegisterBenchmark((label + "/new_image").c_str(), run, filter, fresh, unit));
        }
    return 0;
}();

} // namespace
