#include "charting/model/DataApproximator.h"

#include <gtest/gtest.h>

#include <algorithm>
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

// The two variants written the plain way: recursion, and a sorted list of segments.
void reduceRange(const Points& p, std::int64_t s, std::int64_t e, std::vector<bool>& keep, double tolerance) {
    if (s + 1 >= e) return;
    auto f = DataApproximator::farthestPoint(p, s, e);
    if (!(f.distance > tolerance)) return;
    keep[f.index] = true;
    reduceRange(p, s, f.index, keep, tolerance);
    reduceRange(p, f.index, e, keep, tolerance);
}

Points keptPoints(const Points& p, const std::vector<bool>& keep) {
    Points out;
    for (std::size_t i = 0; i < p.size(); ++i)
        if (keep[i]) out.push_back(p[i]);
    return out;
}

Points referenceTolerance(const Points& p, double tolerance) {
    std::vector<bool> keep(p.size());
    keep.front() = keep.back() = true;
    reduceRange(p, 0, std::int64_t(p.size()) - 1, keep, tolerance);
    return keptPoints(p, keep);
}

Points referenceCounted(const Points& p, std::int64_t resultCount) {
    struct Seg {
        std::int64_t s, e, index;
        double d;
    };
    std::vector<bool> keep(p.size());
    keep.front() = keep.back() = true;
    std::int64_t kept = 2;
    const auto n = std::int64_t(p.size());
    auto whole = DataApproximator::farthestPoint(p, 0, n - 1);
    std::vector<Seg> queue{{0, n - 1, whole.index, whole.distance}};
    while (true) {
        Seg seg = queue.back();
        queue.pop_back();
        keep[seg.index] = true;
        if (++kept == resultCount) break;
        for (auto [s, e] : {std::pair{seg.s, seg.index}, std::pair{seg.index, seg.e}}) {
            auto f = DataApproximator::farthestPoint(p, s, e);
            if (f.index < 1) continue;
            auto at = std::upper_bound(queue.begin(), queue.end(), f.distance, [](double d, const Seg& q) { return d < q.d; });
            queue.insert(at, Seg{s, e, f.index, f.distance});
        }
        if (queue.empty()) break;
    }
    return keptPoints(p, keep);
}

TEST(DataApproximator, SameKeptPointsAsThePlainMethodOnRandomLines) {
    std::uint64_t state = 99;
    auto next = [&] { return (state = state * 6364136223846793005ull + 1442695040888963407ull) >> 33; };
    for (int round = 0; round < 200; ++round) {
        Points points;
        auto n = 3 + next() % 40;
        // Small integer coordinates make equal deviations, where the tie rules decide.
        for (std::size_t i = 0; i < n; ++i) points.push_back({double(next() % 6), double(next() % 6)});
        if (round % 4 == 0) points.back() = points.front();
        EXPECT_EQ(DataApproximator::reduceWithDouglasPeuker(points, 0.7), referenceTolerance(points, 0.7));
        auto count = std::int64_t(3 + next() % (n - 2));
        if (count < std::int64_t(n)) {
            EXPECT_EQ(DataApproximator::reduceWithDouglasPeukerN(points, count), referenceCounted(points, count));
        }
    }
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
