#include "colour/PixelColor.h"

#include "kit/graphics/Context.h"
#include "kit/graphics/Image.h"
#include "kit/ui/Layer.h"

namespace colour {

std::optional<kit::Color> pixelColor(const kit::Layer& layer, kit::Point point) {
    auto bitmap = kit::Image::make(1, 1);
    if (!bitmap) return std::nullopt;
    {
        kit::Context context(*bitmap);
        context.translate(-point.x, -point.y);
        layer.renderInContext(context);
    }
    const auto bytes = bitmap->pixelRGBA(0, 0);
    return kit::Color::rgba(bytes[0] / 255.0, bytes[1] / 255.0, bytes[2] / 255.0, bytes[3] / 255.0);
}

} // namespace colour
