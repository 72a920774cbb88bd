#pragma once
// Points on the circles of the pie and radar charts. Angles are in degrees; 0 points to the right of
// the centre and angles grow clockwise on screen.
#include "kit/base/Geometry.h"

#include <cmath>
#include <numbers>

namespace charting {

inline double radians(double degrees) { return degrees * std::numbers::pi / 180.0; }

// The point `radius` away from the centre in the direction of `degrees`.
inline kit::Point onCircle(kit::Point center, double radius, double degrees) {
    const double a = radians(degrees);
    return {center.x + radius * std::cos(a), center.y + radius * std::sin(a)};
}

// The angle in degrees that an arc of `length` spans at `radius`.
inline double arcAngle(double length, double radius) { return length / (std::numbers::pi / 180.0 * radius); }

} // namespace charting
