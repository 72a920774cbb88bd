#include "tools/DerivedColorList.h"

#include "colour/library/DerivedColors.h"

namespace tools {

std::array<kit::Color, 9> derivedColors(const kit::Color& c) {
    return {colour::inverted(c),       colour::adjustedHue(c, 180), colour::lighter(c, 0.2),
            colour::darker(c, 0.2),    colour::desaturated(c, 0.2), colour::saturated(c, 0.2),
            colour::tinted(c, 0.2),    colour::shaded(c, 0.2),      colour::grayscaled(c, colour::GrayscalingMode::lightness)};
}

} // namespace tools
