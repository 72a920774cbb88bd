#pragma once
// Controls drawn over the user's colours (icons, titles, sliders, handles) stay visible on every
// colour: white, as they are drawn, over a dark colour; the code labels' dark tint over a light one.
#include "kit/base/Color.h"
#include "kit/base/Geometry.h"

#include <memory>
#include <optional>
#include <span>

namespace kit {
class Button;
class Slider;
class View;
} // namespace kit

namespace wheels {

class DCWHANDLER;

// The tint of a control over `background`: white at `whiteAlpha` (the control's own look), or the
// dark tint the code labels take over the same colour.
kit::Color controlTint(const kit::Color& background, double whiteAlpha = 1.0);

// The background of the first of `strips` (in the window) that holds a point in window coordinates,
// and the one behind the centre of a view; none for a view out of the window.
std::optional<kit::Color> stripColorAt(kit::Point inWindow, std::span<const std::shared_ptr<kit::View>> strips);
std::optional<kit::Color> stripColorBehind(const kit::View& view, std::span<const std::shared_ptr<kit::View>> strips);

// The button's image (drawn as a shape), its title and its attributed title in `tint`.
void tintButton(kit::Button& button, const kit::Color& tint);
// The slider's thumb and filled track in `tint`.
void tintSlider(kit::Slider& slider, const kit::Color& tint);
// The handle's ring in `tint`; its fill stays the colour it shows.
void tintHandle(DCWHANDLER& handle, const kit::Color& tint);

} // namespace wheels
