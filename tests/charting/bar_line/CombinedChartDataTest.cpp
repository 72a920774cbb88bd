#include "charting/bar_line/BarChartDataEntry.h"
#include "charting/bar_line/BarChartDataSet.h"
#include "charting/bar_line/CombinedChartData.h"
#include "charting/bar_line/LineChartDataSet.h"
#include "charting/bar_line/ScatterChartDataSet.h"
#include "kit/base/Console.h"
#include "kit/base/Make.h"

#include <gtest/gtest.h>

#include <limits>

using namespace charting;

namespace {

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double greatest = std::numeric_limits<double>::max();

template <class Set>
std::shared_ptr<Set> setOf(std::vector<std::pair<double, double>> points, AxisDependency axis = AxisDependency::left) {
    std::vector<EntryPtr> entries;
    for (auto [x, y] : points) {
        if constexpr (std::is_same_v<Set, BarChartDataSet>) {
            entries.push_back(kit::make<BarChartDataEntry>(x, y));
        } else {
            entries.push_back(kit::make<ChartDataEntry>(x, y));
        }
    }
    auto set = kit::make<Set>(entries);
    set->setAxisDependency(axis);
    set->notifyDataSetChanged();
    return set;
}

struct Fixture {
    std::shared_ptr<LineChartDataSet> line = setOf<LineChartDataSet>({{0, 1}, {1, 2}});
    std::shared_ptr<BarChartDataSet> bar = setOf<BarChartDataSet>({{0, 5}, {4, -3}}, AxisDependency::right);
    std::shared_ptr<ScatterChartDataSet> scatter = setOf<ScatterChartDataSet>({{2, 7}, {2, 9}, {-1, 0}});
    std::shared_ptr<LineChartData> lineData = kit::make<LineChartData>(std::vector<DataSetPtr>{line});
    std::shared_ptr<BarChartData> barData = kit::make<BarChartData>(std::vector<DataSetPtr>{bar});
    std::shared_ptr<ScatterChartData> scatterData = kit::make<ScatterChartData>(std::vector<DataSetPtr>{scatter});
};

TEST(CombinedChartData, EmptyUntilSubDataArrive) {
    Fixture f;
    auto data = kit::make<CombinedChartData>(std::vector<DataSetPtr>{f.line, f.bar});
    EXPECT_TRUE(data->dataSets().empty());
    EXPECT_TRUE(data->allData().empty());
    EXPECT_EQ(data->xMin(), greatest);
    EXPECT_EQ(data->xMax(), -greatest);
    EXPECT_EQ(data->leftAxisMin(), greatest);
    EXPECT_EQ(data->rightAxisMax(), -greatest);
}

TEST(CombinedChartData, SetsAndBoundsFollowTheSubData) {
    Fixture f;
    auto data = kit::make<CombinedChartData>();
    data->setScatterData(f.scatterData);
    data->setBarData(f.barData);
    data->setLineData(f.lineData);

    EXPECT_EQ(data->allData(), (std::vector<std::shared_ptr<ChartData>>{f.lineData, f.barData, f.scatterData}));
    EXPECT_EQ(data->dataSets(), (std::vector<DataSetPtr>{f.line, f.bar, f.scatter}));
    EXPECT_EQ(data->xMin(), -1);
    EXPECT_EQ(data->xMax(), 4);
    EXPECT_EQ(data->yMin(), -3);
    EXPECT_EQ(data->yMax(), 9);
    // Only the bar set hangs on the right axis.
    EXPECT_EQ(data->rightAxisMin(), -3);
    EXPECT_EQ(data->rightAxisMax(), 5);
    EXPECT_EQ(data->leftAxisMin(), 0);
    EXPECT_EQ(data->leftAxisMax(), 9);
    EXPECT_EQ(data->dataIndex(f.barData.get()), 1);
    EXPECT_EQ(data->dataByIndex(2), f.scatterData);

    // Removing line data drops its sets and moves every later data down one place.
    data->setLineData(nullptr);
    EXPECT_EQ(data->dataSets(), (std::vector<DataSetPtr>{f.bar, f.scatter}));
    EXPECT_EQ(data->dataIndex(f.barData.get()), 0);
    EXPECT_EQ(data->dataIndex(f.scatterData.get()), 1);
    EXPECT_FALSE(data->dataIndex(f.lineData.get()));
    EXPECT_EQ(data->yMin(), -3);
    EXPECT_EQ(data->xMin(), -1);

    // Later changes inside a sub-data show after notifyDataChanged().
    f.scatter->addEntry(kit::make<ChartDataEntry>(10, 20));
    data->notifyDataChanged();
    EXPECT_EQ(data->xMax(), 10);
    EXPECT_EQ(data->leftAxisMax(), 20);
}

TEST(CombinedChartData, HighlightLookups) {
    Fixture f;
    auto data = kit::make<CombinedChartData>();
    data->setBarData(f.barData);
    data->setScatterData(f.scatterData);

    auto highlight = [](double x, double y, int dataIndex, int dataSetIndex) {
        return Highlight(x, y, dataSetIndex, dataIndex);
    };
    EXPECT_EQ(data->getDataSetByHighlight(highlight(0, 0, 1, 0)), f.scatter);
    EXPECT_EQ(data->getDataSetByHighlight(highlight(0, 0, 0, 0)), f.bar);
    for (auto [dataIndex, setIndex] : {std::pair{2, 0}, {-1, 0}, {0, 1}, {1, -1}})
        EXPECT_FALSE(data->getDataSetByHighlight(highlight(0, 0, dataIndex, setIndex))) << dataIndex << setIndex;

    EXPECT_EQ(data->entryForHighlight(highlight(2, 9, 1, 0)), f.scatter->entryForIndex(1));
    EXPECT_EQ(data->entryForHighlight(highlight(2, 7, 1, 0)), f.scatter->entryForIndex(0));
    auto first = data->entryForHighlight(highlight(2, nan, 1, 0));
    ASSERT_TRUE(first);
    EXPECT_EQ(first->x(), 2);
    EXPECT_FALSE(data->entryForHighlight(highlight(2, 8, 1, 0)));
    EXPECT_FALSE(data->entryForHighlight(highlight(3, nan, 1, 0)));
    EXPECT_FALSE(data->entryForHighlight(highlight(2, nan, 5, 0)));
}

TEST(CombinedChartData, RemovalsGoThroughTheSubData) {
    Fixture f;
    auto data = kit::make<CombinedChartData>();
    data->setLineData(f.lineData);
    data->setBarData(f.barData);

    kit::ConsoleCapture console;
    EXPECT_FALSE(data->removeEntry(*f.line->entryForIndex(0), 0));
    EXPECT_FALSE(data->removeEntryWithX(0, 0));
    EXPECT_EQ(console.lines(), (std::vector<std::string>{"removeEntry(entry, dataSetIndex) not supported for CombinedData",
                                                         "removeEntry(xValue, dataSetIndex) not supported for CombinedData"}));
    EXPECT_EQ(f.line->entryCount(), 2);

    EXPECT_EQ(data->removeDataSet(f.bar), f.bar);
    EXPECT_TRUE(f.barData->dataSets().empty());
    EXPECT_FALSE(data->removeDataSet(f.scatter));
    data->notifyDataChanged();
    EXPECT_EQ(data->dataSets(), (std::vector<DataSetPtr>{f.line}));
}

TEST(CombinedChartDataDeathTest, SetsCannotBeAddedOrRemovedByPosition) {
    auto data = kit::make<CombinedChartData>();
    EXPECT_DEATH(data->addDataSet(kit::make<LineChartDataSet>()), "append\\(_:\\) not supported for CombinedData");
    EXPECT_DEATH(data->removeDataSetAt(0), "remove\\(at:\\) not supported for CombinedData");
}

} // namespace
