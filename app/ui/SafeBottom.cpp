#include "app/ui/SafeBottom.h"

#include "kit/ui/View.h"

namespace app {

kit::layout::ConstraintList pinBottomInsideSafeArea(kit::View& view, kit::View& root, double inset) {
    // The wanted inset gives way only to the safe area, never to anything else.
    kit::layout::ConstraintList constraints{
        view.bottomAnchor().equalTo(root.bottomAnchor(), -inset)->withPriority(kit::layout::priority::required - 1),
        view.bottomAnchor().lessThanOrEqualTo(root.safeAreaLayoutGuide().bottomAnchor())};
    kit::layout::Constraint::activate(constraints);
    return constraints;
}

} // namespace app
