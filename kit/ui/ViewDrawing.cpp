// A view's own drawing: drawRect paints into a backing image, kept per drawing scale until the
// view asks to be drawn again, so that frames and 1x1 read-backs do not repeat costly drawing.
#include "kit/graphics/Context.h"
#include "kit/graphics/Image.h"
#include "kit/ui/LayerDeviceScale.h"
#include "kit/ui/View.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <functional>
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
// Whether a drawing puts any ink down, found by running it into a recording surface: nothing is
// allocated or read back for the many views that draw nothing of their own.
bool inks(const std::function<void(Context&)>& draw) {
    cairo_surface_t* recording = cairo_recording_surface_create(CAIRO_CONTENT_COLOR_ALPHA, nullptr);
    cairo_t* cr = cairo_create(recording);
    {
        Context context(cr);
        draw(context);
    }
    cairo_destroy(cr);
    double x = 0, y = 0, width = 0, height = 0;
    cairo_recording_surface_ink_extents(recording, &x, &y, &width, &height);
    cairo_surface_destroy(recording);
    return width > 0 && height > 0;
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
        if (defaultDrawRectRan_ && !inks([&](Context& c) {
                c.translate(-b.x(), -b.y());
                drawRect(c, b);
            })) {
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
