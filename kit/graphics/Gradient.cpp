#include "kit/graphics/Gradient.h"

#include <algorithm>
#include <cmath>

namespace kit {

std::optional<Gradient> Gradient::make(const std::vector<Color>& colors, const std::vector<double>& locations) {
    if (colors.empty() || (!locations.empty() && locations.size() != colors.size())) return std::nullopt;
    Gradient g;
    for (std::size_t i = 0; i < colors.size(); ++i) {
        double at = locations.empty() ? (colors.size() == 1 ? 0.0 : double(i) / double(colors.size() - 1)) : locations[i];
        if (std::isnan(at)) return std::nullopt;
        g.stops_.push_back({colors[i], std::clamp(at, 0.0, 1.0)});
    }
    return g;
}

} // namespace kit
