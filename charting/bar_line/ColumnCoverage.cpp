#include "charting/bar_line/ColumnCoverage.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace charting {

namespace {

constexpr int kSlices = DenseColumn::kSlices;
constexpr float kNone = std::numeric_limits<float>::infinity();

} // namespace

const kit::AlphaMask& ColumnCoverage::build(const std::vector<DenseColumn>& columns, double lineWidth,
                                            const kit::Rect& deviceClip) {
    mask_.reset(0, 0, 0, 0);
    if (columns.empty() || !(lineWidth > 0) || deviceClip.isEmpty()) return mask_;
    // The line's width in slices, and how far a slice's ink reaches to either side of it.
    const int width = std::clamp(static_cast<int>(std::lround(lineWidth * kSlices)), 1, 64 * kSlices);
    const int left = (width - 1) / 2, right = width - 1 - left;

    std::int64_t first = columns.front().pixel, last = first;
    for (const DenseColumn& c : columns) {
        first = std::min(first, c.pixel);
        last = std::max(last, c.pixel);
    }
    // Only what the clip shows, with room for the ink that reaches into it from outside.
    const auto clipLeft = static_cast<std::int64_t>(std::floor(deviceClip.minX()));
    const auto clipRight = static_cast<std::int64_t>(std::ceil(deviceClip.maxX()));
    const std::int64_t reach = width / kSlices + 1;
    first = std::max(first, clipLeft - reach);
    last = std::min(last, clipRight + reach);
    if (first > last) return mask_;

    // Slice ranges over the span, then each slice's ink: the union of the ranges of the slices within
    // reach, each widened by the chord of the line's round pen at that distance. A straight stretch so
    // gets the stroke's height hw sqrt(1 + s^2) at a slope s, and a turn's tip its rounded end.
    const std::int64_t base = first * kSlices;
    const auto span = static_cast<std::size_t>((last - first + 1) * kSlices);
    top_.assign(span, kNone);
    bottom_.assign(span, -kNone);
    for (const DenseColumn& c : columns) {
        if (c.pixel < first || c.pixel > last) continue;
        for (int k = 0; k < kSlices; ++k) {
            const auto i = static_cast<std::size_t>(c.pixel * kSlices + k - base);
            top_[i] = std::min(top_[i], c.top[k]);
            bottom_[i] = std::max(bottom_[i], c.bottom[k]);
        }
    }
    penChords(lineWidth / 2, left, right);
    const float widestChord = std::ranges::max(chords_);
    inkTop_.assign(span, kNone);
    inkBottom_.assign(span, -kNone);
    float minY = kNone, maxY = -kNone;
    for (std::size_t i = 0; i < span; ++i) {
        if (top_[i] > bottom_[i]) continue;
        const std::size_t from = i >= static_cast<std::size_t>(left) ? i - left : 0;
        const std::size_t to = std::min(span - 1, i + right);
        for (std::size_t j = from; j <= to; ++j) {
            const float chord = chords_[j + left - i];
            inkTop_[j] = std::min(inkTop_[j], top_[i] - chord);
            inkBottom_[j] = std::max(inkBottom_[j], bottom_[i] + chord);
        }
        minY = std::min(minY, top_[i] - widestChord);
        maxY = std::max(maxY, bottom_[i] + widestChord);
    }
    const double clipTop = std::floor(deviceClip.minY()), clipBottom = std::ceil(deviceClip.maxY());
    const double y0 = std::max(clipTop, std::floor(double(minY))), y1 = std::min(clipBottom, std::ceil(double(maxY)));
    const std::int64_t x0 = std::max(first, clipLeft), x1 = std::min(last, clipRight - 1);
    if (!(y0 < y1) || x0 > x1) return mask_;
    mask_.reset(static_cast<int>(x0), static_cast<int>(y0), static_cast<int>(x1 - x0 + 1), static_cast<int>(y1 - y0));

    // Each pixel column: the slices' ink, an eighth of the pixel's width each, summed per row.
    rows_.assign(static_cast<std::size_t>(mask_.height), 0.0f);
    for (std::int64_t px = x0; px <= x1; ++px) {
        std::size_t touchedFrom = rows_.size(), touchedTo = 0;
        for (int k = 0; k < kSlices; ++k) {
            const auto i = static_cast<std::size_t>((px - first) * kSlices + k);
            const double top = std::max(double(inkTop_[i]), y0), bottom = std::min(double(inkBottom_[i]), y1);
            if (!(top < bottom)) continue;
            const auto r0 = static_cast<std::size_t>(top - y0), r1 = static_cast<std::size_t>(std::ceil(bottom - y0));
            for (std::size_t r = r0; r < r1; ++r) {
                const double rowTop = y0 + double(r);
                rows_[r] += static_cast<float>(std::min(bottom, rowTop + 1) - std::max(top, rowTop)) / kSlices;
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

void ColumnCoverage::penChords(double halfWidth, int left, int right) {
    // The pen's centre sits mid-way across the reach; each slice gets the half chord averaged over
    // its width, so that the slices at the rim, only partly under the pen, ink little above and below.
    chords_.assign(static_cast<std::size_t>(left + right + 1), 0.0f);
    const double centre = (right - left + 1) / 2.0, slice = 1.0 / kSlices;
    constexpr int samples = 16;
    for (int o = -left; o <= right; ++o) {
        double sum = 0;
        for (int s = 0; s < samples; ++s) {
            const double x = (o + (s + 0.5) / samples - centre) * slice;
            sum += std::sqrt(std::max(0.0, halfWidth * halfWidth - x * x));
        }
        chords_[static_cast<std::size_t>(o + left)] = static_cast<float>(sum / samples);
    }
}

} // namespace charting
