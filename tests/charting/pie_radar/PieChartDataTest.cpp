#include "charting/pie_radar/PieChartData.h"
#include "charting/pie_radar/PieChartDataEntry.h"
#include "kit/base/Make.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace charting;

namespace {

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double greatest = std::numeric_limits<double>::max();

std::shared_ptr<PieChartDataSet> pieOf(std::initializer_list<double> values, std::string label = "DataSet") {
    std::vector<EntryPtr> entries;
    for (double v : values) entries.push_back(kit::make<PieChartDataEntry>(v));
    return kit::make<PieChartDataSet>(entries, label);
}

TEST(PieChartDataEntry, ValueIsYAndThereIsNoX) {
    auto entry = kit::make<PieChartDataEntry>(5.0);
    EXPECT_EQ(entry->y(), 5);
    EXPECT_EQ(entry->value(), 5);
    EXPECT_TRUE(std::isnan(entry->x()));
    EXPECT_FALSE(entry->label());
    entry->setValue(7);
    EXPECT_EQ(entry->y(), 7);

    auto labelled = kit::make<PieChartDataEntry>(1.0, std::string("#FF0000"), std::any(42));
    EXPECT_EQ(labelled->label(), "#FF0000");
    EXPECT_EQ(std::any_cast<int>(labelled->data()), 42);
    EXPECT_EQ(kit::make<PieChartDataEntry>(2.0, "A")->label(), "A");
    static_assert(!std::is_constructible_v<PieChartDataEntry, double, double>);
}

TEST(PieChartDataEntry, CopyKeepsLabelAndKind) {
    auto entry = kit::make<PieChartDataEntry>(3.0, "slice", std::any(std::string("payload")));
    auto copy = std::dynamic_pointer_cast<PieChartDataEntry>(entry->copy());
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->label(), "slice");
    EXPECT_EQ(copy->value(), 3);
    EXPECT_TRUE(std::isnan(copy->x()));
    EXPECT_EQ(std::any_cast<std::string>(copy->data()), "payload");
}

TEST(PieChartDataSet, DefaultsAfterEitherInitialiser) {
    for (const auto& set : {kit::make<PieChartDataSet>(), pieOf({1})}) {
        EXPECT_EQ(set->sliceSpace(), 0);
        EXPECT_EQ(set->selectionShift(), 18);
        EXPECT_EQ(set->valueTextColor(), kit::Color::whiteColor());
        EXPECT_EQ(set->valueFont().pointSize(), 13);
        EXPECT_EQ(set->xValuePosition(), PieChartDataSet::ValuePosition::withinSlice);
        EXPECT_EQ(set->yValuePosition(), PieChartDataSet::ValuePosition::withinSlice);
        EXPECT_EQ(set->valueLineColor(), kit::Color::blackColor());
        EXPECT_TRUE(set->valueLineVariableLength());
        EXPECT_EQ(set->valueLinePart1OffsetPercentage(), 0.75);
        EXPECT_FALSE(set->entryLabelFont());
        EXPECT_FALSE(set->highlightColor());
        EXPECT_EQ(set->label(), "DataSet");
    }
}

TEST(PieChartDataSet, SliceSpaceIsClamped) {
    auto set = kit::make<PieChartDataSet>();
    struct Row {
        double in, stored;
    } rows[] = {{-3, 0}, {25, 20}, {20, 20}, {12.5, 12.5}};
    for (auto row : rows) {
        set->setSliceSpace(row.in);
        EXPECT_EQ(set->sliceSpace(), row.stored) << row.in;
    }
}

TEST(PieChartDataSet, BoundsComeFromValuesOnly) {
    auto set = pieOf({2, 1, 3});
    EXPECT_EQ(set->yMin(), 1);
    EXPECT_EQ(set->yMax(), 3);
    // x is NaN for slices; the x bounds keep their empty values rather than turning NaN.
    EXPECT_EQ(set->xMin(), greatest);
    EXPECT_EQ(set->xMax(), -greatest);
}

TEST(PieChartDataSet, CopyKeepsEveryPieSetting) {
    auto set = pieOf({1, 2}, "Pie");
    set->setSliceSpace(7);
    set->setAutomaticallyDisableSliceSpacing(true);
    set->setSelectionShift(4);
    set->setXValuePosition(PieChartDataSet::ValuePosition::beyondSlice);
    set->setYValuePosition(PieChartDataSet::ValuePosition::beyondSlice);
    set->setValueLineColor(std::nullopt);
    set->setUseValueColorForLine(true);
    set->setValueLineWidth(2);
    set->setValueLinePart1OffsetPercentage(0.5);
    set->setValueLinePart1Length(0.1);
    set->setValueLinePart2Length(0.2);
    set->setValueLineVariableLength(false);
    set->setEntryLabelFont(kit::Font::system(9));
    set->setEntryLabelColor(kit::Color::redColor());
    set->setHighlightColor(kit::Color::blueColor());
    set->setValueTextColor(kit::Color::greenColor());

    auto copy = std::dynamic_pointer_cast<PieChartDataSet>(set->copy());
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->sliceSpace(), 7);
    EXPECT_TRUE(copy->automaticallyDisableSliceSpacing());
    EXPECT_EQ(copy->selectionShift(), 4);
    EXPECT_EQ(copy->xValuePosition(), PieChartDataSet::ValuePosition::beyondSlice);
    EXPECT_EQ(copy->yValuePosition(), PieChartDataSet::ValuePosition::beyondSlice);
    EXPECT_FALSE(copy->valueLineColor());
    EXPECT_TRUE(copy->useValueColorForLine());
    EXPECT_EQ(copy->valueLineWidth(), 2);
    EXPECT_EQ(copy->valueLinePart1OffsetPercentage(), 0.5);
    EXPECT_EQ(copy->valueLinePart1Length(), 0.1);
    EXPECT_EQ(copy->valueLinePart2Length(), 0.2);
    EXPECT_FALSE(copy->valueLineVariableLength());
    EXPECT_EQ(copy->entryLabelFont(), kit::Font::system(9));
    EXPECT_EQ(copy->entryLabelColor(), kit::Color::redColor());
    EXPECT_EQ(copy->highlightColor(), kit::Color::blueColor());
    EXPECT_EQ(copy->valueTextColor(), kit::Color::greenColor());
    EXPECT_EQ(copy->label(), "Pie");
    EXPECT_EQ(copy->entryCount(), 2);
}

TEST(PieChartData, EmptyDataAnswersNothing) {
    auto data = kit::make<PieChartData>();
    EXPECT_FALSE(data->dataSet());
    EXPECT_FALSE(data->dataSet(0));
    EXPECT_EQ(data->yValueSum(), 0);
    EXPECT_FALSE(data->entryForHighlight(Highlight(0, nan, 0, -1)));
    EXPECT_FALSE(data->dataSetForLabel("DataSet", true));
}

TEST(PieChartData, OneSetInAndOut) {
    auto data = kit::make<PieChartData>();
    auto set = pieOf({1, -1, 2});
    data->setDataSet(set);
    ASSERT_EQ(data->dataSets().size(), 1u);
    EXPECT_EQ(data->dataSet(), set);
    EXPECT_EQ(data->yValueSum(), 2); // signed, not magnitudes
    EXPECT_EQ(data->yMax(), 2);      // bounds followed the set
    data->setDataSet(nullptr);
    EXPECT_TRUE(data->dataSets().empty());

    // A first set of another kind is not the pie set.
    auto other = kit::make<ChartDataSet>(std::vector<EntryPtr>{kit::make<ChartDataEntry>(0, 4)});
    data->setDataSets({other});
    EXPECT_FALSE(data->dataSet());
    EXPECT_EQ(data->yValueSum(), 0);
    EXPECT_FALSE(data->entryForHighlight(Highlight(0, nan, 0, -1)));
}

TEST(PieChartData, OnlyTheFirstSetIsReachable) {
    auto first = pieOf({1}, "DataSet");
    auto second = pieOf({2}, "Second");
    auto data = kit::make<PieChartData>(std::vector<DataSetPtr>{first, second});
    EXPECT_EQ(data->dataSet(0), first);
    EXPECT_FALSE(data->dataSet(1));
    EXPECT_FALSE(data->dataSet(-1));
    EXPECT_FALSE(data->dataSetForLabel("Second", false));
    EXPECT_EQ(data->dataSetForLabel("DataSet", false), first);
    EXPECT_FALSE(data->dataSetForLabel("dataset", false));
    EXPECT_EQ(data->dataSetForLabel("dataset", true), first);
    first->setLabel(std::nullopt);
    EXPECT_FALSE(data->dataSetForLabel("DataSet", true));
}

TEST(PieChartData, HighlightXIsTheSliceIndex) {
    auto set = pieOf({10, 20, 30});
    auto data = kit::make<PieChartData>(std::vector<DataSetPtr>{set});
    struct Row {
        double x;
        int expected; // -1: no entry
    } rows[] = {{0, 0}, {2, 2}, {2.9, 2}, {-0.5, 0}, {3, -1}, {-1, -1}, {nan, -1},
                {std::numeric_limits<double>::infinity(), -1}, {1e300, -1}, {-1e300, -1}};
    for (auto row : rows) {
        auto entry = data->entryForHighlight(Highlight(row.x, nan, 0, -1));
        if (row.expected < 0) {
            EXPECT_FALSE(entry) << row.x;
        } else {
            EXPECT_EQ(entry, set->entryForIndex(row.expected)) << row.x;
        }
    }
}

} // namespace
