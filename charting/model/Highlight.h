#pragma once
// The record of one selected value: which data set, which entry position (value and pixel),
// which stack slot, which y axis, and where on screen it was last drawn. A small value type;
// renderers record the draw position on the chart's own list of highlights.
#include "charting/model/AxisDependency.h"
#include "kit/base/Geometry.h"

#include <limits>
#include <string>

namespace charting {

class Highlight {
public:
    static constexpr double nan = std::numeric_limits<double>::quiet_NaN();

    Highlight() = default;
    Highlight(double x, double y, double xPx, double yPx, int dataIndex, int dataSetIndex, int stackIndex,
              AxisDependency axis)
        : x_(x), y_(y), xPx_(xPx), yPx_(yPx), dataIndex_(dataIndex), dataSetIndex_(dataSetIndex),
          stackIndex_(stackIndex), axis_(axis) {}
    // Data index 0.
    Highlight(double x, double y, double xPx, double yPx, int dataSetIndex, int stackIndex, AxisDependency axis)
        : Highlight(x, y, xPx, yPx, 0, dataSetIndex, stackIndex, axis) {}
    // Data index and stack index -1.
    Highlight(double x, double y, double xPx, double yPx, int dataSetIndex, AxisDependency axis)
        : x_(x), y_(y), xPx_(xPx), yPx_(yPx), dataSetIndex_(dataSetIndex), axis_(axis) {}
    // No pixel positions, not stacked, left axis.
    Highlight(double x, double y, int dataSetIndex, int dataIndex)
        : x_(x), y_(y), dataIndex_(dataIndex), dataSetIndex_(dataSetIndex) {}
    // y NaN and data index -1, then the stack index.
    Highlight(double x, int dataSetIndex, int stackIndex) : Highlight(x, nan, dataSetIndex, -1) {
        stackIndex_ = stackIndex;
    }

    double x() const { return x_; }
    double y() const { return y_; }
    double xPx() const { return xPx_; }
    double yPx() const { return yPx_; }
    // The index of the data object inside combined data.
    int dataIndex() const { return dataIndex_; }
    void setDataIndex(int index) { dataIndex_ = index; }
    int dataSetIndex() const { return dataSetIndex_; }
    // -1 means not stacked. Bar charts select a slot of a found highlight, so it can be set.
    int stackIndex() const { return stackIndex_; }
    void setStackIndex(int index) { stackIndex_ = index; }
    AxisDependency axis() const { return axis_; }
    bool isStacked() const { return stackIndex_ >= 0; }

    double drawX() const { return drawX_; }
    void setDrawX(double x) { drawX_ = x; }
    double drawY() const { return drawY_; }
    void setDrawY(double y) { drawY_ = y; }
    void setDraw(double x, double y) {
        setDrawX(x);
        setDrawY(y);
    }
    void setDraw(kit::Point point) { setDraw(point.x, point.y); }

    // The same object, or exactly equal x, y, data index, data-set index and stack index; pixel
    // and draw positions and the axis take no part, and a NaN never equals. Not an operator==,
    // since it is not reflexive for NaN values.
    bool isEqual(const Highlight& other) const;
    // "Highlight, x: 2.0, y: nan, dataIndex (combined charts): -1, dataSetIndex: 0, stackIndex
    // (only stacked barentry): -1"
    std::string description() const;

private:
    double x_ = nan;
    double y_ = nan;
    double xPx_ = nan;
    double yPx_ = nan;
    int dataIndex_ = -1;
    int dataSetIndex_ = 0;
    int stackIndex_ = -1;
    AxisDependency axis_ = AxisDependency::left;
    double drawX_ = 0;
    double drawY_ = 0;
};

// A half-open interval: the span of one slot of a stacked bar.
struct Range {
    Range(double start, double end) : from(start), to(end) {}
    double from;
    double to;

    // Lower end open, upper end closed; any NaN gives false.
    bool contains(double value) const { return value > from && value <= to; }
    bool isLarger(double value) const { return value > to; }
    bool isSmaller(double value) const { return value < from; }
};

} // namespace charting
