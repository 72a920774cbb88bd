#include "charting/core/Transformer.h"

#include <cmath>
#include <limits>

namespace charting {

Transformer::Transformer(std::shared_ptr<ViewPortHandler> viewPortHandler)
    : viewPortHandler_(std::move(viewPortHandler)) {}

void Transformer::prepareMatrixValuePx(double chartXMin, double deltaX, double deltaY, double chartYMin) {
    double scaleX = viewPortHandler_->contentWidth() / deltaX;
    double scaleY = viewPortHandler_->contentHeight() / deltaY;
    constexpr double infinity = std::numeric_limits<double>::infinity();
    if (scaleX == infinity) scaleX = 0;
    if (scaleY == infinity) scaleY = 0;
    matrixValueToPx_ = kit::AffineTransform::identity().scaled(scaleX, -scaleY).translated(-chartXMin, -chartYMin);
}

void Transformer::prepareMatrixOffset(bool inverted) {
    const ViewPortHandler& vp = *viewPortHandler_;
    if (!inverted) {
        matrixOffset_ = kit::AffineTransform::translation(vp.offsetLeft(), vp.chartHeight() - vp.offsetBottom());
    } else {
        matrixOffset_ = kit::AffineTransform::scale(1.0, -1.0).translated(vp.offsetLeft(), -vp.offsetTop());
    }
}

void TransformerHorizontalBarChart::prepareMatrixOffset(bool inverted) {
    const ViewPortHandler& vp = *viewPortHandler();
    if (!inverted) {
        matrixOffset_ = kit::AffineTransform::translation(vp.offsetLeft(), vp.chartHeight() - vp.offsetBottom());
    } else {
        matrixOffset_ = kit::AffineTransform::scale(-1.0, 1.0)
                            .translated(-(vp.chartWidth() - vp.offsetRight()), vp.chartHeight() - vp.offsetBottom());
    }
}

kit::AffineTransform Transformer::valueToPixelMatrix() const {
    return matrixValueToPx_.concat(viewPortHandler_->touchMatrix()).concat(matrixOffset_);
}

kit::AffineTransform Transformer::pixelToValueMatrix() const {
    const kit::AffineTransform m = valueToPixelMatrix();
    // Not kit's inverse, which answers the identity for a singular matrix.
    if (m.a * m.d - m.b * m.c == 0) return m;
    return m.inverted();
}

kit::Point Transformer::pixelForValues(double x, double y) const { return valueToPixelMatrix().apply(kit::Point{x, y}); }

kit::Point Transformer::valueForTouchPoint(kit::Point point) const { return pixelToValueMatrix().apply(point); }

kit::Point Transformer::valueForTouchPoint(double x, double y) const { return valueForTouchPoint(kit::Point{x, y}); }

void Transformer::convertPointToPixel(kit::Point& point) const { point = valueToPixelMatrix().apply(point); }

void Transformer::convertPointsToPixels(std::vector<kit::Point>& points) const {
    const kit::AffineTransform m = valueToPixelMatrix();
    for (kit::Point& p : points) p = m.apply(p);
}

void Transformer::convertRectToPixels(kit::Rect& rect) const { rect = valueToPixelMatrix().apply(rect); }

void Transformer::convertRectToPixels(kit::Rect& rect, double phaseY) const {
    const double bottom = (rect.y() + rect.height()) * phaseY;
    const double top = rect.y() * phaseY;
    rect = kit::Rect{rect.x(), top, rect.width(), bottom - top};
    convertRectToPixels(rect);
}

void Transformer::convertHorizontalRectToPixels(kit::Rect& rect, double phaseY) const {
    const double left = rect.x() * phaseY;
    const double right = (rect.x() + rect.width()) * phaseY;
    rect = kit::Rect{left, rect.y(), right - left, rect.height()};
    convertRectToPixels(rect);
}

void Transformer::convertRectsToPixels(std::vector<kit::Rect>& rects) const {
    const kit::AffineTransform m = valueToPixelMatrix();
    for (kit::Rect& r : rects) r = m.apply(r);
}

void Transformer::convertPixelToValue(kit::Point& pixel) const { pixel = pixelToValueMatrix().apply(pixel); }

void Transformer::convertPixelsToValues(std::vector<kit::Point>& pixels) const {
    const kit::AffineTransform m = pixelToValueMatrix();
    for (kit::Point& p : pixels) p = m.apply(p);
}

} // namespace charting
