#include "charting/model/ChartData.h"
#include "charting/model/ChartDataSet.h"
#include "kit/base/Console.h"
#include "kit/base/Make.h"

#include <gtest/gtest.h>

#include <limits>

using namespace charting;

namespace {

const double nan = std::numeric_limits<double>::quiet_NaN();
const double G = std::numeric_limits<double>::max();

std::shared_ptr<ChartDataSet> setOf(std::vector<std::pair<double, double>> points, std::string label = "DataSet",
                                    AxisDependency axis = AxisDependency::left) {
    std::vector<EntryPtr> entries;
    for (auto [x, y] : points) entries.push_back(kit::make<ChartDataEntry>(x, y));
    auto set = kit::make<ChartDataSet>(entries, label);
    set->setAxisDependency(axis);
    return set;
}

struct Bounds {
    double xMin, xMax, yMin, yMax, leftMin, leftMax, rightMin, rightMax;
};

void expectBounds(const ChartData& d, Bounds b) {
    EXPECT_EQ(d.xMin(), b.xMin);
    EXPECT_EQ(d.xMax(), b.xMax);
    EXPECT_EQ(d.yMin(), b.yMin);
    EXPECT_EQ(d.yMax(), b.yMax);
    EXPECT_EQ(d.leftAxisMin(), b.leftMin);
    EXPECT_EQ(d.leftAxisMax(), b.leftMax);
    EXPECT_EQ(d.rightAxisMin(), b.rightMin);
    EXPECT_EQ(d.rightAxisMax(), b.rightMax);
}

TEST(ChartData, EmptyDataReportsStartingValues) {
    auto d = kit::make<ChartData>();
    expectBounds(*d, {G, -G, G, -G, G, -G, G, -G});
    EXPECT_EQ(d->entryCount(), 0);
    EXPECT_EQ(d->maxEntryCountSet(), nullptr);
    EXPECT_TRUE(d->isHighlightEnabled());
    EXPECT_TRUE(d->colors().empty());
    for (auto axis : {AxisDependency::left, AxisDependency::right}) {
        EXPECT_EQ(d->getYMin(axis), G);
        EXPECT_EQ(d->getYMax(axis), -G);
    }
}

TEST(ChartData, BoundsPerAxisWithFallback) {
    auto left = setOf({{0, 2}, {4, 9}});
    auto d = kit::make<ChartData>(left);
    expectBounds(*d, {0, 4, 2, 9, 2, 9, G, -G});
    EXPECT_EQ(d->getYMin(AxisDependency::right), 2);
    EXPECT_EQ(d->getYMax(AxisDependency::right), 9);

    auto right = setOf({{-1, -5}, {1, 3}}, "R", AxisDependency::right);
    auto left2 = setOf({{5, 1}, {6, 12}});
    auto both = kit::make<ChartData>(std::vector<DataSetPtr>{left, right, left2});
    expectBounds(*both, {-1, 6, -5, 12, 1, 12, -5, 3});
    EXPECT_EQ(both->getYMin(AxisDependency::right), -5);
    EXPECT_EQ(both->entryCount(), 6);
}

TEST(ChartData, AddingWidensAndReplacingRecomputes) {
    auto a = setOf({{0, 2}, {4, 9}});
    auto b = setOf({{1, 1}, {2, 3}});
    auto d = kit::make<ChartData>(a);
    d->addDataSet(setOf({{0, 20}}));
    EXPECT_EQ(d->yMax(), 20);

    d->replaceSubrange(1, 2, {b}); // the replaced set's maximum does not linger
    EXPECT_EQ(d->yMax(), 9);
    d->set(0, b);
    EXPECT_EQ(d->yMax(), 3);
    EXPECT_EQ(d->yMin(), 1);
    d->swapAt(0, 1);
    EXPECT_EQ(d->dataSets()[0], b);

    auto only = setOf({{0, 2}, {4, 9}});
    auto single = kit::make<ChartData>(only);
    EXPECT_TRUE(single->removeEntry(ChartDataEntry(4, 9), 0));
    EXPECT_EQ(single->yMax(), 2);
    EXPECT_FALSE(single->removeEntry(ChartDataEntry(4, 9), 0));
    EXPECT_FALSE(single->removeEntry(ChartDataEntry(0, 2), 1));
    EXPECT_TRUE(single->removeEntryWithX(0.3, 0));
    EXPECT_EQ(single->entryCount(), 0);

    EXPECT_EQ(d->removeDataSet(b), b);
    EXPECT_EQ(d->dataSetCount(), 1);
    EXPECT_EQ(d->removeDataSet(a), nullptr);
    d->clearValues();
    expectBounds(*d, {G, -G, G, -G, G, -G, G, -G});
}

TEST(ChartData, AddEntryWithABadIndexOnlyWritesALine) {
    auto set = setOf({{0, 2}});
    auto d = kit::make<ChartData>(set);
    for (int index : {1, -1}) {
        kit::ConsoleCapture console;
        d->addEntry(kit::make<ChartDataEntry>(5, 50), index);
        EXPECT_EQ(console.lines(), std::vector<std::string>{
                                       "ChartData.addEntry() - Cannot add Entry because dataSetIndex too high or too low."});
    }
    EXPECT_EQ(d->yMax(), 2);
    EXPECT_EQ(set->entryCount(), 1);
    d->addEntry(kit::make<ChartDataEntry>(5, 50), 0);
    EXPECT_EQ(d->yMax(), 50);
    EXPECT_EQ(d->leftAxisMax(), 50);
    EXPECT_EQ(d->xMax(), 5);
}

TEST(ChartData, LookupsBySetEntryAndHighlight) {
    auto a = setOf({{1, 5}, {2, 7}}, "Apples");
    auto b = setOf({{1, 6}}, "Pears");
    auto d = kit::make<ChartData>(std::vector<DataSetPtr>{a, b, setOf({}, "Pears")});
    d->dataSets()[2]->setLabel(std::nullopt);

    EXPECT_EQ(d->dataSetForLabel("pears", true), b);
    EXPECT_EQ(d->dataSetForLabel("pears", false), nullptr);
    EXPECT_EQ(d->dataSetForLabel("Pears", false), b);
    EXPECT_EQ(d->indexOf(b.get()), 1);
    EXPECT_EQ(d->indexOf(setOf({}).get()), -1);
    EXPECT_TRUE(d->containsDataSet(a.get()));
    EXPECT_EQ(d->dataSet(3), nullptr);
    EXPECT_EQ(d->dataSet(-1), nullptr);

    EXPECT_EQ(d->getDataSetForEntry(b->entries()[0]), b);
    EXPECT_EQ(d->getDataSetForEntry(kit::make<ChartDataEntry>(1, 6)), nullptr); // equal is not the same

    EXPECT_EQ(d->entryForHighlight(Highlight(2, 7, 0, -1)), a->entries()[1]);
    EXPECT_EQ(d->entryForHighlight(Highlight(1, nan, 1, -1)), b->entries()[0]);
    EXPECT_EQ(d->entryForHighlight(Highlight(1, 5, 3, -1)), nullptr);
    EXPECT_EQ(d->entryForHighlight(Highlight(1, 5, -1, -1)), nullptr);
}

TEST(ChartData, FanOutAndAggregates) {
    auto a = setOf({{1, 5}, {2, 7}, {3, 1}, {4, 1}, {5, 1}});
    auto b = setOf({{1, 6}, {2, 7}, {3, 1}, {4, 1}, {5, 1}});
    a->setColors({kit::Color::redColor(), kit::Color::blueColor()});
    auto d = kit::make<ChartData>(std::vector<DataSetPtr>{a, b});
    EXPECT_EQ(d->maxEntryCountSet(), a); // ties keep the earlier set
    b->addEntry(kit::make<ChartDataEntry>(6, 1));
    EXPECT_EQ(d->maxEntryCountSet(), b);
    EXPECT_EQ(d->colors(), (std::vector<kit::Color>{kit::Color::redColor(), kit::Color::blueColor(),
                                                    ChartBaseDataSet::defaultColor()}));

    auto formatter = a->valueFormatter();
    d->setValueFormatter(formatter);
    EXPECT_EQ(b->valueFormatter(), formatter);
    d->setValueTextColor(kit::Color::greenColor());
    EXPECT_EQ(b->valueColors(), std::vector<kit::Color>{kit::Color::greenColor()});
    d->setDrawValues(false);
    EXPECT_FALSE(a->isDrawValuesEnabled());
    b->setHighlightEnabled(false);
    EXPECT_FALSE(d->isHighlightEnabled());
    d->setHighlightEnabled(true);
    EXPECT_TRUE(d->isHighlightEnabled());
}

TEST(ChartData, KindsOverrideTheStepsOfCreation) {
    struct Counting : ChartData {
        using ChartData::ChartData;
        int notified = 0;
        void notifyDataChanged() override {
            ++notified;
            ChartData::notifyDataChanged();
        }
    };
    auto d = kit::make<Counting>(std::vector<DataSetPtr>{setOf({{1, 2}})});
    EXPECT_EQ(d->notified, 1);
    EXPECT_EQ(d->yMax(), 2);
    auto list = kit::make<ChartData>(std::initializer_list<DataSetPtr>{setOf({{1, 2}}), setOf({{3, 4}})});
    EXPECT_EQ(list->dataSetCount(), 2);
    EXPECT_EQ(list->xMax(), 3);
}

TEST(ChartDataDeathTest, BadPositionsStopWithAContractMessage) {
    auto d = kit::make<ChartData>(setOf({{1, 2}}));
    EXPECT_DEATH((void)(*d)[1], "ChartData.subscript: position or count out of range");
    EXPECT_DEATH(d->removeDataSetAt(1), "remove\\(at:\\)");
    EXPECT_DEATH(d->removeLastDataSets(2), "removeLast");
    EXPECT_DEATH(kit::make<ChartData>()->removeFirstDataSet(), "removeFirst");
}

} // namespace
