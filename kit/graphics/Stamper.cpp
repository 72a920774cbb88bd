#include "kit/graphics/Stamper.h"

#include "kit/graphics/Context.h"
#include "kit/graphics/Image.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace kit {

namespace {

constexpr int phasesPerPixel = 4;

// Source over destination for premultiplied 32-bit pixels: two channels at a time.
std::uint32_t over(std::uint32_t src, std::uint32_t dst) {
    const std::uint32_t inverse = 255 - (src >> 24);
    std::uint32_t rb = (dst & 0x00FF00FF) * inverse + 0x00800080;
    rb = ((rb + ((rb >> 8) & 0x00FF00FF)) >> 8) & 0x00FF00FF;
    std::uint32_t ag = ((dst >> 8) & 0x00FF00FF) * inverse + 0x00800080;
    ag = (ag + ((ag >> 8) & 0x00FF00FF)) & 0xFF00FF00;
    return src + rb + ag;
}

int clampToInt(double v) {
    return static_cast<int>(std::clamp(v, double(std::numeric_limits<int>::min() / 2), double(std::numeric_limits<int>::max() / 2)));
}

} // namespace

Stamper::Stamper(Context& context) : context_(context) {
    cairo_t* cr = context.cairo();
    if (!cr || context.isRecording() || cairo_get_operator(cr) != CAIRO_OPERATOR_OVER) return;
    cairo_surface_t* target = cairo_get_group_target(cr);
    if (!target || cairo_surface_get_type(target) != CAIRO_SURFACE_TYPE_IMAGE) return;
    const cairo_format_t format = cairo_image_surface_get_format(target);
    if (format != CAIRO_FORMAT_ARGB32 && format != CAIRO_FORMAT_RGB24) return;
    cairo_matrix_t m;
    cairo_get_matrix(cr, &m);
    double offsetX = 0, offsetY = 0;
    cairo_surface_get_device_offset(target, &offsetX, &offsetY);
    // Figures are drawn upright at the device scale; smaller scales would blur them.
    if (m.xy != 0 || m.yx != 0 || m.xx < 1 || m.yy < 1) return;
    toDevice_ = AffineTransform{m.xx, 0, 0, m.yy, m.x0 + offsetX, m.y0 + offsetY};

    // Cairo blends the edge pixels of a clip with fractional edges; here a pixel is in when half of it is.
    if (!context.isClipRectangular()) return;
    double x0, y0, x1, y1;
    cairo_clip_extents(cr, &x0, &y0, &x1, &y1);
    const Point a = toDevice_.apply(Point{x0, y0});
    const Point b = toDevice_.apply(Point{x1, y1});
    clipX0_ = std::max(0, clampToInt(std::round(a.x)));
    clipY0_ = std::max(0, clampToInt(std::round(a.y)));
    clipX1_ = std::min(cairo_image_surface_get_width(target), clampToInt(std::round(b.x)));
    clipY1_ = std::min(cairo_image_surface_get_height(target), clampToInt(std::round(b.y)));
    cairo_surface_flush(target);
    target_ = target;
    data_ = cairo_image_surface_get_data(target);
    stride_ = cairo_image_surface_get_stride(target);
    ready_ = data_ != nullptr;
}

Stamper::~Stamper() {
    if (touched_) cairo_surface_mark_dirty(target_);
}

int Stamper::addFigure(double radius, Figure figure) {
    const double scale = std::max(toDevice_.a, toDevice_.d);
    const int margin = clampToInt(std::ceil(std::max(radius, 0.0) * scale)) + 2;
    figures_.push_back(FigureStamps{radius, std::move(figure), margin, {}});
    return static_cast<int>(figures_.size()) - 1;
}

const Stamper::Raster& Stamper::raster(FigureStamps& figure, int phaseX, int phaseY) {
    auto& slot = figure.phases[static_cast<std::size_t>(phaseY * phasesPerPixel + phaseX)];
    if (slot) return *slot;
    Raster raster;
    raster.size = figure.margin * 2 + 1;
    auto image = Image::make(raster.size, raster.size);
    if (image) {
        {
            Context c(*image);
            cairo_set_antialias(c.cairo(), cairo_get_antialias(context_.cairo()));
            c.setAlpha(context_.alpha());
            c.setLineCap(context_.lineCap());
            c.setLineJoin(context_.lineJoin());
            c.setLineDash(context_.lineDash().phase, context_.lineDash().lengths);
            c.translate(figure.margin + (phaseX + 0.5) / phasesPerPixel, figure.margin + (phaseY + 0.5) / phasesPerPixel);
            c.scale(toDevice_.a, toDevice_.d);
            figure.figure(c, Point{0, 0});
        }
        cairo_surface_t* s = image->surface();
        const unsigned char* bytes = cairo_image_surface_get_data(s);
        const int stride = cairo_image_surface_get_stride(s);
        raster.pixels.resize(static_cast<std::size_t>(raster.size) * static_cast<std::size_t>(raster.size));
        raster.spans.assign(static_cast<std::size_t>(raster.size), {0, 0});
        for (int y = 0; y < raster.size; ++y) {
            const auto* row = reinterpret_cast<const std::uint32_t*>(bytes + static_cast<std::ptrdiff_t>(y) * stride);
            std::copy(row, row + raster.size, raster.pixels.begin() + static_cast<std::ptrdiff_t>(y) * raster.size);
            int first = 0, last = raster.size;
            while (first < last && row[first] == 0) ++first;
            while (last > first && row[last - 1] == 0) --last;
            raster.spans[static_cast<std::size_t>(y)] = {first, last};
            if (first < last) {
                if (raster.endRow == 0) raster.firstRow = y;
                raster.endRow = y + 1;
            }
        }
    }
    slot = std::move(raster);
    return *slot;
}

void Stamper::stamp(int figure, Point point) {
    if (!ready_ || figure < 0 || static_cast<std::size_t>(figure) >= figures_.size()) return;
    const Point d = toDevice_.apply(point);
    if (!std::isfinite(d.x) || !std::isfinite(d.y)) return;
    FigureStamps& f = figures_[static_cast<std::size_t>(figure)];
    // Far outside the clip: nothing to do (and no integer conversion of a huge value).
    if (d.x < clipX0_ - f.margin - 1 || d.x > clipX1_ + f.margin + 1 || d.y < clipY0_ - f.margin - 1 ||
        d.y > clipY1_ + f.margin + 1)
        return;
    const double fx = std::floor(d.x), fy = std::floor(d.y);
    const int phaseX = std::min(phasesPerPixel - 1, static_cast<int>((d.x - fx) * phasesPerPixel));
    const int phaseY = std::min(phasesPerPixel - 1, static_cast<int>((d.y - fy) * phasesPerPixel));
    const Raster& r = raster(f, phaseX, phaseY);
    const int left = static_cast<int>(fx) - f.margin, top = static_cast<int>(fy) - f.margin;
    const int rowFrom = std::max(r.firstRow, clipY0_ - top), rowTo = std::min(r.endRow, clipY1_ - top);
    for (int y = rowFrom; y < rowTo; ++y) {
        auto [from, to] = r.spans[static_cast<std::size_t>(y)];
        from = std::max(from, clipX0_ - left);
        to = std::min(to, clipX1_ - left);
        if (from >= to) continue;
        auto* dst = reinterpret_cast<std::uint32_t*>(data_ + static_cast<std::ptrdiff_t>(top + y) * stride_) + left;
        const std::uint32_t* src = r.pixels.data() + static_cast<std::ptrdiff_t>(y) * r.size;
        for (int x = from; x < to; ++x) {
            const std::uint32_t s = src[x];
            if (s >= 0xFF000000u) dst[x] = s;
            else if (s != 0) dst[x] = over(s, dst[x]);
        }
        touched_ = true;
    }
}

} // namespace kit
