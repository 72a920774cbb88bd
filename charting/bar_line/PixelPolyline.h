#pragma once
// A polyline gathered for one stroke or fill, reduced to what the device can show. Repeated points
// are dropped, and a run of consecutive points in one device pixel column keeps only its first,
// lowest, highest and last point, in drawing order: the reduced line covers the same pixels
// however many points the column held, so no spike is lost, and a million points cost a stroke
// of a few thousand.
#include "kit/base/AffineTransform.h"
#include "kit/base/Geometry.h"

#include <cstddef>
#include <vector>

namespace charting {

class PixelPolyline {
public:
    // Starts a new line. `toDevice` maps user space to device pixels; columns are merged only when
    // `mergeColumns` is set (a dash pattern follows the drawn length, so dashed lines keep every
    // point) and the mapping neither rotates nor shears. `expectedPoints` pre-sizes the buffer.
    void begin(const kit::AffineTransform& toDevice, bool mergeColumns, std::size_t expectedPoints);
    // Points that are not finite are left out, as a path leaves them out.
    void add(kit::Point p);
    // The reduced points; valid until the next begin().
    const std::vector<kit::Point>& finish();

private:
    void flushColumn();
    void emit(kit::Point p);

    std::vector<kit::Point> points_;
    bool merging_ = false;
    double scaleX_ = 1.0, offsetX_ = 0.0; // device x = scaleX_ * x + offsetX_
    // The open run of points in one column.
    bool open_ = false;
    double column_ = 0.0;
    kit::Point first_, lowest_, highest_, last_;
    std::size_t lowestAt_ = 0, highestAt_ = 0, count_ = 0;
};

} // namespace charting
