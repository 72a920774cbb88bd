#include "kit/graphics/Context.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace kit {

namespace {

bool finite(double v) { return std::isfinite(v); }
bool finite(Point p) { return finite(p.x) && finite(p.y); }
bool finite(const Rect& r) { return finite(r.origin) && finite(r.size.width) && finite(r.size.height); }
bool finite(const AffineTransform& t) {
    return finite(t.a) && finite(t.b) && finite(t.c) && finite(t.d) && finite(t.tx) && finite(t.ty);
}

cairo_matrix_t toCairo(const AffineTransform& t) {
    cairo_matrix_t m;
    cairo_matrix_init(&m, t.a, t.b, t.c, t.d, t.tx, t.ty);
    return m;
}

const char* name(LineCap c) { return c == LineCap::round ? "round" : c == LineCap::square ? "square" : "butt"; }
const char* name(LineJoin j) { return j == LineJoin::round ? "round" : j == LineJoin::bevel ? "bevel" : "miter"; }
const char* name(BlendMode m) {
    switch (m) {
    case BlendMode::multiply: return "multiply";
    case BlendMode::screen: return "screen";
    case BlendMode::clear: return "clear";
    case BlendMode::copy: return "copy";
    case BlendMode::destinationOut: return "destinationOut";
    case BlendMode::normal: break;
    }
    return "normal";
}

std::string pathText(const Path& path) {
    std::string s;
    for (const auto& e : path.elements()) {
        if (!s.empty()) s += ' ';
        switch (e.kind) {
        case Path::Kind::moveTo: s += "M " + Context::describe(e.points[0]); break;
        case Path::Kind::lineTo: s += "L " + Context::describe(e.points[0]); break;
        case Path::Kind::curveTo:
            s += "C " + Context::describe(e.points[0]) + ' ' + Context::describe(e.points[1]) + ' ' +
                 Context::describe(e.points[2]);
            break;
        case Path::Kind::close: s += 'Z'; break;
        }
    }
    return s;
}

std::string stopsText(const Gradient& g) {
    std::string s = "[";
    for (const auto& stop : g.stops()) {
        if (s.size() > 1) s += ' ';
        s += Context::describe(stop.color) + '@' + Context::describe(stop.location);
    }
    return s + ']';
}

std::string extendText(GradientExtend e) {
    return e.beforeStart && e.afterEnd ? "both" : e.beforeStart ? "before" : e.afterEnd ? "after" : "none";
}

} // namespace

Context::Context(Image& image) {
    cairo_surface_t* target = image.surface();
    if (target) {
        cr_ = cairo_create(target);
        base_ = AffineTransform::scale(image.scale(), image.scale());
    } else {
        // Nothing to draw on: a scratch pixel keeps every call valid.
        cairo_surface_t* scratch = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1);
        cr_ = cairo_create(scratch);
        cairo_surface_destroy(scratch);
        base_ = AffineTransform::scale(0, 0);
    }
    syncMatrix();
    cairo_set_fill_rule(cr_, CAIRO_FILL_RULE_WINDING);
    cairo_set_line_width(cr_, 1);
    cairo_set_miter_limit(cr_, state().miterLimit);
}

Context::Context(cairo_t* borrowed) : cr_(cairo_reference(borrowed)) {
    cairo_matrix_t m;
    cairo_get_matrix(cr_, &m);
    base_ = {m.xx, m.yx, m.xy, m.yy, m.x0, m.y0};
    cairo_set_line_width(cr_, 1);
}

Context::~Context() {
    cairo_surface_flush(cairo_get_target(cr_));
    cairo_destroy(cr_);
}

bool Context::isHealthy() const { return cairo_status(cr_) == CAIRO_STATUS_SUCCESS; }

// ---- recording

void Context::setRecording(bool on) { recording_ = on; }

void Context::record(std::string line) {
    if (recording_) lines_.push_back(std::move(line));
}

std::string Context::describe(double v) {
    if (std::isnan(v)) return "nan";
    if (std::isinf(v)) return v > 0 ? "inf" : "-inf";
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.4f", v);
    std::string s = buf;
    while (s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
    return s == "-0" ? "0" : s;
}

std::string Context::describe(const Color& c) {
    auto byte = [](double v) { return static_cast<unsigned>(std::lround(std::clamp(v, 0.0, 1.0) * 255)); };
    char buf[16];
    std::snprintf(buf, sizeof buf, "#%02X%02X%02X%02X", byte(c.red()), byte(c.green()), byte(c.blue()), byte(c.alpha()));
    return buf;
}

std::string Context::describe(const Rect& r) {
    return describe(r.x()) + ' ' + describe(r.y()) + ' ' + describe(r.width()) + ' ' + describe(r.height());
}

std::string Context::describe(Point p) { return describe(p.x) + ' ' + describe(p.y); }

// ---- state

void Context::save() {
    stack_.push_back(stack_.back());
    cairo_save(cr_);
    record("save");
}

void Context::restore() {
    if (stack_.size() < 2) return;
    stack_.pop_back();
    cairo_restore(cr_);
    record("restore");
}

void Context::beginTransparencyLayer() {
    layerAlphas_.push_back(state().alpha);
    save();
    state().alpha = 1;
    cairo_push_group(cr_);
    record("beginTransparencyLayer");
}

void Context::endTransparencyLayer() {
    if (layerAlphas_.empty()) return;
    cairo_pop_group_to_source(cr_);
    cairo_paint_with_alpha(cr_, layerAlphas_.back());
    layerAlphas_.pop_back();
    restore();
    record("endTransparencyLayer");
}

void Context::setFillColor(const Color& c) {
    state().fill = c;
    record([&] { return "setFillColor " + describe(c); });
}

void Context::setStrokeColor(const Color& c) {
    state().stroke = c;
    record([&] { return "setStrokeColor " + describe(c); });
}

void Context::setAlpha(double alpha) {
    state().alpha = std::isnan(alpha) ? 1.0 : std::clamp(alpha, 0.0, 1.0);
    record([&] { return "setAlpha " + describe(state().alpha); });
}

void Context::applySource(const Color& c) const {
    cairo_set_source_rgba(cr_, c.red(), c.green(), c.blue(), c.alpha() * state().alpha);
}

void Context::setLineWidth(double width) {
    const double w = finite(width) ? std::max(0.0, width) : state().lineWidth;
    state().lineWidth = w;
    cairo_set_line_width(cr_, w);
    record([&] { return "setLineWidth " + describe(w); });
}

void Context::setLineCap(LineCap cap) {
    state().cap = cap;
    cairo_set_line_cap(cr_, cap == LineCap::round ? CAIRO_LINE_CAP_ROUND
                            : cap == LineCap::square ? CAIRO_LINE_CAP_SQUARE
                                                     : CAIRO_LINE_CAP_BUTT);
    record([&] { return std::string("setLineCap ") + name(cap); });
}

void Context::setLineJoin(LineJoin join) {
    state().join = join;
    cairo_set_line_join(cr_, join == LineJoin::round ? CAIRO_LINE_JOIN_ROUND
                             : join == LineJoin::bevel ? CAIRO_LINE_JOIN_BEVEL
                                                       : CAIRO_LINE_JOIN_MITER);
    record([&] { return std::string("setLineJoin ") + name(join); });
}

void Context::setMiterLimit(double limit) {
    if (!finite(limit)) return;
    state().miterLimit = std::max(1.0, limit);
    cairo_set_miter_limit(cr_, state().miterLimit);
    record([&] { return "setMiterLimit " + describe(std::max(1.0, limit)); });
}

void Context::setLineDash(double phase, const std::vector<double>& lengths) {
    bool valid = false;
    for (double l : lengths) {
        if (!finite(l) || l < 0) {
            valid = false;
            break;
        }
        if (l > 0) valid = true;
    }
    LineDash dash;
    if (valid) dash = {finite(phase) ? phase : 0.0, lengths};
    state().dash = dash;
    cairo_set_dash(cr_, dash.lengths.empty() ? nullptr : dash.lengths.data(), static_cast<int>(dash.lengths.size()),
                   dash.phase);
    if (dash.isSolid()) return record("setLineDash solid");
    record([&] {
        std::string line = "setLineDash " + describe(dash.phase) + " [";
        for (std::size_t i = 0; i < dash.lengths.size(); ++i) line += (i ? " " : "") + describe(dash.lengths[i]);
        return line + "]";
    });
}

void Context::setShouldAntialias(bool on) {
    cairo_set_antialias(cr_, on ? CAIRO_ANTIALIAS_DEFAULT : CAIRO_ANTIALIAS_NONE);
    record(on ? "setAntialias on" : "setAntialias off");
}

void Context::setBlendMode(BlendMode mode) {
    cairo_operator_t op = CAIRO_OPERATOR_OVER;
    switch (mode) {
    case BlendMode::multiply: op = CAIRO_OPERATOR_MULTIPLY; break;
    case BlendMode::screen: op = CAIRO_OPERATOR_SCREEN; break;
    case BlendMode::clear: op = CAIRO_OPERATOR_CLEAR; break;
    case BlendMode::copy: op = CAIRO_OPERATOR_SOURCE; break;
    case BlendMode::destinationOut: op = CAIRO_OPERATOR_DEST_OUT; break;
    case BlendMode::normal: break;
    }
    cairo_set_operator(cr_, op);
    record([&] { return std::string("setBlendMode ") + name(mode); });
}

// ---- transform

void Context::syncMatrix() {
    const AffineTransform full = state().ctm.concat(base_);
    const double det = full.a * full.d - full.b * full.c;
    // Cairo refuses a matrix it cannot invert and stays broken afterwards; draw nothing instead.
    state().singular = !(finite(det) && det != 0 && finite(full));
    if (state().singular) return;
    const cairo_matrix_t m = toCairo(full);
    cairo_set_matrix(cr_, &m);
}

bool Context::applyTransform(const AffineTransform& t) {
    if (!finite(t)) return false;
    state().ctm = t.concat(state().ctm);
    syncMatrix();
    return true;
}

void Context::translate(double dx, double dy) {
    if (applyTransform(AffineTransform::translation(dx, dy)))
        record([&] { return "translate " + describe(dx) + ' ' + describe(dy); });
}

void Context::scale(double sx, double sy) {
    if (applyTransform(AffineTransform::scale(sx, sy))) record([&] { return "scale " + describe(sx) + ' ' + describe(sy); });
}

void Context::rotate(double radians) {
    if (!finite(radians)) return;
    if (applyTransform(AffineTransform::rotation(radians))) record([&] { return "rotate " + describe(radians); });
}

void Context::concat(const AffineTransform& t) {
    if (!applyTransform(t)) return;
    record([&] {
        return "concat " + describe(t.a) + ' ' + describe(t.b) + ' ' + describe(t.c) + ' ' + describe(t.d) + ' ' +
               describe(t.tx) + ' ' + describe(t.ty);
    });
}

// ---- paths

template <class F> void Context::keepingPath(F&& draw) {
    if (!isDrawable()) return;
    cairo_path_t* kept = cairo_has_current_point(cr_) ? cairo_copy_path(cr_) : nullptr;
    cairo_new_path(cr_);
    draw();
    cairo_new_path(cr_);
    if (kept) {
        cairo_append_path(cr_, kept);
        cairo_path_destroy(kept);
    }
}

template <class F> void Context::fillShape(F&& addShape, bool evenOdd) {
    keepingPath([&] {
        addShape();
        cairo_set_fill_rule(cr_, evenOdd ? CAIRO_FILL_RULE_EVEN_ODD : CAIRO_FILL_RULE_WINDING);
        applySource(state().fill);
        cairo_fill(cr_);
        cairo_set_fill_rule(cr_, CAIRO_FILL_RULE_WINDING);
    });
}

template <class F> void Context::strokeShape(F&& addShape) {
    if (!strokeReady()) return;
    keepingPath([&] {
        addShape();
        applySource(state().stroke);
        cairo_stroke(cr_);
    });
}

void Context::appendPath(const Path& path) {
    for (const auto& e : path.elements()) {
        const Point* p = e.points;
        switch (e.kind) {
        case Path::Kind::moveTo: cairo_move_to(cr_, p[0].x, p[0].y); break;
        case Path::Kind::lineTo: cairo_line_to(cr_, p[0].x, p[0].y); break;
        case Path::Kind::curveTo: cairo_curve_to(cr_, p[0].x, p[0].y, p[1].x, p[1].y, p[2].x, p[2].y); break;
        case Path::Kind::close: cairo_close_path(cr_); break;
        }
    }
}

void Context::beginPath() {
    cairo_new_path(cr_);
    record("beginPath");
}

void Context::moveTo(Point p) {
    if (!finite(p) || !isDrawable()) return;
    cairo_move_to(cr_, p.x, p.y);
    record([&] { return "moveTo " + describe(p); });
}

void Context::lineTo(Point p) {
    if (!finite(p) || !isDrawable()) return;
    cairo_line_to(cr_, p.x, p.y);
    record([&] { return "lineTo " + describe(p); });
}

void Context::curveTo(Point c1, Point c2, Point end) {
    if (!finite(c1) || !finite(c2) || !finite(end) || !isDrawable()) return;
    cairo_curve_to(cr_, c1.x, c1.y, c2.x, c2.y, end.x, end.y);
    record([&] { return "curveTo " + describe(c1) + ' ' + describe(c2) + ' ' + describe(end); });
}

void Context::closePath() {
    if (!cairo_has_current_point(cr_)) return;
    cairo_close_path(cr_);
    record("closePath");
}

void Context::addRect(const Rect& r) {
    if (!finite(r) || !isDrawable()) return;
    cairo_rectangle(cr_, r.x(), r.y(), r.width(), r.height());
    record([&] { return "addRect " + describe(r); });
}

void Context::addEllipse(const Rect& r) {
    if (!finite(r) || !isDrawable()) return;
    appendPath(Path::ellipse(r));
    record([&] { return "addEllipse " + describe(r); });
}

void Context::addPath(const Path& path) {
    if (!isDrawable() || path.isEmpty()) return;
    appendPath(path);
    record([&] { return "addPath " + pathText(path); });
}

bool Context::isPathEmpty() const { return !cairo_has_current_point(cr_); }

bool Context::strokeReady() const { return isDrawable() && state().lineWidth > 0; }

void Context::fillPath(bool evenOdd) {
    record([&] { return std::string("fillPath ") + (evenOdd ? "evenodd " : "") + describe(state().fill); });
    if (!isDrawable()) return cairo_new_path(cr_);
    cairo_set_fill_rule(cr_, evenOdd ? CAIRO_FILL_RULE_EVEN_ODD : CAIRO_FILL_RULE_WINDING);
    applySource(state().fill);
    cairo_fill(cr_);
    cairo_set_fill_rule(cr_, CAIRO_FILL_RULE_WINDING);
}

void Context::strokePath() {
    record([&] { return "strokePath " + describe(state().stroke); });
    if (!strokeReady()) return cairo_new_path(cr_);
    applySource(state().stroke);
    cairo_stroke(cr_);
}

void Context::fill(const Path& path, bool evenOdd) {
    if (path.isEmpty()) return;
    record([&] { return std::string("fill ") + (evenOdd ? "evenodd " : "") + pathText(path) + ' ' + describe(state().fill); });
    fillShape([&] { appendPath(path); }, evenOdd);
}

void Context::stroke(const Path& path) {
    if (path.isEmpty()) return;
    record([&] { return "stroke " + pathText(path) + ' ' + describe(state().stroke); });
    strokeShape([&] { appendPath(path); });
}

void Context::fillRect(const Rect& r) {
    if (!finite(r)) return;
    record([&] { return "fillRect " + describe(r) + ' ' + describe(state().fill); });
    fillShape([&] { cairo_rectangle(cr_, r.x(), r.y(), r.width(), r.height()); });
}

void Context::strokeRect(const Rect& r) {
    if (!finite(r)) return;
    record([&] { return "strokeRect " + describe(r) + ' ' + describe(state().stroke); });
    strokeShape([&] { cairo_rectangle(cr_, r.x(), r.y(), r.width(), r.height()); });
}

void Context::clearRect(const Rect& r) {
    if (!finite(r)) return;
    record([&] { return "clearRect " + describe(r); });
    keepingPath([&] {
        cairo_save(cr_);
        cairo_set_operator(cr_, CAIRO_OPERATOR_CLEAR);
        cairo_rectangle(cr_, r.x(), r.y(), r.width(), r.height());
        cairo_fill(cr_);
        cairo_restore(cr_);
    });
}

void Context::fillEllipse(const Rect& r) {
    if (!finite(r)) return;
    record([&] { return "fillEllipse " + describe(r) + ' ' + describe(state().fill); });
    fillShape([&] { appendPath(Path::ellipse(r)); });
}

void Context::strokeEllipse(const Rect& r) {
    if (!finite(r)) return;
    record([&] { return "strokeEllipse " + describe(r) + ' ' + describe(state().stroke); });
    strokeShape([&] { appendPath(Path::ellipse(r)); });
}

void Context::drawLine(Point from, Point to) {
    if (!finite(from) || !finite(to)) return;
    record([&] { return "drawLine " + describe(from) + ' ' + describe(to) + ' ' + describe(state().stroke); });
    strokeShape([&] {
        cairo_move_to(cr_, from.x, from.y);
        cairo_line_to(cr_, to.x, to.y);
    });
}

void Context::strokeLineSegments(const std::vector<Point>& points) {
    Path segments;
    for (std::size_t i = 0; i + 1 < points.size(); i += 2) {
        if (!finite(points[i]) || !finite(points[i + 1])) continue;
        segments.moveTo(points[i]);
        segments.lineTo(points[i + 1]);
    }
    if (segments.isEmpty()) return;
    record([&] {
        std::string line = "strokeLineSegments";
        for (std::size_t i = 0; i + 1 < points.size(); i += 2)
            if (finite(points[i]) && finite(points[i + 1])) line += ' ' + describe(points[i]) + ' ' + describe(points[i + 1]);
        return line + ' ' + describe(state().stroke);
    });
    strokeShape([&] { appendPath(segments); });
}

// ---- clipping

void Context::clipToRect(const Rect& r) {
    if (!finite(r)) return;
    record([&] { return "clipToRect " + describe(r); });
    const AffineTransform device = deviceTransform();
    if (device.b != 0 || device.c != 0) state().rectangularClip = false;
    keepingPath([&] {
        cairo_rectangle(cr_, r.x(), r.y(), r.width(), r.height());
        cairo_clip(cr_);
    });
}

void Context::clipToPath(const Path& path, bool evenOdd) {
    record([&] { return std::string("clipToPath ") + (evenOdd ? "evenodd " : "") + pathText(path); });
    state().rectangularClip = false;
    keepingPath([&] {
        appendPath(path);
        cairo_set_fill_rule(cr_, evenOdd ? CAIRO_FILL_RULE_EVEN_ODD : CAIRO_FILL_RULE_WINDING);
        cairo_clip(cr_);
        cairo_set_fill_rule(cr_, CAIRO_FILL_RULE_WINDING);
    });
}

void Context::clip(bool evenOdd) {
    record(evenOdd ? "clip evenodd" : "clip");
    state().rectangularClip = false;
    if (!isDrawable()) return cairo_new_path(cr_);
    cairo_set_fill_rule(cr_, evenOdd ? CAIRO_FILL_RULE_EVEN_ODD : CAIRO_FILL_RULE_WINDING);
    cairo_clip(cr_);
    cairo_set_fill_rule(cr_, CAIRO_FILL_RULE_WINDING);
}

Rect Context::clipBoundingBox() const {
    if (!isDrawable()) return {};
    double x0, y0, x1, y1;
    cairo_clip_extents(cr_, &x0, &y0, &x1, &y1);
    return {x0, y0, x1 - x0, y1 - y0};
}

// ---- images

void Context::fillMask(const AlphaMask& mask) {
    if (mask.isEmpty() || !isDrawable()) return;
    record([&] {
        return "fillMask " + std::to_string(mask.width) + 'x' + std::to_string(mask.height) + " at " +
               std::to_string(mask.x) + ',' + std::to_string(mask.y) + ' ' + describe(state().fill);
    });
    // Cairo only reads the bytes for the length of the call.
    cairo_surface_t* surface = cairo_image_surface_create_for_data(const_cast<unsigned char*>(mask.bytes.data()),
                                                                   CAIRO_FORMAT_A8, mask.width, mask.height, mask.stride);
    cairo_save(cr_);
    cairo_identity_matrix(cr_);
    applySource(state().fill);
    cairo_mask_surface(cr_, surface, mask.x, mask.y);
    cairo_restore(cr_);
    cairo_surface_destroy(surface);
}

void Context::drawImage(const Image& image, const Rect& in) {
    if (image.isEmpty() || !finite(in) || in.isEmpty()) return;
    const Rect r = in.standardized();
    record([&] { return "drawImage " + std::to_string(image.pixelWidth()) + 'x' + std::to_string(image.pixelHeight()) + ' ' + describe(r); });
    keepingPath([&] {
        cairo_pattern_t* p = cairo_pattern_create_for_surface(image.surface());
        cairo_matrix_t m;
        cairo_matrix_init_scale(&m, image.pixelWidth() / r.width(), image.pixelHeight() / r.height());
        cairo_matrix_translate(&m, -r.x(), -r.y());
        cairo_pattern_set_matrix(p, &m);
        cairo_pattern_set_extend(p, CAIRO_EXTEND_PAD);
        cairo_pattern_set_filter(p, CAIRO_FILTER_GOOD);
        cairo_save(cr_);
        cairo_rectangle(cr_, r.x(), r.y(), r.width(), r.height());
        cairo_clip(cr_);
        cairo_set_source(cr_, p);
        cairo_paint_with_alpha(cr_, state().alpha);
        cairo_restore(cr_);
        cairo_pattern_destroy(p);
    });
}

void Context::drawTiledImage(const Image& image, const Rect& in) {
    if (image.isEmpty() || !finite(in) || in.isEmpty()) return;
    const Rect r = in.standardized();
    record([&] { return "drawTiledImage " + std::to_string(image.pixelWidth()) + 'x' + std::to_string(image.pixelHeight()) + ' ' +
           describe(r); });
    keepingPath([&] {
        cairo_pattern_t* p = cairo_pattern_create_for_surface(image.surface());
        cairo_matrix_t m;
        cairo_matrix_init_scale(&m, image.pixelWidth() / r.width(), image.pixelHeight() / r.height());
        cairo_matrix_translate(&m, -r.x(), -r.y());
        cairo_pattern_set_matrix(p, &m);
        cairo_pattern_set_extend(p, CAIRO_EXTEND_REPEAT);
        cairo_set_source(cr_, p);
        cairo_paint_with_alpha(cr_, state().alpha);
        cairo_pattern_destroy(p);
    });
}

// ---- gradients

void Context::paintGradient(const Gradient& g, Point p0, double r0, Point p1, double r1, bool radial,
                            GradientExtend extend) {
    cairo_pattern_t* p = radial ? cairo_pattern_create_radial(p0.x, p0.y, r0, p1.x, p1.y, r1)
                                : cairo_pattern_create_linear(p0.x, p0.y, p1.x, p1.y);
    for (const auto& s : g.stops())
        cairo_pattern_add_color_stop_rgba(p, s.location, s.color.red(), s.color.green(), s.color.blue(),
                                          s.color.alpha() * state().alpha);
    const bool mixed = extend.beforeStart != extend.afterEnd;
    // A radial gradient extends both ways or neither; it follows `afterEnd` when they differ.
    const bool pad = radial ? extend.afterEnd : (extend.beforeStart || extend.afterEnd);
    cairo_pattern_set_extend(p, pad ? CAIRO_EXTEND_PAD : CAIRO_EXTEND_NONE);
    cairo_save(cr_);
    if (!radial && mixed && (p0.x != p1.x || p0.y != p1.y)) {
        // Keep only the half-plane on the extended side of the end that does not extend.
        double x0, y0, x1, y1;
        cairo_clip_extents(cr_, &x0, &y0, &x1, &y1);
        const double len = std::hypot(p1.x - p0.x, p1.y - p0.y);
        const double reach = 2 * (std::hypot(x1 - x0, y1 - y0) + std::hypot(p0.x - x0, p0.y - y0) + len) + 1;
        double ux = (p1.x - p0.x) / len, uy = (p1.y - p0.y) / len;
        Point q = p0;
        if (!extend.afterEnd) ux = -ux, uy = -uy, q = p1;
        const double nx = -uy, ny = ux;
        cairo_move_to(cr_, q.x + nx * reach, q.y + ny * reach);
        cairo_line_to(cr_, q.x - nx * reach, q.y - ny * reach);
        cairo_line_to(cr_, q.x - nx * reach + ux * reach, q.y - ny * reach + uy * reach);
        cairo_line_to(cr_, q.x + nx * reach + ux * reach, q.y + ny * reach + uy * reach);
        cairo_close_path(cr_);
        cairo_clip(cr_);
    }
    cairo_set_source(cr_, p);
    cairo_paint(cr_);
    cairo_restore(cr_);
    cairo_pattern_destroy(p);
}

void Context::drawLinearGradient(const Gradient& g, Point start, Point end, GradientExtend extend) {
    if (!finite(start) || !finite(end)) return;
    record([&] { return "drawLinearGradient " + describe(start) + ' ' + describe(end) + ' ' + stopsText(g) + ' ' + extendText(extend); });
    keepingPath([&] { paintGradient(g, start, 0, end, 0, false, extend); });
}

void Context::drawRadialGradient(const Gradient& g, Point c0, double r0, Point c1, double r1, GradientExtend extend) {
    if (!finite(c0) || !finite(c1) || !finite(r0) || !finite(r1) || r0 < 0 || r1 < 0) return;
    record([&] { return "drawRadialGradient " + describe(c0) + ' ' + describe(r0) + ' ' + describe(c1) + ' ' + describe(r1) + ' ' +
           stopsText(g) + ' ' + extendText(extend); });
    keepingPath([&] { paintGradient(g, c0, r0, c1, r1, true, extend); });
}

void Context::strokeWithGradient(const Path& path, const Gradient& g, Point start, Point end, GradientExtend extend) {
    if (path.isEmpty() || !finite(start) || !finite(end)) return;
    record([&] { return "strokeWithGradient " + pathText(path) + ' ' + describe(start) + ' ' + describe(end) + ' ' + stopsText(g) +
           ' ' + extendText(extend); });
    if (!strokeReady()) return;
    keepingPath([&] {
        cairo_pattern_t* p = cairo_pattern_create_linear(start.x, start.y, end.x, end.y);
        for (const auto& s : g.stops())
            cairo_pattern_add_color_stop_rgba(p, s.location, s.color.red(), s.color.green(), s.color.blue(),
                                              s.color.alpha() * state().alpha);
        cairo_pattern_set_extend(p, extend.beforeStart || extend.afterEnd ? CAIRO_EXTEND_PAD : CAIRO_EXTEND_NONE);
        appendPath(path);
        cairo_set_source(cr_, p);
        cairo_stroke(cr_);
        cairo_pattern_destroy(p);
    });
}

// ---- recording context

RecordingContext::RecordingContext(Size size, double scale)
    : detail::RecordingTarget{Image::make(size.width, size.height, scale).value_or(*Image::make(1, 1))}, Context(target) {
    setRecording(true);
}

std::string RecordingContext::text() const {
    std::string out;
    for (const auto& l : lines()) out += l + '\n';
    return out;
}

} // namespace kit
