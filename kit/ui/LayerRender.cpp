// Drawing of the layer tree with Cairo: shadow, background, contents, own content, sublayers
// (clipped when the layer masks to its bounds), border on top; opacity applies to the whole group.
#include "kit/graphics/Context.h"
#include "kit/graphics/Image.h"
#include "kit/graphics/Path.h"
#include "kit/ui/Layer.h"
#include "kit/ui/LayerDeviceScale.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace kit {

struct Layer::ShadowCache {
    std::uint64_t contentVersion = 0;
    Size size;
    double scale = 0;
    double radius = 0;
    double cornerRadius = 0;
    Image mask; // alpha only: the blurred shape
    double pad = 0;
};

struct Layer::RasterCache {
    std::uint64_t contentVersion = 0;
    Rect bounds;
    double scale = 0;
    Image image; // the layer's content and sublayers over its bounds (plus room for overhang)
    double pad = 0;
};

namespace {

double deviceScale(Context& c) { return deviceScaleOf(c); }

Path shapeOf(const Rect& bounds, double cornerRadius) {
    if (cornerRadius <= 0) return Path::rect(bounds);
    return Path::roundedRect(bounds, std::min(cornerRadius, std::min(bounds.width(), bounds.height()) / 2));
}

Rect placeContents(Size image, const Rect& b, ContentsGravity g) {
    if (image.width <= 0 || image.height <= 0) return b;
    switch (g) {
    case ContentsGravity::resize: return b;
    case ContentsGravity::resizeAspect:
    case ContentsGravity::resizeAspectFill: {
        const double sx = b.width() / image.width, sy = b.height() / image.height;
        const double s = g == ContentsGravity::resizeAspect ? std::min(sx, sy) : std::max(sx, sy);
        const Size z{image.width * s, image.height * s};
        return {b.midX() - z.width / 2, b.midY() - z.height / 2, z.width, z.height};
    }
    default: break;
    }
    double x = b.midX() - image.width / 2, y = b.midY() - image.height / 2;
    switch (g) {
    case ContentsGravity::left: case ContentsGravity::topLeft: case ContentsGravity::bottomLeft: x = b.minX(); break;
    case ContentsGravity::right: case ContentsGravity::topRight: case ContentsGravity::bottomRight:
        x = b.maxX() - image.width; break;
    default: break;
    }
    switch (g) {
    case ContentsGravity::top: case ContentsGravity::topLeft: case ContentsGravity::topRight: y = b.minY(); break;
    case ContentsGravity::bottom: case ContentsGravity::bottomLeft: case ContentsGravity::bottomRight:
        y = b.maxY() - image.height; break;
    default: break;
    }
    return {x, y, image.width, image.height};
}

// One box blur of radius `reach` along each row of a width x height plane.
void boxBlurRows(const float* src, float* dst, std::size_t width, std::size_t height, std::size_t reach, float inv) {
    for (std::size_t y = 0; y < height; ++y) {
        const float* in = src + y * width;
        float* out = dst + y * width;
        float sum = 0;
        for (std::size_t i = 0; i <= reach && i < width; ++i) sum += in[i];
        for (std::size_t i = 0; i < width; ++i) {
            out[i] = sum * inv;
            if (i + reach + 1 < width) sum += in[i + reach + 1];
            if (i >= reach) sum -= in[i - reach];
        }
    }
}

// The same down each column, a whole row at a time so that memory is read in order; `sums`
// holds one running sum per column.
void boxBlurColumns(const float* src, float* dst, std::size_t width, std::size_t height, std::size_t reach, float inv,
                    std::vector<float>& sums) {
    auto addRow = [&](std::size_t y, float sign) {
        const float* in = src + y * width;
        for (std::size_t x = 0; x < width; ++x) sums[x] += sign * in[x];
    };
    std::fill(sums.begin(), sums.end(), 0.0f);
    for (std::size_t i = 0; i <= reach && i < height; ++i) addRow(i, 1.0f);
    for (std::size_t i = 0; i < height; ++i) {
        float* out = dst + i * width;
        for (std::size_t x = 0; x < width; ++x) out[x] = sums[x] * inv;
        if (i + reach + 1 < height) addRow(i + reach + 1, 1.0f);
        if (i >= reach) addRow(i - reach, -1.0f);
    }
}

// Three box blurs of the alpha channel approximate a Gaussian of the given sigma (in pixels).
void blurAlpha(Image& image, double sigma) {
    cairo_surface_t* s = image.surface();
    unsigned char* data = cairo_image_surface_get_data(s);
    const int w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
    if (!data || w <= 0 || h <= 0) return;
    const std::size_t width = static_cast<std::size_t>(w), height = static_cast<std::size_t>(h);
    const std::size_t stride = static_cast<std::size_t>(cairo_image_surface_get_stride(s));
    std::vector<float> a(width * height), tmp(a.size());
    for (std::size_t y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(data + y * stride);
        float* out = a.data() + y * width;
        for (std::size_t x = 0; x < width; ++x) out[x] = static_cast<float>(row[x] >> 24);
    }
    const int r = std::max(0, static_cast<int>(std::lround((std::sqrt(1 + 4 * sigma * sigma) - 1) / 2)));
    if (r > 0) {
        const float inv = 1.0f / static_cast<float>(2 * r + 1);
        const auto reach = static_cast<std::size_t>(r);
        std::vector<float> sums(width);
        for (int i = 0; i < 3; ++i) {
            boxBlurRows(a.data(), tmp.data(), width, height, reach, inv);
            boxBlurColumns(tmp.data(), a.data(), width, height, reach, inv, sums);
        }
    }
    for (std::size_t y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + y * stride);
        const float* in = a.data() + y * width;
        // Black at that coverage: only the alpha is used, as a mask.
        for (std::size_t x = 0; x < width; ++x) row[x] = static_cast<std::uint32_t>(std::clamp(in[x] + 0.5f, 0.0f, 255.0f)) << 24;
    }
    image.markDirty();
}

} // namespace

struct LayerRendering {
    static void render(const Layer& layer, Context& c, bool placeInSuperlayer);
    static void content(const Layer& layer, Context& c, const LayerPresentation& p);
    static void shadow(const Layer& layer, Context& c, const LayerPresentation& p);
    static bool culled(const Layer& layer, Context& c, const LayerPresentation& p);
    static void body(const Layer& layer, Context& c, const LayerPresentation& p);
    static void rasterized(const Layer& layer, Context& c, const LayerPresentation& p);
};

void LayerRendering::body(const Layer& layer, Context& c, const LayerPresentation& p) {
    content(layer, c, p);
    if (!layer.sublayers_.empty()) {
        SavedState clip(c);
        if (layer.masksToBounds_) c.clipToPath(shapeOf(p.bounds, layer.cornerRadius_));
        // A copy: drawing code of a view must not be able to disturb the iteration.
        const auto subs = layer.sublayers_;
        for (auto& sub : subs) render(*sub, c, true);
    }
    if (layer.borderWidth_ > 0 && layer.borderColor_.alpha() > 0) {
        c.setStrokeColor(layer.borderColor_);
        c.setLineWidth(layer.borderWidth_);
        const double half = layer.borderWidth_ / 2;
        c.stroke(shapeOf(p.bounds.insetBy(half, half), std::max(0.0, layer.cornerRadius_ - half)));
    }
}

void LayerRendering::rasterized(const Layer& layer, Context& c, const LayerPresentation& p) {
    const double scale = layer.rasterizationScale_ > 0 ? layer.rasterizationScale_ : deviceScale(c);
    auto& cache = layer.rasterCache_;
    if (!cache || cache->contentVersion != layer.contentVersion_ || cache->bounds != p.bounds || cache->scale != scale) {
        auto fresh = std::make_shared<Layer::RasterCache>();
        fresh->contentVersion = layer.contentVersion_;
        fresh->bounds = p.bounds;
        fresh->scale = scale;
        // Unclipped sublayers may hang over the edges a little; beyond that they are cut off.
        fresh->pad = layer.masksToBounds_ ? 0 : 16;
        auto image = Image::make(p.bounds.width() + 2 * fresh->pad, p.bounds.height() + 2 * fresh->pad, scale);
        if (!image) {
            body(layer, c, p);
            return;
        }
        {
            Context ic(*image);
            ic.translate(fresh->pad - p.bounds.x(), fresh->pad - p.bounds.y());
            body(layer, ic, p);
        }
        fresh->image = std::move(*image);
        cache = fresh;
    }
    c.drawImage(cache->image, p.bounds.insetBy(-cache->pad, -cache->pad));
}

void LayerRendering::content(const Layer& layer, Context& c, const LayerPresentation& p) {
    const Rect& b = p.bounds;
    if (p.backgroundColor && p.backgroundColor->alpha() > 0) {
        c.setFillColor(*p.backgroundColor);
        c.fill(shapeOf(b, layer.cornerRadius_));
    }
    if (layer.contents_ && !layer.contents_->isEmpty()) {
        SavedState keep(c);
        if (layer.masksToBounds_) c.clipToPath(shapeOf(b, layer.cornerRadius_));
        c.drawImage(*layer.contents_, placeContents(layer.contents_->size(), b, layer.contentsGravity_));
    }
    if (layer.delegate_) {
        SavedState keep(c);
        if (layer.masksToBounds_) c.clipToPath(shapeOf(b, layer.cornerRadius_));
        layer.delegate_->drawLayer(layer, c);
    }
    {
        SavedState keep(c);
        layer.drawContent(c);
    }
}

bool LayerRendering::culled(const Layer& layer, Context& c, const LayerPresentation& p) {
    // A layer can be skipped by its bounds when all it draws stays inside them: when it clips, or
    // when it has no sublayers, no shape of its own and no contents placed beyond its bounds.
    if (!layer.masksToBounds_) {
        if (!layer.sublayers_.empty() || layer.hasOwnShape()) return false;
        if (layer.contents_) {
            const auto g = layer.contentsGravity_;
            if (g != ContentsGravity::resize && g != ContentsGravity::resizeAspect) return false;
        }
    }
    double reach = layer.borderWidth_;
    if (layer.shadowOpacity_ > 0)
        reach += 1.5 * layer.shadowRadius_ + std::max(std::fabs(layer.shadowOffset_.width), std::fabs(layer.shadowOffset_.height));
    const Rect clip = c.clipBoundingBox();
    return !p.bounds.insetBy(-reach - 1, -reach - 1).intersects(clip);
}

void LayerRendering::shadow(const Layer& layer, Context& c, const LayerPresentation& p) {
    const double scale = deviceScale(c);
    const Size size = p.bounds.size;
    if (size.width <= 0 || size.height <= 0) return;
    auto& cache = layer.shadowCache_;
    if (!cache || cache->contentVersion != layer.contentVersion_ || cache->size != size || cache->scale != scale ||
        cache->radius != layer.shadowRadius_ || cache->cornerRadius != layer.cornerRadius_) {
        auto fresh = std::make_shared<Layer::ShadowCache>();
        fresh->contentVersion = layer.contentVersion_;
        fresh->size = size;
        fresh->scale = scale;
        fresh->radius = layer.shadowRadius_;
        fresh->cornerRadius = layer.cornerRadius_;
        const double sigma = layer.shadowRadius_ / 2;
        fresh->pad = std::ceil(3 * sigma) + 1;
        auto image = Image::make(size.width + 2 * fresh->pad, size.height + 2 * fresh->pad, scale);
        if (!image) return;
        {
            Context ic(*image);
            ic.translate(fresh->pad - p.bounds.x(), fresh->pad - p.bounds.y());
            LayerPresentation flat = p;
            flat.opacity = 1;
            // The drawing without the layer's own shadow, whose alpha becomes the mask.
            body(layer, ic, flat);
        }
        blurAlpha(*image, sigma * scale);
        fresh->mask = std::move(*image);
        cache = fresh;
    }
    const Rect at{p.bounds.x() - cache->pad + layer.shadowOffset_.width, p.bounds.y() - cache->pad + layer.shadowOffset_.height,
                  size.width + 2 * cache->pad, size.height + 2 * cache->pad};
    cairo_t* cr = c.cairo();
    cairo_save(cr);
    cairo_pattern_t* pattern = cairo_pattern_create_for_surface(cache->mask.surface());
    cairo_matrix_t m;
    cairo_matrix_init_scale(&m, cache->mask.pixelWidth() / at.width(), cache->mask.pixelHeight() / at.height());
    cairo_matrix_translate(&m, -at.x(), -at.y());
    cairo_pattern_set_matrix(pattern, &m);
    const Color& sc = layer.shadowColor_;
    cairo_set_source_rgba(cr, sc.red(), sc.green(), sc.blue(), sc.alpha() * layer.shadowOpacity_ * c.alpha());
    cairo_mask(cr, pattern);
    cairo_pattern_destroy(pattern);
    cairo_restore(cr);
}

void LayerRendering::render(const Layer& layer, Context& c, bool placeInSuperlayer) {
    const LayerPresentation p = layer.presentation();
    if (layer.hidden_ || p.opacity <= 0) return;
    SavedState keep(c);
    if (placeInSuperlayer) c.concat(Layer::transformToSuperlayer(p));
    if (!c.isDrawable() || culled(layer, c, p)) return;
    const bool group = p.opacity < 1;
    if (group) cairo_push_group(c.cairo());
    if (layer.shadowOpacity_ > 0 && layer.shadowColor_.alpha() > 0) shadow(layer, c, p);
    if (layer.shouldRasterize_ && p.bounds.width() > 0 && p.bounds.height() > 0) rasterized(layer, c, p);
    else body(layer, c, p);
    if (group) {
        cairo_pop_group_to_source(c.cairo());
        cairo_paint_with_alpha(c.cairo(), p.opacity);
    }
}

void Layer::renderInContext(Context& context) const {
    if (!context.isHealthy()) return;
    LayerRendering::render(*this, context, false);
}

Image Layer::renderImage(double scale) const {
    const Rect b = bounds_;
    auto image = Image::make(std::max(b.width(), 1.0), std::max(b.height(), 1.0), scale);
    if (!image) return {};
    {
        Context c(*image);
        c.translate(-b.x(), -b.y());
        renderInContext(c);
    }
    return std::move(*image);
}

std::array<std::uint8_t, 4> Layer::pixelAt(Point p) const {
    auto image = Image::make(1, 1, 1);
    if (!image) return {0, 0, 0, 0};
    {
        Context c(*image);
        c.translate(-p.x, -p.y);
        renderInContext(c);
    }
    return image->pixelRGBA(0, 0);
}

} // namespace kit
