#include "wheels/ControlTint.h"

#include "colour/ContrastingTint.h"
#include "kit/ui/Button.h"
#include "kit/ui/ImageView.h"
#include "kit/ui/Slider.h"
#include "kit/ui/View.h"
#include "wheels/Widgets.h"

namespace wheels {

kit::Color controlTint(const kit::Color& background, double whiteAlpha) {
    const auto tint = colour::contrastingTint(background);
    return tint.red() > 0.5 ? kit::Color::whiteColor().withAlpha(whiteAlpha) : tint;
}

std::optional<kit::Color> stripColorAt(kit::Point inWindow, std::span<const std::shared_ptr<kit::View>> strips) {
    for (const auto& strip : strips)
        if (strip && strip->window() && strip->convertRectTo(strip->bounds(), nullptr).contains(inWindow))
            return strip->backgroundColor();
    return std::nullopt;
}

std::optional<kit::Color> stripColorBehind(const kit::View& view, std::span<const std::shared_ptr<kit::View>> strips) {
    if (!view.window()) return std::nullopt;
    const auto b = view.bounds();
    return stripColorAt(view.convertPointTo({b.midX(), b.midY()}, nullptr), strips);
}

void tintButton(kit::Button& button, const kit::Color& tint) {
    if (const auto& image = button.imageView()) {
        image->setTemplate(true);
        image->setTintColor(tint);
    }
    button.setTintColor(tint);
    button.setTitleColor(tint);
    if (auto title = button.attributedTitleForState(kit::ControlState::normal)) {
        title->setForegroundColor(tint, 0, title->length());
        button.setAttributedTitle(std::move(*title));
    }
}

void tintSlider(kit::Slider& slider, const kit::Color& tint) {
    slider.setMinimumTrackTintColor(tint);
    slider.setThumbTintColor(tint);
}

void tintHandle(DCWHANDLER& handle, const kit::Color& tint) { handle.circleLayer()->setStrokeColor(tint); }

} // namespace wheels
