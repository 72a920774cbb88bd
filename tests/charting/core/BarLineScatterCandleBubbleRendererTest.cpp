#include "charting/core/BarLineScatterCandleBubbleRenderer.h"
#include "ChartTestSupport.h"
#include "kit/base/Make.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>

using namespace charting;
using charting::testing::dataSet;
using charting::testing::entry;
using charting::testing::TestChart;

namespace {

std::vector<std::int64_t> indices(const XBounds& b) { return {b.begin(), b.end()}; }

struct LimitedChart : TestChart {
    std::int64_t maxVisibleCount() const override { return limit; }
    std::int64_t limit = 100;
};

std::shared_ptr<ChartData> dataWith(int count) {
    std::vector<EntryPtr> entries;
    for (int i = 0; i < count; ++i) entries.push_back(entry(i, i));
    auto data = std::make_shared<ChartData>(std::vector<DataSetPtr>{dataSet(entries)});
    data->initialize();
    return data;
}

} // namespace

TEST(XBounds, IterationContainmentAndDescription) {
    XBounds b;
    EXPECT_EQ(b.description(), "min:0, max:0, range:0");
    b.min = 4;
    EXPECT_EQ(indices(b), (std::vector<std::int64_t>{4}));
    b.range = 3;
    EXPECT_EQ(indices(b), (std::vector<std::int64_t>{4, 5, 6, 7}));
    EXPECT_TRUE(b.contains(7));
    EXPECT_FALSE(b.contains(8));
    EXPECT_FALSE(b.contains(3));
    EXPECT_EQ(b.lowerBound(), 4);
    EXPECT_EQ(b.upperBound(), 8);

    // max below min: nothing to iterate or contain, an empty half-open range.
    b.range = -2;
    EXPECT_TRUE(indices(b).empty());
    EXPECT_FALSE(b.contains(4));
    EXPECT_EQ(b.upperBound(), b.lowerBound());

    // The top of the integer range is produced once, without overflow.
    b.min = std::numeric_limits<std::int64_t>::max() - 1;
    b.range = 1;
    EXPECT_EQ(indices(b).size(), 2u);
    EXPECT_EQ(b.upperBound(), std::numeric_limits<std::int64_t>::max());
}

TEST(XBounds, VisibleIndicesRevealedByThePhase) {
    auto chart = kit::make<TestChart>();
    std::vector<EntryPtr> entries;
    for (int i = 0; i < 10; ++i) entries.push_back(entry(i, i));
    auto set = dataSet(entries);
    chart->lowest = 1.5;
    chart->highest = 7;
    Animator animator;

    XBounds b(*chart, *set, nullptr); // no animator: phase 1
    EXPECT_EQ(b.description(), "min:1, max:7, range:6");
    chart->lowest = 2;
    animator.setPhaseX(0.5);
    b.set(*chart, *set, &animator);
    EXPECT_EQ(b.description(), "min:2, max:7, range:2"); // 2.5 truncated
    animator.setPhaseX(0);
    b.set(*chart, *set, &animator);
    EXPECT_EQ(b.description(), "min:2, max:7, range:0");
    for (double phase : {2.0, std::numeric_limits<double>::quiet_NaN()}) {
        animator.setPhaseX(phase);
        b.set(*chart, *set, &animator);
        EXPECT_EQ(b.range, 5) << phase;
    }
    // Runs of equal x (with repeated entries) give the index a scan for the found entry gives.
    auto runs = dataSet({entry(0, 0), entry(1, 5), entry(1, 7), entry(1, 5), entry(2, 0), entry(2, 0), entry(3, 1)});
    for (double low : {0.5, 1.0, 1.5, 2.0, 2.5}) {
        chart->lowest = low;
        chart->highest = low;
        b.set(*chart, *runs, nullptr);
        const auto nan = std::numeric_limits<double>::quiet_NaN();
        EXPECT_EQ(b.min, runs->entryIndexOf(*runs->entryForXValue(low, nan, ChartDataSetRounding::down))) << low;
        EXPECT_EQ(b.max, runs->entryIndexOf(*runs->entryForXValue(low, nan, ChartDataSetRounding::up))) << low;
    }
    auto empty = dataSet({});
    b.set(*chart, *empty, &animator);
    EXPECT_EQ(indices(b), (std::vector<std::int64_t>{0}));
}

TEST(BarLineScatterCandleBubbleRenderer, ValuesAllowedBelowTheVisibleCount) {
    auto chart = kit::make<LimitedChart>();
    auto animator = std::make_shared<Animator>();
    BarLineScatterCandleBubbleRenderer renderer(animator, chart->viewPortHandler());
    EXPECT_FALSE(renderer.isDrawingValuesAllowed(nullptr));
    EXPECT_FALSE(renderer.isDrawingValuesAllowed(chart.get())); // no data

    struct Row {
        int entries;
        double scaleX;
        bool allowed;
    };
    const Row rows[] = {{99, 1.0, true}, {100, 1.0, false}, {149, 1.5, true}, {150, 1.5, false}, {98, 0.999, true},
                        {99, 0.999, false}};
    for (const Row& row : rows) {
        chart->setData(dataWith(row.entries));
        chart->viewPortHandler()->setScaleX(row.scaleX);
        EXPECT_EQ(renderer.isDrawingValuesAllowed(chart.get()), row.allowed) << row.entries << " " << row.scaleX;
    }
    // The base's unlimited count saturates instead of overflowing.
    chart->limit = std::numeric_limits<std::int64_t>::max();
    chart->viewPortHandler()->setScaleX(1e10);
    EXPECT_TRUE(renderer.isDrawingValuesAllowed(chart.get()));
}

TEST(BarLineScatterCandleBubbleRenderer, BoundsOfTheAnimationAndValueFlags) {
    auto animator = std::make_shared<Animator>();
    BarLineScatterCandleBubbleRenderer renderer(animator, std::make_shared<ViewPortHandler>(100, 100));
    std::vector<EntryPtr> entries;
    for (int i = 0; i < 10; ++i) entries.push_back(entry(i, i));
    auto set = dataSet(entries);
    animator->setPhaseX(0.5);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(renderer.isInBoundsX(*entries[i], *set), i < 5) << i;
    animator->setPhaseX(0);
    EXPECT_TRUE(renderer.isInBoundsX(*entry(42, 42), *set)); // not held: index -1

    set->setVisible(false);
    EXPECT_FALSE(renderer.shouldDrawValues(*set));
    set->setVisible(true);
    set->setDrawValuesEnabled(false);
    EXPECT_TRUE(renderer.shouldDrawValues(*set)); // icons only
    set->setDrawIconsEnabled(false);
    EXPECT_FALSE(renderer.shouldDrawValues(*set));
}

TEST(BarLineScatterCandleBubbleRenderer, AccessibleHeader) {
    auto chart = kit::make<TestChart>();
    BarLineScatterCandleBubbleRenderer renderer(std::make_shared<Animator>(), chart->viewPortHandler());
    auto unlabelled = dataSet({entry(0, 1)});
    unlabelled->setLabel(std::nullopt);
    struct Row {
        std::vector<DataSetPtr> sets;
        std::string label;
    };
    const Row rows[] = {
        {{}, "Chart. 0 datasets. "},
        {{dataSet({entry(0, 1)}, "A")}, "Chart. 1 dataset. A"},
        {{dataSet({entry(0, 1)}, "A"), unlabelled, dataSet({entry(0, 1)}, "C")}, "Chart. 3 datasets. A, , C"},
    };
    for (const Row& row : rows) {
        auto data = std::make_shared<ChartData>(row.sets);
        data->initialize();
        auto header = renderer.createAccessibleHeader(*chart, *data, "Chart");
        EXPECT_EQ(header->accessibilityLabel(), row.label);
        EXPECT_TRUE(header->isHeader());
        EXPECT_EQ(header->accessibilityContainer().get(), static_cast<kit::Responder*>(chart.get()));
    }
    chart->chartDescription()->setText("Sales");
    auto data = std::make_shared<ChartData>();
    EXPECT_EQ(renderer.createAccessibleHeader(*chart, *data, "Chart")->accessibilityLabel(), "Sales. 0 datasets. ");
}
