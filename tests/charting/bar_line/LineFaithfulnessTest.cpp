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

enum class Noise { walk, independent };

// A random walk (or, `independent`, noise around zero that every point draws anew: a zigzag of sharp
// turns from edge to edge of its band) with single-entry spikes (a sampling shortcut would lose them)
// at i = n / 3, n / 2 + 7 and n - 5; `wave` adds a slow wave that the noise barely roughens, with flat
// crests and steep flanks.
std::vector<EntryPtr> spikyWalk(std::int64_t n, double noise, double wave, Noise kind) {
    std::mt19937 random(11);
    std::normal_distribution<double> step(0, noise);
    std::vector<EntryPtr> entries;
    double y = 0;
    for (std::int64_t i = 0; i < n; ++i) {
        y = kind == Noise::walk ? y + step(random) : step(random);
        const double spike = i == n / 3 ? 400 : i == n / 2 + 7 ? -350 : i == n - 5 ? 300 : 0;
        const double slow = wave * std::sin(double(i) / double(n) * 6 * std::numbers::pi);
        entries.push_back(std::make_shared<ChartDataEntry>(double(i), y + slow + spike));
    }
    return entries;
}

// A stretch of the line without values, `pixels` device pixel columns wide from 0.6 of the entries:
// its entries left out (a gap in x), or kept with y NaN, which the line leaves out and bridges. It
// starts and ends on a pixel column's edge, so that the columns on both sides are crowded throughout.
struct Gap {
    enum class Kind { none, missingX, notANumber } kind = Kind::none;
    int pixels = 0;
};

void cutGap(LineChartView& chart, LineChartDataSet& set, Gap gap) {
    if (gap.kind == Gap::Kind::none) return;
    // The range stays as it is: a NaN entry resets the bounds it widens.
    for (const auto& axis : {chart.leftAxis(), chart.rightAxis()}) {
        axis->setAxisMinimum(axis->axisMinimum());
        axis->setAxisMaximum(axis->axisMaximum());
    }
    const kit::AffineTransform m = chart.getTransformer(AxisDependency::left)->valueToPixelMatrix();
    const double firstPixel = std::floor(m.apply(kit::Point{set.xMax() * 0.6, 0}).x);
    const double from = std::ceil((firstPixel - m.tx) / m.a), to = std::ceil((firstPixel + gap.pixels - m.tx) / m.a);
    std::vector<EntryPtr> entries;
    for (const auto& e : set.entries()) {
        const bool inGap = e->x() >= from && e->x() < to;
        if (!inGap) entries.push_back(e);
        else if (gap.kind == Gap::Kind::notANumber) entries.push_back(std::make_shared<ChartDataEntry>(e->x(), std::nan("")));
    }
    set.replaceEntries(std::move(entries));
    chart.notifyDataSetChanged();
}

struct Case {
    const char* name;
    std::int64_t points;
    double noise, wave, lineWidth;
    double differing; // the share of pixels allowed to differ by more than an eighth
    Gap gap{};
    Noise kind = Noise::walk;
};

kit::Image draw(LineChartView& chart, double scale, const std::function<void(kit::Context&)>& over = {}) {
    auto image = kit::Image::make(chart.bounds().width(), chart.bounds().height(), scale, true);
    kit::Context context(*image);
    chart.drawRect(context, chart.bounds());
    if (over) over(context);
    return std::move(*image);
}

// The share of pixels whose colour differs by more than an eighth.
double differingShare(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b) {
    std::size_t visible = 0;
    for (std::size_t i = 0; i < a.size(); i += 4) {
        int d = 0;
        for (std::size_t k = 0; k < 3; ++k) d = std::max(d, std::abs(int(a[i + k]) - int(b[i + k])));
        if (d > 255 / 8) ++visible;
    }
    return double(visible) / double(a.size() / 4);
}

// How much the line darkens the chart drawn without it (`blank`), in pixels' worth.
double lineInk(const std::vector<std::uint8_t>& drawn, const std::vector<std::uint8_t>& blank) {
    double ink = 0;
    for (std::size_t i = 0; i < drawn.size(); i += 4) ink += blank[i] - drawn[i];
    return ink / 255;
}

// Pixel columns of the content where the reference's line has at least a pixel's worth of ink and
// the drawing's less than a quarter of it: a stretch of the line it lost. The line's ink is what it
// darkens of the chart drawn without it (`blank`).
int lostColumns(const std::vector<std::uint8_t>& drawn, const std::vector<std::uint8_t>& reference,
                const std::vector<std::uint8_t>& blank, int width, int top, int bottom, int left, int right) {
    int lost = 0;
    for (int x = left; x < right; ++x) {
        int drawnInk = 0, referenceInk = 0;
        for (int y = top; y < bottom; ++y) {
            const std::size_t i = std::size_t(y * width + x) * 4;
            drawnInk += blank[i] - drawn[i];
            referenceInk += blank[i] - reference[i];
        }
        if (referenceInk >= 255 && drawnInk * 4 < referenceInk) ++lost;
    }
    return lost;
}

} // namespace

TEST(LineFaithfulness, ReducedLineDrawsTheSamePixelsAsEveryPoint) {
    // Dense noise (about 270 points a pixel), sparser noise (about 14), a smooth wave of 100,000 points
    // whose columns hold nearly flat or steep stretches, lines 2 and 3 wide, stretches without values
    // between crowded columns (wide and narrow gaps in x, a run of NaN), tiny steps whose crowded
    // columns hold nearly flat zigzags, and noise drawn anew at every point, a dozen or more points a
    // column that all turn sharply, also 2 and 3 wide. The line is stroked with miter joins: turns that
    // are sharp but not sharp enough to be bevelled put spurs beyond its points. Antialiased edges move
    // by part of a pixel where a slice's points are replaced by its extremes or its ink is computed, so
    // single pixels may differ fully: up to 0.05 % of them are seen to differ by more than an eighth
    // (under 0.01 % from 100,000 points on).
    using enum Gap::Kind;
    const Case cases[] = {{"walk", 200000, 1, 0, 1, 0.001},
                          {"sparse-walk", 10000, 1, 0, 1, 0.006},
                          {"wave", 100000, 0.02, 300, 1, 0.001},
                          {"walk-width-2", 100000, 1, 0, 2, 0.001},
                          {"thick-walk", 100000, 1, 0, 3, 0.001},
                          {"gap", 100000, 1, 0, 1, 0.001, {missingX, 70}},
                          {"nan-run", 100000, 1, 0, 1, 0.001, {notANumber, 70}},
                          {"narrow-gap", 100000, 1, 0, 1, 0.001, {missingX, 3}},
                          {"small-steps", 100000, 0.02, 0, 1, 0.001},
                          // About 13 and 20 points a pixel column at scale 1: the band's edges are the tips
                          // of single steep spikes.
                          {"noise", 10000, 40, 0, 1, 0.006, {}, Noise::independent},
                          {"denser-noise", 15000, 40, 0, 1, 0.006, {}, Noise::independent},
                          {"noise-width-2", 15000, 40, 0, 2, 0.006, {}, Noise::independent},
                          {"noise-width-3", 15000, 40, 0, 3, 0.006, {}, Noise::independent},
                          {"dense-noise", 100000, 40, 0, 1, 0.001, {}, Noise::independent}};
    for (const Case& c : cases)
    for (const double scale : {1.0, 2.0}) {
        SCOPED_TRACE(std::string(c.name) + " at scale " + std::to_string(scale));
        const std::int64_t n = c.points;
        auto set = kit::make<LineChartDataSet>(spikyWalk(n, c.noise, c.wave, c.kind), "walk");
        set->setDrawCirclesEnabled(false);
        set->setDrawValuesEnabled(false);
        set->setLineWidth(c.lineWidth);
        // Black on white: a pixel the line loses or gains changes by the whole scale.
        const kit::Color colour = kit::Color::blackColor();
        set->setColor(colour);
        auto chart = kit::make<LineChartView>(kit::Rect{0, 0, 800, 600});
        // No axis line on the right: it would be drawn over the fast drawing's line, under the reference's.
        chart->rightAxis()->setEnabled(false);
        chart->setData(kit::make<LineChartData>(std::vector<DataSetPtr>{set}));
        cutGap(*chart, *set, c.gap);
        const kit::Image fast = draw(*chart, scale);
        set->setColor(colour.withAlpha(0.996));
        const kit::Image translucent = draw(*chart, scale);

        // The reference: the same chart with its line made invisible, then every point stroked as one path
        // with the line's own stroke: its width and cap, and the join and miter limit the chart strokes
        // it with (the context's own).
        set->setColor(kit::Color::clearColor());
        const kit::Image blank = draw(*chart, scale);
        const kit::Image reference = draw(*chart, scale, [&](kit::Context& context) {
            const kit::AffineTransform m = chart->getTransformer(AxisDependency::left)->valueToPixelMatrix();
            kit::Path path;
            for (const auto& e : set->entries()) {
                if (std::isnan(e->y())) continue;
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
        keepRender(translucent, std::string("line-") + c.name + "-translucent-x" + std::to_string(int(scale)) + ".png");
        keepRender(reference, std::string("line-") + c.name + "-every-point-x" + std::to_string(int(scale)) + ".png");

        // Few pixels differ visibly, no stretch of the line is lost, and every spike reaches as far in
        // both drawings (within 3 device pixels).
        const auto a = fast.rgbaBytes(), b = reference.rgbaBytes();
        ASSERT_EQ(a.size(), b.size());
        const int w = static_cast<int>(std::lround(800 * scale));
        EXPECT_LE(differingShare(a, b), c.differing);
        // Nearly opaque, the line is as thick: only its colour is lighter by a 255th.
        EXPECT_LE(differingShare(translucent.rgbaBytes(), a), c.differing);
        EXPECT_NEAR(lineInk(translucent.rgbaBytes(), blank.rgbaBytes()) / lineInk(a, blank.rgbaBytes()), 1, 0.02);
        const kit::Rect content = chart->viewPortHandler()->contentRect();
        const int top = static_cast<int>(std::ceil(content.minY() * scale)) + 2;
        const int bottom = static_cast<int>(content.maxY() * scale) - 2;
        const int left = static_cast<int>(std::ceil(content.minX() * scale)) + 2;
        const int right = static_cast<int>(content.maxX() * scale) - 2;
        EXPECT_EQ(lostColumns(a, b, blank.rgbaBytes(), w, top, bottom, left, right), 0);
        const kit::AffineTransform m = chart->getTransformer(AxisDependency::left)->valueToPixelMatrix();
        const auto dark = [&](const std::vector<std::uint8_t>& px, int x, int y) { return px[std::size_t(y * w + x) * 4] < 128; };
        for (const std::int64_t i : {n / 3, n / 2 + 7, n - 5}) {
            const EntryPtr e = set->entryForXValue(double(i), std::nan(""));
            ASSERT_EQ(e->x(), double(i));
            const kit::Point tip = m.apply(kit::Point{e->x(), e->y()});
            const int column = static_cast<int>(tip.x * scale);
            // The ink of the spike's column nearest to its tip, searched from the tip's side.
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
