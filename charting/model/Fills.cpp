#include "charting/model/Fills.h"

#include "kit/graphics/Context.h"

#include <cmath>
#include <numbers>

namespace charting {

void EmptyFill::fillPath(kit::Context&, const kit::Rect&) const {}

void ColorFill::fillPath(kit::Context& context, const kit::Rect&) const {
    kit::SavedState saved(context);
    context.setFillColor(color_);
    context.fillPath();
}

std::shared_ptr<ImageFill> ImageFill::make(kit::Image image, bool isTiled) {
    if (image.isEmpty()) return nullptr;
    return std::make_shared<ImageFill>(std::move(image), isTiled);
}

void ImageFill::fillPath(kit::Context& context, const kit::Rect& rect) const {
    kit::SavedState saved(context);
    context.clip();
    if (isTiled_) {
        context.drawTiledImage(image_, rect);
    } else {
        context.drawImage(image_, rect);
    }
}

void LayerFill::fillPath(kit::Context& context, const kit::Rect& rect) const {
    kit::SavedState saved(context);
    context.clip();
    context.drawImage(layer_, rect);
}

std::pair<kit::Point, kit::Point> LinearGradientFill::axis(const kit::Rect& r) const {
    const kit::Rect rect = r.standardized();
    const double a = (360.0 - angle_) * std::numbers::pi / 180.0;
    const kit::Point centre{rect.midX(), rect.midY()};
    const double dx = rect.width() * std::cos(a) * 0.5;
    const double dy = std::sin(a) * rect.height() * 0.5;
    return {{centre.x - dx, centre.y - dy}, {centre.x + dx, centre.y + dy}};
}

void LinearGradientFill::fillPath(kit::Context& context, const kit::Rect& rect) const {
    kit::SavedState saved(context);
    auto [start, end] = axis(rect);
    context.clip();
    context.drawLinearGradient(gradient_, start, end, kit::GradientExtend::both());
}

void RadialGradientFill::fillPath(kit::Context& context, const kit::Rect& r) const {
    kit::SavedState saved(context);
    const kit::Rect rect = r.standardized();
    const kit::Point centre{rect.midX(), rect.midY()};
    const double radius = std::max(rect.width(), rect.height()) * 0.5;
    context.clip();
    const kit::Point start{centre.x + rect.width() * startOffsetPercent_.x,
                           centre.y + rect.height() * startOffsetPercent_.y};
    const kit::Point end{centre.x + rect.width() * endOffsetPercent_.x, centre.y + rect.height() * endOffsetPercent_.y};
    context.drawRadialGradient(gradient_, start, radius * startRadiusPercent_, end, radius * endRadiusPercent_,
                               kit::GradientExtend::both());
}

} // namespace charting
