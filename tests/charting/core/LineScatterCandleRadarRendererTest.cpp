#include "charting/core/LineScatterCandleRadarRenderer.h"
#include "ChartTestSupport.h"

#include <gtest/gtest.h>

#include <memory>

using namespace charting;
using charting::testing::linesStartingWith;

namespace {

struct LineRadarFixture : ::testing::Test {
    std::shared_ptr<ViewPortHandler> vp = std::make_shared<ViewPortHandler>(200, 100);
    LineRadarRenderer renderer{std::make_shared<Animator>(), vp};
    kit::RecordingContext context{{200, 100}};
    LineScatterCandleRadarChartDataSet set;
    void SetUp() override { vp->restrainViewPort(10, 10, 10, 10); }
};

// Records the alpha and fill colour in force when it is asked to fill.
struct ProbeFill : ChartFill {
    mutable double alpha = -1;
    mutable kit::Rect rect;
    void fillPath(kit::Context& context, const kit::Rect& r) const override {
        alpha = context.alpha();
        rect = r;
        context.fillPath();
    }
};

} // namespace

TEST_F(LineRadarFixture, HighlightLinesSpanTheContent) {
    set.setDrawHighlightIndicators(false);
    renderer.drawHighlightLines(context, {50, 40}, set);
    EXPECT_TRUE(context.lines().empty());

    set.setDrawHorizontalHighlightIndicatorEnabled(true);
    renderer.drawHighlightLines(context, {50, 40}, set);
    EXPECT_EQ(context.lines(), (std::vector<std::string>{"beginPath", "moveTo 10 40", "lineTo 190 40", "strokePath #000000FF"}));

    context.clear();
    set.setDrawVerticalHighlightIndicatorEnabled(true);
    renderer.drawHighlightLines(context, {50, 40}, set);
    EXPECT_EQ(linesStartingWith(context, "moveTo"), (std::vector<std::string>{"moveTo 50 10", "moveTo 10 40"}));
}

TEST_F(LineRadarFixture, FilledPathsLeaveTheStateAsFound) {
    const kit::Path path = kit::Path::rect({20, 20, 30, 30});
    context.setFillColor(kit::Color::blueColor());
    ProbeFill fill;
    renderer.drawFilledPath(context, path, fill, 0.33);
    EXPECT_EQ(fill.alpha, 0.33);
    EXPECT_EQ(fill.rect, vp->contentRect());
    EXPECT_EQ(context.alpha(), 1);
    EXPECT_EQ(context.fillColor(), kit::Color::blueColor());

    renderer.drawFilledPath(context, kit::Path::rect({60, 20, 30, 30}), kit::Color::redColor().withAlpha(0.5), 0.5);
    EXPECT_EQ(context.alpha(), 1);
    EXPECT_EQ(context.fillColor(), kit::Color::blueColor());
    EXPECT_EQ(context.saveDepth(), 0);
    // The two alphas multiply: half-transparent red at global alpha 0.5 covers a quarter.
    EXPECT_NEAR(context.image().colorAt(75, 35).alpha(), 0.25, 0.01);
}
