#include "charting/model/BarLineScatterCandleBubbleChartDataSet.h"
#include "kit/base/Make.h"

#include <gtest/gtest.h>

using namespace charting;

namespace {

struct NoFill : ChartFill {
    void fillPath(kit::Context&, const kit::Rect&) const override {}
};

TEST(LineRadarChartDataSet, DefaultsOfEveryLayerAfterAnyInitialiser) {
    auto withEntries = kit::make<LineRadarChartDataSet>(
        std::vector<EntryPtr>{kit::make<ChartDataEntry>(1, 2), kit::make<ChartDataEntry>(3, 4)});
    for (const auto& set : {kit::make<LineRadarChartDataSet>(), withEntries}) {
        EXPECT_EQ(set->label(), "DataSet");
        EXPECT_EQ(set->fillAlpha(), 0.33);
        EXPECT_EQ(set->lineWidth(), 1.0);
        EXPECT_EQ(set->fill(), nullptr);
        EXPECT_FALSE(set->isDrawFilledEnabled());
        EXPECT_TRUE(set->isHorizontalHighlightIndicatorEnabled());
        EXPECT_TRUE(set->isVerticalHighlightIndicatorEnabled());
        EXPECT_EQ(set->highlightLineWidth(), 0.5);
        EXPECT_EQ(set->highlightColor(), kit::Color::rgba(1, 187 / 255.0, 115 / 255.0, 1));
        EXPECT_FALSE(set->highlightLineDashLengths().has_value());
    }
    EXPECT_EQ(withEntries->xMax(), 3);
    EXPECT_EQ(withEntries->yMin(), 2);
    EXPECT_EQ(withEntries->className(), "LineRadarChartDataSet");
}

TEST(LineRadarChartDataSet, SettersWithRules) {
    auto set = kit::make<LineRadarChartDataSet>();
    struct Row {
        double in, stored;
    } rows[] = {{12, 10}, {-1, 0}, {10, 10}, {0.5, 0.5}};
    for (auto row : rows) {
        set->setLineWidth(row.in);
        EXPECT_EQ(set->lineWidth(), row.stored);
    }
    set->setFill(std::make_shared<NoFill>());
    set->setFillColor(kit::Color::redColor());
    EXPECT_EQ(set->fill(), nullptr);
    set->setDrawHighlightIndicators(false);
    EXPECT_FALSE(set->isHorizontalHighlightIndicatorEnabled());
    EXPECT_FALSE(set->isVerticalHighlightIndicatorEnabled());
}

TEST(LineRadarChartDataSet, CopyKeepsEveryLayer) {
    auto set = kit::make<LineRadarChartDataSet>();
    set->setFillColor(kit::Color::redColor());
    auto fill = std::make_shared<NoFill>();
    set->setFill(fill);
    set->setFillAlpha(0.8);
    set->setLineWidth(4);
    set->setDrawFilledEnabled(true);
    set->setDrawVerticalHighlightIndicatorEnabled(false);
    set->setHighlightColor(kit::Color::blueColor());
    set->setHighlightLineDashLengths(std::vector<double>{1, 2});
    set->setLabel("Line");

    auto copy = set->copyAs<LineRadarChartDataSet>();
    ASSERT_NE(dynamic_cast<LineRadarChartDataSet*>(copy.get()), nullptr);
    EXPECT_EQ(copy->fill(), fill);
    EXPECT_EQ(copy->fillColor(), kit::Color::redColor());
    EXPECT_EQ(copy->fillAlpha(), 0.8);
    EXPECT_EQ(copy->lineWidth(), 4);
    EXPECT_TRUE(copy->drawFilledEnabled());
    EXPECT_FALSE(copy->isVerticalHighlightIndicatorEnabled());
    EXPECT_TRUE(copy->isHorizontalHighlightIndicatorEnabled());
    EXPECT_EQ(copy->highlightColor(), kit::Color::blueColor());
    EXPECT_EQ(copy->highlightLineDashLengths(), (std::vector<double>{1, 2}));
    EXPECT_EQ(copy->label(), "Line");
}

TEST(BarLineScatterCandleBubbleChartData, IsChartDataWithItsBounds) {
    auto set = kit::make<BarLineScatterCandleBubbleChartDataSet>(std::vector<EntryPtr>{kit::make<ChartDataEntry>(1, 2)});
    auto data = kit::make<BarLineScatterCandleBubbleChartData>(DataSetPtr(set));
    EXPECT_EQ(data->yMax(), 2);
    EXPECT_EQ(set->copy()->className(), "BarLineScatterCandleBubbleChartDataSet");
}

} // namespace
