#include "charting/bar_line/PixelPolyline.h"

#include <algorithm>
#include <cmath>

namespace charting {

namespace {

// Enough for four points in every column of a wide screen; more only when the line has more points.
constexpr std::size_t mergedReserve = 4 * 4096;
constexpr double columnsPerPixel = 4;

} // namespace

void PixelPolyline::begin(const kit::AffineTransform& toDevice, bool mergeColumns, std::size_t expectedPoints) {
    merging_ = mergeColumns && toDevice.b == 0.0 && toDevice.c == 0.0 && toDevice.a != 0.0;
    scaleX_ = toDevice.a;
    offsetX_ = toDevice.tx;
    open_ = false;
    count_ = 0;
    points_.clear();
    points_.reserve(merging_ ? std::min(expectedPoints, mergedReserve) : expectedPoints);
}

void PixelPolyline::add(kit::Point p) {
    if (!std::isfinite(p.x) || !std::isfinite(p.y)) return;
    if (!merging_) {
        emit(p);
        return;
    }
    const double column = std::floor((scaleX_ * p.x + offsetX_) * columnsPerPixel);
    if (open_ && column == column_) {
        if (p.y < lowest_.y) {
            lowest_ = p;
            lowestAt_ = count_;
        }
        if (p.y > highest_.y) {
            highest_ = p;
            highestAt_ = count_;
        }
        last_ = p;
        ++count_;
        return;
    }
    flushColumn();
    open_ = true;
    column_ = column;
    first_ = lowest_ = highest_ = last_ = p;
    lowestAt_ = highestAt_ = 0;
    count_ = 1;
}

const std::vector<kit::Point>& PixelPolyline::finish() {
    flushColumn();
    return points_;
}

void PixelPolyline::flushColumn() {
    if (!open_) return;
    open_ = false;
    emit(first_);
    if (lowestAt_ < highestAt_) {
        emit(lowest_);
        emit(highest_);
    } else {
        emit(highest_);
        emit(lowest_);
    }
    emit(last_);
}

void PixelPolyline::emit(kit::Point p) {
    if (points_.empty() || points_.back() != p) points_.push_back(p);
}

} // namespace charting
