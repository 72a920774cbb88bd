#include "charting/pie_radar/RadarChartData.h"
#include "charting/pie_radar/RadarChartDataEntry.h"
#include "charting/pie_radar/RadarChartDataSet.h"
#include "kit/base/Make.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace charting;

namespace {

constexpr double nan = std::numeric_limits<double>::quiet_NaN();

std::shared_ptr<RadarChartDataSet> radarOf(std::initializer_list<double> values) {
    std::vector<EntryPtr> entries;
    for (double v : values) entries.push_back(kit::make<RadarChartDataEntry>(v));
    return kit::make<RadarChartDataSet>(entries, "Radar");
}

TEST(RadarChartDataEntry, ValueWithoutX) {
    auto entry = kit::make<RadarChartDataEntry>(7.0);
    EXPECT_EQ(entry->y(), 7);
    EXPECT_TRUE(std::isnan(entry->x()));
    entry->setValue(9);
    EXPECT_EQ(entry->y(), 9);
    EXPECT_EQ(kit::make<RadarChartDataEntry>()->x(), 0);

    auto withData = kit::make<RadarChartDataEntry>(1.0, std::any(std::string("d")));
    auto copy = std::dynamic_pointer_cast<RadarChartDataEntry>(withData->copy());
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->value(), 1);
    EXPECT_EQ(std::any_cast<std::string>(copy->data()), "d");
    static_assert(!std::is_constructible_v<RadarChartDataEntry, double, double>);
}

TEST(RadarChartDataSet, DefaultsAndCopy) {
    for (const auto& set : {kit::make<RadarChartDataSet>(), radarOf({1, 2})}) {
        EXPECT_FALSE(set->isDrawHighlightCircleEnabled());
        EXPECT_EQ(set->highlightCircleFillColor(), kit::Color::whiteColor());
        EXPECT_FALSE(set->highlightCircleStrokeColor());
        EXPECT_EQ(set->highlightCircleStrokeAlpha(), 0.3);
        EXPECT_EQ(set->highlightCircleInnerRadius(), 3.0);
        EXPECT_EQ(set->highlightCircleOuterRadius(), 4.0);
        EXPECT_EQ(set->highlightCircleStrokeWidth(), 2.0);
        EXPECT_EQ(set->valueFont().pointSize(), 13);
        EXPECT_EQ(set->fillAlpha(), 0.33);
        EXPECT_TRUE(set->isVerticalHighlightIndicatorEnabled());
    }

    auto set = radarOf({1, 2});
    set->setDrawHighlightCircleEnabled(true);
    set->setHighlightCircleFillColor(std::nullopt);
    set->setHighlightCircleStrokeColor(kit::Color::redColor());
    set->setHighlightCircleInnerRadius(0);
    set->setLineWidth(3);
    auto copy = std::dynamic_pointer_cast<RadarChartDataSet>(set->copy());
    ASSERT_TRUE(copy);
    EXPECT_TRUE(copy->isDrawHighlightCircleEnabled());
    EXPECT_FALSE(copy->highlightCircleFillColor());
    EXPECT_EQ(copy->highlightCircleStrokeColor(), kit::Color::redColor());
    EXPECT_EQ(copy->highlightCircleInnerRadius(), 0);
    EXPECT_EQ(copy->lineWidth(), 3);
}

TEST(RadarChartData, DefaultsWhicheverInitialiser) {
    auto set = radarOf({1});
    for (const auto& data : {kit::make<RadarChartData>(), kit::make<RadarChartData>(std::vector<DataSetPtr>{set}),
                             std::make_shared<RadarChartData>(std::initializer_list<DataSetPtr>{set})}) {
        EXPECT_EQ(data->highlightColor(), kit::Color::rgba(1, 187 / 255.0, 115 / 255.0, 1));
        EXPECT_EQ(data->highlightLineWidth(), 1.0);
        EXPECT_EQ(data->highlightLineDashPhase(), 0);
        EXPECT_FALSE(data->highlightLineDashLengths());
        EXPECT_TRUE(data->labels().empty());
    }
    auto data = kit::make<RadarChartData>();
    data->setLabels({"a", "b", "c"});
    EXPECT_EQ(data->labels(), (std::vector<std::string>{"a", "b", "c"}));
}

TEST(RadarChartData, HighlightNamesSetAndIndex) {
    auto first = radarOf({1, 2, 3});
    auto second = radarOf({4, 5, 6});
    auto data = kit::make<RadarChartData>(std::vector<DataSetPtr>{first, second});
    struct Row {
        double x;
        int dataSetIndex;
        EntryPtr expected;
    } rows[] = {{2.0, 1, second->entryForIndex(2)}, {2.9, 1, second->entryForIndex(2)},
                {0, 0, first->entryForIndex(0)},    {3, 0, nullptr},
                {1, 2, nullptr},                    {1, -1, nullptr},
                {nan, 0, nullptr},                  {-std::numeric_limits<double>::infinity(), 0, nullptr}};
    for (const auto& row : rows)
        EXPECT_EQ(data->entryForHighlight(Highlight(row.x, nan, row.dataSetIndex, -1)), row.expected)
            << row.x << " " << row.dataSetIndex;
}

} // namespace
