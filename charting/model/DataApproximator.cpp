#include "charting/model/DataApproximator.h"

#include <cmath>
#include <map>
#include <utility>

namespace charting {

namespace {

std::vector<kit::Point> kept(const std::vector<kit::Point>& points, const std::vector<bool>& keep) {
    std::vector<kit::Point> out;
    for (std::size_t i = 0; i < points.size(); ++i)
        if (keep[i]) out.push_back(points[i]);
    return out;
}

} // namespace

DataApproximator::Farthest DataApproximator::farthestPoint(const std::vector<kit::Point>& points, std::int64_t start,
                                                           std::int64_t end) {
    Farthest result;
    if (start + 1 >= end) return result;
    const kit::Point s = points[static_cast<std::size_t>(start)];
    const kit::Point e = points[static_cast<std::size_t>(end)];
    const double sxey = s.x * e.y, exsy = e.x * s.y;
    const double dx = e.x - s.x, dy = e.y - s.y;
    const double length = std::sqrt(dx * dx + dy * dy);
    for (std::int64_t i = start + 1; i < end; ++i) {
        const kit::Point p = points[static_cast<std::size_t>(i)];
        double d = length == 0 ? std::hypot(p.x - s.x, p.y - s.y)
                               : std::fabs(dy * p.x - dx * p.y - sxey + exsy) / length;
        if (d > result.distance) {
            result.distance = d;
            result.index = i;
        }
    }
    return result;
}

std::vector<kit::Point> DataApproximator::reduceWithDouglasPeuker(const std::vector<kit::Point>& points,
                                                                  double tolerance) {
    if (!(tolerance > 0) || points.size() <= 2) return points;
    std::vector<bool> keep(points.size(), false);
    keep.front() = keep.back() = true;

    // The segments still to split; the kept set does not depend on the order they are taken in.
    std::vector<std::pair<std::int64_t, std::int64_t>> work{{0, static_cast<std::int64_t>(points.size()) - 1}};
    while (!work.empty()) {
        auto [start, end] = work.back();
        work.pop_back();
        if (start + 1 >= end) continue;
        Farthest f = farthestPoint(points, start, end);
        if (!(f.distance > tolerance)) continue;
        keep[static_cast<std::size_t>(f.index)] = true;
        work.emplace_back(f.index, end);
        work.emplace_back(start, f.index);
    }
    return kept(points, keep);
}

std::vector<kit::Point> DataApproximator::reduceWithDouglasPeukerN(const std::vector<kit::Point>& points,
                                                                   std::int64_t resultCount) {
    const auto count = static_cast<std::int64_t>(points.size());
    if (resultCount < 3 || resultCount >= count) return points;
    std::vector<bool> keep(points.size(), false);
    keep.front() = keep.back() = true;
    std::int64_t keptCount = 2;

    struct Segment {
        std::int64_t start, end, index;
    };
    // Ordered by deviation, then by the order of queuing: among equal deviations the segment
    // queued last is taken first.
    std::map<std::pair<double, std::uint64_t>, Segment> queue;
    std::uint64_t sequence = 0;
    auto enqueue = [&](std::int64_t start, std::int64_t end, Farthest f) {
        queue.emplace(std::make_pair(f.distance, sequence++), Segment{start, end, f.index});
    };
    enqueue(0, count - 1, farthestPoint(points, 0, count - 1));

    while (!queue.empty()) {
        auto last = std::prev(queue.end());
        Segment segment = last->second;
        queue.erase(last);
        keep[static_cast<std::size_t>(segment.index)] = true;
        if (++keptCount == resultCount) break;
        for (auto [start, end] : {std::pair{segment.start, segment.index}, std::pair{segment.index, segment.end}}) {
            Farthest f = farthestPoint(points, start, end);
            if (f.index >= 1) enqueue(start, end, f);
        }
    }
    return kept(points, keep);
}

} // namespace charting
