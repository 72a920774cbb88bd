#pragma once
// Converts between chart values and view pixels for one axis: the value-to-content matrix from
// the axis range, then the view port's live touch matrix (zoom and pan), then the offset matrix
// that places the content inside the margins and sets the y direction.
#include "charting/core/ViewPortHandler.h"
#include "kit/base/AffineTransform.h"
#include "kit/base/Geometry.h"

#include <memory>
#include <vector>

namespace charting {

class Transformer {
public:
    explicit Transformer(std::shared_ptr<ViewPortHandler> viewPortHandler);
    Transformer() = delete;
    virtual ~Transformer() = default;

    const kit::AffineTransform& matrixValueToPx() const { return matrixValueToPx_; }
    void setMatrixValueToPx(const kit::AffineTransform& m) { matrixValueToPx_ = m; }
    const kit::AffineTransform& matrixOffset() const { return matrixOffset_; }
    void setMatrixOffset(const kit::AffineTransform& m) { matrixOffset_ = m; }
    const std::shared_ptr<ViewPortHandler>& viewPortHandler() const { return viewPortHandler_; }

    // Scales of +infinity (a range of 0 over a content size) become 0; NaN is kept.
    virtual void prepareMatrixValuePx(double chartXMin, double deltaX, double deltaY, double chartYMin);
    virtual void prepareMatrixOffset(bool inverted);

    // Value, then touch, then offset; computed at every read.
    kit::AffineTransform valueToPixelMatrix() const;
    // The inverse; a singular matrix comes back unchanged.
    kit::AffineTransform pixelToValueMatrix() const;

    kit::Point pixelForValues(double x, double y) const;
    kit::Point valueForTouchPoint(kit::Point point) const;
    kit::Point valueForTouchPoint(double x, double y) const;

    void convertPointToPixel(kit::Point& point) const;
    void convertPointsToPixels(std::vector<kit::Point>& points) const;
    void convertRectToPixels(kit::Rect& rect) const;
    // The bar grows out of value 0 with the vertical phase.
    void convertRectToPixels(kit::Rect& rect, double phaseY) const;
    void convertHorizontalRectToPixels(kit::Rect& rect) const { convertRectToPixels(rect); }
    // The bar grows out of value 0 with the phase applied along x.
    void convertHorizontalRectToPixels(kit::Rect& rect, double phaseY) const;
    void convertRectsToPixels(std::vector<kit::Rect>& rects) const;
    void convertPixelToValue(kit::Point& pixel) const;
    void convertPixelsToValues(std::vector<kit::Point>& pixels) const;

protected:
    kit::AffineTransform matrixValueToPx_;
    kit::AffineTransform matrixOffset_;

private:
    std::shared_ptr<ViewPortHandler> viewPortHandler_;
};

// For horizontal bars: an inverted axis grows leftwards from the right content edge.
class TransformerHorizontalBarChart : public Transformer {
public:
    using Transformer::Transformer;
    void prepareMatrixOffset(bool inverted) override;
};

} // namespace charting
