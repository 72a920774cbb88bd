// A line of many more points than pixels is drawn reduced to what each pixel column shows, its
// crowded columns inked directly; the picture must match a drawing of every point.
// TINCTURA_RENDER_DIR keeps both PNGs.
#include "../core/RenderTestSupport.h"
#include "charting/bar_line/LineChartData.h"
#include "charting/bar_line/LineChartDataSet.h"
#include "charting/bar_line/LineChartView.h"
#include "charting/core/Transformer.h"
#include "kit/base/Make.h"
#include "kit/graphics/Context.h"
#include "kit/graphics/Image.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <numbers>
#include <random>

using namespace charting;
using namespace charting::testing;

namespace {

// A random walk with single-entry spikes (a sampling shortcut would lose them) at i = n / 3, n / 2 + 7
// and n - 5; `smooth` adds a slow wave that the noise barely roughens, with flat crests and steep flanks.
std::vector<EntryPtr> spikyWalk(std::int64_t n, double noise, double wave) {
    std::mt19937 random(11);
    std::normal_distribution<double> step(0, noise);
    std::vector<EntryPtr> entries;
    double y = 0;
    for (std::int64_t i = 0; i < n; ++i) {
        y += step(random);
        const double spike = i == n / 3 ? 400 : i == n / 2 + 7 ? -350 : i == n - 5 ? 300 : 0;
        const double slow = wave * std::sin(double(i) / double(n) * 6 * std::numbers::pi);
        entries.push_back(std::make_shared<ChartDataEntry>(double(i), y + slow + spike));
    }
    return entries;
}

struct Case {
    const char* name;
    std::int64_t points;
    double noise, wave, lineWidth;
    double differing; // the share of pixels allowed to differ by more than an eighth
};

kit::Image draw(LineChartView& chart, double scale, const std::function<void(kit::Context&)>& over = {}) {
    auto image = kit::Image::make(chart.bounds().width(), chart.bounds().height(), scale, true);
    kit::Context context(*image);
    chart.drawRect(context, chart.bounds());
    if (over) over(context);
    return std::move(*image);
}

} // namespace

TEST(LineFaithfulness, ReducedLineDrawsTheSamePixelsAsEveryPoint) {
    // Dense noise (about 270 points a pixel), sparser noise (about 14), a smooth wave of 100,000 points
    // whose columns hold nearly flat or steep stretches, and a thick line. Antialiased edges move by
    // part of a pixel where a slice's points are replaced by its extremes or its ink is computed, so
    // single pixels may differ fully: 0.25-0.35 % of them are seen to differ by more than an eighth
    // with thin lines. A thick line's miter joins at turns that are sharp but not sharp enough to be
    // bevelled reach beyond its points, which only a drawing of every point shows (about 2 %).
    const Case cases[] = {{"walk", 200000, 1, 0, 1, 0.006},
                          {"sparse-walk", 10000, 1, 0, 1, 0.006},
                          {"wave", 100000, 0.02, 300, 1, 0.006},
                          {"thick-walk", 100000, 1, 0, 3, 0.03}};
    for (const Case& c : cases)
    for (const double scale : {1.0, 2.0}) {
        SCOPED_TRACE(std::string(c.name) + " at scale " + std::to_string(scale));
        const std::int64_t n = c.points;
        auto set = kit::make<LineChartDataSet>(spikyWalk(n, c.noise, c.wave), "walk");
        set->setDrawCirclesEnabled(false);
        set->setDrawValuesEnabled(false);
        set->setLineWidth(c.lineWidth);
        // Black on white: a pixel the line loses or gains changes by the whole scale.
        const kit::Color colour = kit::Color::blackColor();
        set->setColor(colour);
        auto chart = kit::make<LineChartView>(kit::Rect{0, 0, 800, 600});
        chart->setData(kit::make<LineChartData>(std::vector<DataSetPtr>{set}));
        const kit::Image fast = draw(*chart, scale);

        // The reference: the same chart with its line made invisible, then every point stroked as one path.
        set->setColor(kit::Color::clearColor());
        const kit::Image reference = draw(*chart, scale, [&](kit::Context& context) {
            const kit::AffineTransform m = chart->getTransformer(AxisDependency::left)->valueToPixelMatrix();
            kit::Path path;
            for (const auto& e : set->entries()) {
                const kit::Point p = m.apply(kit::Point{e->x(), e->y()});
                if (path.isEmpty()) path.moveTo(p);
                else path.lineTo(p);
            }
            context.clipToRect(chart->viewPortHandler()->contentRect());
            context.setLineWidth(c.lineWidth);
            context.setStrokeColor(colour);
            context.setLineCap(set->lineCapType());
            context.stroke(path);
        });
        keepRender(fast, std::string("line-") + c.name + "-reduced-x" + std::to_string(int(scale)) + ".png");
        keepRender(reference, std::string("line-") + c.name + "-every-point-x" + std::to_string(int(scale)) + ".png");

        // Few pixels differ visibly, and every spike reaches as far in both drawings (within 3 device pixels).
        const auto a = fast.rgbaBytes(), b = reference.rgbaBytes();
        ASSERT_EQ(a.size(), b.size());
        const int w = static_cast<int>(std::lround(800 * scale));
        std::size_t visible = 0;
        for (std::size_t i = 0; i < a.size(); i += 4) {
            int d = 0;
            for (std::size_t k = 0; k < 3; ++k) d = std::max(d, std::abs(int(a[i + k]) - int(b[i + k])));
            if (d > 255 / 8) ++visible;
        }
        EXPECT_LE(double(visible) / double(a.size() / 4), c.differing);
        const kit::AffineTransform m = chart->getTransformer(AxisDependency::left)->valueToPixelMatrix();
        const auto dark = [&](const std::vector<std::uint8_t>& px, int x, int y) { return px[std::size_t(y * w + x) * 4] < 128; };
        for (const std::int64_t i : {n / 3, n / 2 + 7, n - 5}) {
            const auto& e = set->entries()[static_cast<std::size_t>(i)];
            const kit::Point tip = m.apply(kit::Point{e->x(), e->y()});
            const int column = static_cast<int>(tip.x * scale);
            // The ink of the spike's column nearest to its tip, searched from the tip's side.
            const kit::Rect content = chart->viewPortHandler()->contentRect();
            const int top = static_cast<int>(std::ceil(content.minY() * scale)) + 2;
            const int bottom = static_cast<int>(content.maxY() * scale) - 2;
            const bool up = tip.y < content.midY();
            const auto reach = [&](const std::vector<std::uint8_t>& px) {
                for (int k = 0; k <= bottom - top; ++k) {
                    const int y = up ? top + k : bottom - k;
                    for (int x = std::max(0, column - 2); x <= std::min(w - 1, column + 2); ++x)
                        if (dark(px, x, y)) return y;
                }
                return -1;
            };
            const int fastReach = reach(a);
            EXPECT_NE(fastReach, up ? top : bottom) << "the search starts on the line: it shows nothing";
            EXPECT_NEAR(fastReach, reach(b), 3) << "spike " << i;
        }
    }
}
