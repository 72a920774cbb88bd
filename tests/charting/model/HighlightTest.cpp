#include "charting/model/Highlight.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace charting;

namespace {

TEST(Highlight, InitialisersFillTheirFieldsOverTheDefaults) {
    Highlight h;
    EXPECT_TRUE(std::isnan(h.x()) && std::isnan(h.y()) && std::isnan(h.xPx()) && std::isnan(h.yPx()));
    EXPECT_EQ(h.dataIndex(), -1);
    EXPECT_EQ(h.dataSetIndex(), 0);
    EXPECT_EQ(h.stackIndex(), -1);
    EXPECT_EQ(h.axis(), AxisDependency::left);
    EXPECT_EQ(h.drawX(), 0);
    EXPECT_FALSE(h.isStacked());

    EXPECT_EQ(Highlight(1, 2, 3, 4, 1, 2, AxisDependency::right).dataIndex(), 0);
    Highlight six(1, 2, 3, 4, 1, AxisDependency::right);
    EXPECT_EQ(six.dataIndex(), -1);
    EXPECT_EQ(six.stackIndex(), -1);
    EXPECT_EQ(six.axis(), AxisDependency::right);
    EXPECT_EQ(six.xPx(), 3);

    Highlight stacked(1, 0, 2);
    EXPECT_TRUE(std::isnan(stacked.y()));
    EXPECT_EQ(stacked.dataIndex(), -1);
    EXPECT_TRUE(stacked.isStacked());

    stacked.setDraw(kit::Point{5, 6});
    EXPECT_EQ(stacked.drawX(), 5);
    EXPECT_EQ(stacked.drawY(), 6);
}

TEST(Highlight, EqualityComparesValuesAndIndexesOnly) {
    const Highlight base(1, 2, 3, 4, 0, 1, -1, AxisDependency::left);
    Highlight moved = Highlight(1, 2, 30, 40, 0, 1, -1, AxisDependency::right);
    moved.setDraw(7, 8);
    struct Row {
        Highlight other;
        bool equal;
    } rows[] = {
        {moved, true},
        {Highlight(1, 2, 3, 4, 0, 1, 1, AxisDependency::left), false},
        {Highlight(1, 2, 3, 4, 5, 1, -1, AxisDependency::left), false},
        {Highlight(1, 2, 3, 4, 0, 2, -1, AxisDependency::left), false},
        {Highlight(1.5, 2, 3, 4, 0, 1, -1, AxisDependency::left), false},
    };
    for (const auto& row : rows) EXPECT_EQ(base.isEqual(row.other), row.equal);

    Highlight withNaN(1, std::nan(""), 0, 0);
    Highlight copy = withNaN;
    EXPECT_TRUE(withNaN.isEqual(withNaN));
    EXPECT_FALSE(withNaN.isEqual(copy));
}

TEST(Highlight, Description) {
    EXPECT_EQ(Highlight(2, std::nan(""), 0, -1).description(),
              "Highlight, x: 2.0, y: nan, dataIndex (combined charts): -1, dataSetIndex: 0, "
              "stackIndex (only stacked barentry): -1");
}

static_assert(!std::is_default_constructible_v<Range>);

TEST(Range, HalfOpenInterval) {
    Range r(1, 3);
    struct Row {
        double value;
        bool contains, larger, smaller;
    } rows[] = {
        {1, false, false, false}, {3, true, false, false}, {2, true, false, false},
        {3.5, false, true, false}, {0.5, false, false, true}, {std::nan(""), false, false, false},
    };
    for (auto row : rows) {
        EXPECT_EQ(r.contains(row.value), row.contains) << row.value;
        EXPECT_EQ(r.isLarger(row.value), row.larger) << row.value;
        EXPECT_EQ(r.isSmaller(row.value), row.smaller) << row.value;
    }
}

} // namespace
