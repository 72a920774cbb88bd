#include "wheels/HueRing.h"

#include "colour/Ryb.h"
#include "kit/base/Console.h"
#include "kit/graphics/Path.h"

#include <cmath>
#include <map>
#include <numbers>
#include <tuple>

namespace wheels {

void paintHueRing(kit::Context& context, double R, double r, float resolution, bool classic) {
    const double n = static_cast<double>(resolution * 512.0f);
    if (!std::isfinite(n) || n < 0) kit::fatal("drawHueRing: the wedge count must be finite and not negative");
    const int count = static_cast<int>(std::ceil(n));
    if (count == 0) return;
    kit::Path wedge;
    wedge.moveTo({r, -(r * std::numbers::pi / n) / 2});
    wedge.lineTo({r, (r * std::numbers::pi / n) / 2});
    wedge.lineTo({R, (R * std::numbers::pi / n) / 2});
    wedge.lineTo({R, -(R * std::numbers::pi / n) / 2});
    wedge.close();
    // One path turned by a rotation after each wedge, instead of 512 paths built anew.
    const auto step = kit::AffineTransform::rotation(-2 * std::numbers::pi / n);
    context.save();
    context.setLineWidth(R * 2 * std::numbers::pi / n);
    for (int i = 0; i < count; ++i) {
        const double hue = i / n;
        kit::Color colour = kit::Color::hsb(hue, 1, 1, 1);
        if (classic) colour = colour::ryb(hue, 1, 1);
        context.setFillColor(colour);
        context.setStrokeColor(colour);
        context.fill(wedge);
        // The stroke closes the hairline gaps between neighbouring wedges.
        context.stroke(wedge);
        wedge = wedge.transformed(step);
    }
    context.restore();
}

std::shared_ptr<const kit::Image> cachedHueRing(kit::Size size, double R, double r, bool classic, double scale) {
    using Key = std::tuple<double, double, double, double, bool, double>;
    static std::map<Key, std::shared_ptr<const kit::Image>> cache;
    const Key key{size.width, size.height, R, r, classic, scale};
    if (auto found = cache.find(key); found != cache.end()) return found->second;
    auto image = kit::Image::make(size.width, size.height, scale);
    if (!image) return nullptr;
    {
        kit::Context context(*image);
        context.translate(size.width / 2, size.height / 2);
        paintHueRing(context, R, r, 1.0f, classic);
    }
    // A handful of sizes at most (phone, pad, rotations); keep the newest few.
    if (cache.size() >= 8) cache.erase(cache.begin());
    auto shared = std::make_shared<const kit::Image>(std::move(*image));
    cache.emplace(key, shared);
    return shared;
}

} // namespace wheels
