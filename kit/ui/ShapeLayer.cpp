#include "kit/ui/ShapeLayer.h"

#include "kit/graphics/Context.h"

#include <algorithm>

namespace kit {

void ShapeLayer::setPath(std::optional<Path> path) {
    path_ = std::move(path);
    markChanged();
}

void ShapeLayer::setFillColor(std::optional<Color> color) {
    fill_ = std::move(color);
    markChanged();
}

void ShapeLayer::setStrokeColor(std::optional<Color> color) {
    stroke_ = std::move(color);
    markChanged();
}

void ShapeLayer::setLineWidth(double width) {
    lineWidth_ = std::max(0.0, width);
    markChanged();
}

void ShapeLayer::setUsesEvenOddFill(bool evenOdd) {
    evenOdd_ = evenOdd;
    markChanged();
}

void ShapeLayer::setLineDashPattern(std::vector<double> pattern) {
    dash_ = std::move(pattern);
    markChanged();
}

void ShapeLayer::drawContent(Context& c) const {
    if (!path_ || path_->isEmpty()) return;
    if (fill_ && fill_->alpha() > 0) {
        c.setFillColor(*fill_);
        c.fill(*path_, evenOdd_);
    }
    if (stroke_ && stroke_->alpha() > 0 && lineWidth_ > 0) {
        c.setStrokeColor(*stroke_);
        c.setLineWidth(lineWidth_);
        c.setLineDash(0, dash_);
        c.stroke(*path_);
    }
}

} // namespace kit
