#include "charting/bar_line/BarChartData.h"
#include "charting/bar_line/BarChartDataEntry.h"
#include "charting/bar_line/BarChartDataSet.h"
#include "kit/base/Console.h"
#include "kit/base/Make.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace charting;

namespace {

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double greatest = std::numeric_limits<double>::max();

std::shared_ptr<BarChartDataEntry> stack(double x, std::vector<double> values) {
    return kit::make<BarChartDataEntry>(x, std::move(values));
}

std::vector<std::pair<double, double>> spans(const BarChartDataEntry& e) {
    std::vector<std::pair<double, double>> out;
    if (e.ranges())
        for (auto r : *e.ranges()) out.emplace_back(r.from, r.to);
    return out;
}

using Spans = std::vector<std::pair<double, double>>;

TEST(BarChartDataEntry, StackSumsAndSpans) {
    struct Row {
        std::vector<double> stack;
        double y, positive, negative;
        Spans spans;
    } rows[] = {
        {{2, -1, 3, -2}, 2, 5, 3, {{0, 2}, {-3, -2}, {2, 5}, {-2, 0}}},
        {{-1, -2}, -3, 0, 3, {{-3, -2}, {-2, 0}}},
        {{1, 0, 2}, 3, 3, 0, {{0, 1}, {1, 1}, {1, 3}}},
    };
    for (const auto& row : rows) {
        auto e = stack(4, row.stack);
        EXPECT_EQ(e->x(), 4);
        EXPECT_EQ(e->y(), row.y);
        EXPECT_TRUE(e->isStacked());
        EXPECT_EQ(e->positiveSum(), row.positive);
        EXPECT_EQ(e->negativeSum(), row.negative);
        EXPECT_EQ(spans(*e), row.spans);
    }
}

TEST(BarChartDataEntry, PlainBarAndSumBelow) {
    auto plain = kit::make<BarChartDataEntry>(1.0, 5.0);
    EXPECT_FALSE(plain->isStacked());
    EXPECT_EQ(plain->positiveSum(), 0);
    EXPECT_EQ(plain->negativeSum(), 0);
    EXPECT_FALSE(plain->ranges());
    EXPECT_EQ(plain->sumBelow(0), 0);

    auto e = stack(0, {1, 2, 3});
    struct Row {
        int index;
        double sum;
    } rows[] = {{0, 6}, {1, 5}, {2, 3}, {3, 0}, {-1, 0}};
    for (auto row : rows) EXPECT_EQ(e->sumBelow(row.index), row.sum) << row.index;
}

TEST(BarChartDataEntry, ReplacingTheStack) {
    auto e = stack(0, {1, -2});
    const Spans before = spans(*e);
    e->setYValues(std::vector<double>{});
    EXPECT_EQ(e->y(), 0);
    EXPECT_TRUE(e->isStacked());
    EXPECT_EQ(e->positiveSum(), 0);
    EXPECT_EQ(e->negativeSum(), 0);
    EXPECT_EQ(spans(*e), before); // an empty stack keeps the previous spans

    e->setYValues(std::vector<double>{4, 1});
    EXPECT_EQ(e->y(), 5);
    EXPECT_EQ(spans(*e), (Spans{{0, 4}, {4, 5}}));

    e->setYValues(std::nullopt);
    EXPECT_EQ(e->y(), 0);
    EXPECT_FALSE(e->isStacked());
    EXPECT_EQ(spans(*e), (Spans{{0, 4}, {4, 5}}));
}

TEST(BarChartDataEntry, CopyKeepsStackAndSumsButNotSpans) {
    auto e = stack(2, {3, -1});
    e->setData(std::string("d"));
    auto copy = std::dynamic_pointer_cast<BarChartDataEntry>(e->copy());
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->x(), 2);
    EXPECT_EQ(copy->y(), 2);
    EXPECT_EQ(copy->yValues(), e->yValues());
    EXPECT_EQ(copy->positiveSum(), 3);
    EXPECT_EQ(copy->negativeSum(), 1);
    EXPECT_FALSE(copy->ranges());
    EXPECT_EQ(std::any_cast<std::string>(copy->data()), "d");
}

TEST(BarChartDataSet, DefaultsAndStackCounts) {
    auto empty = kit::make<BarChartDataSet>();
    EXPECT_EQ(empty->stackSize(), 1);
    EXPECT_FALSE(empty->isStacked());
    EXPECT_EQ(empty->entryCountStacks(), 0);
    EXPECT_EQ(empty->highlightColor(), kit::Color::blackColor());
    EXPECT_EQ(empty->highlightAlpha(), 120 / 255.0);
    EXPECT_EQ(empty->barShadowColor(), kit::Color::rgba(215 / 255.0, 215 / 255.0, 215 / 255.0, 1));
    EXPECT_EQ(empty->barBorderWidth(), 0);
    EXPECT_EQ(empty->barBorderColor(), kit::Color::blackColor());

    struct Row {
        std::vector<EntryPtr> entries;
        int stackSize, countStacks;
        bool stacked;
    } rows[] = {
        {{kit::make<BarChartDataEntry>(0.0, 1.0), kit::make<BarChartDataEntry>(1.0, 2.0)}, 1, 2, false},
        {{stack(0, {1, 2, 3}), kit::make<BarChartDataEntry>(1.0, 2.0), stack(2, {1, 1})}, 3, 6, true},
        {{stack(0, {})}, 0, 0, false},
    };
    for (const auto& row : rows) {
        auto set = kit::make<BarChartDataSet>(row.entries, "Bars");
        EXPECT_EQ(set->stackSize(), row.stackSize);
        EXPECT_EQ(set->entryCountStacks(), row.countStacks);
        EXPECT_EQ(set->isStacked(), row.stacked);
        EXPECT_EQ(set->highlightColor(), kit::Color::blackColor());
    }
}

TEST(BarChartDataSet, BoundsSpanWholeStacksAndSkipNaN) {
    auto set = kit::make<BarChartDataSet>(std::vector<EntryPtr>{stack(1, {4, -6})});
    EXPECT_EQ(set->yMin(), -6);
    EXPECT_EQ(set->yMax(), 4);

    auto mixed = kit::make<BarChartDataSet>(std::vector<EntryPtr>{
        kit::make<BarChartDataEntry>(1.0, 3.0), kit::make<BarChartDataEntry>(9.0, nan),
        kit::make<ChartDataEntry>(-5.0, 100.0), stack(2, {1, 1})});
    EXPECT_EQ(mixed->yMin(), 0); // the stack (1, 1) reaches down to -negativeSum = 0
    EXPECT_EQ(mixed->yMax(), 3);
    EXPECT_EQ(mixed->xMin(), 1);
    EXPECT_EQ(mixed->xMax(), 2);

    auto onlyNaN = kit::make<BarChartDataSet>(std::vector<EntryPtr>{kit::make<BarChartDataEntry>(1.0, nan)});
    EXPECT_EQ(onlyNaN->yMin(), greatest);
    EXPECT_EQ(onlyNaN->xMax(), -greatest);
}

TEST(BarChartDataSet, CopyKeepsBarFields) {
    auto set = kit::make<BarChartDataSet>(std::vector<EntryPtr>{stack(0, {1, 2})});
    set->setStackLabels({"a", "b"});
    set->setBarShadowColor(kit::Color::redColor());
    set->setBarBorderWidth(2);
    set->setBarBorderColor(kit::Color::blueColor());
    set->setHighlightAlpha(0.5);
    set->setHighlightColor(kit::Color::greenColor());
    auto copy = std::dynamic_pointer_cast<BarChartDataSet>(set->copy());
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->stackSize(), 2);
    EXPECT_EQ(copy->entryCountStacks(), 2);
    EXPECT_EQ(copy->stackLabels(), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(copy->barShadowColor(), kit::Color::redColor());
    EXPECT_EQ(copy->barBorderWidth(), 2);
    EXPECT_EQ(copy->barBorderColor(), kit::Color::blueColor());
    EXPECT_EQ(copy->highlightAlpha(), 0.5);
    EXPECT_EQ(copy->highlightColor(), kit::Color::greenColor());
}

std::shared_ptr<BarChartDataSet> barsAt(std::initializer_list<double> xs) {
    std::vector<EntryPtr> entries;
    for (double x : xs) entries.push_back(kit::make<BarChartDataEntry>(x, 1.0));
    return kit::make<BarChartDataSet>(entries);
}

TEST(BarChartData, GroupsSetsSideBySide) {
    auto a = barsAt({0, 1, 2});
    auto b = barsAt({0, 1, 2});
    auto data = kit::make<BarChartData>(std::vector<DataSetPtr>{a, b});
    EXPECT_EQ(data->barWidth(), 0.85);
    data->setBarWidth(0.43);
    EXPECT_NEAR(data->groupWidth(0.08, 0.03), 1.0, 1e-12);

    data->groupBars(0, 0.08, 0.03);
    const double expectedA[] = {0.27, 1.27, 2.27};
    const double expectedB[] = {0.73, 1.73, 2.73};
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(a->entryForIndex(i)->x(), expectedA[i], 1e-9);
        EXPECT_NEAR(b->entryForIndex(i)->x(), expectedB[i], 1e-9);
    }
    // The moved x values reach the sets' and the data's bounds.
    EXPECT_NEAR(a->xMax(), 2.27, 1e-9);
    EXPECT_NEAR(data->xMin(), 0.27, 1e-9);
    EXPECT_NEAR(data->xMax(), 2.73, 1e-9);
}

TEST(BarChartData, ShorterSetsKeepTheirPlaceInLaterGroups) {
    auto a = barsAt({0, 1});
    auto b = barsAt({0});
    auto data = kit::make<BarChartData>(std::vector<DataSetPtr>{a, b});
    data->setBarWidth(0.4);
    data->groupBars(10, 0.1, 0.05); // group width 1
    EXPECT_NEAR(a->entryForIndex(1)->x(), 11 + 0.05 + 0.025 + 0.2, 1e-9);
    EXPECT_NEAR(b->entryForIndex(0)->x(), 10 + 0.05 + 0.45 + 0.025 + 0.2, 1e-9);
}

TEST(BarChartData, GroupingNeedsTwoSets) {
    auto a = barsAt({0, 1});
    auto data = kit::make<BarChartData>(std::vector<DataSetPtr>{a});
    kit::ConsoleCapture console;
    data->groupBars(0, 0.08, 0.03);
    EXPECT_EQ(console.lines(), (std::vector<std::string>{"BarData needs to hold at least 2 BarDataSets to allow grouping."}));
    EXPECT_EQ(a->entryForIndex(0)->x(), 0);
    EXPECT_EQ(a->entryForIndex(1)->x(), 1);
}

} // namespace
