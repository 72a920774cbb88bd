#pragma once
// The way back out of a pushed screen: the 45 x 40 back button at the safe-area top and the
// invisible strip at the left edge whose right swipe pops the screen.
#include "kit/layout/Anchor.h"

#include <functional>
#include <memory>

namespace kit {
class Button;
class View;
class ViewController;
} // namespace kit

namespace app {

// Puts the back button on top of the root's subviews (a re-placed one drops its old constraints),
// 45 x 40 at the safe-area top + 1, left 0.
void placeBackButton(kit::View& root, const std::shared_ptr<kit::Button>& button);
// Puts the strip on top along the left edge, `offset` below `top`, down to the root's bottom,
// `backSwipeAreaWidth` wide.
void placeBackSwipeStrip(kit::View& root, const std::shared_ptr<kit::View>& strip, const kit::layout::Anchor& top,
                         double offset = 0);

// The back button, image "back-btn" (or the asset given), placed as above.
std::shared_ptr<kit::Button> addBackButton(kit::View& root, const char* asset = "back-btn");
// The strip, `top` below the root's top, down to its bottom, `backSwipeAreaWidth` wide; a right
// swipe on it runs `action`.
std::shared_ptr<kit::View> addBackSwipeStrip(kit::View& root, double top, std::function<void()> action);

// The shared back action: a light haptic, then an animated pop.
void backBtnTapped(kit::ViewController& screen);
// The swipe's back action: an animated pop, no haptic; nothing outside a navigation stack.
void backBySwipe(kit::ViewController& screen);

// The light tap every button action starts with.
void tapHaptic();

} // namespace app
