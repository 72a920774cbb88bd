#include "kit/graphics/Path.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace kit {

namespace {

bool finite(Point p) { return std::isfinite(p.x) && std::isfinite(p.y); }
bool finite(double v) { return std::isfinite(v); }
constexpr double twoPi = 2 * std::numbers::pi;

Point polar(Point c, double r, double a) { return {c.x + r * std::cos(a), c.y + r * std::sin(a)}; }

// Flattens a cubic into `out` (excluding its start point), fine enough for hit tests.
void flatten(Point p0, Point c1, Point c2, Point p3, std::vector<Point>& out) {
    const double len = distance(p0, c1) + distance(c1, c2) + distance(c2, p3);
    const int n = std::clamp(static_cast<int>(std::ceil(len / 0.5)), 4, 256);
    for (int i = 1; i <= n; ++i) {
        const double t = double(i) / n, u = 1 - t;
        out.push_back({u * u * u * p0.x + 3 * u * u * t * c1.x + 3 * u * t * t * c2.x + t * t * t * p3.x,
                       u * u * u * p0.y + 3 * u * u * t * c1.y + 3 * u * t * t * c2.y + t * t * t * p3.y});
    }
}

// Values of t in (0, 1) where the derivative of a one-dimensional cubic vanishes.
void extremaOf(double p0, double c1, double c2, double p3, std::vector<double>& ts) {
    const double a = -p0 + 3 * c1 - 3 * c2 + p3, b = 2 * (p0 - 2 * c1 + c2), c = c1 - p0;
    auto keep = [&](double t) { if (t > 0 && t < 1) ts.push_back(t); };
    if (std::abs(a) < 1e-12) {
        if (std::abs(b) > 1e-12) keep(-c / b);
        return;
    }
    const double d = b * b - 4 * a * c;
    if (d < 0) return;
    const double s = std::sqrt(d);
    keep((-b + s) / (2 * a));
    keep((-b - s) / (2 * a));
}

} // namespace

void Path::moveTo(Point p) {
    if (!finite(p)) return;
    elements_.push_back({Kind::moveTo, {p}});
    current_ = subpathStart_ = p;
}

void Path::lineTo(Point p) {
    if (!finite(p)) return;
    if (!current_) return moveTo(p);
    elements_.push_back({Kind::lineTo, {p}});
    current_ = p;
}

void Path::quadCurveTo(Point q, Point end) {
    if (!finite(q) || !finite(end)) return;
    if (!current_) moveTo(q);
    const Point s = *current_;
    curveTo({s.x + 2.0 / 3 * (q.x - s.x), s.y + 2.0 / 3 * (q.y - s.y)},
            {end.x + 2.0 / 3 * (q.x - end.x), end.y + 2.0 / 3 * (q.y - end.y)}, end);
}

void Path::curveTo(Point c1, Point c2, Point end) {
    if (!finite(c1) || !finite(c2) || !finite(end)) return;
    if (!current_) moveTo(c1);
    elements_.push_back({Kind::curveTo, {c1, c2, end}});
    current_ = end;
}

void Path::close() {
    if (!current_) return;
    elements_.push_back({Kind::close, {}});
    current_ = subpathStart_;
}

void Path::arcSegment(Point c, double r, double from, double sweep) {
    const Point start = polar(c, r, from);
    if (current_) lineTo(start);
    else moveTo(start);
    if (sweep == 0 || r == 0) return;
    // Pieces of at most an eighth of a turn keep the cubic within a few millionths of the radius.
    const int n = std::max(1, static_cast<int>(std::ceil(std::abs(sweep) / (std::numbers::pi / 4) - 1e-9)));
    const double step = sweep / n, k = 4.0 / 3.0 * std::tan(step / 4);
    double a = from;
    for (int i = 0; i < n; ++i, a += step) {
        const double b = a + step;
        const Point p0 = polar(c, r, a), p3 = polar(c, r, b);
        curveTo({p0.x - k * r * std::sin(a), p0.y + k * r * std::cos(a)},
                {p3.x + k * r * std::sin(b), p3.y - k * r * std::cos(b)}, p3);
    }
}

void Path::arc(Point center, double radius, double start, double end, bool clockwise) {
    if (!finite(center) || !finite(radius) || !finite(start) || !finite(end)) return;
    radius = std::abs(radius);
    double sweep = 0;
    if (start != end) {
        double d = std::fmod(clockwise ? end - start : start - end, twoPi);
        if (d < 0) d += twoPi;
        if (d == 0) d = twoPi;
        sweep = clockwise ? d : -d;
    }
    arcSegment(center, radius, start, sweep);
}

void Path::relativeArc(Point center, double radius, double start, double delta) {
    if (!finite(center) || !finite(radius) || !finite(start) || !finite(delta)) return;
    arcSegment(center, std::abs(radius), start, std::clamp(delta, -twoPi, twoPi));
}

void Path::addRect(const Rect& r) {
    if (!finite(r.origin) || !finite(r.size.width) || !finite(r.size.height)) return;
    moveTo(r.origin);
    lineTo({r.x() + r.width(), r.y()});
    lineTo({r.x() + r.width(), r.y() + r.height()});
    lineTo({r.x(), r.y() + r.height()});
    close();
}

void Path::addEllipse(const Rect& in) {
    if (!finite(in.origin) || !finite(in.size.width) || !finite(in.size.height)) return;
    const Rect r = in.standardized();
    const double rx = r.width() / 2, ry = r.height() / 2, cx = r.midX(), cy = r.midY();
    const double k = 0.5522847498307936;
    moveTo({cx + rx, cy});
    curveTo({cx + rx, cy + k * ry}, {cx + k * rx, cy + ry}, {cx, cy + ry});
    curveTo({cx - k * rx, cy + ry}, {cx - rx, cy + k * ry}, {cx - rx, cy});
    curveTo({cx - rx, cy - k * ry}, {cx - k * rx, cy - ry}, {cx, cy - ry});
    curveTo({cx + k * rx, cy - ry}, {cx + rx, cy - k * ry}, {cx + rx, cy});
    close();
}

void Path::addRoundedRect(const Rect& in, double radius) {
    if (!finite(in.origin) || !finite(in.size.width) || !finite(in.size.height) || !finite(radius)) return;
    const Rect r = in.standardized();
    const double rad = std::clamp(radius, 0.0, std::min(r.width(), r.height()) / 2);
    if (rad == 0) return addRect(r);
    const double pi = std::numbers::pi;
    moveTo({r.minX() + rad, r.minY()});
    arcSegment({r.maxX() - rad, r.minY() + rad}, rad, -pi / 2, pi / 2);
    arcSegment({r.maxX() - rad, r.maxY() - rad}, rad, 0, pi / 2);
    arcSegment({r.minX() + rad, r.maxY() - rad}, rad, pi / 2, pi / 2);
    arcSegment({r.minX() + rad, r.minY() + rad}, rad, pi, pi / 2);
    close();
}

void Path::addLines(const std::vector<Point>& points) {
    bool first = true;
    for (Point p : points) {
        if (!finite(p)) continue;
        if (first) moveTo(p);
        else lineTo(p);
        first = false;
    }
}

void Path::addPath(const Path& other) {
    for (const Element& e : other.elements_) {
        switch (e.kind) {
        case Kind::moveTo: moveTo(e.points[0]); break;
        case Kind::lineTo: lineTo(e.points[0]); break;
        case Kind::curveTo: curveTo(e.points[0], e.points[1], e.points[2]); break;
        case Kind::close: close(); break;
        }
    }
}

Path Path::transformed(const AffineTransform& t) const {
    Path out;
    for (const Element& e : elements_) {
        switch (e.kind) {
        case Kind::moveTo: out.moveTo(t.apply(e.points[0])); break;
        case Kind::lineTo: out.lineTo(t.apply(e.points[0])); break;
        case Kind::curveTo: out.curveTo(t.apply(e.points[0]), t.apply(e.points[1]), t.apply(e.points[2])); break;
        case Kind::close: out.close(); break;
        }
    }
    return out;
}

Rect Path::boundingBox() const {
    double x0 = std::numeric_limits<double>::infinity(), y0 = x0, x1 = -x0, y1 = -x0;
    auto grow = [&](Point p) { x0 = std::min(x0, p.x), y0 = std::min(y0, p.y), x1 = std::max(x1, p.x), y1 = std::max(y1, p.y); };
    Point last{};
    for (const Element& e : elements_) {
        if (e.kind == Kind::moveTo || e.kind == Kind::lineTo) {
            grow(last = e.points[0]);
        } else if (e.kind == Kind::curveTo) {
            const Point p0 = last, c1 = e.points[0], c2 = e.points[1], p3 = e.points[2];
            std::vector<double> ts;
            extremaOf(p0.x, c1.x, c2.x, p3.x, ts);
            extremaOf(p0.y, c1.y, c2.y, p3.y, ts);
            for (double t : ts) {
                const double u = 1 - t;
                grow({u * u * u * p0.x + 3 * u * u * t * c1.x + 3 * u * t * t * c2.x + t * t * t * p3.x,
                      u * u * u * p0.y + 3 * u * u * t * c1.y + 3 * u * t * t * c2.y + t * t * t * p3.y});
            }
            grow(last = p3);
        }
    }
    if (x0 > x1) return {};
    return {x0, y0, x1 - x0, y1 - y0};
}

bool Path::contains(Point p, bool evenOdd) const {
    if (!finite(p)) return false;
    // Flatten every subpath into a closed polygon and count signed crossings of a ray to the right.
    int winding = 0, crossings = 0;
    std::vector<Point> poly;
    auto finish = [&] {
        const std::size_t n = poly.size();
        for (std::size_t i = 0; n > 1 && i < n; ++i) {
            const Point a = poly[i], b = poly[(i + 1) % n];
            if ((a.y <= p.y) != (b.y <= p.y)) {
                const double x = a.x + (p.y - a.y) * (b.x - a.x) / (b.y - a.y);
                if (x > p.x) {
                    winding += b.y > a.y ? 1 : -1;
                    ++crossings;
                }
            }
        }
        poly.clear();
    };
    for (const Element& e : elements_) {
        switch (e.kind) {
        case Kind::moveTo: finish(); poly.push_back(e.points[0]); break;
        case Kind::lineTo: poly.push_back(e.points[0]); break;
        case Kind::curveTo: flatten(poly.back(), e.points[0], e.points[1], e.points[2], poly); break;
        case Kind::close: {
            const Point start = poly.front();
            finish();
            poly.push_back(start);
            break;
        }
        }
    }
    finish();
    return evenOdd ? (crossings % 2) != 0 : winding != 0;
}

} // namespace kit
