// Draws bar (stacked and grouped, with values), horizontal-bar, candle-stick and bubble charts with
// the real text layer, so layout faults that exact-metric tests cannot see show up. Set
// TINCTURA_RENDER_DIR to keep the PNGs.
#include "../core/RenderTestSupport.h"
#include "charting/bar_line/BarChartDataSet.h"
#include "charting/bar_line/BarChartView.h"
#include "charting/bar_line/BubbleChartDataEntry.h"
#include "charting/bar_line/BubbleChartDataSet.h"
#include "charting/bar_line/BubbleChartView.h"
#include "charting/bar_line/CandleChartDataEntry.h"
#include "charting/bar_line/CandleChartDataSet.h"
#include "charting/bar_line/CandleStickChartView.h"
#include "charting/bar_line/HorizontalBarChartView.h"
#include "charting/model/ChartColorTemplates.h"
#include "kit/base/Make.h"
#include "kit/graphics/Context.h"
#include "kit/graphics/Image.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using namespace charting;
using namespace charting::testing;

namespace {

kit::Color pixel(const kit::Image& image, kit::Point p) {
    return image.colorAt(static_cast<int>(p.x * 2), static_cast<int>(p.y * 2));
}

bool near(kit::Color a, kit::Color b, double tolerance = 0.02) {
    return std::fabs(a.red() - b.red()) < tolerance && std::fabs(a.green() - b.green()) < tolerance &&
           std::fabs(a.blue() - b.blue()) < tolerance;
}

std::shared_ptr<BarChartDataEntry> bar(double x, double y) { return kit::make<BarChartDataEntry>(x, y); }

} // namespace

TEST(BarChartsRendering, StackedAndGroupedBarsWithValues) {
    auto stacked = kit::make<BarChartView>(kit::Rect{0, 0, 420, 300});
    std::vector<EntryPtr> entries;
    const std::vector<std::vector<double>> stacks = {{3, 2, 1}, {4, -1, 2}, {2, 2, 2}, {5, 1, -2}};
    for (std::size_t i = 0; i < stacks.size(); ++i) entries.push_back(kit::make<BarChartDataEntry>(double(i), stacks[i]));
    auto set = kit::make<BarChartDataSet>(entries, std::string("Mix"));
    set->setColors({kit::Color::rgba(0.85, 0.35, 0.25, 1), kit::Color::rgba(0.95, 0.75, 0.3, 1), kit::Color::rgba(0.3, 0.55, 0.8, 1)});
    set->setStackLabels({"Red", "Yellow", "Blue"});
    set->setValueFont(kit::Font::system(9));
    auto data = kit::make<BarChartData>(std::vector<DataSetPtr>{set});
    data->setBarWidth(0.6);
    stacked->setData(data);
    stacked->highlightValue(Highlight(1, 5, 0, 0, 0, 0, 0, AxisDependency::left));
    kit::Image a = renderChart(*stacked);
    keepRender(a, "bar-stacked.png");
    // The highlighted bottom segment is drawn over with the highlight colour.
    const auto bounds = stacked->getBarBounds(std::dynamic_pointer_cast<BarChartDataEntry>(entries[0]));
    ASSERT_TRUE(bounds);
    EXPECT_NE(pixel(a, bounds->center()), kit::Color::whiteColor());

    auto grouped = kit::make<BarChartView>(kit::Rect{0, 0, 420, 300});
    std::vector<DataSetPtr> sets;
    const char* names[] = {"Warm", "Cool", "Neutral"};
    for (int s = 0; s < 3; ++s) {
        std::vector<EntryPtr> bars;
        for (int i = 0; i < 4; ++i) bars.push_back(bar(i, 2 + (i * 3 + s * 5) % 7));
        auto g = kit::make<BarChartDataSet>(bars, std::string(names[s]));
        g->setColor(ChartColorTemplates::material()[static_cast<std::size_t>(s)]);
        sets.push_back(g);
    }
    auto groupedData = kit::make<BarChartData>(sets);
    groupedData->setBarWidth(0.25);
    grouped->setData(groupedData);
    grouped->groupBars(0, 0.16, 0.03);
    grouped->setDrawBarShadowEnabled(true);
    kit::Image b = renderChart(*grouped);
    keepRender(b, "bar-grouped.png");
    // Every bar of every group is filled with its set's colour just below its top (the axis
    // starts above zero, so a bar's lower half can lie under the content).
    for (std::size_t s = 0; s < sets.size(); ++s) {
        for (std::int64_t i = 0; i < 4; ++i) {
            const auto entry = std::dynamic_pointer_cast<BarChartDataEntry>(sets[s]->entryForIndex(i));
            const auto barBounds = grouped->getBarBounds(entry);
            ASSERT_TRUE(barBounds);
            EXPECT_TRUE(near(pixel(b, {barBounds->midX(), barBounds->minY() + 3}), ChartColorTemplates::material()[s])) << "set " << s << " bar " << i;
        }
    }
}

TEST(BarChartsRendering, HorizontalBars) {
    auto chart = kit::make<HorizontalBarChartView>(kit::Rect{0, 0, 420, 300});
    std::vector<EntryPtr> entries;
    const double values[] = {4, 7, -2, 5, 3};
    for (int i = 0; i < 5; ++i) entries.push_back(bar(i, values[i]));
    auto set = kit::make<BarChartDataSet>(entries, std::string("Saturation"));
    set->setColors(ChartColorTemplates::vordiplom());
    auto data = kit::make<BarChartData>(std::vector<DataSetPtr>{set});
    data->setBarWidth(0.7);
    chart->setData(data);
    chart->highlightValue(Highlight(1, 7, 0, 0, 0, 0, -1, AxisDependency::left));
    kit::Image image = renderChart(*chart);
    keepRender(image, "bar-horizontal.png");
    const auto bounds = chart->getBarBounds(std::dynamic_pointer_cast<BarChartDataEntry>(entries[3]));
    ASSERT_TRUE(bounds);
    EXPECT_GT(bounds->width(), bounds->height()) << "bars lie sideways";
    EXPECT_NE(pixel(image, bounds->center()), kit::Color::whiteColor());
}

TEST(BarChartsRendering, CandlesAndBubbles) {
    auto candles = kit::make<CandleStickChartView>(kit::Rect{0, 0, 420, 300});
    std::vector<EntryPtr> entries;
    const double opens[] = {10, 12, 11, 14, 13, 13};
    const double closes[] = {12, 11, 14, 13, 16, 13};
    for (int i = 0; i < 6; ++i) {
        const double hi = std::max(opens[i], closes[i]) + 1.5, lo = std::min(opens[i], closes[i]) - 1;
        entries.push_back(kit::make<CandleChartDataEntry>(double(i), hi, lo, opens[i], closes[i]));
    }
    auto set = kit::make<CandleChartDataSet>(entries, std::string("Price"));
    set->setIncreasingColor(kit::Color::rgba(0.2, 0.6, 0.3, 1));
    set->setDecreasingColor(kit::Color::rgba(0.8, 0.25, 0.2, 1));
    set->setNeutralColor(kit::Color::blueColor());
    set->setShadowColorSameAsCandle(true);
    candles->setData(kit::make<CandleChartData>(std::vector<DataSetPtr>{set}));
    candles->highlightValue(Highlight(2, 14, 0, 0, 0, 0, -1, AxisDependency::left));
    kit::Image c = renderChart(*candles);
    keepRender(c, "candle.png");
    // A decreasing body is filled.
    const kit::Point mid = candles->getTransformer(AxisDependency::left)->pixelForValues(1, 11.5);
    const kit::Color body = pixel(c, mid);
    EXPECT_NEAR(body.red(), 0.8, 0.01);
    EXPECT_NEAR(body.green(), 0.25, 0.01);

    auto bubbles = kit::make<BubbleChartView>(kit::Rect{0, 0, 420, 300});
    std::vector<DataSetPtr> sets;
    for (int s = 0; s < 2; ++s) {
        std::vector<EntryPtr> points;
        for (int i = 0; i < 5; ++i) points.push_back(kit::make<BubbleChartDataEntry>(double(i), 3.0 + (i * 2 + s * 3) % 6, 1.0 + (i + s) % 4));
        auto b = kit::make<BubbleChartDataSet>(points, std::string(s ? "Shade" : "Tint"));
        b->setColor(ChartColorTemplates::joyful()[static_cast<std::size_t>(s)], 0.6);
        b->setValueFont(kit::Font::system(9));
        sets.push_back(b);
    }
    bubbles->xAxis()->setSpaceMin(0.6);
    bubbles->xAxis()->setSpaceMax(0.6);
    bubbles->setData(kit::make<BubbleChartData>(sets));
    bubbles->highlightValue(Highlight(2, 7, 0, 0, 0, 0, -1, AxisDependency::left));
    kit::Image d = renderChart(*bubbles);
    keepRender(d, "bubble.png");
    // Each bubble is painted a little above its centre (clear of its value label), and the content
    // around the bubbles stays white.
    const auto trans = bubbles->getTransformer(AxisDependency::left);
    for (const auto& s : sets) {
        for (std::int64_t i = 0; i < s->entryCount(); ++i) {
            const auto e = s->entryForIndex(i);
            const kit::Point centre = trans->pixelForValues(e->x(), e->y());
            EXPECT_FALSE(near(pixel(d, {centre.x, centre.y - 10}), kit::Color::whiteColor(), 0.1)) << s->label().value_or("") << " " << i;
        }
    }
    const kit::Rect content = bubbles->viewPortHandler()->contentRect();
    EXPECT_EQ(pixel(d, {content.minX() + 3, content.minY() + 3}), kit::Color::whiteColor());
}
