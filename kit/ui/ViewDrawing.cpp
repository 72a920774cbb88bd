// A view's own drawing: drawRect paints into a backing image, kept per drawing scale until the
// view asks to be drawn again, so that frames and 1x1 read-backs do not repeat costly drawing.
#include "kit/graphics/Context.h"
#include "kit/graphics/Image.h"
#include "kit/ui/LayerDeviceScale.h"
#include "kit/ui/View.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace kit {

struct View::Backing {
    struct Entry {
        double scale;
        Size size;
        Image image;
    };
    std::vector<Entry> entries; // at most two scales: the screen's and one for read-backs
};

namespace {
double drawingScale(Context& c) {
    // Whole steps of a half, so that a view drawn while it scales does not redraw every frame.
    return std::clamp(std::ceil(deviceScaleOf(c) * 2) / 2, 1.0, 4.0);
}
bool isTransparent(const Image& image) {
    cairo_surface_t* s = image.surface();
    const unsigned char* data = cairo_image_surface_get_data(s);
    if (!data) return true;
    const int stride = cairo_image_surface_get_stride(s);
    const int width = image.pixelWidth(), height = image.pixelHeight();
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(data + y * stride);
        // The alphas of a whole row at once: a loop without an exit vectorises.
        std::uint32_t alphas = 0;
        for (int x = 0; x < width; ++x) alphas |= row[x];
        if (alphas >> 24) return false;
    }
    return true;
}
} // namespace

void View::setNeedsDisplay() {
    if (backing_) backing_->entries.clear();
    layer_->setNeedsDisplay();
}

void View::drawRect(Context&, const Rect&) { defaultDrawRectRan_ = true; }

void View::drawLayer(const Layer&, Context& context) {
    if (drawsNothing_) return;
    const Rect b = bounds();
    if (b.width() <= 0 || b.height() <= 0) return;
    if (!backing_) backing_ = std::make_shared<Backing>();
    if (layer_->needsDisplay()) {
        backing_->entries.clear();
        layer_->clearNeedsDisplay();
    }
    const double scale = drawingScale(context);
    auto it = std::find_if(backing_->entries.begin(), backing_->entries.end(),
                           [&](const Backing::Entry& e) { return e.scale == scale && e.size == b.size; });
    if (it == backing_->entries.end()) {
        auto image = Image::make(b.width(), b.height(), scale);
        if (!image) return;
        defaultDrawRectRan_ = false;
        {
            Context own(*image);
            own.translate(-b.x(), -b.y());
            drawRect(own, b);
        }
        if (defaultDrawRectRan_ && isTransparent(*image)) {
            // This class draws nothing of its own (it did not override drawRect, or only called
            // the base): no backing, and no more drawing calls.
            drawsNothing_ = true;
            backing_.reset();
            return;
        }
        drawsNothing_ = false;
        if (backing_->entries.size() >= 2) backing_->entries.erase(backing_->entries.begin());
        backing_->entries.push_back({scale, b.size, std::move(*image)});
        it = std::prev(backing_->entries.end());
    }
    context.drawImage(it->image, b);
}

Image View::snapshot(double scale) const {
    // Only this view and its subviews, over its bounds, whatever its own placement.
    return layer_->renderImage(scale);
}

} // namespace kit
