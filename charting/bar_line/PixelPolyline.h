#pragma once
// A polyline gathered for one stroke or fill, reduced to what the device can show. Repeated points
// are dropped, and a run of consecutive points in one slice (an eighth) of a device pixel column
// keeps only its first, lowest, highest and last point, in drawing order: the reduced line covers
// the same pixels however many points the slice held, so no spike is lost.
//
// Where a whole pixel column holds many points, the line zigzags through every height of each
// slice again and again. Such a column can instead be kept as its slices' height ranges, whose ink
// is computed directly (ColumnCoverage), and left out of the stroke, which then breaks into
// subpaths around it: the stroke of that zigzag is most of the rasteriser's work for a long line.
// The turns of such a column whose miter joins reach beyond the line are kept with it, so that its
// ink has the spurs the stroke would draw there.
#include "kit/base/AffineTransform.h"
#include "kit/base/Geometry.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace charting {

// One crowded device pixel column: the height range of the line in each slice, in device pixels,
// top above bottom, and where in x the line reaches the top and the bottom.
struct DenseColumn {
    static constexpr int kSlices = 8;
    std::int64_t pixel = 0;
    std::array<float, kSlices> top{}, bottom{}, topX{}, bottomX{};
};

// A turn of the line in a crowded column that its stroke's miter join draws as a spur: the corner
// and the unit directions into and out of it, in device pixels.
struct MiterTurn {
    kit::Point at, in, out;
};

class PixelPolyline {
public:
    enum class Reduction {
        everyPoint,        // a dash pattern follows the drawn length: every point stays
        sliceExtremes,     // the first, lowest, highest and last point of each slice
        denseColumnRanges, // as sliceExtremes, and crowded pixel columns become height ranges
    };

    // Starts a new line. `toDevice` maps user space to device pixels; points are merged only when the
    // mapping neither rotates nor shears. `expectedPoints` pre-sizes the buffer. `miterLimit` is the
    // stroke's (1 for joins that are not mitred): turns sharper than it allows are bevelled.
    void begin(const kit::AffineTransform& toDevice, Reduction reduction, std::size_t expectedPoints,
               double miterLimit = 10);
    // Points that are not finite are left out, as a path leaves them out. Inline: a long line calls it
    // once a point, and most points only widen the open slice.
    void add(kit::Point p) {
        if (!std::isfinite(p.x) || !std::isfinite(p.y)) return;
        if (merging_ && open_ && sliceOf(p.x) == slice_) inSlice_.take(p);
        else addToNewSlice(p);
        if (ranging_) keepForTurns(p);
    }
    // The reduced points; valid until the next begin().
    const std::vector<kit::Point>& finish();
    // Where each subpath of the reduced points starts (the first at 0 when there are points).
    const std::vector<std::size_t>& subpathStarts() const { return starts_; }
    // The crowded columns, left to right as drawn; valid after finish() until the next begin().
    const std::vector<DenseColumn>& denseColumns() const { return dense_; }
    // The mitred turns of the crowded columns, as drawn; valid after finish() until the next begin().
    const std::vector<MiterTurn>& miterTurns() const { return turns_; }

private:
    struct Extremes {
        kit::Point first, lowest, highest, last;
        std::size_t lowestAt = 0, highestAt = 0, count = 0;
        void start(kit::Point p);
        void take(kit::Point p) {
            if (p.y < lowest.y) {
                lowest = p;
                lowestAt = count;
            }
            if (p.y > highest.y) {
                highest = p;
                highestAt = count;
            }
            last = p;
            ++count;
        }
    };
    struct Slice {
        std::int64_t at;
        Extremes extremes;
        // Where the segment into the slice's first point crosses into the slice, when that segment
        // comes from the slice before; from further away (a gap in x, left-out points) the stroke
        // draws it, and this is the first point's own height.
        double entryY;
        bool enteredFromNeighbour;
        // Where the segment out of the slice's last point leaves it for the next slice, or that point's
        // own height. A steep segment so inks each slice only for the heights it passes there.
        double exitY;
    };

    // The slice of a device pixel column that x falls in; coordinates far beyond any surface are
    // clamped (they land in a slice of their own anyway). floor() as a whole number, without a library
    // call on machines that lack a rounding instruction.
    std::int64_t sliceOf(double x) const {
        const double at = std::clamp((toDevice_.a * x + toDevice_.tx) * DenseColumn::kSlices, -0x1p62, 0x1p62);
        const auto whole = static_cast<std::int64_t>(at);
        return whole - (static_cast<double>(whole) > at);
    }
    // Appends the point to the open column's points; the buffer grows out of line, seldom.
    void keepForTurns(kit::Point p) {
        if (keptCount_ == kept_.size()) growKept();
        kept_[keptCount_++] = Kept::of(p);
    }
    void growKept();
    // The turns of the open pixel column that its stroke mitres beyond a pen of the line's width, its
    // points being kept_ and `next` the first point after it, if any.
    void findTurns(std::optional<kit::Point> next);
    // The turn at the grid point `at`, a candidate found by findTurns.
    void checkTurn(std::size_t at);
    // The rasteriser strokes points rounded to 1/256 of a device pixel, which turns the short segments
    // of a crowded line by much: its joins are found on the same grid, in its units. Rounded to nearest
    // by the double's own rounding, without a library call.
    static constexpr double kRasterGrid = 256.0;
    static double toRasterGrid(double v) {
        constexpr double roundingBias = 0x1.8p52;
        return std::min(std::max(v * kRasterGrid, -0x1p50), 0x1p50) + roundingBias - roundingBias;
    }
    // Below this squared cosine of the angle between the two segments a turn's miter reaches
    // noticeably beyond a pen of the line's width (at 30 degrees, by 3.5 % of the half width).
    static constexpr double kBendsSquared = 0.75;
    // A point in device pixels on the rasteriser's grid, in its units; `toDevice` neither rotates nor shears.
    static kit::Point onGrid(const kit::AffineTransform& toDevice, kit::Point p) {
        return {toRasterGrid(toDevice.a * p.x + toDevice.tx), toRasterGrid(toDevice.d * p.y + toDevice.ty)};
    }
    void addToNewSlice(kit::Point p);
    void closeSlice(double exitY);
    // Closes the open pixel column; `next` is the point that opens the next one, if any.
    void closePixel(std::optional<kit::Point> next);
    void emitExtremes(const Extremes& e);
    void emit(kit::Point p);

    std::vector<kit::Point> points_;
    std::vector<std::size_t> starts_;
    std::vector<DenseColumn> dense_;
    std::vector<MiterTurn> turns_;
    // The open pixel column's points (`keptCount_` of them), after the point before the column (if any):
    // a crowded column's turns are looked for when it closes, only at its segments that are less than
    // steep (`flat_`, for the segment into each point).
    // The points are kept as bit patterns: a store of doubles (or bytes) could alias the state add() works
    // on, which the compiler would then reload for every point.
    struct Kept {
        unsigned long long x, y;
        static Kept of(kit::Point p) { return {std::bit_cast<unsigned long long>(p.x), std::bit_cast<unsigned long long>(p.y)}; }
        kit::Point point() const { return {std::bit_cast<double>(x), std::bit_cast<double>(y)}; }
    };
    std::vector<Kept> kept_;
    std::size_t keptCount_ = 0;
    std::vector<std::uint8_t> flat_;
    // A segment is steep when it rises more than `steep_` times as much as it runs: two steep segments
    // neither bend much nor are mitred when they turn back.
    double steep_ = 10.0;
    double miterLimit_ = 10.0;
    // The squared cosine of the sharpest turn back the stroke still mitres (0 when it mitres none).
    double mitredSquared_ = 0.0;
    // The open pixel column's closed slices, until it is known whether the column is crowded.
    std::vector<Slice> pending_;
    std::size_t pendingCount_ = 0;
    bool merging_ = false, ranging_ = false;
    kit::AffineTransform toDevice_;
    bool open_ = false;
    std::int64_t slice_ = 0, pixel_ = 0;
    Extremes inSlice_;
    double entryY_ = 0.0;
    bool enteredFromNeighbour_ = false;
    // The last point of the crowded column just closed: the stroke resumes from it.
    std::optional<kit::Point> resumeFrom_;
};

} // namespace charting
