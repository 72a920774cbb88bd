#include "charting/core/LabelColor.h"
#include "charting/model/ChartDataSet.h"
#include "kit/base/Make.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace charting;

namespace {

const double nan = std::numeric_limits<double>::quiet_NaN();
const double G = std::numeric_limits<double>::max();
using R = ChartDataSetRounding;

std::shared_ptr<ChartDataSet> setOf(std::vector<std::pair<double, double>> points) {
    std::vector<EntryPtr> entries;
    for (auto [x, y] : points) entries.push_back(kit::make<ChartDataEntry>(x, y));
    return kit::make<ChartDataSet>(entries);
}

std::vector<double> xs(const ChartDataSet& set) {
    std::vector<double> out;
    for (const auto& e : set) out.push_back(e->x());
    return out;
}

TEST(ChartDataSet, SearchByX) {
    struct Row {
        std::vector<std::pair<double, double>> points;
        double x, y;
        R rounding;
        std::int64_t index;
    } rows[] = {
        {{}, 1, nan, R::closest, -1},
        {{{1, 0}, {2, 0}, {4, 0}}, 3, nan, R::up, 2},
        {{{1, 0}, {2, 0}, {4, 0}}, 3, nan, R::closest, 2}, // equal distances: the higher index
        {{{1, 0}, {2, 0}, {4, 0}}, 3, nan, R::down, 1},
        {{{1, 0}, {2, 0}, {4, 0}}, 2.9, nan, R::closest, 1},
        {{{1, 0}, {2, 0}, {4, 0}}, 5, nan, R::up, 2},
        {{{1, 0}, {2, 0}, {4, 0}}, 5, nan, R::down, 2},
        {{{1, 0}, {2, 0}, {4, 0}}, 0, nan, R::down, 0},
        {{{1, 0}, {2, 0}, {4, 0}}, 0, nan, R::closest, 0},
        {{{1, 0}, {2, 0}, {4, 0}}, nan, nan, R::closest, 2},
        {{{1, 10}, {1, 20}, {1, 30}}, 1, 19, R::closest, 1},
        {{{1, 10}, {1, 20}, {1, 30}}, 1, nan, R::closest, 0},
        {{{1, 10}, {1, 20}, {1, 30}}, 1, 25, R::closest, 2}, // equal distances: the later entry
        {{{1, 0}, {2, 5}, {2, 9}}, 3, 9, R::closest, 2},     // past the last x: no y refinement
        {{{1, 5}, {3, 9}}, 2, nan, R::down, 0},
        // Rounding down with a y target stays below the target (the run of x 1 is refined).
        {{{1, 5}, {3, 9}}, 2, 9, R::down, 0},
        {{{1, 5}, {1, 7}, {3, 9}}, 2, 6.5, R::down, 1},
        {{{1, 5}, {3, 9}, {3, 1}}, 2, 2, R::up, 2},
    };
    for (const auto& row : rows) {
        auto set = setOf(row.points);
        EXPECT_EQ(set->entryIndexForX(row.x, row.y, row.rounding), row.index)
            << "x " << row.x << " y " << row.y << " rounding " << static_cast<int>(row.rounding);
    }
    auto empty = kit::make<ChartDataSet>();
    EXPECT_EQ(empty->entryForXValue(1, nan), nullptr);
    auto set = setOf({{1, 5}, {3, 9}});
    EXPECT_EQ(set->entryForXValue(2.9, nan), set->entries()[1]);
}

TEST(ChartDataSet, EntriesForXValueAnswerInPartitionOrder) {
    auto set = setOf({{1, 0}, {1, 1}, {2, 2}});
    auto a = set->entries()[0], b = set->entries()[1], c = set->entries()[2];
    EXPECT_EQ(set->entriesForXValue(1), (std::vector<EntryPtr>{b, a}));
    EXPECT_EQ(set->entriesForXValue(2), (std::vector<EntryPtr>{c}));
    EXPECT_TRUE(set->entriesForXValue(3).empty());
    EXPECT_TRUE(set->entriesForXValue(nan).empty());
    EXPECT_EQ(set->entries(), (std::vector<EntryPtr>{a, b, c}));
    EXPECT_EQ(setOf({{5, 0}, {5, 1}, {5, 2}})->entriesForXValue(5).size(), 3u);
    EXPECT_TRUE(kit::make<ChartDataSet>()->entriesForXValue(0).empty());
}

// The partition written out on a copy, step by step.
std::vector<EntryPtr> partitionedMatches(std::vector<EntryPtr> copy, double v) {
    std::size_t f = 0, e = copy.size();
    auto at = [&](std::size_t k) { return copy[k]->x() == v; };
    if (!copy.empty()) {
        for (bool done = false; !done;) {
            if (at(f)) {
                if (f >= e - 1) break;
                e -= 1;
                while (at(e)) {
                    e -= 1;
                    if (f >= e) {
                        done = true;
                        break;
                    }
                }
                if (done) break;
                std::swap(copy[f], copy[e]);
            }
            f += 1;
            if (f >= e) break;
        }
    }
    std::size_t p = 0;
    while (p < copy.size() && !at(p)) ++p;
    std::vector<EntryPtr> out;
    for (; p < copy.size() && at(p); ++p) out.push_back(copy[p]);
    return out;
}

TEST(ChartDataSet, EntriesForXValueMatchThePartitionOnRandomSets) {
    std::uint64_t state = 12345;
    auto next = [&] { return (state = state * 6364136223846793005ull + 1442695040888963407ull) >> 33; };
    for (int round = 0; round < 300; ++round) {
        std::vector<std::pair<double, double>> points;
        auto n = next() % 12;
        for (std::size_t i = 0; i < n; ++i) points.push_back({double(next() % 3), double(i)});
        auto set = setOf(points);
        for (double v : {0.0, 1.0, 2.0}) EXPECT_EQ(set->entriesForXValue(v), partitionedMatches(set->entries(), v));
    }
}

TEST(ChartDataSet, OrderedInsertionKeepsXOrder) {
    struct Row {
        std::vector<std::pair<double, double>> points;
        std::pair<double, double> added;
        std::vector<double> xs;
        std::size_t position;
    } rows[] = {
        {{{1, 0}, {2, 0}, {4, 0}}, {3, 0}, {1, 2, 3, 4}, 2},
        {{{1, 0}, {2, 0}, {4, 0}}, {4, 0}, {1, 2, 4, 4}, 3},
        {{}, {4, 0}, {4}, 0},
        {{{1, 0}, {2, 0}}, {0, 0}, {0, 1, 2}, 0},
        // The search picks (4, 100) as closest in y; the entry still goes before the run of x 4.
        {{{1, 0}, {4, 1}, {4, 100}}, {3, 90}, {1, 3, 4, 4}, 1},
        // Same x: next to the entry of closest y.
        {{{1, 0}, {3, 1}, {3, 100}, {5, 0}}, {3, 90}, {1, 3, 3, 3, 5}, 2},
    };
    for (const auto& row : rows) {
        auto set = setOf(row.points);
        auto e = kit::make<ChartDataEntry>(row.added.first, row.added.second);
        EXPECT_TRUE(set->addEntryOrdered(e));
        EXPECT_EQ(xs(*set), row.xs);
        EXPECT_EQ(set->entries()[row.position], e);
        EXPECT_EQ(set->xMin(), row.xs.front());
        EXPECT_EQ(set->xMax(), row.xs.back());
    }
}

TEST(ChartDataSet, BoundsWidenOnAppendAndRecomputeOnOtherEdits) {
    auto empty = kit::make<ChartDataSet>();
    EXPECT_EQ(empty->yMin(), G);
    EXPECT_EQ(empty->yMax(), -G);
    EXPECT_EQ(empty->xMin(), G);
    EXPECT_EQ(empty->xMax(), -G);

    auto set = setOf({{1, 5}, {2, 7}, {4, 9}});
    EXPECT_EQ(set->yMin(), 5);
    EXPECT_EQ(set->yMax(), 9);
    set->set(2, kit::make<ChartDataEntry>(4, 1)); // a position write only widens
    EXPECT_EQ(set->yMax(), 9);
    EXPECT_EQ(set->yMin(), 1);
    set->notifyDataSetChanged();
    EXPECT_EQ(set->yMax(), 7);

    auto calls = setOf({{1, 5}, {2, 7}, {4, 9}});
    calls->setEntries({kit::make<ChartDataEntry>(0, 100)}); // assignment alone keeps the bounds
    EXPECT_EQ(calls->yMax(), 9);
    calls->replaceEntries(calls->entries());
    EXPECT_EQ(calls->yMax(), 100);

    auto ranged = setOf({{1, 5}, {2, 7}, {4, 9}});
    ranged->calcMinMaxY(2, 3);
    EXPECT_EQ(ranged->yMin(), 7);
    EXPECT_EQ(ranged->yMax(), 9);
    EXPECT_EQ(ranged->xMin(), 1);
    EXPECT_EQ(ranged->xMax(), 4);

    // Each structural edit other than appending recomputes, also when nothing is removed.
    struct Edit {
        const char* name;
        void (*apply)(ChartDataSet&);
        double yMax;
        std::size_t count;
    } edits[] = {
        {"removeAt", [](ChartDataSet& s) { s.removeAt(0); }, 1, 2},
        {"removeLastEntry", [](ChartDataSet& s) { s.removeLastEntry(); }, 3, 2},
        {"removeLastEntries 0", [](ChartDataSet& s) { s.removeLastEntries(0); }, 3, 3},
        {"removeSubrange", [](ChartDataSet& s) { s.removeSubrange(1, 3); }, 3, 1},
        {"removeAll where", [](ChartDataSet& s) { s.removeAllWhere([](const EntryPtr& e) { return e->y() > 2; }); }, 1, 2},
        {"insert", [](ChartDataSet& s) { s.insert(kit::make<ChartDataEntry>(0, -1), 0); }, 3, 4},
        {"replaceSubrange", [](ChartDataSet& s) { s.replaceSubrange(0, 3, {kit::make<ChartDataEntry>(1, 2)}); }, 2, 1},
        {"clear", [](ChartDataSet& s) { s.clear(); }, -G, 0},
    };
    for (const auto& edit : edits) {
        auto s = setOf({{1, 3}, {2, 1}, {4, 9}});
        s->entries()[2]->setY(1); // stale until an edit recomputes
        edit.apply(*s);
        EXPECT_EQ(s->yMax(), edit.yMax) << edit.name;
        EXPECT_EQ(s->size(), edit.count) << edit.name;
    }
}

TEST(ChartDataSet, NaNBoundsAreReplacedByTheNextEntry) {
    auto set = kit::make<ChartDataSet>();
    set->addEntry(kit::make<ChartDataEntry>(nan, 1));
    EXPECT_TRUE(std::isnan(set->xMin()));
    EXPECT_TRUE(std::isnan(set->xMax()));
    set->addEntry(kit::make<ChartDataEntry>(3, 1));
    EXPECT_EQ(set->xMin(), 3);
    EXPECT_EQ(set->xMax(), 3);
}

TEST(ChartDataSet, RemovalByEqualityAndThroughTheDataSetInterface) {
    auto set = setOf({{1, 5}, {2, 7}, {4, 9}});
    auto stored = set->entries()[2];
    EXPECT_TRUE(set->contains(ChartDataEntry(4, 9)));
    EXPECT_EQ(set->entryIndexOf(ChartDataEntry(2, 7)), 1);
    EXPECT_FALSE(set->removeEntry(ChartDataEntry(4, 8)));
    EXPECT_EQ(set->yMax(), 9);
    EXPECT_TRUE(set->removeEntry(ChartDataEntry(4, 9))); // a distinct but equal entry
    EXPECT_EQ(set->yMax(), 7);
    EXPECT_EQ(set->entryIndexOf(*stored), -1);

    EXPECT_TRUE(set->removeEntryWithX(1.2));
    EXPECT_EQ(xs(*set), (std::vector<double>{2}));
    EXPECT_FALSE(set->removeEntryAt(1));
    EXPECT_TRUE(set->removeLast());
    EXPECT_FALSE(set->removeFirst());
    EXPECT_FALSE(set->removeLast());
}

TEST(ChartDataSet, ColoursWrapAndFallBack) {
    auto set = kit::make<ChartDataSet>();
    ASSERT_EQ(set->colors().size(), 1u);
    EXPECT_EQ(set->color(-3), kit::Color::rgba(140 / 255.0, 234 / 255.0, 1, 1));
    EXPECT_EQ(set->valueColors(), std::vector<kit::Color>{labelColor()});

    auto a = kit::Color::redColor(), b = kit::Color::greenColor(), c = kit::Color::blueColor();
    set->setColors({a, b, c});
    struct Row {
        std::int64_t index;
        kit::Color color;
    } rows[] = {{0, a}, {4, b}, {-7, a}, {3, a}, {5, c}};
    for (auto row : rows) EXPECT_EQ(set->color(row.index), row.color) << row.index;

    set->setColor(c, 0.5);
    EXPECT_EQ(set->colors(), (std::vector<kit::Color>{c.withAlpha(0.5)}));
    set->resetColors();
    EXPECT_EQ(set->color(2), ChartBaseDataSet::defaultColor()); // an empty list falls back
    set->addColor(b);
    EXPECT_EQ(set->colors(), (std::vector<kit::Color>{b}));
    set->setColors({a, b}, 0.25);
    EXPECT_EQ(set->colors(), (std::vector<kit::Color>{a.withAlpha(0.25), b.withAlpha(0.25)}));

    set->setValueTextColor(c);
    EXPECT_EQ(set->valueColors(), (std::vector<kit::Color>{c}));
    EXPECT_EQ(set->valueTextColor(), c);
    set->setValueColors({});
    EXPECT_EQ(set->valueTextColorAt(3), labelColor());
    EXPECT_EQ(set->valueTextColor(), labelColor());
}

TEST(ChartDataSet, Descriptions) {
    auto set = kit::make<ChartDataSet>(std::vector<EntryPtr>{kit::make<ChartDataEntry>(1, 2)}, "Pie");
    EXPECT_EQ(set->description(), "ChartDataSet, label: Pie, 1 entries");
    EXPECT_EQ(set->debugDescription(), "ChartDataSet, label: Pie, 1 entries:\nChartDataEntry, x: 1.0, y 2.0");
    set->setLabel(std::nullopt);
    EXPECT_EQ(set->description(), "ChartDataSet, label: , 1 entries");
    EXPECT_EQ(kit::make<ChartDataSet>(std::vector<EntryPtr>{})->label(), "DataSet");
}

TEST(ChartDataSet, CopySharesEntriesKeepsBoundsAndSkipsTheLabelAngle) {
    auto set = setOf({{1, 5}, {2, 7}});
    set->setColors({kit::Color::redColor()});
    set->setLabel("Source");
    set->setAxisDependency(AxisDependency::right);
    set->setHighlightEnabled(false);
    set->setForm(LegendForm::circle);
    set->setFormSize(9);
    set->setFormLineWidth(2);
    set->setFormLineDashPhase(1);
    set->setFormLineDashLengths(std::vector<double>{2, 3});
    set->setDrawValuesEnabled(false);
    set->setDrawIconsEnabled(false);
    set->setIconsOffset({3, 4});
    set->setVisible(false);
    set->setValueLabelAngle(45);
    set->setValueFont(kit::Font::boldSystem(11));
    set->entries()[1]->setY(100); // stale bounds are copied as they stand

    auto copy = set->copyAs<ChartDataSet>();
    EXPECT_NE(copy, set);
    EXPECT_EQ(copy->entries(), set->entries());
    EXPECT_EQ(copy->yMax(), 7);
    EXPECT_EQ(copy->colors(), set->colors());
    EXPECT_EQ(copy->label(), "Source");
    EXPECT_EQ(copy->axisDependency(), AxisDependency::right);
    EXPECT_FALSE(copy->highlightEnabled());
    EXPECT_EQ(copy->form(), LegendForm::circle);
    EXPECT_EQ(copy->formSize(), 9);
    EXPECT_EQ(copy->formLineWidth(), 2);
    EXPECT_EQ(copy->formLineDashPhase(), 1);
    EXPECT_EQ(copy->formLineDashLengths(), (std::vector<double>{2, 3}));
    EXPECT_FALSE(copy->drawValuesEnabled());
    EXPECT_FALSE(copy->drawIconsEnabled());
    EXPECT_EQ(copy->iconsOffset(), (kit::Point{3, 4}));
    EXPECT_FALSE(copy->visible());
    EXPECT_EQ(copy->valueLabelAngle(), 0);
    EXPECT_EQ(copy->valueFont(), kit::Font::boldSystem(11));
    EXPECT_EQ(kit::make<ChartDataSet>()->valueFont(), kit::Font::system(7));
    EXPECT_EQ(copy->valueFormatter(), set->valueFormatter()); // created by the copy, then shared
}

TEST(ChartDataSet, KindsComputeBoundsWithTheirOwnRuleAtCreation) {
    struct YOnly : ChartDataSet {
        using ChartDataSet::ChartDataSet;
        void calcMinMaxForEntry(const ChartDataEntry& e) override { calcMinMaxYForEntry(e); }
    };
    auto set = kit::make<YOnly>(std::vector<EntryPtr>{kit::make<ChartDataEntry>(nan, 3)});
    EXPECT_EQ(set->xMin(), G);
    EXPECT_EQ(set->yMin(), 3);
    auto repeated = ChartDataSet::repeating(kit::make<ChartDataEntry>(2, 8), 3);
    EXPECT_EQ(repeated->size(), 3u);
    EXPECT_EQ(repeated->yMax(), 8);
}

static_assert(std::is_abstract_v<ChartBaseDataSet>);

TEST(ChartDataSetDeathTest, BadPositionsStopWithAContractMessage) {
    auto set = setOf({{1, 5}});
    EXPECT_DEATH((void)(*set)[1], "ChartDataSet.subscript: position or count out of range");
    EXPECT_DEATH(set->removeAt(1), "remove\\(at:\\)");
    EXPECT_DEATH(set->insert(kit::make<ChartDataEntry>(), 2), "insert");
    EXPECT_DEATH(set->removeFirstEntries(2), "removeFirst");
    EXPECT_DEATH(set->removeSubrange(1, 0), "removeSubrange");
    EXPECT_DEATH(kit::make<ChartDataSet>()->removeLastEntry(), "removeLast");
    EXPECT_DEATH(set->addEntry(nullptr), "an entry is required");
}

} // namespace
