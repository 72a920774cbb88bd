#include "charting/bar_line/CandleStickChartRenderer.h"
#include "charting/bar_line/CandleChartData.h"
#include "charting/bar_line/CandleChartDataEntry.h"
#include "charting/bar_line/CandleChartDataSet.h"
#include "KindTestChart.h"
#include "kit/graphics/Context.h"

#include <gtest/gtest.h>

using namespace charting;
using namespace charting::testing;

namespace {

class CandleTestChart : public KindTestChart<CandleChartDataProvider> {
public:
    std::shared_ptr<CandleChartData> candleData() const override { return std::dynamic_pointer_cast<CandleChartData>(data()); }
    std::shared_ptr<ChartViewBase> candleChartView() const override { return isView ? self() : nullptr; }
    std::shared_ptr<ChartViewBase> accessibilityContainer() const override { return self(); }
    bool isView = true;
};

struct Fixture {
    // x 1: low 2, high 10, open and close as given.
    Fixture(double open, double close, std::function<void(CandleChartDataSet&)> style = {}) {
        chart = kit::make<CandleTestChart>();
        set = kit::make<CandleChartDataSet>(std::vector<EntryPtr>{std::make_shared<CandleChartDataEntry>(1, 10, 2, open, close)});
        set->setColor(kit::Color::greenColor());
        if (style) style(*set);
        chart->setData(kit::make<CandleChartData>(std::vector<DataSetPtr>{set}));
        chart->prepare();
        renderer = std::make_shared<CandleStickChartRenderer>(chart, chart->chartAnimator(), chart->viewPortHandler());
    }
    std::string drawn() {
        kit::RecordingContext context;
        renderer->drawData(context);
        return context.text();
    }
    std::shared_ptr<CandleTestChart> chart;
    std::shared_ptr<CandleChartDataSet> set;
    std::shared_ptr<CandleStickChartRenderer> renderer;
};

bool has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }
std::string rect(double x, double y, double w, double h) { return kit::Context::describe(kit::Rect{x, y, w, h}); }
std::string pt(double x, double y) { return kit::Context::describe(kit::Point{x, y}); }

} // namespace

TEST(CandleStickChartRenderer, ShadowsAndBodiesByDirection) {
    // Pixels: x 1 -> 60; y v -> 150 - 10 v. Body x 0.6 ... 1.4 -> 56 ... 64.
    const std::string shadows = "strokeLineSegments " + pt(60, 50) + ' ' + pt(60, 70) + ' ' + pt(60, 130) + ' ' + pt(60, 120);
    const std::string green = kit::Context::describe(kit::Color::greenColor());

    const std::string increasing = Fixture(3, 8).drawn();
    EXPECT_TRUE(has(increasing, shadows + ' ' + green)) << increasing;
    EXPECT_TRUE(has(increasing, "strokeRect " + rect(56, 70, 8, 50) + ' ' + green)) << "stroked in the set colour";

    const std::string decreasing = Fixture(8, 3).drawn();
    EXPECT_TRUE(has(decreasing, shadows)) << decreasing;
    EXPECT_TRUE(has(decreasing, "fillRect " + rect(56, 70, 8, 50) + ' ' + green)) << decreasing;

    // Neutral: stroked even when both fills are on; the shadows meet at 5.
    const std::string neutral = Fixture(5, 5, [](CandleChartDataSet& s) { s.setIncreasingFilled(true); }).drawn();
    EXPECT_TRUE(has(neutral, "strokeLineSegments " + pt(60, 50) + ' ' + pt(60, 100) + ' ' + pt(60, 130) + ' ' + pt(60, 100)));
    EXPECT_TRUE(has(neutral, "strokeRect " + rect(56, 100, 8, 0))) << neutral;
    EXPECT_FALSE(has(neutral, "fillRect"));

    // Shadows in the candle's direction colour when asked.
    const kit::Color red = kit::Color::redColor();
    const std::string same = Fixture(8, 3, [&](CandleChartDataSet& s) {
                                 s.setShadowColorSameAsCandle(true);
                                 s.setDecreasingColor(red);
                             }).drawn();
    EXPECT_TRUE(has(same, shadows + ' ' + kit::Context::describe(red))) << same;
}

TEST(CandleStickChartRenderer, OhlcBarsHalvedByThePhaseAndHighlightedAtTheMiddle) {
    Fixture bars(3, 8, [](CandleChartDataSet& s) { s.setShowCandleBar(false); });
    const std::string text = bars.drawn();
    EXPECT_TRUE(has(text, "strokeLineSegments " + pt(60, 50) + ' ' + pt(60, 130))) << text;
    EXPECT_TRUE(has(text, "strokeLineSegments " + pt(56, 120) + ' ' + pt(60, 120))) << "open tick to the left";
    EXPECT_TRUE(has(text, "strokeLineSegments " + pt(64, 70) + ' ' + pt(60, 70))) << "close tick to the right";

    Fixture f(3, 8);
    f.chart->chartAnimator()->setPhaseY(0.5);
    std::vector<Highlight> highs{Highlight(1, 10, 0, 0, 0, 0, -1, AxisDependency::left),
                                 Highlight(1, 10, 0, 0, 0, 4, -1, AxisDependency::left)};
    kit::RecordingContext context;
    f.renderer->drawHighlighted(context, highs);
    EXPECT_DOUBLE_EQ(highs[0].drawY(), 150 - 30) << "y (2 + 10) / 2 × 0.5 = 3";
    EXPECT_DOUBLE_EQ(highs[0].drawX(), 60);
    EXPECT_TRUE(std::isnan(highs[1].drawX()) || highs[1].drawX() == 0) << "a set that does not exist is skipped";
}

TEST(CandleStickChartRenderer, AccessibilityLabelsAndHeader) {
    Fixture f(3, 8);
    f.drawn();
    const auto& elements = f.renderer->accessibleChartElements();
    ASSERT_EQ(elements.size(), 2u);
    EXPECT_TRUE(elements[0]->isHeader());
    EXPECT_EQ(elements[1]->accessibilityLabel(), " 1.0 - increasing. low: 2.0, high: 10.0, opening: 3.0, closing: 8.0");

    // Not the candle view itself (a combined chart): no header, still one element per candle.
    f.chart->isView = false;
    f.drawn();
    ASSERT_EQ(f.renderer->accessibleChartElements().size(), 1u);
    EXPECT_FALSE(f.renderer->accessibleChartElements()[0]->isHeader());
}
