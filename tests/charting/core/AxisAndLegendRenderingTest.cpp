// Draws axes, grid, limit lines and a legend with the real text layer into a bitmap, so layout
// faults that exact-metric tests cannot see show up (and can be looked at: set
// TINCTURA_RENDER_DIR to keep the PNG).
#include "charting/core/LegendRenderer.h"
#include "charting/core/XAxisRenderer.h"
#include "charting/core/YAxisRenderer.h"
#include "ChartTestSupport.h"
#include "RenderTestSupport.h"

#include <gtest/gtest.h>

#include <memory>

using namespace charting;
using charting::testing::dataSet;
using charting::testing::entry;
using charting::testing::keepRender;

TEST(AxisAndLegendRendering, DrawsInsideTheChart) {
    auto image = kit::Image::make(400, 260, 2.0);
    ASSERT_TRUE(image);
    kit::Context context(*image);
    context.setFillColor(kit::Color::whiteColor());
    context.fillRect({0, 0, 400, 260});

    auto vp = std::make_shared<ViewPortHandler>(400, 260);
    vp->restrainViewPort(40, 20, 40, 60);
    auto transformer = std::make_shared<Transformer>(vp);
    transformer->prepareMatrixValuePx(0, 10, 50, 0);
    transformer->prepareMatrixOffset(false);

    auto xAxis = std::make_shared<XAxis>();
    xAxis->setLabelPosition(XAxis::LabelPosition::bottom);
    auto limitX = std::make_shared<ChartLimitLine>(7, "limit");
    limitX->setLineDashLengths(std::vector<double>{6, 3});
    xAxis->addLimitLine(limitX);
    XAxisRenderer xRenderer(vp, xAxis, transformer);
    xRenderer.computeAxis(0, 10, false);

    auto left = std::make_shared<YAxis>(AxisDependency::left);
    auto right = std::make_shared<YAxis>(AxisDependency::right);
    right->setLabelPosition(YAxis::LabelPosition::insideChart);
    right->setDrawGridLinesEnabled(false);
    auto target = std::make_shared<ChartLimitLine>(30, "target");
    target->setLabelPosition(ChartLimitLine::LabelPosition::leftBottom);
    left->addLimitLine(target);
    YAxisRenderer leftRenderer(vp, left, transformer);
    YAxisRenderer rightRenderer(vp, right, transformer);
    leftRenderer.computeAxis(0, 50, false);
    rightRenderer.computeAxis(0, 50, false);

    auto legend = std::make_shared<Legend>();
    LegendRenderer legendRenderer(vp, legend);
    auto a = dataSet({entry(0, 1), entry(1, 2)}, "Reds");
    a->setColors({kit::Color::redColor(), kit::Color::orangeColor()});
    auto b = dataSet({entry(0, 1)}, "Blue line");
    b->setColors({kit::Color::blueColor()});
    b->setForm(LegendForm::line);
    auto c = dataSet({entry(0, 1)}, "Green circle");
    c->setColors({kit::Color::greenColor()});
    c->setForm(LegendForm::circle);
    auto data = std::make_shared<ChartData>(std::vector<DataSetPtr>{a, b, c});
    data->initialize();
    legendRenderer.computeLegend(*data);

    for (AxisRenderer* r : std::initializer_list<AxisRenderer*>{&xRenderer, &leftRenderer, &rightRenderer}) {
        r->renderGridLines(context);
        r->renderAxisLine(context);
        r->renderAxisLabels(context);
        r->renderLimitLines(context);
    }
    legendRenderer.renderLegend(context);
    EXPECT_TRUE(context.isHealthy());
    EXPECT_EQ(context.saveDepth(), 0);

    keepRender(*image, "axes-and-legend.png");

    // Ink where the labels and the legend are, none far outside the layout.
    auto inked = [&](double x0, double y0, double x1, double y1) {
        for (int y = static_cast<int>(y0 * 2); y < y1 * 2; ++y)
            for (int x = static_cast<int>(x0 * 2); x < x1 * 2; ++x)
                if (image->colorAt(x, y).red() < 0.5) return true;
        return false;
    };
    EXPECT_TRUE(inked(0, 20, 40, 200));    // left labels
    EXPECT_TRUE(inked(40, 204, 360, 222)); // x labels under the content
    EXPECT_TRUE(inked(40, 230, 360, 260)); // legend at the bottom
    EXPECT_FALSE(inked(0, 0, 400, 8));     // nothing above the top labels
}

TEST(AxisAndLegendRendering, RotatedLabelsAndAVerticalLegend) {
    auto image = kit::Image::make(400, 260, 2.0);
    ASSERT_TRUE(image);
    kit::Context context(*image);
    context.setFillColor(kit::Color::whiteColor());
    context.fillRect({0, 0, 400, 260});

    auto vp = std::make_shared<ViewPortHandler>(400, 260);
    vp->restrainViewPort(50, 60, 130, 20);
    auto transformer = std::make_shared<Transformer>(vp);
    transformer->prepareMatrixValuePx(1000, 5000, 1, 0);
    transformer->prepareMatrixOffset(false);

    auto xAxis = std::make_shared<XAxis>(); // labels on top, turned by 45 degrees
    xAxis->setLabelRotationAngle(-45);
    xAxis->setAvoidFirstLastClippingEnabled(true);
    XAxisRenderer xRenderer(vp, xAxis, transformer);
    xRenderer.computeAxis(1000, 6000, false);
    auto left = std::make_shared<YAxis>(AxisDependency::left);
    left->setDrawZeroLineEnabled(true);
    YAxisRenderer leftRenderer(vp, left, transformer);
    leftRenderer.computeAxis(0, 1, false);

    auto legend = std::make_shared<Legend>();
    legend->setOrientation(Legend::Orientation::vertical);
    legend->setHorizontalAlignment(Legend::HorizontalAlignment::right);
    legend->setVerticalAlignment(Legend::VerticalAlignment::center);
    LegendRenderer legendRenderer(vp, legend);
    auto group = dataSet({entry(0, 1), entry(1, 1), entry(2, 1)}, "Group of three");
    group->setColors({kit::Color::redColor(), kit::Color::greenColor(), kit::Color::blueColor()});
    auto single = dataSet({entry(0, 1)}, "Single");
    single->setColors({kit::Color::purpleColor()});
    auto data = std::make_shared<ChartData>(std::vector<DataSetPtr>{group, single});
    data->initialize();
    legendRenderer.computeLegend(*data);

    for (AxisRenderer* r : std::initializer_list<AxisRenderer*>{&xRenderer, &leftRenderer}) {
        r->renderGridLines(context);
        r->renderAxisLine(context);
        r->renderAxisLabels(context);
    }
    legendRenderer.renderLegend(context);
    EXPECT_TRUE(context.isHealthy());
    keepRender(*image, "rotated-and-vertical.png");

    // The rotated labels stay in the band above the content; the legend at the right.
    EXPECT_EQ(xAxis->labelRotatedHeight(), xAxis->labelRotatedWidth());
    bool aboveContent = false, rightOfContent = false;
    for (int y = 0; y < 60 * 2; ++y)
        for (int x = 100; x < 700; ++x) aboveContent = aboveContent || image->colorAt(x, y).red() < 0.5;
    for (int y = 200; y < 320; ++y)
        for (int x = 560; x < 800; ++x) rightOfContent = rightOfContent || (image->colorAt(x, y).alpha() > 0.9 && image->colorAt(x, y).green() < 0.5);
    EXPECT_TRUE(aboveContent);
    EXPECT_TRUE(rightOfContent);
}
