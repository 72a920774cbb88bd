// Whole line and scatter charts drawn into images: axes, legend, line, fill, circles and values
// all land where they belong. Set TINCTURA_RENDER_DIR to keep the images for a look.
#include "../core/RenderTestSupport.h"
#include "BarLineTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace charting;
using namespace charting::testing;

namespace {

bool isWhite(const kit::Color& c) { return c.red() > 0.97 && c.green() > 0.97 && c.blue() > 0.97; }

TEST(LineChartView, LineDataOnlyForLineData) {
    auto chart = lineChart({lineSet(series(3, [](int i) { return i; }))});
    EXPECT_TRUE(chart->lineData());
    chart->setData(kit::make<ScatterChartData>(std::vector<DataSetPtr>{}));
    EXPECT_FALSE(chart->lineData());
}

TEST(LineChartView, RendersAFilledLineWithCirclesValuesLegendAndAxes) {
    auto temperature = lineSet(series(12, [](int i) { return 12 + 8 * std::sin(i / 2.0); }), "Temperature");
    temperature->setColor(kit::Color::rgba(0.2, 0.4, 0.8, 1));
    temperature->setLineWidth(2);
    temperature->setDrawFilledEnabled(true);
    temperature->setFillColor(kit::Color::rgba(0.2, 0.4, 0.8, 1));
    temperature->setMode(LineChartDataSet::Mode::cubicBezier);
    temperature->setCircleRadius(4);
    temperature->setCircleHoleRadius(2);
    temperature->setCircleColor(kit::Color::rgba(0.2, 0.4, 0.8, 1));
    temperature->setValueFont(kit::Font::system(9));
    auto rain = lineSet(series(12, [](int i) { return 4.0 + (i % 4); }), "Rain");
    rain->setColor(kit::Color::rgba(0.9, 0.4, 0.1, 1));
    rain->setMode(LineChartDataSet::Mode::stepped);
    rain->setDrawCirclesEnabled(false);
    rain->setDrawValuesEnabled(false);
    auto chart = lineChart({temperature, rain}, {0, 0, 600, 360});
    chart->rightAxis()->setEnabled(false);
    chart->xAxis()->setLabelPosition(XAxis::LabelPosition::bottom);
    chart->notifyDataSetChanged();

    auto image = chart->getChartImage(false);
    ASSERT_TRUE(image);
    keepRender(*image, "line-chart.png");
    const double scale = image->scale();
    auto px = [&](kit::Point p) { return image->colorAt(static_cast<int>(p.x * scale), static_cast<int>(p.y * scale)); };

    // Inside the fill, just under the curve's crest, the colour is the fill blended over white.
    const kit::Point crest = chart->pixelForValues(3, 12 + 8 * std::sin(1.5), AxisDependency::left);
    const kit::Color under = px({crest.x, crest.y + 30});
    EXPECT_LT(under.red(), 0.95);
    EXPECT_GT(under.blue(), under.red());
    // Well above the curve, between grid lines: background.
    EXPECT_TRUE(isWhite(px(chart->pixelForValues(7.5, 16.5, AxisDependency::left))));
    // A circle's hole is white, its ring blue.
    const kit::Point first = chart->pixelForValues(0, 12, AxisDependency::left);
    EXPECT_TRUE(isWhite(px(first)));
    EXPECT_GT(px({first.x + 3, first.y}).blue(), 0.6);
    // The legend sits below the x labels, at the bottom left.
    const kit::Rect content = chart->viewPortHandler()->contentRect();
    EXPECT_LT(content.maxY(), 360 - 20);
}

TEST(ScatterChartView, RendersShapesAboveTheirValues) {
    std::vector<std::shared_ptr<ScatterChartDataSet>> sets;
    const ScatterChartDataSet::Shape shapes[] = {ScatterChartDataSet::Shape::square, ScatterChartDataSet::Shape::circle,
                                                 ScatterChartDataSet::Shape::triangle, ScatterChartDataSet::Shape::cross,
                                                 ScatterChartDataSet::Shape::x, ScatterChartDataSet::Shape::chevronUp,
                                                 ScatterChartDataSet::Shape::chevronDown};
    const kit::Color colors[] = {kit::Color::rgba(0.85, 0.2, 0.2, 1), kit::Color::rgba(0.2, 0.6, 0.2, 1),
                                 kit::Color::rgba(0.2, 0.3, 0.85, 1), kit::Color::rgba(0.6, 0.2, 0.7, 1),
                                 kit::Color::rgba(0.9, 0.5, 0.1, 1), kit::Color::rgba(0.1, 0.6, 0.7, 1),
                                 kit::Color::rgba(0.4, 0.4, 0.4, 1)};
    for (int s = 0; s < 7; ++s) {
        auto set = kit::make<ScatterChartDataSet>(series(8, [s](int i) { return s * 3 + (i % 3); }),
                                                  "Shape " + std::to_string(s));
        set->setScatterShape(shapes[s]);
        set->setColor(colors[s]);
        set->setScatterShapeSize(12);
        set->setValueFont(kit::Font::system(8));
        if (s == 1) {
            set->setScatterShapeHoleRadius(3);
            set->setScatterShapeHoleColor(kit::Color::whiteColor());
        }
        sets.push_back(set);
    }
    auto chart = scatterChart(sets, {0, 0, 600, 420});
    auto image = chart->getChartImage(false);
    ASSERT_TRUE(image);
    keepRender(*image, "scatter-chart.png");
    const double scale = image->scale();
    // The square of the first set, centred on its entry, in its colour.
    const kit::Point p = chart->pixelForValues(0, 0, AxisDependency::left);
    const kit::Color c = image->colorAt(static_cast<int>(p.x * scale), static_cast<int>(p.y * scale));
    EXPECT_GT(c.red(), 0.7);
    EXPECT_LT(c.green(), 0.4);
}

} // namespace
