#include "charting/bar_line/CandleChartData.h"
#include "charting/bar_line/CandleChartDataEntry.h"
#include "charting/bar_line/CandleChartDataSet.h"
#include "kit/base/Make.h"

#include <gtest/gtest.h>

using namespace charting;

namespace {

std::shared_ptr<CandleChartDataEntry> candle(double x, double high, double low, double open = 0, double close = 0) {
    return kit::make<CandleChartDataEntry>(x, high, low, open, close);
}

TEST(CandleChartDataEntry, YIsPinnedToTheShadowMiddle) {
    auto e = candle(1, 10, 2, 3, 8);
    EXPECT_EQ(e->x(), 1);
    EXPECT_EQ(e->y(), 6);
    EXPECT_EQ(e->shadowRange(), 8);
    EXPECT_EQ(e->bodyRange(), 5);
    e->setY(100);
    EXPECT_EQ(e->y(), 6);
    e->setHigh(20);
    EXPECT_EQ(e->y(), 6); // until y is assigned again
    e->setY(0);
    EXPECT_EQ(e->y(), 11);
    static_assert(!std::is_constructible_v<CandleChartDataEntry, double, double>);
}

TEST(CandleChartDataEntry, CopyKeepsTheCandleAndItsY) {
    auto e = candle(1, 10, 2, 3, 8);
    e->setData(std::string("d"));
    e->setHigh(30); // y still 6: the copy must report the same
    auto copy = std::dynamic_pointer_cast<CandleChartDataEntry>(e->copy());
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->x(), 1);
    EXPECT_EQ(copy->y(), 6);
    EXPECT_EQ(copy->high(), 30);
    EXPECT_EQ(copy->low(), 2);
    EXPECT_EQ(copy->open(), 3);
    EXPECT_EQ(copy->close(), 8);
    EXPECT_EQ(std::any_cast<std::string>(copy->data()), "d");
    EXPECT_FALSE(copy->icon());
}

TEST(CandleChartDataSet, BoundsFromLowAndHigh) {
    for (bool reversed : {false, true}) {
        std::vector<EntryPtr> entries{candle(1, 10, 2, 5, 5), candle(2, 7, 5, 6, 6)};
        if (reversed) std::swap(entries[0], entries[1]);
        auto set = kit::make<CandleChartDataSet>(entries);
        EXPECT_EQ(set->yMin(), 2);
        EXPECT_EQ(set->yMax(), 10);
        set->calcMinMaxY(0, 3);
        EXPECT_EQ(set->yMin(), 2);
        EXPECT_EQ(set->yMax(), 10);
    }
    auto withPlain = kit::make<CandleChartDataSet>(
        std::vector<EntryPtr>{candle(1, 4, 3), kit::make<ChartDataEntry>(-9, 50)});
    EXPECT_EQ(withPlain->yMax(), 4);
    EXPECT_EQ(withPlain->xMin(), 1);
    withPlain->calcMinMaxY(-10, 10);
    EXPECT_EQ(withPlain->yMax(), 4);
}

TEST(CandleChartDataSet, DefaultsClampAndCopy) {
    auto set = kit::make<CandleChartDataSet>(std::vector<EntryPtr>{candle(1, 4, 3)});
    EXPECT_EQ(set->barSpace(), 0.1);
    EXPECT_TRUE(set->showCandleBar());
    EXPECT_EQ(set->shadowWidth(), 1.5);
    EXPECT_FALSE(set->shadowColor() || set->neutralColor() || set->increasingColor() || set->decreasingColor());
    EXPECT_FALSE(set->isIncreasingFilled());
    EXPECT_TRUE(set->isDecreasingFilled());
    EXPECT_TRUE(set->isHorizontalHighlightIndicatorEnabled());
    EXPECT_TRUE(set->isVerticalHighlightIndicatorEnabled());

    struct Row {
        double in, stored;
    } rows[] = {{0.5, 0.45}, {-0.1, 0}, {0.3, 0.3}};
    for (auto row : rows) {
        set->setBarSpace(row.in);
        EXPECT_EQ(set->barSpace(), row.stored) << row.in;
    }

    set->setShowCandleBar(false);
    set->setShadowWidth(3);
    set->setShadowColor(kit::Color::grayColor());
    set->setShadowColorSameAsCandle(true);
    set->setNeutralColor(kit::Color::blueColor());
    set->setIncreasingColor(kit::Color::greenColor());
    set->setDecreasingColor(kit::Color::redColor());
    set->setIncreasingFilled(true);
    set->setDecreasingFilled(false);
    auto copy = std::dynamic_pointer_cast<CandleChartDataSet>(set->copy());
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->barSpace(), 0.3);
    EXPECT_FALSE(copy->showCandleBar());
    EXPECT_EQ(copy->shadowWidth(), 3);
    EXPECT_EQ(copy->shadowColor(), kit::Color::grayColor());
    EXPECT_TRUE(copy->isShadowColorSameAsCandle());
    EXPECT_EQ(copy->neutralColor(), kit::Color::blueColor());
    EXPECT_EQ(copy->increasingColor(), kit::Color::greenColor());
    EXPECT_EQ(copy->decreasingColor(), kit::Color::redColor());
    EXPECT_TRUE(copy->isIncreasingFilled());
    EXPECT_FALSE(copy->isDecreasingFilled());
    EXPECT_EQ(copy->yMax(), 4);
}

} // namespace
