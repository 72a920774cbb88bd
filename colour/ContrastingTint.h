#pragma once
// Black or white for text and controls drawn over a colour, chosen so that they stay readable.
#include "kit/base/Color.h"

namespace colour {

// The ratio text needs over its background to be read with ease.
inline constexpr double readableContrastRatio = 4.5;

// The contrast ratio of `foreground`, blended by its alpha over `background` (taken as opaque),
// against that background: what the eye sees of a translucent tint.
double contrastOver(const kit::Color& foreground, const kit::Color& background);

// Black or white at `alpha` over `background`: black over a bright colour (HSB brightness above one
// half), white otherwise; where that gives less than the readable ratio, the one of the two with
// the higher ratio (brightness alone calls a dark red bright, and black on it is near illegible),
// made less translucent where it is still short, up to opaque (and the other one opaque where that
// is still short: one of the two always reaches the ratio).
kit::Color contrastingTint(const kit::Color& background, double alpha = 0.7);

} // namespace colour
