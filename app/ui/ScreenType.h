#pragma once
// Classification of the device's screen, from the main screen's native pixel height.
#include <string_view>

namespace app {

// 0...12 by the native height of the main screen; 12 for any height not listed.
int screenType();
std::string_view screenTypeDescription(int screenClass);
bool isPlusSizeScreen();
bool isTallScreen();
// True when the key window is narrower than its screen; false without a key window.
bool isSplitScreen();
// Phone: 4. Pad: 0 full screen, 1 half, 3 a narrow third, 2 the larger part of a split.
int multitaskingLayout();
// The rule itself, for screen width W and window width w (after the full-screen check).
int multitaskingLayoutForWidths(double screenWidth, double windowWidth);

} // namespace app
