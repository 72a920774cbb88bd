// The combined chart: sub-renderers by draw order, highlights routed by their sub-data, the
// combined highlighter, and a rendering check (TINCTURA_RENDER_DIR keeps the PNG).
#include "../core/RenderTestSupport.h"
#include "charting/bar_line/BarChartDataEntry.h"
#include "charting/bar_line/BarChartDataSet.h"
#include "charting/bar_line/BarChartRenderer.h"
#include "charting/bar_line/BubbleChartRenderer.h"
#include "charting/bar_line/CombinedChartView.h"
#include "charting/bar_line/CombinedHighlighter.h"
#include "charting/bar_line/LineChartDataSet.h"
#include "charting/bar_line/LineChartRenderer.h"
#include "charting/bar_line/ScatterChartDataSet.h"
#include "charting/bar_line/ScatterChartRenderer.h"
#include "kit/base/Console.h"
#include "kit/base/Make.h"
#include "kit/graphics/Context.h"
#include "kit/graphics/Image.h"

#include <gtest/gtest.h>

#include <cmath>


using namespace charting;
using charting::testing::keepRender;
using charting::testing::renderChart;

namespace {

std::shared_ptr<CombinedChartData> barsAndLine(bool withScatter = false) {
    std::vector<EntryPtr> bars, points, dots;
    const double heights[] = {4, 6, 3, 7, 5};
    for (int i = 0; i < 5; ++i) {
        bars.push_back(kit::make<BarChartDataEntry>(double(i), heights[i]));
        points.push_back(kit::make<ChartDataEntry>(double(i), heights[i] / 2 + 1));
        dots.push_back(kit::make<ChartDataEntry>(double(i) + 0.25, 8 - heights[i] / 2));
    }
    auto barSet = kit::make<BarChartDataSet>(bars, std::string("Bars"));
    barSet->setColor(kit::Color::rgba(0.55, 0.7, 0.9, 1));
    auto lineSet = kit::make<LineChartDataSet>(points, std::string("Trend"));
    lineSet->setColor(kit::Color::rgba(0.85, 0.3, 0.2, 1));
    lineSet->setLineWidth(2);
    auto data = kit::make<CombinedChartData>();
    auto barData = kit::make<BarChartData>(std::vector<DataSetPtr>{barSet});
    barData->setBarWidth(0.6);
    data->setBarData(barData);
    data->setLineData(kit::make<LineChartData>(std::vector<DataSetPtr>{lineSet}));
    if (withScatter) {
        auto scatter = kit::make<ScatterChartDataSet>(dots, std::string("Dots"));
        scatter->setColor(kit::Color::rgba(0.2, 0.6, 0.35, 1));
        scatter->setScatterShapeSize(10);
        data->setScatterData(kit::make<ScatterChartData>(std::vector<DataSetPtr>{scatter}));
    }
    return data;
}

std::shared_ptr<CombinedChartView> chartWith(std::shared_ptr<CombinedChartData> data) {
    auto chart = kit::make<CombinedChartView>(kit::Rect{0, 0, 420, 300});
    chart->setData(std::move(data));
    return chart;
}

template <class R> bool is(const std::shared_ptr<ChartDataRenderer>& r) { return dynamic_cast<R*>(r.get()) != nullptr; }

} // namespace

TEST(CombinedChartView, SubRenderersFollowTheDrawOrderAndTheKindsPresent) {
    auto chart = chartWith(barsAndLine());
    auto renderer = std::dynamic_pointer_cast<CombinedChartRenderer>(chart->renderer());
    ASSERT_TRUE(renderer);
    ASSERT_EQ(renderer->subRenderers().size(), 2u);
    EXPECT_TRUE(is<BarChartRenderer>(renderer->subRenderers()[0]));
    EXPECT_TRUE(is<LineChartRenderer>(renderer->subRenderers()[1]));
    EXPECT_TRUE(chart->isHighlightFullBarEnabled());
    EXPECT_TRUE(chart->fillFormatter());

    // Lines under bars from the next data on; values outside the five kinds are left out.
    chart->setDrawOrder({2, 0, 9});
    EXPECT_EQ(chart->drawOrder(), (std::vector<int>{2, 0}));
    chart->setDrawOrder({});
    EXPECT_EQ(chart->drawOrder(), (std::vector<int>{2, 0})) << "an empty order is ignored";
    chart->setData(barsAndLine(true));
    ASSERT_EQ(renderer->subRenderers().size(), 2u) << "scatter is not in the order";
    EXPECT_TRUE(is<LineChartRenderer>(renderer->subRenderers()[0]));

    // The bar flags live on the renderer; the bar sub-renderer reads them through the view.
    chart->setDrawBarShadowEnabled(true);
    EXPECT_TRUE(renderer->drawBarShadowEnabled());
    EXPECT_TRUE(chart->isDrawBarShadowEnabled());

    kit::RecordingContext context;
    renderer->drawData(context);
    ASSERT_EQ(renderer->accessibleChartElements().size(), 1u);
    EXPECT_NE(renderer->accessibleChartElements()[0]->accessibilityLabel().find("Combined Chart"), std::string::npos);
}

TEST(CombinedChartView, HighlightsReachTheirSubRendererAndTouchesNameTheSubData) {
    auto chart = chartWith(barsAndLine());
    auto renderer = std::dynamic_pointer_cast<CombinedChartRenderer>(chart->renderer());
    kit::RecordingContext context;
    renderer->drawData(context);
    // Data index 0 is the line data (allData order: line, bar, ...), 1 the bars.
    const auto all = chart->combinedData()->allData();
    const int barIndex = *chart->combinedData()->dataIndex(chart->barData().get());
    std::vector<Highlight> highs{Highlight(1, 6, 0, 0, barIndex, 0, -1, AxisDependency::left)};
    context.clear();
    renderer->drawHighlighted(context, highs);
    EXPECT_NE(context.text().find("fillRect"), std::string::npos) << "the bar overlay";
    EXPECT_EQ(context.text().find("strokeLineSegments"), std::string::npos) << "no line highlight for bar data";
    EXPECT_FALSE(std::isnan(highs[0].drawX()));

    // -1 reaches every sub-renderer; a set index valid in one sub-data only is skipped elsewhere.
    highs = {Highlight(1, 6, 0, 0, -1, 0, -1, AxisDependency::left)};
    context.clear();
    renderer->drawHighlighted(context, highs);
    EXPECT_NE(context.text().find("fillRect"), std::string::npos);

    // A touch on a bar gives a whole-bar highlight naming the bar data.
    const kit::Point p = chart->getTransformer(AxisDependency::left)->pixelForValues(3, 6.5);
    auto high = chart->getHighlightByTouchPoint(p);
    ASSERT_TRUE(high);
    EXPECT_EQ(high->x(), 3);
    EXPECT_EQ(high->stackIndex(), -1);
    EXPECT_TRUE(high->dataIndex() == barIndex || high->dataIndex() == *chart->combinedData()->dataIndex(chart->lineData().get()));

    auto highlighter = std::dynamic_pointer_cast<CombinedHighlighter>(chart->highlighter());
    ASSERT_TRUE(highlighter);
    EXPECT_TRUE(highlighter->barHighlighter());
    const auto candidates = highlighter->getHighlightsForXValue(3, p.x, p.y);
    ASSERT_EQ(candidates.size(), 2u);
    EXPECT_EQ(candidates[0].dataIndex(), *chart->combinedData()->dataIndex(all[0].get()));
    EXPECT_EQ(candidates[1].dataIndex(), *chart->combinedData()->dataIndex(all[1].get()));

    auto empty = kit::make<CombinedChartView>(kit::Rect{0, 0, 100, 100});
    kit::ConsoleCapture console;
    EXPECT_FALSE(empty->getHighlightByTouchPoint({5, 5}));
    EXPECT_TRUE(console.contains("Can't select by touch. No data set."));
}

TEST(CombinedChartView, Rendering) {
    auto chart = kit::make<CombinedChartView>(kit::Rect{0, 0, 420, 300});
    chart->xAxis()->setSpaceMin(0.5);
    chart->xAxis()->setSpaceMax(0.5);
    chart->leftAxis()->setAxisMinimum(0);
    chart->rightAxis()->setAxisMinimum(0);
    chart->setData(barsAndLine(true));
    chart->highlightValue(Highlight(3, 7, 0, 0, *chart->combinedData()->dataIndex(chart->barData().get()), 0, -1,
                                    AxisDependency::left));
    const kit::Image image = renderChart(*chart);
    keepRender(image, "combined.png");

    // Bars, the line over them and the scatter dots are each painted in their own colour.
    const auto trans = chart->getTransformer(AxisDependency::left);
    const auto colourAt = [&](double x, double y) {
        const kit::Point p = trans->pixelForValues(x, y);
        return image.colorAt(static_cast<int>(p.x * 2), static_cast<int>(p.y * 2));
    };
    const auto near = [](kit::Color a, kit::Color b) {
        return std::fabs(a.red() - b.red()) < 0.03 && std::fabs(a.green() - b.green()) < 0.03 &&
               std::fabs(a.blue() - b.blue()) < 0.03;
    };
    const double heights[] = {4, 6, 3, 7, 5};
    for (int i = 0; i < 5; ++i) {
        // Bar 3 is highlighted: the highlight is drawn over its column, dot included.
        if (i != 3) {
            EXPECT_TRUE(near(colourAt(i, 0.5), kit::Color::rgba(0.55, 0.7, 0.9, 1))) << "bar " << i;
            EXPECT_TRUE(near(colourAt(i + 0.25, 8 - heights[i] / 2), kit::Color::rgba(0.2, 0.6, 0.35, 1))) << "dot " << i;
        }
        if (i < 4) {
            const double midY = (heights[i] + heights[i + 1]) / 4 + 1;
            EXPECT_TRUE(near(colourAt(i + 0.5, midY), kit::Color::rgba(0.85, 0.3, 0.2, 1))) << "line after " << i;
        }
    }
}
