#include "charting/bar_line/BubbleChartData.h"
#include "charting/bar_line/BubbleChartDataEntry.h"
#include "charting/bar_line/BubbleChartDataSet.h"
#include "charting/bar_line/LineChartDataSet.h"
#include "kit/base/Make.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace charting;

namespace {

constexpr double nan = std::numeric_limits<double>::quiet_NaN();

std::shared_ptr<BubbleChartDataSet> bubbles(std::initializer_list<double> sizes) {
    std::vector<EntryPtr> entries;
    double x = 0;
    for (double s : sizes) entries.push_back(kit::make<BubbleChartDataEntry>(x++, 5.0, s));
    return kit::make<BubbleChartDataSet>(entries);
}

TEST(BubbleChartDataSet, LargestSizeOfTheEntriesNeverBelowZero) {
    struct Row {
        std::vector<double> sizes;
        double maxSize; // NaN: expect NaN
    } rows[] = {{{3, 10, 7}, 10}, {{-3, -1}, 0}, {{}, 0}, {{2, nan}, nan}, {{nan, 1}, 1}};
    for (const auto& row : rows) {
        std::vector<EntryPtr> entries;
        for (double s : row.sizes) entries.push_back(kit::make<BubbleChartDataEntry>(0.0, 0.0, s));
        auto set = kit::make<BubbleChartDataSet>(entries);
        if (std::isnan(row.maxSize)) {
            EXPECT_TRUE(std::isnan(set->maxSize()));
        } else {
            EXPECT_EQ(set->maxSize(), row.maxSize);
        }
    }

    // Removing the largest bubble lowers the largest size to that of the rest, as in a new set.
    auto set = bubbles({7, 10, 7});
    set->removeEntryAt(1);
    EXPECT_EQ(set->maxSize(), 7);
    set->addEntry(kit::make<BubbleChartDataEntry>(3.0, 5.0, 9.0));
    EXPECT_EQ(set->maxSize(), 9);
    set->clear();
    EXPECT_EQ(set->maxSize(), 0);
}

TEST(BubbleChartDataSet, SizeStaysOutOfTheBounds) {
    auto set = kit::make<BubbleChartDataSet>(std::vector<EntryPtr>{kit::make<BubbleChartDataEntry>(2.0, 5.0, 30.0),
                                                                   kit::make<ChartDataEntry>(-7, 90)});
    EXPECT_EQ(set->yMax(), 5);
    EXPECT_EQ(set->yMin(), 5);
    EXPECT_EQ(set->xMin(), 2);
    EXPECT_EQ(set->maxSize(), 30);
    EXPECT_TRUE(set->isNormalizeSizeEnabled());
    EXPECT_EQ(set->highlightCircleWidth(), 2.5);
}

TEST(BubbleChartDataSet, Copies) {
    auto set = bubbles({4, 9});
    set->setNormalizeSizeEnabled(false);
    set->setHighlightCircleWidth(6);
    auto copy = std::dynamic_pointer_cast<BubbleChartDataSet>(set->copy());
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->maxSize(), 9);
    EXPECT_FALSE(copy->isNormalizeSizeEnabled());
    EXPECT_EQ(copy->highlightCircleWidth(), 6);
    EXPECT_EQ(copy->xMax(), 1);

    auto entry = kit::make<BubbleChartDataEntry>(2.0, 5.0, 30.0, std::any(std::string("d")));
    auto entryCopy = std::dynamic_pointer_cast<BubbleChartDataEntry>(entry->copy());
    ASSERT_TRUE(entryCopy);
    EXPECT_EQ(entryCopy->x(), 2);
    EXPECT_EQ(entryCopy->y(), 5);
    EXPECT_EQ(entryCopy->size(), 30);
    EXPECT_EQ(std::any_cast<std::string>(entryCopy->data()), "d");
    static_assert(!std::is_constructible_v<BubbleChartDataEntry, double, double>);
}

TEST(BubbleChartData, RingWidthReachesOnlyBubbleSets) {
    auto bubble = bubbles({1});
    auto line = kit::make<LineChartDataSet>();
    const double lineHighlight = line->highlightLineWidth();
    auto data = kit::make<BubbleChartData>(std::vector<DataSetPtr>{bubble, line});
    data->setHighlightCircleWidth(4);
    EXPECT_EQ(bubble->highlightCircleWidth(), 4);
    EXPECT_EQ(line->highlightLineWidth(), lineHighlight);
}

} // namespace
