#include "charting/model/AxisBase.h"
#include "charting/model/DefaultAxisValueFormatter.h"
#include "charting/model/XAxis.h"

#include <gtest/gtest.h>

using namespace charting;

TEST(AxisBase, Defaults) {
    XAxis axis; // AxisBase through its plainest subclass
    EXPECT_EQ(axis.labelCount(), 6);
    EXPECT_EQ(axis.granularity(), 1.0);
    EXPECT_FALSE(axis.isGranularityEnabled());
    EXPECT_EQ(axis.axisMinLabels(), 2);
    EXPECT_EQ(axis.axisMaxLabels(), 25);
    EXPECT_EQ(axis.axisLineWidth(), 0.5);
    EXPECT_EQ(axis.gridLineWidth(), 0.5);
    EXPECT_EQ(axis.gridColor(), kit::Color::grayColor().withAlpha(0.9));
    EXPECT_EQ(axis.gridLineCap(), kit::LineCap::butt);
    EXPECT_EQ(axis.labelFont(), kit::Font::system(10));
    EXPECT_TRUE(axis.isDrawGridLinesEnabled());
    EXPECT_TRUE(axis.isDrawLabelsEnabled());
    EXPECT_TRUE(axis.isDrawAxisLineEnabled());
    EXPECT_TRUE(axis.isDrawGridLinesBehindDataEnabled());
    EXPECT_FALSE(axis.isDrawLimitLinesBehindDataEnabled());
    EXPECT_EQ(axis.entryCount(), 0);
    EXPECT_FALSE(axis.isCenterAxisLabelsEnabled());
}

TEST(AxisBase, LabelCountClamp) {
    struct Row {
        int minLabels, maxLabels, count;
        bool force;
        int stored;
    };
    const Row rows[] = {
        {2, 25, 1, false, 2},
        {2, 25, 30, false, 25},
        {2, 25, 10, false, 10},
        {2, 25, 30, true, 25},
        {2, 25, -7, true, 2},
        // Crossed bounds stay defined: above the maximum gives it, the rest the minimum at least.
        {10, 4, 3, false, 10},
        {10, 4, 20, false, 4},
    };
    for (const Row& r : rows) {
        AxisBase axis;
        axis.setAxisMaxLabels(r.maxLabels);
        axis.setAxisMinLabels(r.minLabels);
        axis.setForceLabelsEnabled(true);
        if (r.force)
            axis.setLabelCount(r.count, true);
        else
            axis.setLabelCount(r.count);
        EXPECT_EQ(axis.labelCount(), r.stored) << r.count;
        EXPECT_EQ(axis.isForceLabelsEnabled(), r.force) << r.count;
    }

    AxisBase axis;
    axis.setAxisMinLabels(0);
    axis.setAxisMinLabels(-3);
    axis.setAxisMaxLabels(0);
    EXPECT_EQ(axis.axisMinLabels(), 2);
    EXPECT_EQ(axis.axisMaxLabels(), 25);
    axis.setAxisMinLabels(1);
    EXPECT_EQ(axis.axisMinLabels(), 1);
}

TEST(AxisBase, FlagsWithBehaviour) {
    AxisBase axis;
    axis.setGranularity(0.5);
    EXPECT_TRUE(axis.isGranularityEnabled());
    axis.setCenterAxisLabelsEnabled(true);
    EXPECT_FALSE(axis.isCenterAxisLabelsEnabled());
    EXPECT_TRUE(axis.centerAxisLabelsFlag());
    axis.setEntries({1.0});
    EXPECT_TRUE(axis.isCenterAxisLabelsEnabled());
}

TEST(AxisBase, Calculate) {
    struct Row {
        const char* what;
        double spaceMin, spaceMax;
        std::optional<double> customMin, customMax;
        double dataMin, dataMax;
        double min, max, range;
    };
    const Row rows[] = {
        {"equal data widens", 0, 0, {}, {}, 3, 3, 2, 4, 2},
        {"spaces added", 1, 2, {}, {}, 0, 10, -1, 12, 13},
        {"custom minimum kept", 0, 0, 5.0, {}, 0, 10, 5, 10, 5},
        {"equal custom ends move by one", 0, 0, 5.0, 5.0, 0, 10, 4, 6, 2},
        {"custom minimum above data", 0, 0, 20.0, {}, 0, 10, 20, 10, 10},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        AxisBase axis;
        axis.setSpaceMin(r.spaceMin);
        axis.setSpaceMax(r.spaceMax);
        if (r.customMin) axis.setAxisMinimum(*r.customMin);
        if (r.customMax) axis.setAxisMaximum(*r.customMax);
        axis.calculate(r.dataMin, r.dataMax);
        EXPECT_EQ(axis.axisMinimum(), r.min);
        EXPECT_EQ(axis.axisMaximum(), r.max);
        EXPECT_EQ(axis.axisRange(), r.range);
        EXPECT_EQ(axis.isAxisMinCustom(), r.customMin.has_value());
        EXPECT_EQ(axis.isAxisMaxCustom(), r.customMax.has_value());
    }
}

TEST(AxisBase, CustomEndsAndTheirReset) {
    AxisBase axis;
    axis.setAxisMinimum(5);
    EXPECT_EQ(axis.axisRange(), 5);
    axis.calculate(0, 10);
    EXPECT_EQ(axis.axisMinimum(), 5);
    EXPECT_EQ(axis.axisMaximum(), 10);
    axis.resetCustomAxisMin();
    EXPECT_EQ(axis.axisMinimum(), 5); // kept until the next computation
    axis.calculate(0, 10);
    EXPECT_EQ(axis.axisMinimum(), 0);
}

TEST(AxisBase, LimitLinesAreKeptByIdentity) {
    AxisBase axis;
    auto a = std::make_shared<ChartLimitLine>(1);
    auto b = std::make_shared<ChartLimitLine>(1);
    axis.addLimitLine(a);
    axis.addLimitLine(b);
    axis.addLimitLine(a);
    axis.removeLimitLine(std::make_shared<ChartLimitLine>(1)); // equal values, other object
    EXPECT_EQ(axis.limitLines().size(), 3u);
    axis.removeLimitLine(a);
    ASSERT_EQ(axis.limitLines().size(), 2u);
    EXPECT_EQ(axis.limitLines()[0], b);
    EXPECT_EQ(axis.limitLines()[1], a);
    axis.removeAllLimitLines();
    EXPECT_TRUE(axis.limitLines().empty());
}

TEST(AxisBase, FormatterFollowsDecimals) {
    AxisBase axis;
    axis.setValueFormatter(nullptr);
    auto formatter = axis.valueFormatter();
    ASSERT_NE(dynamic_cast<DefaultAxisValueFormatter*>(formatter.get()), nullptr);
    axis.setEntries({3.14159});
    EXPECT_EQ(axis.getFormattedLabel(0), "3");
    axis.setDecimals(2);
    EXPECT_EQ(axis.valueFormatter(), formatter);
    EXPECT_EQ(axis.getFormattedLabel(0), "3.14");
    EXPECT_EQ(axis.getFormattedLabel(1), "");
    EXPECT_EQ(axis.getFormattedLabel(-1), "");

    // A formatter with fixed decimals is left alone.
    auto fixed = std::make_shared<DefaultAxisValueFormatter>(1);
    fixed->setHasAutoDecimals(false);
    axis.setValueFormatter(fixed);
    EXPECT_EQ(axis.getFormattedLabel(0), "3.1");
}

TEST(AxisBase, LongestLabelCountsCharacters) {
    AxisBase axis;
    EXPECT_EQ(axis.getLongestLabel(), "");
    axis.setEntries({0, 10, 100, 200});
    EXPECT_EQ(axis.getLongestLabel(), "100"); // first of equal length wins

    // Characters as a reader counts them, not bytes or scalars.
    std::vector<std::string> labels = {"abcd", "e\xCC\x81\xCC\x81\xCC\x81\xCC\x81", "\xF0\x9F\x87\xA9\xF0\x9F\x87\xAA",
                                       "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9"};
    axis.setValueFormatter(std::make_shared<DefaultAxisValueFormatter>(
        [labels](double v, AxisBase*) { return labels[static_cast<std::size_t>(v)]; }));
    axis.setEntries({0, 1, 2});
    EXPECT_EQ(axis.getLongestLabel(), "abcd");
    axis.setEntries({0, 1, 2, 3});
    EXPECT_EQ(axis.getLongestLabel(), labels[3]);
}
