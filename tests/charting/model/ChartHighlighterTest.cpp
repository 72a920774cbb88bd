#include "charting/core/ChartTestSupport.h"
#include "charting/model/ChartHighlighter.h"
#include "kit/base/Make.h"

#include <gtest/gtest.h>

#include <memory>

using namespace charting;
using charting::testing::dataSet;
using charting::testing::entry;
using charting::testing::TestChart;

namespace {

// Chart 250 x 150, content (10, 20, 200, 100): x 0...10 and y 0...50, so a value (x, y) lies at
// pixel (10 + 20x, 120 - 2y) on either axis.
struct HighlighterFixture : ::testing::Test {
    std::shared_ptr<TestChart> chart = kit::make<TestChart>();
    std::shared_ptr<ChartHighlighter> highlighter;

    void SetUp() override {
        chart->viewPortHandler()->restrainViewPort(10, 20, 40, 30);
        chart->prepare();
        highlighter = std::make_shared<ChartHighlighter>(std::shared_ptr<ChartDataProvider>(chart));
    }
    void use(std::vector<DataSetPtr> sets) {
        auto data = std::make_shared<ChartData>(std::move(sets));
        data->initialize();
        chart->setData(data);
    }
};

} // namespace

TEST_F(HighlighterFixture, NearestValueUnderTheTouch) {
    use({dataSet({entry(2, 10), entry(4, 20), entry(4, 40), entry(8, 5)})});
    EXPECT_EQ(highlighter->getValsForTouch(90, 80), (kit::Point{4, 20}));

    auto h = highlighter->getHighlight(91, 42); // x 4.05: entries at x 4, nearest in pixels is y 40 (px 40)
    ASSERT_TRUE(h);
    EXPECT_EQ(h->x(), 4);
    EXPECT_EQ(h->y(), 40);
    EXPECT_EQ(h->xPx(), 90);
    EXPECT_EQ(h->yPx(), 40);
    EXPECT_EQ(h->dataSetIndex(), 0);

    // No entry at the touched x: the entries of the nearest x (all of them) are the candidates.
    EXPECT_EQ(highlighter->getHighlightsForXValue(3.8, 0, 0).size(), 2u);
    h = highlighter->getHighlight(190, 110); // x 9 -> entry (8, 5)
    ASSERT_TRUE(h);
    EXPECT_EQ(h->x(), 8);
}

TEST_F(HighlighterFixture, DistanceLimitAndDisabledSets) {
    use({dataSet({entry(5, 0)})}); // pixel (110, 120)
    chart->setMaxHighlightDistance(30);
    EXPECT_FALSE(highlighter->getHighlight(110, 90));  // exactly 30 away
    EXPECT_TRUE(highlighter->getHighlight(110, 90.5)); // just inside

    chart->data()->dataSet(0)->setHighlightEnabled(false);
    EXPECT_FALSE(highlighter->getHighlight(110, 120));
}

TEST_F(HighlighterFixture, AxisAndDataSetTies) {
    auto leftSet = dataSet({entry(5, 20)}, "left");    // pixel y 80
    auto rightSet = dataSet({entry(5, 30)}, "right");  // pixel y 60
    rightSet->setAxisDependency(AxisDependency::right);
    use({leftSet, rightSet});
    // Touch at y 70: both axes are 10 pixels away; the right axis wins the tie.
    auto h = highlighter->getHighlight(110, 70);
    ASSERT_TRUE(h);
    EXPECT_EQ(h->dataSetIndex(), 1);
    EXPECT_EQ(h->axis(), AxisDependency::right);

    // Two candidates at the same distance on one axis: the earlier set.
    use({dataSet({entry(5, 20)}, "a"), dataSet({entry(5, 20)}, "b")});
    h = highlighter->getHighlight(110, 70);
    ASSERT_TRUE(h);
    EXPECT_EQ(h->dataSetIndex(), 0);
}

TEST_F(HighlighterFixture, NothingWithoutAnXYChart) {
    use({dataSet({entry(5, 20)})});
    chart.reset(); // the highlighter only saw it weakly
    EXPECT_FALSE(highlighter->getHighlight(110, 80));
    EXPECT_EQ(highlighter->getValsForTouch(110, 80), (kit::Point{0, 0}));
    EXPECT_FALSE(highlighter->chartData());
}
