#include "kit/ui/View.h"

namespace kit {

void View::setNeedsDisplay() { layer_->setNeedsDisplay(); }

void View::drawRect(Context&, const Rect&) { defaultDrawRectRan_ = true; }

void View::drawLayer(const Layer&, Context&) {}

} // namespace kit
