#include "charting/model/ChartDataSet.h"
#include "charting/model/IndexedCollection.h"
#include "kit/base/Make.h"

#include <gtest/gtest.h>

#include <span>

using namespace charting;

namespace {

static_assert(std::random_access_iterator<IndexedCollection<std::vector<int>>::iterator>);

TEST(IndexedCollection, PairsCarryTheBasePositions) {
    std::vector<int> none;
    auto empty = indexed(none);
    EXPECT_EQ(empty.begin(), empty.end());
    EXPECT_EQ(empty.startIndex(), empty.endIndex());

    auto set = kit::make<ChartDataSet>(std::vector<EntryPtr>{kit::make<ChartDataEntry>(1, 1), kit::make<ChartDataEntry>(2, 2),
                                                            kit::make<ChartDataEntry>(3, 3)});
    std::ptrdiff_t expected = 0;
    for (auto [index, entry] : indexed(*set)) {
        EXPECT_EQ(index, expected);
        EXPECT_EQ(entry, set->entries()[static_cast<std::size_t>(expected)]);
        ++expected;
    }
    EXPECT_EQ(expected, 3);

    std::vector<int> values{10, 11, 12, 13, 14, 15, 16, 17};
    auto slice = indexed(std::span<const int>(values).subspan(5), 5);
    EXPECT_EQ((*slice.begin()).index, 5);
    EXPECT_EQ((*slice.begin()).element, 15);
    EXPECT_EQ(slice[7].element, 17);
    EXPECT_EQ(slice.end() - slice.begin(), 3);
}

TEST(IndexedCollectionDeathTest, PositionsOutsideTheBaseStop) {
    std::vector<int> values{1, 2};
    auto view = indexed(values, 3);
    EXPECT_EQ(view[4].element, 2);
    EXPECT_DEATH(view[2], "position out of range");
}

} // namespace
