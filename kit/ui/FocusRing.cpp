#include "kit/ui/FocusRing.h"

#include "kit/ui/View.h"

namespace kit {

void FocusRing::show(const std::shared_ptr<View>& view) {
    if (view && view == view_.lock()) return;
    clear();
    if (!view) return;
    Layer& layer = *view->layer();
    savedWidth_ = layer.borderWidth();
    savedColor_ = layer.borderColor();
    layer.setBorderWidth(width);
    layer.setBorderColor(color());
    view_ = view;
}

void FocusRing::clear() {
    auto view = view_.lock();
    view_.reset();
    if (!view) return;
    Layer& layer = *view->layer();
    // A border the screen set meanwhile (a new look for a reused cell) stays.
    if (layer.borderWidth() != width || !(layer.borderColor() == color())) return;
    layer.setBorderWidth(savedWidth_);
    layer.setBorderColor(savedColor_);
}

} // namespace kit
