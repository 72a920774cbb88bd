#pragma once
// Douglas-Peucker line simplification in two variants: keep every point farther than a tolerance
// from the simplified line, or keep a given number of points, always taking next the point that
// deviates most. Both keep the first and last points and return the kept points in input order.
// Both work with explicit work lists, so the input length cannot exhaust the call stack.
#include "kit/base/Geometry.h"

#include <cstdint>
#include <vector>

namespace charting {

class DataApproximator {
public:
    // Unchanged for a tolerance of 0 or less, or for 2 points or fewer.
    static std::vector<kit::Point> reduceWithDouglasPeuker(const std::vector<kit::Point>& points, double tolerance);
    // Unchanged when resultCount < 3 or >= the number of points. May return fewer points than
    // asked (a straight run queues its whole span once more), never more.
    static std::vector<kit::Point> reduceWithDouglasPeukerN(const std::vector<kit::Point>& points,
                                                            std::int64_t resultCount);

    // The interior point of (start, end) farthest from the line through the two ends: its
    // perpendicular distance and index; (0, 0) when there is none or none lies off the line. The
    // first of equal maxima wins. When the two ends coincide, distances are measured from that
    // point, so a closed outline keeps its shape.
    struct Farthest {
        double distance = 0;
        std::int64_t index = 0;
    };
    static Farthest farthestPoint(const std::vector<kit::Point>& points, std::int64_t start, std::int64_t end);
};

} // namespace charting
