// The wheel screen's controls lie over the strips of the combination: each takes the tint that
// shows on the strip behind it, so none vanishes on a light colour or at full tint.
#include "colour/ContrastingTint.h"
#include "colour/HexText.h"
#include "colour/ThemeColors.h"
#include "kit/ui/Label.h"
#include "wheels/ControlTint.h"
#include "wheels/ScreenParts.h"
#include "wheels/digital/DcwVC.h"

namespace wheels {

void DcwVC::tintControls() {
    if (!view()->window()) return;
    const auto behind = [this](const kit::View& v) { return stripColorBehind(v, colorViews).value_or(color1); };
    const auto at = [this](kit::Point p) { return stripColorAt(p, colorViews).value_or(color1); };
    for (const auto& button : {backBtn(), editCCBtn(), saveBtn(), infoBtn(), importColorBtn()})
        tintButton(*button, controlTint(behind(*button)));
    // The mode button darkens the strip under it a little; its title and rim go by that colour.
    const auto& faint = colour::faintBlackColor();
    const auto modeTint = controlTint(colour::blendColors(behind(*modeNowBtn()), faint.withAlpha(1), faint.alpha()));
    tintButton(*modeNowBtn(), modeTint);
    modeNowBtn()->layer()->setBorderColor(modeTint);
    for (const auto& slider : {saturationSlider(), brightnessSlider(), angleSlider()})
        tintSlider(*slider, controlTint(behind(*slider), shadeSliderWhiteAlpha));
    for (std::size_t i = 0; i < captions_.size(); ++i)
        captions_[i]->setTextColor(colour::contrastingTint(colorViews[3 - i]->backgroundColor().value_or(color1)));
    for (auto* slot : wheels()) {
        auto& w = *slot;
        if (!w || !w->window()) continue;
        // Where the handle is going: a drag recolours the strips before the handle has moved.
        const auto handle = w->convertPointTo(w->pointOnRing(w->currentAngle()), nullptr);
        tintHandle(*w->handleView(), controlTint(at(handle)));
        const auto centre = w->convertPointTo({w->bounds().midX(), w->bounds().midY()}, nullptr);
        w->handleLine()->setStrokeColor(controlTint(at({(centre.x + handle.x) / 2, (centre.y + handle.y) / 2})));
        if (w->shadeSlider()->window()) tintHandle(*w->shadeSlider()->handleView(), controlTint(behind(*w->shadeSlider())));
    }
}

} // namespace wheels
