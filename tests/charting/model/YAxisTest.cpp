#include "charting/model/XAxis.h"
#include "charting/model/YAxis.h"
#include "kit/graphics/TextMetrics.h"

#include <gtest/gtest.h>

#include <limits>

using namespace charting;

TEST(XAxis, Defaults) {
    XAxis axis;
    EXPECT_EQ(axis.yOffset(), 4.0);
    EXPECT_EQ(axis.xOffset(), 5.0);
    EXPECT_EQ(axis.labelWidth(), 1.0);
    EXPECT_EQ(axis.labelRotatedHeight(), 1.0);
    EXPECT_EQ(axis.labelRotationAngle(), 0.0);
    EXPECT_EQ(axis.labelPosition(), XAxis::LabelPosition::top);
    EXPECT_FALSE(axis.isWordWrapEnabled());
    EXPECT_EQ(axis.wordWrapWidthPercent(), 1.0);
}

TEST(YAxis, DefaultsAndSide) {
    YAxis axis;
    EXPECT_EQ(axis.yOffset(), 0.0);
    EXPECT_EQ(axis.xOffset(), 5.0);
    EXPECT_EQ(axis.spaceTop(), 0.1);
    EXPECT_EQ(axis.spaceBottom(), 0.1);
    EXPECT_EQ(axis.maxWidth(), std::numeric_limits<double>::infinity());
    EXPECT_EQ(axis.minWidth(), 0.0);
    EXPECT_EQ(axis.axisDependency(), YAxis::AxisDependency::left);
    EXPECT_EQ(YAxis(YAxis::AxisDependency::right).axisDependency(), AxisDependency::right);
    EXPECT_EQ(YAxis(YAxis::AxisDependency::right).yOffset(), 0.0);
}

TEST(YAxis, Calculate) {
    struct Row {
        const char* what;
        std::optional<double> customMin, customMax;
        double dataMin, dataMax;
        double min, max, range;
    };
    const Row rows[] = {
        {"plain", {}, {}, 0, 100, -10, 110, 120},
        {"equal data", {}, {}, 5, 5, 4, 6, 2},
        {"custom max below data", {}, 10.0, 20, 30, 4.5, 10, 5.5},
        {"custom negative min above data", -10.0, {}, -30, -20, -10, -4.5, 5.5},
        {"custom min above data", 10.0, {}, 0, 5, 10, 15.5, 5.5},
        {"negative custom max below data", {}, -10.0, 0, 5, -15.5, -10, 5.5},
        {"both custom and equal", 5.0, 5.0, 0, 100, 5, 5, 0},
        {"both custom and crossed", 8.0, 2.0, 0, 100, 8, 2, 6},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        YAxis axis;
        if (r.customMin) axis.setAxisMinimum(*r.customMin);
        if (r.customMax) axis.setAxisMaximum(*r.customMax);
        axis.calculate(r.dataMin, r.dataMax);
        EXPECT_DOUBLE_EQ(axis.axisMinimum(), r.min);
        EXPECT_DOUBLE_EQ(axis.axisMaximum(), r.max);
        EXPECT_DOUBLE_EQ(axis.axisRange(), r.range);
    }
    // The spaces of the axis base play no part here.
    YAxis axis;
    axis.setSpaceMin(50);
    axis.setSpaceMax(50);
    axis.calculate(0, 100);
    EXPECT_EQ(axis.axisMinimum(), -10);
}

TEST(YAxis, NeedsOffset) {
    YAxis axis;
    EXPECT_TRUE(axis.needsOffset());
    axis.setEnabled(false);
    EXPECT_FALSE(axis.needsOffset());
    axis.setEnabled(true);
    axis.setDrawLabelsEnabled(false);
    EXPECT_FALSE(axis.needsOffset());
    axis.setDrawLabelsEnabled(true);
    axis.setLabelPosition(YAxis::LabelPosition::insideChart);
    EXPECT_FALSE(axis.needsOffset());
}

TEST(YAxis, RequiredSize) {
    kit::FixedTextMetricsScope metrics(0.5, 1.2);
    struct Row {
        double minWidth, maxWidth;
        kit::Size size;
    };
    // The longest label "100.5" (one fraction digit) measures 25 x 12; xOffset 5 on both sides.
    const Row rows[] = {
        {0, std::numeric_limits<double>::infinity(), {35, 12}},
        {0, 30, {30, 12}},
        {50, 0, {50, 12}},
        {0, -1, {35, 12}},
        {40, 30, {40, 12}},
    };
    for (const Row& r : rows) {
        YAxis axis;
        axis.setLabelFont(kit::Font::system(10));
        axis.setDecimals(1);
        axis.setEntries({0, 100.5, 7});
        axis.setMinWidth(r.minWidth);
        axis.setMaxWidth(r.maxWidth);
        EXPECT_EQ(axis.requiredSize(), r.size) << r.maxWidth;
        EXPECT_EQ(axis.getRequiredHeightSpace(), r.size.height);
    }
}
