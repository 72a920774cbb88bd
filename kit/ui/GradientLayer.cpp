#include "kit/ui/GradientLayer.h"

#include "kit/graphics/Context.h"
#include "kit/graphics/Gradient.h"

namespace kit {

void GradientLayer::setColors(std::optional<std::vector<Color>> colors) {
    colors_ = std::move(colors);
    markChanged();
}

void GradientLayer::setLocations(std::optional<std::vector<double>> locations) {
    locations_ = std::move(locations);
    markChanged();
}

void GradientLayer::setStartPoint(Point p) {
    start_ = p;
    markChanged();
}

void GradientLayer::setEndPoint(Point p) {
    end_ = p;
    markChanged();
}

void GradientLayer::drawContent(Context& c) const {
    if (!colors_ || colors_->empty()) return;
    const Rect b = bounds();
    if (b.isEmpty()) return;
    std::vector<Color> colors = *colors_;
    if (colors.size() == 1) colors.push_back(colors.front()); // one colour fills evenly
    std::vector<double> locations;
    // Locations that do not match the colours are ignored rather than dropping the gradient.
    if (locations_ && locations_->size() == colors.size()) locations = *locations_;
    auto gradient = Gradient::make(colors, locations);
    if (!gradient) return;
    c.clipToPath(cornerRadius() > 0 ? Path::roundedRect(b, cornerRadius()) : Path::rect(b));
    const Point from{b.x() + start_.x * b.width(), b.y() + start_.y * b.height()};
    const Point to{b.x() + end_.x * b.width(), b.y() + end_.y * b.height()};
    if (from == to) {
        c.setFillColor(colors.back());
        c.fillRect(b);
        return;
    }
    c.drawLinearGradient(*gradient, from, to, GradientExtend::both());
}

} // namespace kit
