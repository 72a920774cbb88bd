#include "colour/library/ColorGradient.h"

#include "colour/library/DerivedColors.h"

#include <algorithm>
#include <cmath>

namespace colour {

kit::Color ColorGradient::pickColorAt(double scale, MixingSpace space) const {
    if (colors.empty()) return kit::Color::rgba(0, 0, 0, 1);
    if (colors.size() == 1) return colors.front();
    const double s = std::isnan(scale) ? 0.0 : std::clamp(scale, 0.0, 1.0);
    const double last = static_cast<double>(colors.size() - 1);
    for (std::size_t i = 0; i < colors.size(); ++i) {
        const double position = static_cast<double>(i) / last;
        if (s > position) continue;
        if (s == 0 || s == 1) return colors[i];
        const double previous = static_cast<double>(i - 1) / last;
        return mixed(colors[i - 1], colors[i], (s - previous) / (position - previous), space);
    }
    return colors.back();
}

std::vector<kit::Color> ColorGradient::colorPalette(int amount, MixingSpace space) const {
    if (amount <= 0 || colors.empty()) return {};
    if (colors.size() == 1) return std::vector<kit::Color>(static_cast<std::size_t>(amount), colors.front());
    // One colour of a longer gradient: the first, where the step 1 / (amount - 1) would divide by zero.
    if (amount == 1) return {colors.front()};
    const double step = 1.0 / (amount - 1);
    std::vector<kit::Color> palette;
    palette.reserve(static_cast<std::size_t>(amount));
    for (int i = 0; i < amount; ++i) palette.push_back(pickColorAt(i * step, space));
    return palette;
}

} // namespace colour
