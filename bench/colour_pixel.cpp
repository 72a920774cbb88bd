// Reading one pixel of a layer tree, as a touch-move over a picture or a hue disc does.
#include "colour/PixelColor.h"
#include "kit/base/Make.h"
#include "kit/graphics/Image.h"
#include "kit/ui/Layer.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

void pixelColorOfAPicture(benchmark::State& state) {
    // A 390-point square picture with a rounded, bordered frame and a translucent overlay.
    const int side = 390 * 2;
    std::vector<std::uint8_t> rgba(static_cast<std::size_t>(side) * side * 4);
    for (std::size_t i = 0; i < rgba.size(); i += 4) {
        rgba[i] = static_cast<std::uint8_t>(i / 4 % 256);
        rgba[i + 1] = static_cast<std::uint8_t>(i / 4 / side % 256);
        rgba[i + 2] = 128;
        rgba[i + 3] = 255;
    }
    auto picture = std::make_shared<const kit::Image>(*kit::Image::fromRGBA(side, side, rgba, 2.0));
    auto root = kit::make<kit::Layer>();
    root->setFrame({0, 0, 390, 390});
    root->setContents(picture);
    root->setCornerRadius(20);
    root->setBorderWidth(2);
    root->setBorderColor(kit::Color::rgba(1, 1, 1));
    auto overlay = kit::make<kit::Layer>();
    overlay->setFrame({0, 0, 390, 100});
    overlay->setBackgroundColor(kit::Color::rgba(0, 0, 0, 0.5));
    root->addSublayer(overlay);
    double x = 0;
    for (auto _ : state) {
        x = x > 380 ? 0 : x + 7;
        benchmark::DoNotOptimize(colour::pixelColor(*root, {x, 200}));
    }
}
BENCHMARK(pixelColorOfAPicture)->Unit(benchmark::kMicrosecond);

} // namespace
