#pragma once
// The keys a desktop user expects of every screen, the same in the window and in headless tests:
// Escape goes back (or cancels the alert, sheet or picker on top), Return confirms an alert or the
// picker's crop, Tab moves between an alert's text fields.
#include <memory>

namespace kit {
class ViewController;
} // namespace kit

namespace kit::host {

enum class Key { escape, enter, tab };

// Acts on the screen on top of `root`; false when the key meant nothing there.
bool pressKey(const std::shared_ptr<ViewController>& root, Key key);

} // namespace kit::host
