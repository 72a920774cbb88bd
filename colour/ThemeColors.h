#pragma once
// The fixed theme colours and the grey ramp, each made once on first use and shared.
#include "kit/base/Color.h"

#include <vector>

namespace colour {

const kit::Color& panelBackgroundColor();
const kit::Color& screenBackgroundColor();
const kit::Color& translucentGrayColor();
const kit::Color& halfBlackColor();
const kit::Color& faintBlackColor();
const kit::Color& darkOverlayColor();

// Eleven opaque greys from white to black; the usable-colour test rejects colours near them.
const std::vector<kit::Color>& grayScaleSteps();

} // namespace colour
