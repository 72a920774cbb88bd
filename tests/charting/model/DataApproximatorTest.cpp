#include "charting/model/DataApproximator.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace charting;
using Points = std::vector<kit::Point>;

namespace {

const Points zigzag{{0, 0}, {1, 1}, {2, 0}, {3, 1}, {4, 0}};
const Points straight{{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}};

TEST(DataApproximator, ToleranceVariant) {
    struct Row {
        Points points;
        double tolerance;
        Points result;
    } rows[] = {
        {zigzag, 0, zigzag},
        {zigzag, -1, zigzag},
        {{{0, 0}, {5, 5}}, 1, {{0, 0}, {5, 5}}},
        {straight, 0.1, {{0, 0}, {4, 4}}},
        {zigzag, 0.5, zigzag},
        {zigzag, 2, {{0, 0}, {4, 0}}},
        // A closed outline keeps its shape: distances from the shared end point.
        {{{0, 0}, {2, 0}, {2, 2}, {0, 2}, {0, 0}}, 0.5, {{0, 0}, {2, 0}, {2, 2}, {0, 2}, {0, 0}}},
        {{{0, 0}, {1, 0.1}, {3, 3}, {0, 0.2}, {0, 0}}, 1, {{0, 0}, {3, 3}, {0, 0}}},
    };
    for (const auto& row : rows) EXPECT_EQ(DataApproximator::reduceWithDouglasPeuker(row.points, row.tolerance), row.result);
}

TEST(DataApproximator, CountedVariant) {
    struct Row {
        Points points;
        std::int64_t count;
        Points result;
    } rows[] = {
        {zigzag, 2, zigzag},
        {zigzag, 5, zigzag},
        {zigzag, 3, {{0, 0}, {1, 1}, {4, 0}}}, // the first of equal maxima
        {zigzag, 4, {{0, 0}, {1, 1}, {2, 0}, {4, 0}}},
        {straight, 4, {{0, 0}, {4, 4}}}, // a straight run gives fewer points, never more
    };
    for (const auto& row : rows) EXPECT_EQ(DataApproximator::reduceWithDouglasPeukerN(row.points, row.count), row.result);
}

TEST(DataApproximator, DeepInputNeedsNoDeepStack) {
    // An exponential curve splits one point off at a time: a recursion would go a million deep.
    Points curve;
    for (int i = 0; i < 1000000; ++i) curve.push_back({double(i), std::exp(i * 1e-5) * 1e3});
    auto reduced = DataApproximator::reduceWithDouglasPeuker(curve, 1e-9);
    EXPECT_GT(reduced.size(), 2u);
    EXPECT_EQ(reduced.front(), curve.front());
    EXPECT_EQ(reduced.back(), curve.back());
}

} // namespace
