#pragma once
// Small pieces the tool screens share: image buttons from named assets, the colour-buffer swatch,
// the translucent white sliders, the left-edge back swipe, control actions
// that do not hold their screen, and the pulse of a button after a save.
#include "kit/base/Color.h"

#include <functional>
#include <memory>
#include <string>

namespace kit {
class Button;
class Control;
class Slider;
class View;
class ViewController;
} // namespace kit

namespace tools {

// A button showing the named asset (drawn as a template image in the tint colour when asked).
std::shared_ptr<kit::Button> makeImageButton(const std::string& imageName, bool asTemplate = false);
// The round swatch that offers the colour buffer: green until painted, 1-pt white border, hidden.
std::shared_ptr<kit::Button> makeBufferButton();
// Range, value and tints of the tools' component sliders (white at alpha 0.68587255).
std::shared_ptr<kit::Slider> makeToolSlider(float minimum, float maximum, float value);
void paintImageTint(kit::Button& button, const kit::Color& color);

// A 10-point strip along the left edge of the screen's root view; a right swipe on it pops the
// screen without a haptic tap. Returns the strip so screens can bring it to the front again.
std::shared_ptr<kit::View> installBackSwipeStrip(kit::ViewController& screen);

// Wraps a screen's control actions: `wrap(f)` is a target action running f(screen) while the
// screen lives, so that controls do not keep their screen alive.
template <class Screen>
auto controlActions(std::weak_ptr<Screen> weak) {
    return [weak](auto f) {
        return [weak, f](kit::Control&) {
            if (auto s = weak.lock()) f(*s);
        };
    };
}

// Scales the view to 1.5 over 0.3 s, then back over 0.1 s after 0.3 s (the saved-sets button).
void pulseSavedSetsButton(kit::View& view);

} // namespace tools
