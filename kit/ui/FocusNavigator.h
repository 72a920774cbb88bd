#pragma once
// The keyboard's way through a screen: Tab and Shift+Tab move the focus ring through its controls
// and lists in reading order (rows from the top, each from the left; a screen with columns side by
// side names its own sequence), Return and Space press the control with the ring, the arrow keys
// step it (a slider, a stepper, a segmented control) or move the selection of a list or grid. A
// text field that takes the ring takes the keyboard too.
// One ring for the app: keys act in the scope the host names (the screen on top, or what lies
// open on it), and a ring left outside it counts as none.
#include "kit/ui/ScrollView.h"

#include <memory>
#include <vector>

namespace kit {

class View;

class FocusNavigator {
public:
    // False when the scope has nothing to focus.
    static bool moveFocus(View& scope, bool backwards);
    // False when nothing in the scope has the ring, or it does nothing with the key (a text field
    // keeps Return and Space for itself).
    static bool activate(View& scope);
    static bool arrow(View& scope, ArrowKey key);

    // What has the keys in the scope: the text field being typed in, else the view with the ring.
    static std::shared_ptr<View> focused(View& scope);
    // What the ring visits in the scope, in order.
    static std::vector<std::shared_ptr<View>> focusOrder(View& scope);

    // The view with the ring, wherever it is; none once it has left the window.
    static std::shared_ptr<View> ringHolder();
    // Gives the ring back to a view that had it (an alert's opener once the alert closes); nothing
    // when the view has left the window or hides.
    static void returnFocus(const std::shared_ptr<View>& view);
};

} // namespace kit
