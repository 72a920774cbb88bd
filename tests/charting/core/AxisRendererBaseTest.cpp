#include "charting/core/XAxisRenderer.h"
#include "charting/core/YAxisRenderer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

using namespace charting;

namespace {

struct Axes {
    std::shared_ptr<ViewPortHandler> vp = std::make_shared<ViewPortHandler>(250, 150);
    std::shared_ptr<XAxis> x = std::make_shared<XAxis>();
    std::shared_ptr<YAxis> y = std::make_shared<YAxis>();
    XAxisRenderer xRenderer{vp, x, nullptr};
    YAxisRenderer yRenderer{vp, y, nullptr};
};

std::vector<double> computeX(double min, double max, int labelCount) {
    Axes a;
    a.x->setLabelCount(labelCount);
    a.xRenderer.computeAxisValues(min, max);
    return a.x->entries();
}

void expectNear(const std::vector<double>& actual, const std::vector<double>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_NEAR(actual[i], expected[i], 1e-12) << i;
}

} // namespace

TEST(AxisValues, RoundStepsOverTheRange) {
    struct Row {
        double min, max;
        int labelCount;
        std::vector<double> entries;
        int decimals;
    };
    const Row rows[] = {
        {0, 100, 6, {0, 20, 40, 60, 80, 100}, 0},
        {0, 1, 6, {0, 0.2, 0.4, 0.6, 0.8, 1.0}, 1},
        {0, 40, 5, {0, 10, 20, 30, 40}, 0},
        {-3, 7, 6, {-2, 0, 2, 4, 6}, 0},
        {-0.4, 3, 3, {0, 1, 2, 3}, 0},
    };
    for (const Row& row : rows) {
        Axes a;
        a.x->setLabelCount(row.labelCount);
        a.xRenderer.computeAxisValues(row.min, row.max);
        expectNear(a.x->entries(), row.entries);
        EXPECT_EQ(a.x->decimals(), row.decimals) << row.min << " " << row.max;
    }
    // A first value that comes out as -0 is stored as +0.
    EXPECT_FALSE(std::signbit(computeX(-0.4, 3, 3).front()));
}

TEST(AxisValues, GranularityForcedCountAndDecimals) {
    Axes a;
    a.x->setLabelCount(5);
    a.x->setGranularity(5);
    a.xRenderer.computeAxisValues(0, 10);
    EXPECT_EQ(a.x->entries(), (std::vector<double>{0, 5, 10}));
    a.x->setGranularity(0.5);
    a.xRenderer.computeAxisValues(0, 10);
    EXPECT_EQ(a.x->entries(), (std::vector<double>{0, 2, 4, 6, 8, 10}));

    Axes forced;
    forced.x->setLabelCount(3, true);
    forced.xRenderer.computeAxisValues(0, 10);
    EXPECT_EQ(forced.x->entries(), (std::vector<double>{0, 5, 10}));
    EXPECT_EQ(forced.x->decimals(), 0);

    const std::pair<double, int> steps[] = {{1, 0}, {0.25, 1}, {0.05, 2}};
    for (auto [range, expected] : steps) {
        Axes d;
        d.y->setLabelCount(2, true); // a forced count of 2 makes the interval the range itself
        d.yRenderer.computeAxisValues(0, range);
        EXPECT_EQ(d.y->decimals(), expected) << range;
    }
}

TEST(AxisValues, EmptyRangesKeepTheDecimals) {
    Axes a;
    a.x->setLabelCount(6);
    a.xRenderer.computeAxisValues(0, 0.5);
    ASSERT_FALSE(a.x->entries().empty());
    const int decimals = a.x->decimals();
    for (auto [min, max] : {std::pair{3.0, 3.0}, std::pair{0.0, std::numeric_limits<double>::infinity()},
                            std::pair{0.0, std::numeric_limits<double>::quiet_NaN()}}) {
        a.x->setCenteredEntries({1});
        a.xRenderer.computeAxisValues(min, max);
        EXPECT_TRUE(a.x->entries().empty());
        EXPECT_TRUE(a.x->centeredEntries().empty());
        EXPECT_EQ(a.x->decimals(), decimals);
    }
    // Ranges near the smallest double and near the largest end in defined, bounded results.
    a.xRenderer.computeAxisValues(0, 4.9e-324);
    EXPECT_TRUE(a.x->entries().empty());
    a.xRenderer.computeAxisValues(1e20, 1e20 + 65536);
    EXPECT_LE(a.x->entries().size(), 260u);
}

TEST(AxisValues, CentringFromTheFirstComputation) {
    // The stored flag decides, so a fresh axis centres at once (not only from the second call).
    Axes a;
    a.x->setLabelCount(6);
    a.x->setCenterAxisLabelsEnabled(true);
    a.xRenderer.computeAxisValues(0, 100);
    EXPECT_EQ(a.x->entries(), (std::vector<double>{-20, 0, 20, 40, 60, 80, 100, 120}));
    EXPECT_EQ(a.x->centeredEntries(), (std::vector<double>{-10, 10, 30, 50, 70, 90, 110, 130}));
    a.xRenderer.computeAxisValues(0, 100);
    EXPECT_EQ(a.x->entries().size(), 8u);

    // Forced count: exactly labelCount centred values on the x axis; every value on the y axis.
    Axes forced;
    forced.x->setLabelCount(4, true);
    forced.x->setCenterAxisLabelsEnabled(true);
    forced.xRenderer.computeAxisValues(0, 30);
    EXPECT_EQ(forced.x->centeredEntries(), (std::vector<double>{5, 15, 25, 35}));
    forced.y->setLabelCount(4, true);
    forced.y->setCenterAxisLabelsEnabled(true);
    forced.yRenderer.computeAxisValues(0, 30);
    EXPECT_EQ(forced.y->centeredEntries().size(), forced.y->entries().size());

    // A forced count of 1 makes no values and centres none.
    Axes one;
    one.x->setAxisMinLabels(1);
    one.x->setLabelCount(1, true);
    one.x->setCenterAxisLabelsEnabled(true);
    one.xRenderer.computeAxisValues(0, 10);
    EXPECT_TRUE(one.x->entries().empty());
    EXPECT_TRUE(one.x->centeredEntries().empty());
}

TEST(AxisValues, ComputeAxisUsesTheVisibleRangeOnlyWhenZoomed) {
    auto vp = std::make_shared<ViewPortHandler>(250, 150);
    vp->restrainViewPort(10, 20, 40, 30);
    auto t = std::make_shared<Transformer>(vp);
    t->prepareMatrixValuePx(0, 10, 50, 0);
    t->prepareMatrixOffset(false);
    auto x = std::make_shared<XAxis>();
    auto y = std::make_shared<YAxis>();
    x->setLabelCount(5);
    y->setLabelCount(5);
    XAxisRenderer xr(vp, x, t);
    YAxisRenderer yr(vp, y, t);

    xr.computeAxis(0, 100, false); // fully zoomed out: the given range
    EXPECT_EQ(x->entries().back(), 100);

    vp->setTouchMatrix(kit::AffineTransform::scale(2, 2));
    vp->setScaleX(2);
    vp->setScaleY(2);
    xr.computeAxis(0, 100, false); // visible x: 0 ... 5
    EXPECT_EQ(x->entries().back(), 5);
    yr.computeAxis(0, 100, false); // visible y: 0 ... 25 (the bottom edge's value is min)
    EXPECT_EQ(y->entries().front(), 0);
    EXPECT_EQ(y->entries().back(), 25);
    // Inverted: the top edge's value is passed as min.
    struct Capturing : YAxisRenderer {
        using YAxisRenderer::YAxisRenderer;
        void computeAxisValues(double min, double max) override { range = {min, max}; }
        std::pair<double, double> range;
    } capturing(vp, y, t);
    capturing.computeAxis(0, 100, true);
    EXPECT_EQ(capturing.range, (std::pair<double, double>{25, 0}));

    // A content width of exactly 10 uses the given range.
    vp->restrainViewPort(10, 20, 230, 30);
    xr.computeAxis(0, 100, false);
    EXPECT_EQ(x->entries().back(), 100);
}
