#include "capture/ImageOpacity.h"

#include "kit/graphics/Context.h"

namespace capture {

kit::Image imageWithOpacity(const kit::Image& image, double alpha) {
    kit::Size size = image.size();
    auto redrawn = kit::Image::make(size.width, size.height, image.scale());
    if (!redrawn) return {};
    kit::Context context(*redrawn);
    context.setAlpha(alpha);
    context.drawImage(image, {0, 0, size.width, size.height});
    return std::move(*redrawn);
}

} // namespace capture
