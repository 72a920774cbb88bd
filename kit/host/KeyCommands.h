#pragma once
// The keys a desktop user expects of every screen, the same in the window and in headless tests:
// Escape closes the innermost open thing (a menu or overlay, then an alert, sheet or picker, then
// the screen), Return confirms an alert or the picker's crop, Tab moves between an alert's text
// fields, Page Up / Page Down / Home / End move a list or grid.
#include "kit/base/Geometry.h"

#include <memory>
#include <optional>

namespace kit {
class ViewController;
} // namespace kit

namespace kit::host {

enum class Key { escape, enter, tab, pageUp, pageDown, home, end };

// Acts on the screen on top of `root`; false when the key meant nothing there. Scrolling keys move
// the list under `pointer` (window coordinates) when there is one, else the largest on the screen.
bool pressKey(const std::shared_ptr<ViewController>& root, Key key, std::optional<Point> pointer = std::nullopt);

} // namespace kit::host
