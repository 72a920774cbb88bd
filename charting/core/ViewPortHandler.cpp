#include "charting/core/ViewPortHandler.h"

#include "charting/core/NSUIView.h"

#include <cmath>

namespace charting {
namespace {

// The comparisons the limiting step is defined by: NaN and crossed limits resolve as written.
double maxOf(double p, double q) { return q >= p ? q : p; }
double minOf(double p, double q) { return q < p ? q : p; }

// Translation applied in the matrix's own space: the translation first, then the matrix.
kit::AffineTransform translatedBy(kit::AffineTransform m, double x, double y) {
    m.tx = m.tx + m.a * x + m.c * y;
    m.ty = m.ty + m.b * x + m.d * y;
    return m;
}

kit::AffineTransform scaledBy(kit::AffineTransform m, double sx, double sy) {
    m.a *= sx;
    m.b *= sx;
    m.c *= sy;
    m.d *= sy;
    return m;
}

kit::AffineTransform scaledAbout(const kit::AffineTransform& m, double sx, double sy, double x, double y) {
    return translatedBy(scaledBy(translatedBy(m, x, y), sx, sy), -x, -y);
}

double floorToHundredths(double v) { return std::floor(v * 100.0) / 100.0; }

double setMinimum(double s) { return s <= 1.0 ? 1.0 : s; }
double setMaximum(double s) { return s == 0.0 ? std::numeric_limits<double>::max() : s; }

} // namespace

ViewPortHandler::ViewPortHandler(double width, double height) { setChartDimens(width, height); }

void ViewPortHandler::setChartDimens(double width, double height) {
    const double left = offsetLeft(), top = offsetTop(), right = offsetRight(), bottom = offsetBottom();
    chartHeight_ = height;
    chartWidth_ = width;
    restrainViewPort(left, top, right, bottom);
}

bool ViewPortHandler::hasChartDimens() const { return chartHeight_ > 0 && chartWidth_ > 0; }

void ViewPortHandler::restrainViewPort(double offsetLeft, double offsetTop, double offsetRight, double offsetBottom) {
    contentRect_ = kit::Rect(offsetLeft, offsetTop, chartWidth_ - offsetLeft - offsetRight,
                             chartHeight_ - offsetBottom - offsetTop);
}

double ViewPortHandler::offsetLeft() const { return contentRect().origin.x; }
double ViewPortHandler::offsetRight() const {
    return chartWidth_ - contentRect().size.width - contentRect().origin.x;
}
double ViewPortHandler::offsetTop() const { return contentRect().origin.y; }
double ViewPortHandler::offsetBottom() const {
    return chartHeight_ - contentRect().size.height - contentRect().origin.y;
}
double ViewPortHandler::contentTop() const { return contentRect().origin.y; }
double ViewPortHandler::contentLeft() const { return contentRect().origin.x; }
double ViewPortHandler::contentRight() const { return contentRect().origin.x + contentRect().size.width; }
double ViewPortHandler::contentBottom() const { return contentRect().origin.y + contentRect().size.height; }
double ViewPortHandler::contentWidth() const { return contentRect().size.width; }
double ViewPortHandler::contentHeight() const { return contentRect().size.height; }
kit::Point ViewPortHandler::contentCenter() const {
    const kit::Rect& r = contentRect();
    return {r.origin.x + r.size.width * 0.5, r.origin.y + r.size.height * 0.5};
}

kit::AffineTransform ViewPortHandler::zoom(double scaleX, double scaleY) const {
    return scaledBy(touchMatrix(), scaleX, scaleY);
}

kit::AffineTransform ViewPortHandler::zoom(double scaleX, double scaleY, double x, double y) const {
    return scaledAbout(touchMatrix(), scaleX, scaleY, x, y);
}

kit::AffineTransform ViewPortHandler::zoomIn(double x, double y) const { return zoom(1.4, 1.4, x, y); }
kit::AffineTransform ViewPortHandler::zoomOut(double x, double y) const { return zoom(0.7, 0.7, x, y); }

kit::AffineTransform ViewPortHandler::resetZoom() const { return setZoom(1.0, 1.0); }

kit::AffineTransform ViewPortHandler::setZoom(double scaleX, double scaleY) const {
    kit::AffineTransform m = touchMatrix();
    m.a = scaleX;
    m.d = scaleY;
    return m;
}

kit::AffineTransform ViewPortHandler::setZoom(double scaleX, double scaleY, double x, double y) const {
    kit::AffineTransform m = touchMatrix();
    m.a = 1.0;
    m.d = 1.0;
    return scaledAbout(m, scaleX, scaleY, x, y);
}

kit::AffineTransform ViewPortHandler::fitScreen() {
    minScaleX_ = 1.0;
    minScaleY_ = 1.0;
    return kit::AffineTransform::identity();
}

kit::AffineTransform ViewPortHandler::translate(kit::Point pt) const {
    const double dx = pt.x - offsetLeft();
    const double dy = pt.y - offsetTop();
    kit::AffineTransform m = touchMatrix();
    m.tx -= dx;
    m.ty -= dy;
    return m;
}

kit::AffineTransform ViewPortHandler::refresh(const kit::AffineTransform& newMatrix, NSUIView& chart,
                                              bool /*invalidate*/) {
    touchMatrix_ = newMatrix;
    constrainTouchMatrix(touchMatrix_, contentRect());
    chart.setNeedsDisplay();
    return touchMatrix_;
}

void ViewPortHandler::centerViewPort(kit::Point pt, NSUIView& chart) {
    refresh(translate(pt), chart, true);
}

void ViewPortHandler::constrainTouchMatrix(kit::AffineTransform& matrix, const kit::Rect& content) {
    limitTransAndScale(matrix, content);
}

void ViewPortHandler::limitTransAndScale(kit::AffineTransform& matrix, const kit::Rect& content) {
    scaleX_ = minOf(maxOf(minScaleX(), matrix.a), maxScaleX());
    scaleY_ = minOf(maxOf(minScaleY(), matrix.d), maxScaleY());

    const double width = std::abs(content.size.width);
    const double height = std::abs(content.size.height);

    const double maxTransX = -width * (scaleX() - 1.0);
    transX_ = minOf(maxOf(matrix.tx, maxTransX - transOffsetX_), transOffsetX_);

    const double maxTransY = height * (scaleY() - 1.0);
    transY_ = maxOf(minOf(matrix.ty, maxTransY + transOffsetY_), -transOffsetY_);

    matrix.tx = transX_;
    matrix.a = scaleX_;
    matrix.ty = transY_;
    matrix.d = scaleY_;
}

void ViewPortHandler::setMinimumScaleX(double scale) {
    minScaleX_ = setMinimum(scale);
    limitTransAndScale(touchMatrix_, contentRect());
}

void ViewPortHandler::setMaximumScaleX(double scale) {
    maxScaleX_ = setMaximum(scale);
    limitTransAndScale(touchMatrix_, contentRect());
}

void ViewPortHandler::setMinMaxScaleX(double minScaleX, double maxScaleX) {
    minScaleX_ = setMinimum(minScaleX);
    maxScaleX_ = setMaximum(maxScaleX);
    limitTransAndScale(touchMatrix_, contentRect());
}

void ViewPortHandler::setMinimumScaleY(double scale) {
    minScaleY_ = setMinimum(scale);
    limitTransAndScale(touchMatrix_, contentRect());
}

void ViewPortHandler::setMaximumScaleY(double scale) {
    maxScaleY_ = setMaximum(scale);
    limitTransAndScale(touchMatrix_, contentRect());
}

void ViewPortHandler::setMinMaxScaleY(double minScaleY, double maxScaleY) {
    minScaleY_ = setMinimum(minScaleY);
    maxScaleY_ = setMaximum(maxScaleY);
    limitTransAndScale(touchMatrix_, contentRect());
}

bool ViewPortHandler::isInBoundsX(double x) const { return isInBoundsLeft(x) && isInBoundsRight(x); }
bool ViewPortHandler::isInBoundsY(double y) const { return isInBoundsTop(y) && isInBoundsBottom(y); }
bool ViewPortHandler::isInBounds(kit::Point point) const { return isInBounds(point.x, point.y); }
bool ViewPortHandler::isInBounds(double x, double y) const { return isInBoundsX(x) && isInBoundsY(y); }

bool ViewPortHandler::isInBoundsLeft(double x) const { return contentRect().origin.x <= x + 1.0; }

// Rounding down to hundredths never moves a value up by a whole point: a value clearly inside needs
// no rounding, which is a library call per point when a chart tests every point of a large set.
bool ViewPortHandler::isInBoundsRight(double x) const {
    const kit::Rect& r = contentRect();
    const double right = r.origin.x + r.size.width;
    return right >= x || right >= floorToHundredths(x) - 1.0;
}

bool ViewPortHandler::isInBoundsTop(double y) const { return contentRect().origin.y <= y; }

bool ViewPortHandler::isInBoundsBottom(double y) const {
    const kit::Rect& r = contentRect();
    const double bottom = r.origin.y + r.size.height;
    return bottom - 1.0 >= y || bottom >= floorToHundredths(y);
}

bool ViewPortHandler::isIntersectingLine(kit::Point from, kit::Point to) const {
    if (isInBounds(from) || isInBounds(to)) return true;
    if (from.x == to.x) return isInBoundsX(from.x);

    const double m = (to.y - from.y) / (to.x - from.x);
    const double k = from.y - m * from.x;
    const kit::Rect& r = contentRect();
    if (isInBoundsY(k + m * r.minX())) return true;
    if (m == 0) return false;
    if (isInBoundsX((r.maxY() - k) / m)) return true;
    return isInBoundsX((r.minY() - k) / m);
}

bool ViewPortHandler::isFullyZoomedOut() const { return isFullyZoomedOutX() && isFullyZoomedOutY(); }
bool ViewPortHandler::isFullyZoomedOutY() const { return !(scaleY() > minScaleY() || minScaleY() > 1.0); }
bool ViewPortHandler::isFullyZoomedOutX() const { return !(scaleX() > minScaleX() || minScaleX() > 1.0); }
bool ViewPortHandler::hasNoDragOffset() const { return transOffsetX_ <= 0 && transOffsetY_ <= 0; }
bool ViewPortHandler::canZoomOutMoreX() const { return scaleX() > minScaleX(); }
bool ViewPortHandler::canZoomInMoreX() const { return scaleX() < maxScaleX(); }
bool ViewPortHandler::canZoomOutMoreY() const { return scaleY() > minScaleY(); }
bool ViewPortHandler::canZoomInMoreY() const { return scaleY() < maxScaleY(); }

} // namespace charting
