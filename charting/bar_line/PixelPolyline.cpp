#include "charting/bar_line/PixelPolyline.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace charting {

namespace {

// Enough for four points in every slice of a wide screen; more only when the line has more points.
constexpr std::size_t mergedReserve = 4 * 4096;
// A pixel column with this many points is drawn as ranges: one or two to a slice.
constexpr std::size_t denseColumn = 12;

} // namespace

void PixelPolyline::Extremes::start(kit::Point p) {
    first = lowest = highest = last = p;
    lowestAt = highestAt = 0;
    count = 1;
}

void PixelPolyline::begin(const kit::AffineTransform& toDevice, Reduction reduction, std::size_t expectedPoints,
                          double miterLimit) {
    merging_ = reduction != Reduction::everyPoint && toDevice.b == 0.0 && toDevice.c == 0.0 && toDevice.a != 0.0;
    ranging_ = merging_ && reduction == Reduction::denseColumnRanges;
    toDevice_ = toDevice;
    open_ = false;
    points_.clear();
    starts_.clear();
    resumeFrom_.reset();
    dense_.clear();
    turns_.clear();
    keptCount_ = 0;
    // A stroke mitres a turn whose interior angle t has 1 / sin(t / 2) within the limit, that is
    // cos t <= 1 - 2 / limit^2; cos t is minus the cosine between the two segments.
    miterLimit_ = std::max(1.0, miterLimit);
    const double sharpest = 1.0 - 2.0 / (miterLimit_ * miterLimit_);
    mitredSquared_ = sharpest > 0.0 ? sharpest * sharpest : 0.0;
    // Two segments within an angle a of upright turn by at most 2a: less than the 30 degrees that
    // count (a below 15 degrees), and, turning back, more sharply than the limit mitres (a below
    // asin(1 / limit)). The margin keeps the bound's own rounding on the safe side.
    steep_ = std::max(std::sqrt(miterLimit_ * miterLimit_ - 1.0), 3.8) * 1.001;
    pending_.clear();
    pendingCount_ = 0;
    points_.reserve(merging_ ? std::min(expectedPoints, mergedReserve) : expectedPoints);
}

void PixelPolyline::growKept() { kept_.resize(std::max<std::size_t>(2 * kept_.size(), 1024)); }

void PixelPolyline::findTurns(std::optional<kit::Point> next) {
    if (next) keepForTurns(*next);
    const std::size_t n = keptCount_;
    if (n >= 3) {
        // Most segments of a crowded line are steep; a turn between two of them is never looked at.
        // The loop works on copies: its byte stores could alias every member and reload them.
        flat_.resize(n);
        const Kept* kept = kept_.data();
        std::uint8_t* flat = flat_.data();
        const kit::AffineTransform toDevice = toDevice_;
        const double steep = steep_;
        kit::Point from = onGrid(toDevice, kept[0].point());
        for (std::size_t i = 1; i < n; ++i) {
            const kit::Point to = onGrid(toDevice, kept[i].point());
            flat[i] = !(std::abs(to.y - from.y) > steep * std::abs(to.x - from.x));
            from = to;
        }
        for (std::size_t i = 1; i + 1 < n; ++i)
            if (flat[i] | flat[i + 1]) checkTurn(i);
    }
    // The next point is kept again when it is added to its own column.
    if (next) --keptCount_;
}

void PixelPolyline::checkTurn(std::size_t at) {
    const kit::Point before = onGrid(toDevice_, kept_[at - 1].point()), corner = onGrid(toDevice_, kept_[at].point()),
                     after = onGrid(toDevice_, kept_[at + 1].point());
    const double inX = corner.x - before.x, inY = corner.y - before.y;
    const double outX = after.x - corner.x, outY = after.y - corner.y;
    // A turn bends enough when the cosine between its segments is below the bound for its side: a
    // repeated point (a segment of no length) makes no join and never does.
    const double dot = inX * outX + inY * outY;
    const double lengths = (inX * inX + inY * inY) * (outX * outX + outY * outY);
    if (!(dot * dot < (dot >= 0.0 ? kBendsSquared : mitredSquared_) * lengths)) return;
    const double inNorm = std::sqrt(inX * inX + inY * inY), outNorm = std::sqrt(outX * outX + outY * outY);
    const kit::Point in{inX / inNorm, inY / inNorm}, out{outX / outNorm, outY / outNorm};
    // The miter reaches 1 / cos(d / 2) half widths from the corner, d the angle the line turns by.
    const double turnCosine = in.x * out.x + in.y * out.y;
    if (2.0 > (1.0 + turnCosine) * miterLimit_ * miterLimit_) return;
    turns_.push_back({{corner.x / kRasterGrid, corner.y / kRasterGrid}, in, out});
}

void PixelPolyline::addToNewSlice(kit::Point p) {
    if (!merging_) {
        emit(p);
        return;
    }
    const std::int64_t slice = sliceOf(p.x);
    const bool fromNeighbour = open_ && slice == slice_ + 1;
    // The height where the segment from the open slice's last point crosses the edge between the two.
    double edgeY = p.y;
    if (fromNeighbour && ranging_) {
        const kit::Point from = inSlice_.last;
        const double x0 = toDevice_.a * from.x + toDevice_.tx, x1 = toDevice_.a * p.x + toDevice_.tx;
        const double edge = static_cast<double>(slice) / DenseColumn::kSlices;
        const double t = x1 != x0 ? std::clamp((edge - x0) / (x1 - x0), 0.0, 1.0) : 0.0;
        edgeY = from.y + t * (p.y - from.y);
    }
    closeSlice(fromNeighbour ? edgeY : inSlice_.last.y);
    // Slices of one pixel share their index divided by eight, rounded down.
    const std::int64_t pixel = slice >> 3;
    if (open_ && pixel != pixel_) closePixel(p);
    enteredFromNeighbour_ = fromNeighbour;
    entryY_ = edgeY;
    open_ = true;
    slice_ = slice;
    pixel_ = pixel;
    inSlice_.start(p);
}

const std::vector<kit::Point>& PixelPolyline::finish() {
    if (open_) {
        closeSlice(inSlice_.last.y);
        closePixel(std::nullopt);
        open_ = false;
    }
    return points_;
}

void PixelPolyline::closeSlice(double exitY) {
    if (!open_) return;
    if (!ranging_) {
        emitExtremes(inSlice_);
        return;
    }
    pending_.push_back({slice_, inSlice_, entryY_, enteredFromNeighbour_, exitY});
    pendingCount_ += inSlice_.count;
}

void PixelPolyline::emitExtremes(const Extremes& e) {
    emit(e.first);
    emit(e.lowestAt < e.highestAt ? e.lowest : e.highest);
    emit(e.lowestAt < e.highestAt ? e.highest : e.lowest);
    emit(e.last);
}

void PixelPolyline::closePixel(std::optional<kit::Point> next) {
    if (!ranging_) return;
    DenseColumn column;
    column.pixel = pixel_;
    column.top.fill(std::numeric_limits<float>::infinity());
    column.bottom.fill(-std::numeric_limits<float>::infinity());
    for (const auto& [at, e, entryY, fromNeighbour, exitY] : pending_) {
        // The heights the line reaches in the slice: where it enters and leaves (on the slice's edges)
        // and its extremes between.
        const double left = static_cast<double>(at) / DenseColumn::kSlices, right = left + 1.0 / DenseColumn::kSlices;
        const std::array<kit::Point, 4> reached{kit::Point{left, entryY}, e.lowest, e.highest, kit::Point{right, exitY}};
        const auto k = static_cast<std::size_t>(at - pixel_ * DenseColumn::kSlices);
        for (std::size_t r = 0; r < reached.size(); ++r) {
            const kit::Point p = reached[r];
            const double x = r == 0 || r == 3 ? p.x : toDevice_.a * p.x + toDevice_.tx;
            const auto y = static_cast<float>(toDevice_.d * p.y + toDevice_.ty);
            if (y < column.top[k]) {
                column.top[k] = y;
                column.topX[k] = static_cast<float>(x);
            }
            if (y > column.bottom[k]) {
                column.bottom[k] = y;
                column.bottomX[k] = static_cast<float>(x);
            }
        }
    }
    // Crowded, and no slice skipped: a segment across an empty slice would have no range to show it.
    const bool dense = pendingCount_ >= denseColumn &&
                       std::ranges::all_of(column.top, [](float top) { return std::isfinite(top); });
    if (dense) {
        // The stroke so far ends where the column starts, and resumes where it ends. Coming from the
        // last crowded column across a gap, the stroke draws the segment that bridges it.
        const Slice& entry = pending_.front();
        if (resumeFrom_ && !entry.enteredFromNeighbour) {
            starts_.push_back(points_.size());
            points_.push_back(*resumeFrom_);
            points_.push_back(entry.extremes.first);
        } else if (!points_.empty() && !resumeFrom_) {
            emit(entry.extremes.first);
        }
        resumeFrom_ = pending_.back().extremes.last;
        dense_.push_back(column);
        findTurns(next);
    } else {
        if (resumeFrom_) {
            starts_.push_back(points_.size());
            points_.push_back(*resumeFrom_);
            resumeFrom_.reset();
        }
        for (const auto& slice : pending_) emitExtremes(slice.extremes);
    }
    pending_.clear();
    pendingCount_ = 0;
    // The column's last point is the one before the next column's first.
    if (keptCount_ > 0) {
        kept_.front() = kept_[keptCount_ - 1];
        keptCount_ = 1;
    }
}

void PixelPolyline::emit(kit::Point p) {
    if (points_.empty()) starts_.push_back(0);
    if (points_.empty() || points_.back() != p) points_.push_back(p);
}

} // namespace charting
