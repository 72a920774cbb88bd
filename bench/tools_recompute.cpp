// The work each slider move asks of the tools: the mixing calculator's colour, derived colours,
// texts and name (Wikipedia names, the largest catalogue); a 60-colour group with its hex list;
// a contrast rating; the light tint of a list row.
#include "app/ColorNameFormat.h"
#include "colour/ColorCodeText.h"
#include "colour/ColorNames.h"
#include "tools/ColorGroup.h"
#include "tools/ContrastRatio.h"
#include "tools/DerivedColorList.h"
#include "tools/LightType.h"
#include "tools/MixingMath.h"

#include <benchmark/benchmark.h>

namespace {

void MixingRecompute(benchmark::State& state) {
    float a = 0.1f;
    for (auto _ : state) {
        a = a > 0.95f ? 0.05f : a + 0.013f;
        const auto color = tools::colorFromSliders(tools::ColorMixingMode::ryb, a, 0.4, 0.7, 0);
        const auto derived = tools::derivedColors(color);
        const auto names = tools::componentNames(tools::ColorMixingMode::ryb);
        auto share = tools::shareText(names[0], a, a + 1.1);
        auto code = colour::colorCodeString(color, 2);
        auto name = colour::colorName(app::ColorNameFormat::wikipedia, color);
        auto caption = tools::hsbCaption("Saturation", 0.45f);
        benchmark::DoNotOptimize(derived);
        benchmark::DoNotOptimize(share);
        benchmark::DoNotOptimize(code);
        benchmark::DoNotOptimize(name);
        benchmark::DoNotOptimize(caption);
    }
}
BENCHMARK(MixingRecompute)->Unit(benchmark::kMicrosecond);

void ColorGroupOfSixty(benchmark::State& state) {
    double hue = 0;
    for (auto _ : state) {
        hue = hue > 0.99 ? 0 : hue + 0.01;
        const auto group = tools::makeColorGroup(kit::Color::hsb(hue, 0.6, 0.8), 60, true);
        auto text = tools::hexArrayText(group, 1, 60);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(ColorGroupOfSixty)->Unit(benchmark::kMicrosecond);

void ContrastRating(benchmark::State& state) {
    double s = 0.01;
    for (auto _ : state) {
        s = s > 0.99 ? 0.01 : s + 0.01;
        const float r = tools::contrastRatioValue(kit::Color::hsb(0.3, s, 0.7), kit::Color::hsb(0.8, 0.5, 0.2));
        auto text = tools::ratioText(r) + tools::contrastVerdictText(r);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(ContrastRating)->Unit(benchmark::kMicrosecond);

void LightTintOfARow(benchmark::State& state) {
    double p = 0;
    for (auto _ : state) {
        p = p > 0.99 ? 0 : p + 0.01;
        auto c = tools::colorUnderLight(kit::Color::rgba(0.2, 0.4, 0.6), tools::LightType::sunset, p);
        benchmark::DoNotOptimize(c);
    }
}
BENCHMARK(LightTintOfARow)->Unit(benchmark::kNanosecond);

} // namespace
