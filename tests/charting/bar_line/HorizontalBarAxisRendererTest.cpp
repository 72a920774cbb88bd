#include "charting/bar_line/XAxisRendererHorizontalBarChart.h"
#include "charting/bar_line/YAxisRendererHorizontalBarChart.h"
#include "BarChartTestSupport.h"
#include "kit/graphics/TextMetrics.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace charting;
using namespace charting::testing;

namespace {

struct Drawn {
    std::string text;
    kit::Point at;
};

std::vector<Drawn> texts(const kit::RecordingContext& context) {
    std::vector<Drawn> out;
    for (const auto& line : context.lines()) {
        if (line.rfind("drawText \"", 0) != 0) continue;
        const auto close = line.find('"', 10);
        Drawn d{line.substr(10, close - 10), {}};
        std::istringstream(line.substr(close + 1)) >> d.at.x >> d.at.y;
        out.push_back(d);
    }
    return out;
}

kit::Size measured(const std::string& text, const kit::Font& font) {
    return kit::measureText(text, kit::TextAttributes{font, kit::Color::blackColor(), std::nullopt});
}

// x values 0...10 run up the content (50, 50, 100, 100), y values 0...10 across it.
std::shared_ptr<BarTestChart> sidewaysChart() {
    auto chart = kit::make<BarTestChart>();
    chart->left = std::make_shared<TransformerHorizontalBarChart>(chart->viewPortHandler());
    chart->right = std::make_shared<TransformerHorizontalBarChart>(chart->viewPortHandler());
    chart->setData(barData({barSet({bar(1, 2)})}));
    chart->prepare();
    return chart;
}

} // namespace

TEST(XAxisRendererHorizontalBarChart, SizesAndLabelsBesideTheContent) {
    kit::FixedTextMetricsScope metrics(0.5, 1.2);
    auto chart = sidewaysChart();
    auto axis = std::make_shared<XAxis>();
    XAxisRendererHorizontalBarChart renderer(chart->viewPortHandler(), axis, chart->left, chart);
    renderer.computeAxis(0, 4, false);
    ASSERT_GT(axis->entryCount(), 1);

    // Width floored after adding 3.5 × xOffset; the rotated width rounded with it once more.
    const kit::Size longest = measured(axis->getLongestLabel(), axis->labelFont());
    EXPECT_DOUBLE_EQ(axis->labelWidth(), std::floor(longest.width + 17.5));
    EXPECT_DOUBLE_EQ(axis->labelRotatedWidth(), std::round(axis->labelWidth() + 17.5));

    // Bottom position: labels end 5 points left of the content, centred on their value's pixel.
    axis->setLabelPosition(XAxis::LabelPosition::bottom);
    kit::RecordingContext context;
    renderer.renderAxisLabels(context);
    auto labels = texts(context);
    ASSERT_EQ(labels.size(), static_cast<std::size_t>(axis->entryCount()));
    const kit::Size first = measured(labels[0].text, axis->labelFont());
    EXPECT_DOUBLE_EQ(labels[0].at.x + first.width, 45);
    EXPECT_DOUBLE_EQ(labels[0].at.y + first.height / 2, 150 - 10 * axis->entries()[0]);

    // Both sides: a second row starting 5 points right of the content; axis lines at both edges.
    axis->setLabelPosition(XAxis::LabelPosition::bothSided);
    context.clear();
    renderer.renderAxisLabels(context);
    renderer.renderAxisLine(context);
    labels = texts(context);
    ASSERT_EQ(labels.size(), 2 * static_cast<std::size_t>(axis->entryCount()));
    EXPECT_DOUBLE_EQ(labels[0].at.x, 155);
    int lines = 0;
    for (const auto& l : context.lines()) lines += l.rfind("strokeLineSegments", 0) == 0;
    EXPECT_EQ(lines, 2);
}

TEST(XAxisRendererHorizontalBarChart, HorizontalGridAndLimitLines) {
    auto chart = sidewaysChart();
    auto axis = std::make_shared<XAxis>();
    XAxisRendererHorizontalBarChart renderer(chart->viewPortHandler(), axis, chart->left, chart);
    kit::RecordingContext context;
    renderer.drawGridLine(context, 0, 120);
    renderer.drawGridLine(context, 0, 170); // below the content: skipped
    EXPECT_NE(context.text().find("lineTo 150 120"), std::string::npos) << context.text();
    EXPECT_EQ(context.text().find("170"), std::string::npos);

    auto limit = std::make_shared<ChartLimitLine>(3, "cap");
    axis->addLimitLine(limit);
    context.clear();
    renderer.renderLimitLines(context);
    EXPECT_NE(context.text().find("moveTo 50 120"), std::string::npos) << context.text();
    EXPECT_NE(context.text().find("drawText \"cap\""), std::string::npos);
}

TEST(YAxisRendererHorizontalBarChart, LabelsAboveOrBelowVerticalGridAndZeroLine) {
    kit::FixedTextMetricsScope metrics(0.5, 1.2);
    auto chart = sidewaysChart();
    auto left = std::make_shared<YAxis>(AxisDependency::left);
    auto right = std::make_shared<YAxis>(AxisDependency::right);
    YAxisRendererHorizontalBarChart top(chart->viewPortHandler(), left, chart->left);
    YAxisRendererHorizontalBarChart bottom(chart->viewPortHandler(), right, chart->right);
    top.computeAxis(0, 10, false);
    bottom.computeAxis(0, 10, false);

    kit::RecordingContext context;
    top.renderAxisLabels(context);
    auto labels = texts(context);
    ASSERT_FALSE(labels.empty());
    const kit::Size size = measured(labels[0].text, left->labelFont());
    // The left axis sits above the content: its labels end 2.5 points above the top.
    EXPECT_DOUBLE_EQ(labels[0].at.y, 50 - 2.5 - left->labelFont().lineHeight());
    EXPECT_DOUBLE_EQ(labels[0].at.x + size.width / 2, 50 + 10 * left->entries()[0]);
    context.clear();
    bottom.renderAxisLabels(context);
    EXPECT_DOUBLE_EQ(texts(context)[0].at.y, 152.5);

    context.clear();
    top.drawGridLine(context, kit::Point{80, 0});
    EXPECT_NE(context.text().find("moveTo 80 50"), std::string::npos);
    EXPECT_NE(context.text().find("lineTo 80 150"), std::string::npos);

    left->setZeroLineColor(kit::Color::blackColor());
    context.clear();
    top.drawZeroLine(context);
    EXPECT_NE(context.text().find("moveTo 49 50"), std::string::npos) << "one point left of zero: " << context.text();
}
