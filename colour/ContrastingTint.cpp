#include "colour/ContrastingTint.h"

#include "colour/library/DerivedColors.h"

namespace colour {

double contrastOver(const kit::Color& foreground, const kit::Color& background) {
    const double a = foreground.alpha();
    auto over = [a](double f, double b) { return a * f + (1 - a) * b; };
    const auto seen = kit::Color::rgba(over(foreground.red(), background.red()), over(foreground.green(), background.green()),
                                       over(foreground.blue(), background.blue()));
    return contrastRatio(seen, background.withAlpha(1));
}

kit::Color contrastingTint(const kit::Color& background, double alpha) {
    const auto black = kit::Color::hsb(0, 0, 0, alpha), white = kit::Color::hsb(0, 0, 1, alpha);
    const bool bright = background.hsba().brightness > 0.5;
    auto tint = bright ? black : white;
    if (contrastOver(tint, background) >= readableContrastRatio) return tint;
    const auto& other = bright ? white : black;
    if (contrastOver(other, background) > contrastOver(tint, background)) tint = other;
    // Still short of the ratio (a mid-tone): less translucent, as far as it takes; where even opaque
    // it falls short, the other one opaque, which then reaches it.
    for (double a = alpha; a < 1 && contrastOver(tint, background) < readableContrastRatio;)
        tint = tint.withAlpha(a = std::min(1.0, a + 0.05));
    if (contrastOver(tint, background) >= readableContrastRatio) return tint;
    const auto opaqueOther = (tint.red() > 0.5 ? black : white).withAlpha(1);
    return contrastOver(opaqueOther, background) > contrastOver(tint, background) ? opaqueOther : tint;
}

} // namespace colour
