#pragma once
// The visual-format strings the app uses: "H:|[v0]|" and "V:|[v0]|" (a view filling its superview
// along one axis). Anything else is reported on the console and gives no constraints.
#include <map>
#include <string>
#include <string_view>

#include "kit/layout/Constraint.h"
#include "kit/layout/LayoutItem.h"

namespace kit::layout {

// The constraints are returned inactive, as the platform does; activate them with Constraint::activate.
ConstraintList constraintsWithVisualFormat(std::string_view format, const std::map<std::string, LayoutItem*>& views);

} // namespace kit::layout

namespace kit {
using layout::constraintsWithVisualFormat;
} // namespace kit
