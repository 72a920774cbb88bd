#pragma once
// The shared default text colour of chart components: the platform's label colour, resolved once
// per process (opaque black here, where the platform has no appearance theme).
#include "kit/base/Color.h"

namespace charting {

const kit::Color& labelColor();

} // namespace charting
