#include "charting/bar_line/LineChartData.h"
#include "charting/bar_line/LineChartDataSet.h"
#include "charting/model/DefaultFillFormatter.h"
#include "kit/base/Make.h"

#include <gtest/gtest.h>

using namespace charting;

namespace {

const kit::Color defaultCircle = kit::Color::rgba(140 / 255.0, 234 / 255.0, 1, 1);

TEST(LineChartDataSet, DefaultsAfterEitherInitialiser) {
    auto withEntries = kit::make<LineChartDataSet>(
        std::vector<EntryPtr>{kit::make<ChartDataEntry>(1, 2), kit::make<ChartDataEntry>(3, -4)}, "Line");
    for (const auto& set : {kit::make<LineChartDataSet>(), withEntries}) {
        EXPECT_EQ(set->mode(), LineChartDataSet::Mode::linear);
        EXPECT_EQ(set->cubicIntensity(), 0.2);
        EXPECT_FALSE(set->isDrawLineWithGradientEnabled());
        EXPECT_FALSE(set->gradientPositions());
        EXPECT_EQ(set->circleRadius(), 8);
        EXPECT_EQ(set->circleHoleRadius(), 4);
        EXPECT_EQ(set->circleColors(), std::vector<kit::Color>{defaultCircle});
        EXPECT_TRUE(set->isDrawCirclesEnabled());
        EXPECT_EQ(set->circleHoleColor(), kit::Color::whiteColor());
        EXPECT_TRUE(set->isDrawCircleHoleEnabled());
        EXPECT_FALSE(set->lineDashLengths());
        EXPECT_EQ(set->lineCapType(), kit::LineCap::butt);
        EXPECT_TRUE(std::dynamic_pointer_cast<DefaultFillFormatter>(set->fillFormatter()));
    }
    // The fill formatter reads the bounds through the line-set interface.
    const LineChartDataSetProtocol& line = *withEntries;
    EXPECT_EQ(line.yMin(), -4);
    EXPECT_EQ(line.yMax(), 2);
}

TEST(LineChartDataSet, SettersWithRules) {
    auto set = kit::make<LineChartDataSet>();
    struct Row {
        double in, stored;
    } rows[] = {{5, 1.0}, {0.01, 0.05}, {0.3, 0.3}, {1.0, 1.0}};
    for (auto row : rows) {
        set->setCubicIntensity(row.in);
        EXPECT_EQ(set->cubicIntensity(), row.stored) << row.in;
    }

    auto first = set->fillFormatter();
    set->setFillFormatter(nullptr);
    ASSERT_TRUE(set->fillFormatter());
    EXPECT_NE(set->fillFormatter(), first);

    EXPECT_EQ(LineChartDataSet::modeFromRaw(3), LineChartDataSet::Mode::horizontalBezier);
    EXPECT_FALSE(LineChartDataSet::modeFromRaw(4));
    EXPECT_FALSE(LineChartDataSet::modeFromRaw(-1));
}

TEST(LineChartDataSet, CircleColours) {
    auto set = kit::make<LineChartDataSet>();
    const auto r = kit::Color::redColor(), g = kit::Color::greenColor(), b = kit::Color::blueColor();
    set->setCircleColors({r, g, b});
    struct Row {
        std::int64_t index;
        kit::Color expected;
    } rows[] = {{0, r}, {2, b}, {5, b}, {7, g}, {-3, r}};
    for (auto row : rows) EXPECT_EQ(set->getCircleColor(row.index), row.expected) << row.index;

    set->setCircleColor(g);
    EXPECT_EQ(set->circleColors(), std::vector<kit::Color>{g});
    set->resetCircleColors(42);
    EXPECT_TRUE(set->circleColors().empty());
    // An empty list still answers (with the default circle colour) rather than failing.
    EXPECT_EQ(set->getCircleColor(3), defaultCircle);
}

TEST(LineChartDataSet, CopyKeepsEveryLineSettingAndSharesTheFormatter) {
    auto set = kit::make<LineChartDataSet>();
    set->setMode(LineChartDataSet::Mode::stepped);
    set->setCubicIntensity(0.7);
    set->setIsDrawLineWithGradientEnabled(true);
    set->setGradientPositions(std::vector<double>{0, 10});
    set->setCircleRadius(3);
    set->setCircleHoleRadius(1);
    set->setCircleColor(kit::Color::redColor());
    set->setDrawCirclesEnabled(false);
    set->setCircleHoleColor(std::nullopt);
    set->setDrawCircleHoleEnabled(false);
    set->setLineDashPhase(2);
    set->setLineDashLengths(std::vector<double>{4, 2});
    set->setLineCapType(kit::LineCap::round);
    set->setLineWidth(5);
    set->setDrawFilledEnabled(true);

    auto copy = std::dynamic_pointer_cast<LineChartDataSet>(set->copy());
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->mode(), LineChartDataSet::Mode::stepped);
    EXPECT_EQ(copy->cubicIntensity(), 0.7);
    EXPECT_TRUE(copy->isDrawLineWithGradientEnabled());
    EXPECT_EQ(copy->gradientPositions(), (std::vector<double>{0, 10}));
    EXPECT_EQ(copy->circleRadius(), 3);
    EXPECT_EQ(copy->circleHoleRadius(), 1);
    EXPECT_EQ(copy->circleColors(), std::vector<kit::Color>{kit::Color::redColor()});
    EXPECT_FALSE(copy->isDrawCirclesEnabled());
    EXPECT_FALSE(copy->circleHoleColor());
    EXPECT_FALSE(copy->isDrawCircleHoleEnabled());
    EXPECT_EQ(copy->lineDashPhase(), 2);
    EXPECT_EQ(copy->lineDashLengths(), (std::vector<double>{4, 2}));
    EXPECT_EQ(copy->lineCapType(), kit::LineCap::round);
    EXPECT_EQ(copy->lineWidth(), 5);
    EXPECT_TRUE(copy->isDrawFilledEnabled());
    EXPECT_EQ(copy->fillFormatter(), set->fillFormatter());
}

TEST(LineChartData, HoldsLineSets) {
    auto set = kit::make<LineChartDataSet>(std::vector<EntryPtr>{kit::make<ChartDataEntry>(1, 2)});
    auto data = kit::make<LineChartData>(std::vector<DataSetPtr>{set});
    EXPECT_EQ(data->dataSetCount(), 1);
    EXPECT_EQ(data->yMax(), 2);
}

} // namespace
