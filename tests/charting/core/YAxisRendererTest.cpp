#include "charting/core/YAxisRenderer.h"
#include "ChartTestSupport.h"
#include "kit/graphics/TextMetrics.h"

#include <gtest/gtest.h>

#include <memory>

using namespace charting;
using charting::testing::linesStartingWith;

namespace {

// Chart 250 x 150, content (10, 20, 200, 100), y 0...50; entries 0, 10, ..., 40 drawn at pixel y
// 120, 100, 80, 60, 40. 10-point labels: 5 per character, line height 12.
struct YAxisFixture : ::testing::Test {
    kit::FixedTextMetricsScope metrics;
    std::shared_ptr<ViewPortHandler> vp = std::make_shared<ViewPortHandler>(250, 150);
    std::shared_ptr<Transformer> transformer = std::make_shared<Transformer>(vp);
    kit::RecordingContext context{{250, 150}};

    void SetUp() override {
        vp->restrainViewPort(10, 20, 40, 30);
        transformer->prepareMatrixValuePx(0, 10, 50, 0);
        transformer->prepareMatrixOffset(false);
    }
    std::shared_ptr<YAxis> makeAxis(AxisDependency side) {
        auto axis = std::make_shared<YAxis>(side);
        axis->setEntries({0, 10, 20, 30, 40});
        return axis;
    }
    std::vector<std::string> texts() const { return linesStartingWith(context, "drawText"); }
};

} // namespace

TEST_F(YAxisFixture, LabelsBySideAndPosition) {
    // The text's top is at the grid line + line height / 2.5 - line height = y - 7.2.
    struct Row {
        AxisDependency side;
        YAxis::LabelPosition position;
        std::string firstLabel; // "0", 5 wide, at pixel y 120
    };
    using P = YAxis::LabelPosition;
    const Row rows[] = {
        {AxisDependency::left, P::outsideChart, "drawText \"0\" 0 112.8 Inter 400 10 #000000FF"},  // ends at 10 - 5
        {AxisDependency::left, P::insideChart, "drawText \"0\" 15 112.8 Inter 400 10 #000000FF"},  // starts at 10 + 5
        {AxisDependency::right, P::outsideChart, "drawText \"0\" 215 112.8 Inter 400 10 #000000FF"},
        {AxisDependency::right, P::insideChart, "drawText \"0\" 200 112.8 Inter 400 10 #000000FF"},
    };
    for (const Row& row : rows) {
        auto axis = makeAxis(row.side);
        axis->setLabelPosition(row.position);
        YAxisRenderer renderer(vp, axis, transformer);
        context.clear();
        renderer.renderAxisLabels(context);
        const auto drawn = texts();
        ASSERT_EQ(drawn.size(), 5u);
        EXPECT_EQ(drawn.front(), row.firstLabel);
    }
}

TEST_F(YAxisFixture, BottomAndTopLabelsCanBeLeftOut) {
    auto axis = makeAxis(AxisDependency::left);
    YAxisRenderer renderer(vp, axis, transformer);
    axis->setDrawBottomYLabelEntryEnabled(false);
    renderer.renderAxisLabels(context);
    EXPECT_EQ(texts().size(), 4u);
    EXPECT_EQ(texts().front().substr(0, 12), "drawText \"10");
    context.clear();
    axis->setDrawTopYLabelEntryEnabled(false);
    renderer.renderAxisLabels(context);
    EXPECT_EQ(texts().size(), 3u);

    // Too few entries for both flags: nothing, and nothing read past the positions.
    axis->setEntries({0});
    context.clear();
    renderer.renderAxisLabels(context);
    EXPECT_TRUE(texts().empty());
    axis->setEntries({});
    renderer.renderAxisLabels(context);
    EXPECT_TRUE(texts().empty());
}

TEST_F(YAxisFixture, GridLinesAndTheZeroLine) {
    auto axis = makeAxis(AxisDependency::left);
    YAxisRenderer renderer(vp, axis, transformer);
    renderer.renderGridLines(context);
    EXPECT_EQ(linesStartingWith(context, "clipToRect"), (std::vector<std::string>{"clipToRect 10 19.75 200 100.5"}));
    EXPECT_EQ(linesStartingWith(context, "moveTo"),
              (std::vector<std::string>{"moveTo 10 120", "moveTo 10 100", "moveTo 10 80", "moveTo 10 60", "moveTo 10 40"}));

    // The zero line draws with the grid off, and not without a colour.
    context.clear();
    axis->setDrawGridLinesEnabled(false);
    axis->setDrawZeroLineEnabled(true);
    renderer.renderGridLines(context);
    EXPECT_EQ(context.lines(),
              (std::vector<std::string>{"save", "clipToRect 10 19.5 200 101", "setStrokeColor #808080FF", "setLineWidth 1",
                                        "setLineDash solid", "beginPath", "moveTo 10 120", "lineTo 210 120",
                                        "strokePath #808080FF", "restore"}));
    context.clear();
    axis->setZeroLineColor(std::nullopt);
    renderer.renderGridLines(context);
    EXPECT_TRUE(context.lines().empty());

    // Without a transformer there are no positions: no grid lines, no labels.
    YAxisRenderer bare(vp, makeAxis(AxisDependency::left), nullptr);
    EXPECT_TRUE(bare.transformedPositions().empty());
    bare.renderGridLines(context);
    bare.renderAxisLabels(context);
    EXPECT_TRUE(linesStartingWith(context, "moveTo").empty());
    EXPECT_TRUE(texts().empty());
}

TEST_F(YAxisFixture, LimitLineLabelsAroundTheLine) {
    auto axis = makeAxis(AxisDependency::left);
    auto line = std::make_shared<ChartLimitLine>(25, "ab"); // at pixel y 70; 13-point label 13 x 15.6
    line->setLineWidth(2);
    axis->addLimitLine(line);
    YAxisRenderer renderer(vp, axis, transformer);
    using P = ChartLimitLine::LabelPosition;
    // xOffset 4 + 5 = 9; yOffset = 2 + 15.6 + 5 = 22.6.
    const std::pair<P, std::string> rows[] = {
        {P::leftTop, "drawText \"ab\" 19 47.4 Inter 400 13 #000000FF"},
        {P::leftBottom, "drawText \"ab\" 19 77 Inter 400 13 #000000FF"}, // top edge at y + lineWidth + yOffset
        {P::rightTop, "drawText \"ab\" 188 47.4 Inter 400 13 #000000FF"},
        {P::rightBottom, "drawText \"ab\" 188 77 Inter 400 13 #000000FF"},
    };
    for (const auto& [position, expected] : rows) {
        context.clear();
        line->setLabelPosition(position);
        renderer.renderLimitLines(context);
        EXPECT_EQ(texts(), (std::vector<std::string>{expected}));
        EXPECT_EQ(linesStartingWith(context, "moveTo"), (std::vector<std::string>{"moveTo 10 70"}));
        EXPECT_EQ(context.saveDepth(), 0);
    }
}

TEST_F(YAxisFixture, AxisLineOnItsSide) {
    YAxisRenderer left(vp, makeAxis(AxisDependency::left), transformer);
    YAxisRenderer right(vp, makeAxis(AxisDependency::right), transformer);
    left.renderAxisLine(context);
    right.renderAxisLine(context);
    EXPECT_EQ(linesStartingWith(context, "moveTo"), (std::vector<std::string>{"moveTo 10 20", "moveTo 210 20"}));
    EXPECT_EQ(linesStartingWith(context, "setLineDash"), (std::vector<std::string>{"setLineDash solid", "setLineDash solid"}));
}
