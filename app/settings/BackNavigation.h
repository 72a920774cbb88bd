#pragma once
// The way back out of a pushed screen: the 45 x 40 back button at the safe-area top and the
// invisible strip at the left edge whose right swipe pops the screen.
#include <functional>
#include <memory>

namespace kit {
class Button;
class View;
class ViewController;
} // namespace kit

namespace app {

// The back button, image "back-btn" (or the asset given), placed at the safe-area top + 1, left 0.
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
