#pragma once
// A turn of a mouse wheel or a touchpad scroll, as the hosts deliver it to the view under the
// pointer. The delta says how far the content should move (positive: towards its end, down or
// right), in lines for wheel steps and in points for touchpads that report smooth deltas.
#include "kit/base/Geometry.h"

namespace kit {

struct WheelEvent {
    enum class Unit { lines, points };
    Point location;  // window coordinates
    Point delta;
    Unit unit = Unit::lines;
    bool control = false;  // Ctrl held: zoom rather than scroll where a view can zoom
    bool shift = false;    // Shift held: a vertical wheel scrolls sideways
};

} // namespace kit
