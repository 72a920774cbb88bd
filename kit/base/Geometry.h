#pragma once
// Plane geometry in points (doubles), y pointing down.
#include <algorithm>
#include <cmath>

namespace kit {

struct Point {
    double x = 0;
    double y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    double width = 0;
    double height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

struct EdgeInsets {
    double top = 0;
    double left = 0;
    double bottom = 0;
    double right = 0;
    friend bool operator==(const EdgeInsets&, const EdgeInsets&) = default;
};

struct Rect {
    Point origin;
    Size size;

    Rect() = default;
    Rect(Point o, Size s) : origin(o), size(s) {}
    Rect(double x, double y, double w, double h) : origin{x, y}, size{w, h} {}

    double x() const { return origin.x; }
    double y() const { return origin.y; }
    double width() const { return size.width; }
    double height() const { return size.height; }
    double minX() const { return std::min(origin.x, origin.x + size.width); }
    double maxX() const { return std::max(origin.x, origin.x + size.width); }
    double minY() const { return std::min(origin.y, origin.y + size.height); }
    double maxY() const { return std::max(origin.y, origin.y + size.height); }
    double midX() const { return origin.x + size.width / 2; }
    double midY() const { return origin.y + size.height / 2; }
    Point center() const { return {midX(), midY()}; }
    bool isEmpty() const { return size.width == 0 || size.height == 0; }

    // Half-open, as hit tests expect: the far edges are outside.
    bool contains(Point p) const { return p.x >= minX() && p.x < maxX() && p.y >= minY() && p.y < maxY(); }
    Rect standardized() const { return {minX(), minY(), maxX() - minX(), maxY() - minY()}; }
    Rect insetBy(double dx, double dy) const { return {origin.x + dx, origin.y + dy, size.width - 2 * dx, size.height - 2 * dy}; }
    Rect inset(const EdgeInsets& e) const {
        return {origin.x + e.left, origin.y + e.top, size.width - e.left - e.right, size.height - e.top - e.bottom};
    }
    Rect offsetBy(double dx, double dy) const { return {origin.x + dx, origin.y + dy, size.width, size.height}; }
    bool intersects(const Rect& o) const {
        return minX() < o.maxX() && o.minX() < maxX() && minY() < o.maxY() && o.minY() < maxY();
    }
    Rect intersection(const Rect& o) const {
        double x0 = std::max(minX(), o.minX()), y0 = std::max(minY(), o.minY());
        double x1 = std::min(maxX(), o.maxX()), y1 = std::min(maxY(), o.maxY());
        if (x1 < x0 || y1 < y0) return {};
        return {x0, y0, x1 - x0, y1 - y0};
    }
    Rect unionWith(const Rect& o) const {
        double x0 = std::min(minX(), o.minX()), y0 = std::min(minY(), o.minY());
        double x1 = std::max(maxX(), o.maxX()), y1 = std::max(maxY(), o.maxY());
        return {x0, y0, x1 - x0, y1 - y0};
    }
    friend bool operator==(const Rect&, const Rect&) = default;
};

inline double distance(Point a, Point b) { return std::hypot(a.x - b.x, a.y - b.y); }

} // namespace kit
