#pragma once
// A retained outline of straight and cubic segments in user coordinates (y down). Arcs, ellipses
// and quadratic curves are kept as cubic segments. An element with a coordinate that is not finite
// is ignored, so a stray NaN cannot reach the drawing back end.
#include "kit/base/AffineTransform.h"
#include "kit/base/Geometry.h"

#include <optional>
#include <vector>

namespace kit {

class Path {
public:
    enum class Kind { moveTo, lineTo, curveTo, close };
    struct Element {
        Kind kind;
        // moveTo/lineTo use points[0]; curveTo uses control 1, control 2, end; close uses none.
        Point points[3];
        friend bool operator==(const Element&, const Element&) = default;
    };

    Path() = default;
    static Path rect(const Rect& r) { Path p; p.addRect(r); return p; }
    static Path ellipse(const Rect& r) { Path p; p.addEllipse(r); return p; }
    static Path roundedRect(const Rect& r, double radius) { Path p; p.addRoundedRect(r, radius); return p; }

    void moveTo(Point p);
    // Without a current point these start a subpath at their first point.
    void lineTo(Point p);
    void quadCurveTo(Point control, Point end);
    void curveTo(Point control1, Point control2, Point end);
    // From `start` to `end` radians; angles grow clockwise on the y-down screen. `clockwise` walks
    // growing angles. A line joins the current point to the arc's start. Equal angles add no arc;
    // angles a whole turn apart draw a full circle.
    void arc(Point center, double radius, double startAngle, double endAngle, bool clockwise);
    // Turns by `delta` radians from `startAngle` (positive: clockwise on screen), at most one turn.
    void relativeArc(Point center, double radius, double startAngle, double delta);
    void addRect(const Rect& r);
    // The ellipse inscribed in `r`, as a closed subpath starting at its right-most point.
    void addEllipse(const Rect& r);
    void addRoundedRect(const Rect& r, double radius);
    void addLines(const std::vector<Point>& points);
    void addPath(const Path& other);
    void close();

    Path transformed(const AffineTransform& t) const;
    // Tight bounds of the drawn outline (curves included, control points not); empty rect if empty.
    Rect boundingBox() const;
    bool isEmpty() const { return elements_.empty(); }
    std::optional<Point> currentPoint() const { return current_; }
    // Fill rule: non-zero winding, or even-odd.
    bool contains(Point p, bool evenOdd = false) const;

    const std::vector<Element>& elements() const { return elements_; }
    friend bool operator==(const Path& a, const Path& b) { return a.elements_ == b.elements_; }

private:
    void arcSegment(Point center, double radius, double from, double sweep);
    std::vector<Element> elements_;
    std::optional<Point> current_;
    Point subpathStart_;
};

} // namespace kit
