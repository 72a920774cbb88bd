#include "charting/bar_line/ColumnCoverage.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>
#include <limits>

namespace charting {

namespace {

constexpr int kSlices = DenseColumn::kSlices;
constexpr float kNone = std::numeric_limits<float>::infinity();
// The ink is computed in half slices: a slice's points reach half the line's width to either side of
// its middle, which is a half slice's edge.
constexpr int kInkSlices = 2 * kSlices;

} // namespace

const kit::AlphaMask& ColumnCoverage::build(const std::vector<DenseColumn>& columns, const std::vector<MiterTurn>& turns,
                                            double lineWidth, double miterLimit, const kit::Rect& deviceClip) {
    mask_.reset(0, 0, 0, 0);
    if (columns.empty() || !(lineWidth > 0) || deviceClip.isEmpty()) return mask_;
    // How many half slices a slice's ink reaches to either side of its middle: half the line's width.
    const int halfReach = std::clamp(static_cast<int>(std::lround(lineWidth / 2 * kInkSlices)), 1, 32 * kInkSlices);
    const double halfWidth = lineWidth / 2;

    std::int64_t first = columns.front().pixel, last = first;
    for (const DenseColumn& c : columns) {
        first = std::min(first, c.pixel);
        last = std::max(last, c.pixel);
    }
    // Only what the clip shows, with room for the ink that reaches into it from outside: the line's
    // half width, and a miter up to the limit's number of half widths.
    const auto clipLeft = static_cast<std::int64_t>(std::floor(deviceClip.minX()));
    const auto clipRight = static_cast<std::int64_t>(std::ceil(deviceClip.maxX()));
    const std::int64_t reach = static_cast<std::int64_t>(std::ceil(halfWidth * std::clamp(miterLimit, 1.0, 64.0))) + 1;
    first = std::max(first - reach, clipLeft - reach);
    last = std::min(last + reach, clipRight + reach);
    if (first > last) return mask_;

    // The ink of each half slice: the tops and bottoms of the slices whose top or bottom lies within
    // half the line's width of it, each widened by what a slope adds to the stroke's height (the
    // widening to either side already gives hw |s| of hw sqrt(1 + s^2)), then the miters.
    const auto inkSpan = static_cast<std::size_t>((last - first + 1) * kInkSlices);
    inkTop_.assign(inkSpan, kNone);
    inkBottom_.assign(inkSpan, -kNone);
    const auto inkBase = static_cast<double>(first * kInkSlices);
    // Widens the ink of the half slices within half the line's width of x to take in y.
    const auto widen = [&](double x, float y) {
        const auto from = static_cast<std::int64_t>(std::lround(x * kInkSlices - inkBase)) - halfReach;
        const auto to = std::min<std::int64_t>(from + 2 * halfReach, static_cast<std::int64_t>(inkSpan));
        for (auto j = static_cast<std::size_t>(std::max<std::int64_t>(from, 0)); j < static_cast<std::size_t>(std::max<std::int64_t>(to, 0)); ++j) {
            inkTop_[j] = std::min(inkTop_[j], y);
            inkBottom_[j] = std::max(inkBottom_[j], y);
        }
    };
    for (const DenseColumn& c : columns) {
        if (c.pixel < first || c.pixel > last) continue;
        for (int k = 0; k < kSlices; ++k) {
            if (!(c.top[k] <= c.bottom[k])) continue;
            const double slope = double(c.bottom[k] - c.top[k]) * kSlices;
            const auto extra = static_cast<float>(halfWidth * (std::sqrt(1 + slope * slope) - slope));
            // The top edge of the ink follows where the line reaches its top, the bottom edge where it
            // reaches its bottom: the line's height range is all inked where both reach.
            widen(c.topX[k], c.top[k] - extra);
            widen(c.bottomX[k], c.bottom[k] + extra);
        }
    }
    for (const MiterTurn& turn : turns) addMiter(turn, halfWidth, first * kInkSlices);
    float minY = kNone, maxY = -kNone;
    for (std::size_t i = 0; i < inkSpan; ++i) {
        minY = std::min(minY, inkTop_[i]);
        maxY = std::max(maxY, inkBottom_[i]);
    }
    const double clipTop = std::floor(deviceClip.minY()), clipBottom = std::ceil(deviceClip.maxY());
    const double y0 = std::max(clipTop, std::floor(double(minY))), y1 = std::min(clipBottom, std::ceil(double(maxY)));
    const std::int64_t x0 = std::max(first, clipLeft), x1 = std::min(last, clipRight - 1);
    if (!(y0 < y1) || x0 > x1) return mask_;
    mask_.reset(static_cast<int>(x0), static_cast<int>(y0), static_cast<int>(x1 - x0 + 1), static_cast<int>(y1 - y0));

    // Each pixel column: the half slices' ink, a sixteenth of the pixel's width each, summed per row.
    rows_.assign(static_cast<std::size_t>(mask_.height), 0.0f);
    for (std::int64_t px = x0; px <= x1; ++px) {
        std::size_t touchedFrom = rows_.size(), touchedTo = 0;
        for (int k = 0; k < kInkSlices; ++k) {
            const auto i = static_cast<std::size_t>((px - first) * kInkSlices + k);
            const double top = std::max(double(inkTop_[i]), y0), bottom = std::min(double(inkBottom_[i]), y1);
            if (!(top < bottom)) continue;
            const auto r0 = static_cast<std::size_t>(top - y0), r1 = static_cast<std::size_t>(std::ceil(bottom - y0));
            for (std::size_t r = r0; r < r1; ++r) {
                const double rowTop = y0 + double(r);
                rows_[r] += static_cast<float>(std::min(bottom, rowTop + 1) - std::max(top, rowTop)) / kInkSlices;
            }
            touchedFrom = std::min(touchedFrom, r0);
            touchedTo = std::max(touchedTo, r1);
        }
        const auto column = static_cast<std::size_t>(px - x0);
        for (std::size_t r = touchedFrom; r < touchedTo; ++r) {
            mask_.row(static_cast<int>(r))[column] = static_cast<std::uint8_t>(std::lround(std::min(1.0f, rows_[r]) * 255));
            rows_[r] = 0.0f;
        }
    }
    return mask_;
}

void ColumnCoverage::addMiter(const MiterTurn& turn, double halfWidth, std::int64_t base) {
    const kit::Point v = turn.at, in = turn.in, out = turn.out;
    const double cross = in.x * out.y - in.y * out.x;
    if (cross == 0.0) return;
    // The miter lies on the outer side of the turn: between the corners of the two segments' edges
    // there and the point where those edges meet.
    const double side = cross > 0 ? 1.0 : -1.0;
    const kit::Point n1{side * in.y, -side * in.x}, n2{side * out.y, -side * out.x};
    const double reach = halfWidth / (1.0 + n1.x * n2.x + n1.y * n2.y);
    const std::array<kit::Point, 4> miter{v, kit::Point{v.x + halfWidth * n1.x, v.y + halfWidth * n1.y},
                                         kit::Point{v.x + reach * (n1.x + n2.x), v.y + reach * (n1.y + n2.y)},
                                         kit::Point{v.x + halfWidth * n2.x, v.y + halfWidth * n2.y}};
    double minX = v.x, maxX = v.x, minY = v.y, maxY = v.y;
    for (const kit::Point& p : miter) {
        minX = std::min(minX, p.x);
        maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y);
        maxY = std::max(maxY, p.y);
    }
    const auto span = static_cast<std::int64_t>(inkTop_.size());
    const auto from = std::max<std::int64_t>(static_cast<std::int64_t>(std::floor(minX * kInkSlices)), base);
    const auto to = std::min<std::int64_t>(static_cast<std::int64_t>(std::floor(maxX * kInkSlices)), base + span - 1);
    // Most miters of a crowded column lie inside the ink already: their height range in each half slice
    // is within the ink's there, and they add nothing.
    bool inside = true;
    for (std::int64_t s = from; s <= to; ++s) {
        const auto i = static_cast<std::size_t>(s - base);
        inside &= double(inkTop_[i]) <= minY && double(inkBottom_[i]) >= maxY;
    }
    if (inside) return;
    for (std::int64_t s = from; s <= to; ++s) {
        // The miter's height range within the half slice: where its edges enter, leave or end in it.
        const double x0 = double(s) / kInkSlices, x1 = double(s + 1) / kInkSlices;
        double top = kNone, bottom = -kNone;
        for (std::size_t e = 0; e < miter.size(); ++e) {
            const kit::Point p = miter[e], q = miter[(e + 1) % miter.size()];
            const double lo = std::max(x0, std::min(p.x, q.x)), hi = std::min(x1, std::max(p.x, q.x));
            if (lo > hi) continue;
            const double ya = p.x == q.x ? p.y : p.y + (q.y - p.y) * (lo - p.x) / (q.x - p.x);
            const double yb = p.x == q.x ? q.y : p.y + (q.y - p.y) * (hi - p.x) / (q.x - p.x);
            top = std::min({top, ya, yb});
            bottom = std::max({bottom, ya, yb});
        }
        if (top > bottom) continue;
        const auto i = static_cast<std::size_t>(s - base);
        inkTop_[i] = std::min(inkTop_[i], static_cast<float>(top));
        inkBottom_[i] = std::max(inkBottom_[i], static_cast<float>(bottom));
    }
}

} // namespace charting
