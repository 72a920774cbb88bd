#pragma once
// The geometry of one chart view: its size, the content rectangle inside the margins, and the
// touch matrix that carries zoom and pan with the limits both must respect. No drawing here.
#include "kit/base/AffineTransform.h"
#include "kit/base/Geometry.h"

#include <limits>

namespace charting {

class NSUIView;

class ViewPortHandler {
public:
    // There is no handler without a size.
    ViewPortHandler(double width, double height);
    ViewPortHandler() = delete;
    virtual ~ViewPortHandler() = default;

    // Plain fields: a write stores the value and nothing else (no clamp, no re-limiting).
    const kit::AffineTransform& touchMatrix() const { return touchMatrix_; }
    void setTouchMatrix(const kit::AffineTransform& m) { touchMatrix_ = m; }
    const kit::Rect& contentRect() const { return contentRect_; }
    void setContentRect(const kit::Rect& r) { contentRect_ = r; }
    double chartWidth() const { return chartWidth_; }
    void setChartWidth(double v) { chartWidth_ = v; }
    double chartHeight() const { return chartHeight_; }
    void setChartHeight(double v) { chartHeight_ = v; }
    double minScaleY() const { return minScaleY_; }
    void setMinScaleY(double v) { minScaleY_ = v; }
    double maxScaleY() const { return maxScaleY_; }
    void setMaxScaleY(double v) { maxScaleY_ = v; }
    double minScaleX() const { return minScaleX_; }
    void setMinScaleX(double v) { minScaleX_ = v; }
    double maxScaleX() const { return maxScaleX_; }
    void setMaxScaleX(double v) { maxScaleX_ = v; }
    // Outputs of the last limiting step; writing them does not move the touch matrix.
    double scaleX() const { return scaleX_; }
    void setScaleX(double v) { scaleX_ = v; }
    double scaleY() const { return scaleY_; }
    void setScaleY(double v) { scaleY_ = v; }
    double transX() const { return transX_; }
    void setTransX(double v) { transX_ = v; }
    double transY() const { return transY_; }
    void setTransY(double v) { transY_ = v; }

    // New chart size; the margins are kept, so the content rectangle follows the size.
    void setChartDimens(double width, double height);
    bool hasChartDimens() const;
    // Content rectangle from margins; nothing is clamped (oversized margins give negative sizes).
    void restrainViewPort(double offsetLeft, double offsetTop, double offsetRight, double offsetBottom);

    double offsetLeft() const;
    double offsetRight() const;
    double offsetTop() const;
    double offsetBottom() const;
    double contentTop() const;
    double contentLeft() const;
    double contentRight() const;
    double contentBottom() const;
    double contentWidth() const;
    double contentHeight() const;
    kit::Point contentCenter() const;

    // Candidate matrices: none changes the handler except fitScreen(); commit with refresh().
    kit::AffineTransform zoom(double scaleX, double scaleY) const;
    kit::AffineTransform zoom(double scaleX, double scaleY, double x, double y) const;
    kit::AffineTransform zoomIn(double x, double y) const;
    kit::AffineTransform zoomOut(double x, double y) const;
    // The touch matrix at scale 1 on both axes (translation kept); the scale limits stay as set.
    kit::AffineTransform resetZoom() const;
    kit::AffineTransform setZoom(double scaleX, double scaleY) const;
    kit::AffineTransform setZoom(double scaleX, double scaleY, double x, double y) const;
    // Resets the minimum scales to 1 and answers the identity.
    kit::AffineTransform fitScreen();
    kit::AffineTransform translate(kit::Point pt) const;

    // Adopts, limits and returns the touch matrix, and asks the chart to redraw (always: the
    // flag is accepted for callers that pass it, an extra redraw is harmless).
    kit::AffineTransform refresh(const kit::AffineTransform& newMatrix, NSUIView& chart, bool invalidate);
    void centerViewPort(kit::Point pt, NSUIView& chart);
    // The limiting step: scales into their limits, then translations into the content's reach.
    void constrainTouchMatrix(kit::AffineTransform& matrix, const kit::Rect& content);

    // Limit setters; each re-limits the touch matrix in place (no redraw).
    void setMinimumScaleX(double scale);
    void setMaximumScaleX(double scale);
    void setMinMaxScaleX(double minScaleX, double maxScaleX);
    void setMinimumScaleY(double scale);
    void setMaximumScaleY(double scale);
    void setMinMaxScaleY(double minScaleY, double maxScaleY);

    // Hit tests against the raw content rectangle, with one point of tolerance left and right
    // and values floored to hundredths on the right and bottom.
    bool isInBoundsX(double x) const;
    bool isInBoundsY(double y) const;
    bool isInBounds(kit::Point point) const;
    bool isInBounds(double x, double y) const;
    bool isInBoundsLeft(double x) const;
    bool isInBoundsRight(double x) const;
    bool isInBoundsTop(double y) const;
    bool isInBoundsBottom(double y) const;
    // Whether the infinite line through the two points meets the content rectangle.
    bool isIntersectingLine(kit::Point from, kit::Point to) const;

    bool isFullyZoomedOut() const;
    bool isFullyZoomedOutY() const;
    bool isFullyZoomedOutX() const;
    // Drag offsets: how far the content may be dragged past its edges. Not re-limited here.
    void setDragOffsetX(double offset) { transOffsetX_ = offset; }
    void setDragOffsetY(double offset) { transOffsetY_ = offset; }
    bool hasNoDragOffset() const;
    bool canZoomOutMoreX() const;
    bool canZoomInMoreX() const;
    bool canZoomOutMoreY() const;
    bool canZoomInMoreY() const;

private:
    void limitTransAndScale(kit::AffineTransform& matrix, const kit::Rect& content);

    kit::AffineTransform touchMatrix_;
    kit::Rect contentRect_;
    double chartWidth_ = 0;
    double chartHeight_ = 0;
    double minScaleY_ = 1.0;
    double maxScaleY_ = std::numeric_limits<double>::max();
    double minScaleX_ = 1.0;
    double maxScaleX_ = std::numeric_limits<double>::max();
    double scaleX_ = 1.0;
    double scaleY_ = 1.0;
    double transX_ = 0;
    double transY_ = 0;
    double transOffsetX_ = 0;
    double transOffsetY_ = 0;
};

} // namespace charting
