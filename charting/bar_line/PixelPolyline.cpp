#include "charting/bar_line/PixelPolyline.h"

#include <algorithm>
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

void PixelPolyline::begin(const kit::AffineTransform& toDevice, Reduction reduction, std::size_t expectedPoints) {
    merging_ = reduction != Reduction::everyPoint && toDevice.b == 0.0 && toDevice.c == 0.0 && toDevice.a != 0.0;
    ranging_ = merging_ && reduction == Reduction::denseColumnRanges;
    toDevice_ = toDevice;
    open_ = false;
    points_.clear();
    starts_.clear();
    resumeFrom_.reset();
    dense_.clear();
    pending_.clear();
    pendingCount_ = 0;
    points_.reserve(merging_ ? std::min(expectedPoints, mergedReserve) : expectedPoints);
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
    if (open_ && pixel != pixel_) closePixel();
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
        closePixel();
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

void PixelPolyline::closePixel() {
    if (!ranging_) return;
    DenseColumn column;
    column.pixel = pixel_;
    column.top.fill(std::numeric_limits<float>::infinity());
    column.bottom.fill(-std::numeric_limits<float>::infinity());
    for (const auto& [at, e, entryY, fromNeighbour, exitY] : pending_) {
        const double a = toDevice_.d * std::min({e.lowest.y, entryY, exitY}) + toDevice_.ty;
        const double b = toDevice_.d * std::max({e.highest.y, entryY, exitY}) + toDevice_.ty;
        const auto k = static_cast<std::size_t>(at - pixel_ * DenseColumn::kSlices);
        column.top[k] = std::min(column.top[k], static_cast<float>(std::min(a, b)));
        column.bottom[k] = std::max(column.bottom[k], static_cast<float>(std::max(a, b)));
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
}

void PixelPolyline::emit(kit::Point p) {
    if (points_.empty()) starts_.push_back(0);
    if (points_.empty() || points_.back() != p) points_.push_back(p);
}

} // namespace charting
