#include "charting/core/XAxisRenderer.h"
#include "ChartTestSupport.h"
#include "kit/graphics/TextMetrics.h"

#include <gtest/gtest.h>

#include <memory>

using namespace charting;
using charting::testing::linesStartingWith;

namespace {

// Chart 250 x 150, content (10, 20, 200, 100), x 0...10; labels 0, 2, ..., 10 in 10-point text
// (5 points per character, 12 per line).
struct XAxisFixture : ::testing::Test {
    kit::FixedTextMetricsScope metrics;
    std::shared_ptr<ViewPortHandler> vp = std::make_shared<ViewPortHandler>(250, 150);
    std::shared_ptr<XAxis> axis = std::make_shared<XAxis>();
    std::shared_ptr<Transformer> transformer = std::make_shared<Transformer>(vp);
    std::unique_ptr<XAxisRenderer> renderer;
    kit::RecordingContext context{{250, 150}};

    void SetUp() override {
        vp->restrainViewPort(10, 20, 40, 30);
        transformer->prepareMatrixValuePx(0, 10, 50, 0);
        transformer->prepareMatrixOffset(false);
        renderer = std::make_unique<XAxisRenderer>(vp, axis, transformer);
        renderer->computeAxisValues(0, 10);
    }
    std::vector<std::string> texts() const { return linesStartingWith(context, "drawText"); }
};

struct CountingFormatter : ChartAxisValueFormatter {
    std::vector<double> asked;
    std::string stringForValue(double value, AxisBase*) override {
        asked.push_back(value);
        return "v";
    }
};

} // namespace

TEST_F(XAxisFixture, LabelSizesFollowTheValuesAndTheRotation) {
    EXPECT_EQ(axis->entries(), (std::vector<double>{0, 2, 4, 6, 8, 10}));
    EXPECT_EQ(axis->labelWidth(), 10); // "10"
    EXPECT_EQ(axis->labelHeight(), 12);
    EXPECT_EQ(axis->labelRotatedWidth(), 10);
    EXPECT_EQ(axis->labelRotatedHeight(), 12);
    axis->setLabelRotationAngle(90);
    renderer->computeSize();
    EXPECT_NEAR(axis->labelRotatedWidth(), 12, 1e-9);
    EXPECT_NEAR(axis->labelRotatedHeight(), 10, 1e-9);
}

TEST_F(XAxisFixture, LabelRowsByPosition) {
    struct Row {
        XAxis::LabelPosition position;
        std::vector<std::string> firstLabels; // where "0" and "2" are drawn
    };
    using P = XAxis::LabelPosition;
    const Row rows[] = {
        {P::bottom, {"drawText \"0\" in 7.5 124 5 12 Inter 400 10 #000000FF", "drawText \"2\" in 47.5 124 5 12 Inter 400 10 #000000FF"}},
        {P::top, {"drawText \"0\" in 7.5 4 5 12 Inter 400 10 #000000FF", "drawText \"2\" in 47.5 4 5 12 Inter 400 10 #000000FF"}},
        // Inside: the row's bottom at contentTop + yOffset + rotated height (20 + 4 + 12).
        {P::topInside, {"drawText \"0\" in 7.5 24 5 12 Inter 400 10 #000000FF", "drawText \"2\" in 47.5 24 5 12 Inter 400 10 #000000FF"}},
        {P::bottomInside, {"drawText \"0\" in 7.5 104 5 12 Inter 400 10 #000000FF", "drawText \"2\" in 47.5 104 5 12 Inter 400 10 #000000FF"}},
    };
    for (const Row& row : rows) {
        context.clear();
        axis->setLabelPosition(row.position);
        renderer->renderAxisLabels(context);
        const auto drawn = texts();
        ASSERT_EQ(drawn.size(), 6u);
        EXPECT_EQ(std::vector<std::string>(drawn.begin(), drawn.begin() + 2), row.firstLabels);
    }
    context.clear();
    axis->setLabelPosition(P::bothSided);
    renderer->renderAxisLabels(context);
    renderer->renderAxisLine(context);
    EXPECT_EQ(texts().size(), 12u);
    EXPECT_EQ(linesStartingWith(context, "strokeLineSegments"),
              (std::vector<std::string>{"strokeLineSegments 10 20 210 20 #808080FF",
                                        "strokeLineSegments 10 120 210 120 #808080FF"}));
    context.clear();
    axis->setDrawLabelsEnabled(false);
    renderer->renderAxisLabels(context);
    EXPECT_TRUE(texts().empty());
}

TEST_F(XAxisFixture, CentredLabelsShowTheTextsOfTheEntries) {
    axis->setLabelPosition(XAxis::LabelPosition::bottom);
    axis->setCenterAxisLabelsEnabled(true);
    axis->setCenteredEntries({1, 3}); // fewer than the entries: the rest stand at their own values
    auto formatter = std::make_shared<CountingFormatter>();
    axis->setValueFormatter(formatter);
    renderer->renderAxisLabels(context);
    EXPECT_EQ(formatter->asked, (std::vector<double>{0, 2, 4, 6, 8, 10}));
    const auto drawn = texts();
    ASSERT_EQ(drawn.size(), 6u);
    EXPECT_EQ(drawn[0], "drawText \"v\" in 27.5 124 5 12 Inter 400 10 #000000FF"); // at value 1
    EXPECT_EQ(drawn[2], "drawText \"v\" in 87.5 124 5 12 Inter 400 10 #000000FF"); // at value 4
}

TEST_F(XAxisFixture, LabelsOutsideTheContentAreNotFormatted) {
    axis->setEntries({-1, 5, 12});
    auto formatter = std::make_shared<CountingFormatter>();
    axis->setValueFormatter(formatter);
    renderer->renderAxisLabels(context);
    EXPECT_EQ(formatter->asked, (std::vector<double>{5}));

    // Avoiding first/last clipping: a single label counts as the first and moves right by half its width.
    context.clear();
    axis->setEntries({5});
    axis->setAvoidFirstLastClippingEnabled(true);
    axis->setLabelPosition(XAxis::LabelPosition::bottom);
    renderer->renderAxisLabels(context);
    EXPECT_EQ(texts(), (std::vector<std::string>{"drawText \"v\" in 110 124 5 12 Inter 400 10 #000000FF"}));
}

TEST_F(XAxisFixture, GridLinesWithinTheChartWidth) {
    for (double x : {10.0, 250.0, 9.99, 250.01}) renderer->drawGridLine(context, x, 0);
    EXPECT_EQ(linesStartingWith(context, "moveTo"), (std::vector<std::string>{"moveTo 10 20", "moveTo 250 20"}));

    context.clear();
    axis->setGridLineDashLengths(std::vector<double>{4, 2});
    renderer->renderGridLines(context);
    EXPECT_EQ(context.lines().front(), "save");
    EXPECT_EQ(context.lines()[1], "clipToRect 9.75 20 200.5 100");
    EXPECT_EQ(linesStartingWith(context, "setLineDash"), (std::vector<std::string>{"setLineDash 0 [4 2]"}));
    EXPECT_EQ(linesStartingWith(context, "strokePath").size(), 6u);
    EXPECT_EQ(context.saveDepth(), 0);

    // An absent dash resets any dash left on the context.
    context.clear();
    context.setLineDash(0, {3, 3});
    renderer->renderAxisLine(context);
    EXPECT_EQ(linesStartingWith(context, "setLineDash").back(), "setLineDash solid");
}

TEST_F(XAxisFixture, LimitLineLabelsAroundTheLine) {
    auto line = std::make_shared<ChartLimitLine>(5, "ab"); // at x 110; label 13-point text, 13 x 15.6
    line->setLineWidth(2);
    axis->addLimitLine(line);
    using P = ChartLimitLine::LabelPosition;
    // xOffset = lineWidth + 5 = 7, yOffset = 2 + 5 = 7; line height 15.6.
    const std::pair<P, std::string> rows[] = {
        {P::leftTop, "drawText \"ab\" 90 27 Inter 400 13 #000000FF"},
        {P::leftBottom, "drawText \"ab\" 90 97.4 Inter 400 13 #000000FF"},
        {P::rightTop, "drawText \"ab\" 117 27 Inter 400 13 #000000FF"},
        {P::rightBottom, "drawText \"ab\" 117 97.4 Inter 400 13 #000000FF"},
    };
    for (const auto& [position, expected] : rows) {
        context.clear();
        line->setLabelPosition(position);
        renderer->renderLimitLines(context);
        EXPECT_EQ(texts(), (std::vector<std::string>{expected}));
        EXPECT_EQ(linesStartingWith(context, "moveTo"), (std::vector<std::string>{"moveTo 110 20"}));
        EXPECT_EQ(linesStartingWith(context, "clipToRect"), (std::vector<std::string>{"clipToRect 9 20 202 100"}));
    }
    context.clear();
    line->setLabel("");
    renderer->renderLimitLines(context);
    EXPECT_TRUE(texts().empty());
    EXPECT_EQ(context.saveDepth(), 0);
}

TEST(XAxisRenderer, NothingNeedsATransformerToBeSkipped) {
    auto vp = std::make_shared<ViewPortHandler>(100, 100);
    auto axis = std::make_shared<XAxis>();
    axis->setEntries({10, 20});
    axis->addLimitLine(std::make_shared<ChartLimitLine>(10, "x"));
    XAxisRenderer renderer(vp, axis, nullptr);
    kit::RecordingContext context;
    renderer.renderAxisLabels(context);
    renderer.renderGridLines(context);
    renderer.renderLimitLines(context);
    EXPECT_TRUE(context.lines().empty());
}
