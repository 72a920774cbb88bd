#pragma once
// The keys a desktop user expects of every screen, the same in the window and in headless tests:
// Escape closes the innermost open thing (a menu or overlay, then an alert, sheet or picker, then
// the screen); Tab and Shift+Tab move the focus ring through the controls of what lies open (else
// the screen), Return and Space press the control with the ring and the arrow keys step it (see
// FocusNavigator.h); Return with no ring confirms an alert or the picker's crop; Page Up /
// Page Down / Home / End move a list or grid.
#include "kit/base/Geometry.h"

#include <memory>
#include <optional>

namespace kit {
class ViewController;
} // namespace kit

namespace kit::host {

enum class Key { escape, enter, space, tab, backTab, left, right, up, down, pageUp, pageDown, home, end };

// Acts on the screen on top of `root`; false when the key meant nothing there. Scrolling keys move
// the list under `pointer` (window coordinates) when there is one, else the largest on the screen.
bool pressKey(const std::shared_ptr<ViewController>& root, Key key, std::optional<Point> pointer = std::nullopt);

} // namespace kit::host
