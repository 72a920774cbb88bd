#pragma once
#include "kit/base/Geometry.h"

namespace kit {

// x' = a*x + c*y + tx, y' = b*x + d*y + ty. A positive rotation turns clockwise on a y-down screen.
struct AffineTransform {
    double a = 1, b = 0, c = 0, d = 1, tx = 0, ty = 0;

    static AffineTransform identity() { return {}; }
    static AffineTransform translation(double x, double y) { return {1, 0, 0, 1, x, y}; }
    static AffineTransform scale(double sx, double sy) { return {sx, 0, 0, sy, 0, 0}; }
    static AffineTransform rotation(double radians);

    bool isIdentity() const { return *this == AffineTransform{}; }
    // This transform followed by `then`.
    AffineTransform concat(const AffineTransform& then) const;
    AffineTransform translated(double x, double y) const { return translation(x, y).concat(*this); }
    AffineTransform scaled(double sx, double sy) const { return scale(sx, sy).concat(*this); }
    AffineTransform rotated(double radians) const { return rotation(radians).concat(*this); }
    // The identity is returned for a singular transform.
    AffineTransform inverted() const;

    Point apply(Point p) const { return {a * p.x + c * p.y + tx, b * p.x + d * p.y + ty}; }
    Size apply(Size s) const { return {a * s.width + c * s.height, b * s.width + d * s.height}; }
    // Bounding box of the transformed corners.
    Rect apply(const Rect& r) const;

    friend bool operator==(const AffineTransform&, const AffineTransform&) = default;
};

} // namespace kit
