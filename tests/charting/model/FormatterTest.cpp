#include "charting/model/ChartData.h"
#include "charting/model/ChartDataSet.h"
#include "charting/model/DefaultAxisValueFormatter.h"
#include "charting/model/DefaultFillFormatter.h"
#include "charting/model/DefaultValueFormatter.h"
#include "charting/model/IndexAxisValueFormatter.h"
#include "kit/base/Make.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace charting;

namespace {

const ChartDataEntry entry(0, 0);

TEST(DefaultFormatters, TextsFromDigitsBlocksAndNothing) {
    auto axis2 = DefaultAxisValueFormatter(2);
    EXPECT_EQ(axis2.stringForValue(3.14159, nullptr), "3.14");
    EXPECT_TRUE(axis2.hasAutoDecimals());
    EXPECT_EQ(axis2.stringForValue(1234.5, nullptr), "1,234.50");
    axis2.setFormatter(std::make_shared<kit::NumberFormatter>());
    EXPECT_FALSE(axis2.hasAutoDecimals());
    EXPECT_EQ(axis2.stringForValue(3.7, nullptr), "4");

    DefaultAxisValueFormatter plainAxis;
    EXPECT_TRUE(plainAxis.hasAutoDecimals());
    EXPECT_FALSE(plainAxis.decimals().has_value());
    EXPECT_EQ(plainAxis.stringForValue(1234.4, nullptr), "1234");

    EXPECT_EQ(DefaultValueFormatter().stringForValue(2.25, entry, 0, nullptr), "2.2");
    EXPECT_EQ(DefaultValueFormatter().decimals(), 1);
    EXPECT_EQ(DefaultValueFormatter(0).stringForValue(2.75, entry, 0, nullptr), "3");
    EXPECT_FALSE(DefaultValueFormatter(std::shared_ptr<kit::NumberFormatter>()).hasAutoDecimals());
    EXPECT_EQ(DefaultValueFormatter(std::shared_ptr<kit::NumberFormatter>()).stringForValue(1, entry, 0, nullptr), "");
    EXPECT_EQ(DefaultAxisValueFormatter(std::shared_ptr<kit::NumberFormatter>()).stringForValue(1, nullptr), "");

    // A block wins over any number formatter, also one assigned later.
    auto valueBlock = DefaultValueFormatter::withBlock(
        [](double v, const ChartDataEntry&, int set, ViewPortHandler*) { return std::to_string(set) + ":" + std::to_string(int(v)); });
    valueBlock->setFormatter(std::make_shared<kit::NumberFormatter>());
    EXPECT_EQ(valueBlock->stringForValue(7, entry, 2, nullptr), "2:7");
    auto axisBlock = DefaultAxisValueFormatter::withBlock([](double, AxisBase*) { return std::string("B"); });
    axisBlock->setFormatter(std::make_shared<kit::NumberFormatter>());
    EXPECT_EQ(axisBlock->stringForValue(1, nullptr), "B");
}

TEST(DefaultFormatters, ClearingDecimalsKeepsTheDigits) {
    DefaultValueFormatter value(3);
    value.setDecimals(std::nullopt);
    EXPECT_EQ(value.stringForValue(1.5, entry, 0, nullptr), "1.500");
    value.setDecimals(1);
    EXPECT_EQ(value.stringForValue(1.25, entry, 0, nullptr), "1.2");

    auto shared = std::make_shared<kit::NumberFormatter>();
    DefaultAxisValueFormatter axis(shared);
    axis.setDecimals(2); // changes the shared formatter itself
    EXPECT_EQ(shared->maximumFractionDigits(), 2);
    EXPECT_TRUE(shared->usesGroupingSeparator());
    axis.setDecimals(std::nullopt);
    EXPECT_EQ(shared->minimumFractionDigits(), 2);
}

TEST(IndexAxisValueFormatter, RoundedIndexMustMatchTheTruncatedValue) {
    IndexAxisValueFormatter f({"A", "B", "C"});
    const double inf = std::numeric_limits<double>::infinity();
    struct Row {
        double value;
        const char* text;
    } rows[] = {{0, "A"}, {1.4, "B"}, {2, "C"}, {-0.4, "A"}, {1.5, ""}, {2.6, ""}, {3, ""},
                {-1, ""}, {std::nan(""), ""}, {inf, ""}, {-inf, ""}, {1e300, ""}};
    for (auto row : rows) EXPECT_EQ(f.stringForValue(row.value, nullptr), row.text) << row.value;
    EXPECT_EQ(IndexAxisValueFormatter().stringForValue(0, nullptr), "");
}

struct FakeSet : LineChartDataSetProtocol {
    double min, max;
    FakeSet(double min, double max) : min(min), max(max) {}
    double yMin() const override { return min; }
    double yMax() const override { return max; }
};

struct FakeChart : LineChartDataProvider {
    std::shared_ptr<ChartData> chartData;
    double bottom = -100, top = 100;
    std::shared_ptr<ChartData> data() const override { return chartData; }
    double chartYMin() const override { return bottom; }
    double chartYMax() const override { return top; }
};

FakeChart chartFrom(double yMin, double yMax) {
    auto set = kit::make<ChartDataSet>(std::vector<EntryPtr>{kit::make<ChartDataEntry>(0, yMin), kit::make<ChartDataEntry>(1, yMax)});
    FakeChart chart;
    chart.chartData = kit::make<ChartData>(DataSetPtr(set));
    return chart;
}

TEST(DefaultFillFormatter, ClosesAtZeroOrAtTheChartsEdge) {
    DefaultFillFormatter f;
    struct Row {
        FakeSet set;
        double chartMin, chartMax;
        double position;
    } rows[] = {
        {{-5, 5}, 0, 1, 0},
        {{2, 8}, -3, 8, 0},
        {{2, 8}, 2, 8, -100}, // the chart's chartYMin
        {{-8, -2}, -8, 4, 0},
        {{-8, -2}, -8, -2, 100}, // the chart's chartYMax
    };
    for (const auto& row : rows) EXPECT_EQ(f.getFillLinePosition(row.set, chartFrom(row.chartMin, row.chartMax)), row.position);
    EXPECT_EQ(f.getFillLinePosition(FakeSet(2, 8), FakeChart()), 0);
    auto block = DefaultFillFormatter::withBlock([](const LineChartDataSetProtocol& s, const LineChartDataProvider&) { return s.yMax() * 2; });
    EXPECT_EQ(block->getFillLinePosition(FakeSet(2, 8), FakeChart()), 16);
}

} // namespace
