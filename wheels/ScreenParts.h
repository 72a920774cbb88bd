#pragma once
// The pieces the wheel screens share: image buttons, the back button and back swipe, the mode
// menu's buttons, shade sliders, colour-label and grey-value buttons, and the button pulse.
#include "kit/ui/Button.h"
#include "kit/ui/Slider.h"
#include "kit/ui/StackView.h"
#include "kit/ui/ViewController.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace wheels {

// The localized text of an English entry of the strings table.
const std::string& tr(const char* english);

// Fires the app's haptic generator (every button action starts with it).
void haptic();

// A 45 x 40 button showing the named image centred.
std::shared_ptr<kit::Button> imageButton(const std::string& imageName);

// The screen's back button, the named image, running the shared back action.
std::shared_ptr<kit::Button> makeBackButton(kit::ViewController& screen, const std::string& imageName = "back-btn");
// A right swipe on the strip pops the screen without the haptic.
void addBackSwipe(kit::View& strip, kit::ViewController& screen);

// A label-like button for a colour code: white 18-point light title, wrapped and centred.
std::shared_ptr<kit::Button> makeColorLabelButton();
// A small round button showing a colour's grey value.
std::shared_ptr<kit::Button> makeValueButton(int tag);
// The alpha of the shade sliders' white track and thumb.
inline constexpr double shadeSliderWhiteAlpha = 0.68587255;
// A continuous slider with a translucent white track and thumb.
std::shared_ptr<kit::Slider> makeShadeSlider(float minimum, float maximum, float value);
// Title colour over a background: dark when the colour is light, else white.
kit::Color labelTextColor(const kit::Color& background);

// Scales the view to `scale` in `duration` s, then back in 0.1 s.
void pulse(kit::View& view, double scale, double duration);

} // namespace wheels

namespace wheels {

// What a screen opened with a list of colours offers ("PieChartVC", "CcImageVC"): the editor sets
// the colours between instantiation and push.
class ColorsReceiver {
public:
    virtual ~ColorsReceiver() = default;
    virtual void setColors(const std::vector<kit::Color>& colors) = 0;
};

// The swatch sets a wheel can import from, in menu order.
enum class ImportSwatchesEnum { summer, winter, spring, autumn, material, html, oilPaint, wikipedia };

// Opens the colour-picking overlay over a host view: the user's saved single colours (isSingleCC)
// or a swatch set; `picked` runs with the chosen colour. Installed by the combinations screens.
using SingleViewOpener = std::function<void(kit::View& host, bool isSingleCC, std::optional<ImportSwatchesEnum> swatch,
                                            std::function<void(const kit::Color&)> picked)>;
void setSingleViewOpener(SingleViewOpener opener);
const SingleViewOpener& singleViewOpener();

} // namespace wheels
