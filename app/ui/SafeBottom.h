#pragma once
// A bottom edge laid out for screens without a home indicator, kept clear of the indicator where
// there is one.
#include "kit/layout/Constraint.h"

namespace kit {
class View;
}

namespace app {

// The view's bottom `inset` above the root's bottom edge, lifted only as far as it takes to stay
// inside the root's safe area.
kit::layout::ConstraintList pinBottomInsideSafeArea(kit::View& view, kit::View& root, double inset);

} // namespace app
